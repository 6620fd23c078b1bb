#include "settings/commands/check_command.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <system_error>

#include "settings/commands/command_input.h"
#include "settings/platform/paths.h"
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

std::optional<std::string> readableSettingsFileName(const std::filesystem::path& path) {
  std::optional<std::string> name = lineName(pathToUtf8(path.filename()));
  if (!name || !fileExists(path) || !std::ifstream(path, std::ios::binary)) return std::nullopt;
  return name;
}

std::string shownSettingsPath(const std::filesystem::path& given,
                              const std::filesystem::path& path) {
  if (path.filename() == given.filename()) return pathToUtf8(given);
  // A folder, or a program beside which the file stands.
  std::error_code ec;
  const bool folder = std::filesystem::is_directory(given, ec);
  return pathToUtf8((folder ? given : given.parent_path()) / path.filename());
}

CheckCommandResult runCheckCommand(CommandInput& input, CheckOptions options) {
  const std::vector<FileFinding>& findings = input.findings();
  const bool error = std::any_of(findings.begin(), findings.end(),
                                 [](const FileFinding& f) { return f.weight == Weight::Error; });
  const bool fails = error || (options.strict && !findings.empty());
  return {fails ? 1 : 0, checkReport(input.shown(), findings)};
}

CheckCommandResult runCheckCommand(const std::filesystem::path& path, CheckOptions options) {
  std::string error;
  const std::unique_ptr<CommandInput> input =
      CommandInput::read(path, CommandInput::Sizes::Without, error);
  if (!input) return {2, error + "\n"};
  return runCheckCommand(*input, options);
}

}  // namespace velquin
