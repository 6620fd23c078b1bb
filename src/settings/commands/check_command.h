#pragma once

// `velquin --check PATH`, without the command line: the check before
// shipping of a settings file as it stands on disk.

#include <filesystem>
#include <optional>
#include <string>

namespace velquin {

class CommandInput;

struct CheckOptions {
  bool strict = false;  // a warning fails the check as an error does
};

struct CheckCommandResult {
  // 0: no error (warnings may stand, unless strict); 1: at least one error
  // (strict: at least one finding); 2: no settings file could be read at the
  // path (CommandInput::read, and `text` says why, for the error output).
  int exitCode = 0;
  std::string text;  // UTF-8, lines ending in "\n"
};

// The settings file that a command-line PATH names: PATH itself, or, for a
// folder or a program (.exe), the settings file under its usual name
// (Rivo.ini) in that folder or beside that program. Made absolute.
std::filesystem::path settingsFileOf(const std::filesystem::path& path);

// The name of the settings file at `path` (Shift-JIS, as the engine names
// it), when that file can be read; none otherwise.
std::optional<std::string> readableSettingsFileName(const std::filesystem::path& path);

// The settings file `path` (settingsFileOf `given`) as a report names it:
// as the command line gave it, or the folder or program given followed by
// the file's name. UTF-8.
std::string shownSettingsPath(const std::filesystem::path& given,
                              const std::filesystem::path& path);

// The findings of the input (CommandInput::findings) reported (checkReport).
CheckCommandResult runCheckCommand(CommandInput& input, CheckOptions options = {});
// The same of `path` as settingsFileOf takes it, read for this check alone.
CheckCommandResult runCheckCommand(const std::filesystem::path& path, CheckOptions options = {});

}  // namespace velquin
