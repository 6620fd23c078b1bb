#include "settings/commands/window_commands.h"

#include "settings/commands/file_drops.h"
#include "settings/text/messages.h"

namespace velquin {
namespace {

enum class Leaving { ForAnotherProgram, ForGood };

// The save question before the settings go; true when the command may go on.
bool maySettingsGo(InstallSettings& s, UserPrompts& prompts, Leaving leaving, Checker* checker) {
  if (s.settingsSaved()) return true;
  // Before any program is chosen there is nothing a new program would reset.
  if (leaving == Leaving::ForAnotherProgram && s.program().empty()) return true;
  switch (prompts.confirm(std::string(messages::kSaveQuestion))) {
    case UserPrompts::Answer::Yes:
      return runCreateCommand(s, prompts, checker) == CreateResult::Written;
    case UserPrompts::Answer::No:
      if (leaving == Leaving::ForAnotherProgram) s.setSettingsSaved(true);
      return true;
    case UserPrompts::Answer::Cancel: return false;
  }
  return false;
}

}  // namespace

void runBrowseCommand(InstallSettings& s, UserPrompts& prompts, Checker* checker) {
  if (!maySettingsGo(s, prompts, Leaving::ForAnotherProgram, checker)) return;
  if (const auto chosen = prompts.chooseProgramFile()) s.setProgram(*chosen);
}

void runProgramDropCommand(InstallSettings& s, UserPrompts& prompts,
                           const std::vector<std::filesystem::path>& paths, Checker* checker) {
  if (const auto refusal = programRefusal(paths)) return prompts.showInformation(*refusal);
  if (maySettingsGo(s, prompts, Leaving::ForAnotherProgram, checker)) s.setProgram(paths.front());
}

void runProgramArgumentsCommand(InstallSettings& s, UserPrompts& prompts,
                                const std::vector<std::filesystem::path>& arguments) {
  if (arguments.empty()) return;
  if (arguments.size() > 1) return prompts.showInformation(std::string(messages::kOneArgumentOnly));
  if (const auto refusal = programRefusal(arguments)) return prompts.showInformation(*refusal);
  s.setProgram(arguments.front());
}

bool runCloseQuery(InstallSettings& s, UserPrompts& prompts, Checker* checker) {
  return maySettingsGo(s, prompts, Leaving::ForGood, checker);
}

std::size_t runFilesDropCommand(InstallSettings& s, UserPrompts& prompts,
                                const std::vector<std::filesystem::path>& paths) {
  DroppedFiles dropped = listDroppedFiles(s, paths);
  if (!dropped.refusal.empty()) {
    prompts.showInformation(dropped.refusal);
    return 0;
  }
  const std::size_t added = dropped.lines.size();
  s.appendLines(ListField::MemoFiles, std::move(dropped.lines));
  if (!dropped.unwritable.empty())
    prompts.showInformation(messages::namesNotShiftJis(dropped.unwritable));
  return added;
}

std::size_t runAddUnlistedFilesCommand(InstallSettings& s, const Checker& checker) {
  std::vector<std::string> lines = linesToAdd(s, checker.unlistedFiles());
  const std::size_t added = lines.size();
  if (added > 0) s.appendLines(ListField::MemoFiles, std::move(lines));
  return added;
}

}  // namespace velquin
