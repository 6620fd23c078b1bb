#pragma once

// The commands of the two windows besides Create (create_command.h) and
// Details (details_command.h). The windows connect their buttons, drops and
// closing to these and show the record; every decision is made here, and
// everything the author is asked or told goes through UserPrompts.
//
// The save question "設定が変更されています。保存しますか？" guards unsaved
// settings before another program resets them and before the main window
// closes:
// - Yes runs Create as its button does, given the check (when the command is)
//   for its report of the written file's errors. Unless the file is then
//   written, the command stops: the author asked to keep the settings, so
//   they are neither reset nor dropped before the author has seen why they
//   were not written.
// - No goes on. Before another program it also counts the settings as saved
//   (they are about to be reset); before closing it leaves the flag alone, so
//   that a shutdown cancelled elsewhere still finds them unsaved.
// - Cancel (Esc, closing the box) stops; nothing changes.

#include <filesystem>
#include <string>
#include <vector>

#include "settings/check/checker.h"
#include "settings/commands/create_command.h"
#include "settings/commands/user_prompts.h"
#include "settings/record/install_settings.h"

namespace velquin {

// 参照: the save question while a program is chosen and the settings are
// unsaved, then the program file dialog; the chosen path becomes the program
// (a path that differs from the held one, even in letter case only, resets
// every setting; the very same path changes nothing).
void runBrowseCommand(InstallSettings& settings, UserPrompts& prompts, Checker* checker = nullptr);

// A file manager's drop on the main window: what cannot be the program is
// refused before anything is asked or changed; otherwise as 参照 after its
// file dialog.
void runProgramDropCommand(InstallSettings& settings, UserPrompts& prompts,
                           const std::vector<std::filesystem::path>& paths,
                           Checker* checker = nullptr);

// The arguments start-up was given (Qt's own taken out; relative paths
// already made absolute): none chooses nothing, one existing .exe file is
// chosen as 参照 chooses it, anything else is refused in an information box
// that says what the tool takes, and nothing is chosen.
void runProgramArgumentsCommand(InstallSettings& settings, UserPrompts& prompts,
                                const std::vector<std::filesystem::path>& arguments);

// Whether the main window may close now (its close box, the system's end of
// session): the save question while the settings are unsaved.
bool runCloseQuery(InstallSettings& settings, UserPrompts& prompts, Checker* checker = nullptr);

// Files and folders dropped on the file list: taken whole or not at all (an
// item outside the distribution folder, or a drop before a program is
// chosen, adds nothing and says why); names code page 932 cannot hold are
// left out and named, as after the folder scan. The lines appended to the
// list are returned as their number.
std::size_t runFilesDropCommand(InstallSettings& settings, UserPrompts& prompts,
                                const std::vector<std::filesystem::path>& paths);

// 一覧にないファイルを追加, the fix of the check's warning about the folder's
// files that the file list lacks: all of them are appended to the list in one
// change, as a drop of those files appends them. The lines appended are
// returned as their number.
std::size_t runAddUnlistedFilesCommand(InstallSettings& settings, const Checker& checker);

}  // namespace velquin
