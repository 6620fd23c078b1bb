#include "settings/commands/check_command.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "settings/check/checker.h"
#include "settings/format/settings_loader.h"
#include "settings/platform/folder_scan.h"
#include "settings/platform/paths.h"
#include "settings/text/messages.h"
#include "settings/text/names.h"

namespace velquin {

CheckCommandResult runCheckCommand(const std::filesystem::path& given) {
  std::error_code ec;
  std::filesystem::path path = std::filesystem::absolute(given, ec);
  if (ec) path = given;
  if (equalsIgnoringCase(pathToUtf8(path.extension()), ".exe"))
    path = path.parent_path() / pathFromUtf8(fieldInfo(TextField::EditIniName).startText);

  const std::optional<std::string> iniFileName = lineName(pathToUtf8(path.filename()));
  if (!iniFileName || !fileExists(path) || !std::ifstream(path, std::ios::binary))
    return {2, messages::ship::cannotRead(pathToUtf8(path)) + "\n"};

  InstallSettings settings;
  loadSettingsFile(settings, path);
  Checker checker(settings);
  checker.setFolderFiles(scanFolder(path.parent_path()).lines, *iniFileName);
  const std::vector<Finding> findings = checker.findings();
  const bool error = std::any_of(findings.begin(), findings.end(),
                                 [](const Finding& f) { return f.weight == Weight::Error; });
  return {error ? 1 : 0, shipCheckReport(findings)};
}

}  // namespace velquin
