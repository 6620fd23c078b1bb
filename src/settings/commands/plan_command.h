#pragma once

// `velquin --plan PATH`, without the command line: what the installation of
// a settings file as it stands on disk will do, as indented text.

#include <filesystem>
#include <string>

namespace velquin {

class CommandInput;

struct PlanCommandResult {
  // 0: the plan is in `text`; 2: no settings file could be read at the path
  // (CommandInput::read, and `text` says why, for the error output).
  int exitCode = 0;
  std::string text;  // UTF-8, lines ending in "\n"
};

// The plan of what the engine reads of the input's file (engine_reading.h),
// its folder's files found as the check finds them, with the check's own
// findings of the file on that folder (CommandInput::findings) beside the
// entries on their lines (installPlanText). The input is read with its
// folder's sizes.
PlanCommandResult runPlanCommand(CommandInput& input);
// The same of `path` as settingsFileOf (check_command.h) takes it, read for
// this plan alone.
PlanCommandResult runPlanCommand(const std::filesystem::path& path);

}  // namespace velquin
