#include "settings/commands/plan_command.h"

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

  InstallSettings settings;
  loadSettings(settings, SettingsFile::read(path, *iniFileName));
  const PlanFolder folder = readPlanFolder(path.parent_path());
  Checker checker(settings);
  checker.setFolderFiles(folder.files, *iniFileName, folder.aliases);
  return {0, planText(makeInstallPlan(settings, *iniFileName, folder, checker.findings()))};
}

}  // namespace velquin
