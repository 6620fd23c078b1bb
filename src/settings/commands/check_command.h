#pragma once

// `velquin --check PATH`, without the command line: the check before
// shipping of a settings file as it stands on disk.

#include <filesystem>
#include <optional>
#include <string>

namespace velquin {

struct CheckOptions {
  bool strict = false;  // a warning fails the check as an error does
  // The process ends after the check (the command line): what the check
  // held (on a long list, hundreds of thousands of blocks) is left for the
  // end of the process to take back whole instead of being freed block by
  // block.
  bool processEnds = false;
};

struct CheckCommandResult {
  // 0: no error (warnings may stand, unless strict); 1: at least one error
  // (strict: at least one finding); 2: the settings file cannot be read (and
  // `text` says so, for the error output).
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

// `path` as settingsFileOf takes it. The file is loaded as
// Details loads it, its folder scanned, and the findings reported
// (shipCheckReport).
CheckCommandResult runCheckCommand(const std::filesystem::path& path, CheckOptions options = {});

}  // namespace velquin
