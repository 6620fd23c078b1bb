#pragma once

// `velquin --plan PATH`, without the command line: what the installation of
// a settings file as it stands on disk will do, as indented text.

#include <filesystem>
#include <string>

namespace velquin {

struct PlanCommandResult {
  // 0: the plan is in `text`; 2: the settings file cannot be read (and `text`
  // says so, for the error output).
  int exitCode = 0;
  std::string text;  // UTF-8, lines ending in "\n"
};

// `path` as settingsFileOf (check_command.h) takes it. The file is loaded as
// Details loads it, its folder scanned and checked, and the plan written
// (installPlanText) with the findings beside their items.
// `processEnds`: the process ends after the plan (the command line), so what
// the plan held is left for the end of the process to take back whole, as
// the check does (CheckOptions).
PlanCommandResult runPlanCommand(const std::filesystem::path& path, bool processEnds = false);

}  // namespace velquin
