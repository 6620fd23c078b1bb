#include "settings/commands/plan_command.h"

#include <future>
#include <memory>
#include <optional>
#include <utility>

#include "settings/check/checker.h"
#include "settings/commands/check_command.h"
#include "settings/format/settings_loader.h"
#include "settings/plan/install_plan.h"
#include "settings/platform/paths.h"
#include "settings/text/messages.h"

namespace velquin {

PlanCommandResult runPlanCommand(const std::filesystem::path& given, bool processEnds) {
  const std::filesystem::path path = settingsFileOf(given);

  const std::optional<std::string> iniFileName = readableSettingsFileName(path);
  if (!iniFileName) return {2, messages::ship::cannotRead(pathToUtf8(path)) + "\n"};

  // The folder is read, with its files' sizes, and its names taken in while
  // the settings file is read and loaded, as the check does (check_command.h).
  std::future<ScannedPlanFolder> scanned = std::async(
      std::launch::async | std::launch::deferred,
      [&path, &iniFileName] { return scanPlanFolder(path.parent_path(), *iniFileName); });
  struct Held {
    InstallSettings settings;
    std::optional<Checker> checker;  // made once the settings are loaded
    ScannedPlanFolder folder;
  };
  auto held = std::make_unique<Held>();
  loadSettings(held->settings, SettingsFile::read(path, *iniFileName));
  held->folder = scanned.get();
  held->folder.folder.settingsFileInFolder = true;
  // The checker keeps the context, and the plan finds the names in it.
  held->checker.emplace(held->settings);
  held->checker->setFolder(std::move(held->folder.names));
  PlanCommandResult result{0, installPlanText(held->settings, *iniFileName, held->folder.folder,
                                              held->checker->findings())};
  if (processEnds) {
    // Never freed, and reachable until the process ends (no leak).
    static auto* const kept = new std::vector<std::unique_ptr<Held>>;
    kept->push_back(std::move(held));
  }
  return result;
}

}  // namespace velquin
