#include "settings/commands/plan_command.h"

#include <future>
#include <utility>

#include "settings/check/checker.h"
#include "settings/commands/check_command.h"
#include "settings/format/settings_loader.h"
#include "settings/plan/install_plan.h"
#include "settings/platform/paths.h"
#include "settings/text/messages.h"

namespace velquin {

PlanCommandResult runPlanCommand(const std::filesystem::path& given) {
  const std::filesystem::path path = settingsFileOf(given);

  const std::optional<std::string> iniFileName = readableSettingsFileName(path);
  if (!iniFileName) return {2, messages::ship::cannotRead(pathToUtf8(path)) + "\n"};

  // The folder is read, with its files' sizes, and its names taken in while
  // the settings file is read and loaded, as the check does (check_command.h).
  std::future<ScannedPlanFolder> scanned = std::async(
      std::launch::async | std::launch::deferred,
      [&path, &iniFileName] { return scanPlanFolder(path.parent_path(), *iniFileName); });
  InstallSettings settings;
  loadSettingsFile(settings, path);
  ScannedPlanFolder folder = scanned.get();
  folder.folder.settingsFileInFolder = true;
  // The checker keeps the context, and the plan finds the names in it.
  Checker checker(settings);
  checker.setFolder(std::move(folder.names));
  const std::vector<Finding> findings = checker.findings();
  return {0, planText(makeInstallPlan(settings, *iniFileName, folder.folder, findings))};
}

}  // namespace velquin
