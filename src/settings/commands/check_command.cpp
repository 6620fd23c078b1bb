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

std::filesystem::path settingsFileOf(const std::filesystem::path& given) {
  std::error_code ec;
  std::filesystem::path path = std::filesystem::absolute(given, ec);
  if (ec) path = given;
  const std::filesystem::path usualName = pathFromUtf8(fieldInfo(TextField::EditIniName).startText);
  if (std::filesystem::is_directory(path, ec)) return path / usualName;
  if (equalsIgnoringCase(pathToUtf8(path.extension()), ".exe"))
    return path.parent_path() / usualName;
  return path;
}

CheckCommandResult runCheckCommand(const std::filesystem::path& given, CheckOptions options) {
  const std::filesystem::path path = settingsFileOf(given);

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
  const bool fails = error || (options.strict && !findings.empty());
  return {fails ? 1 : 0, shipCheckReport(findings)};
}

}  // namespace velquin
