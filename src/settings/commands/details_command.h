#pragma once

// The Details command ("詳細設定"), without its window.
//
// For the main window: ButtonShosaiClick calls runDetailsCommand and, when
// the outcome says so, gives the check the folder's files and shows the
// detailed-settings dialog modally (its result is not used). Everything else
// happens here:
//
// 1. No program chosen: "配布プログラムのファイル名を指定してください。", stop.
// 2. No settings file name: the message of Create, focus to EditIniName, stop;
//    a name that is not a plain file name: likewise, with Create's message.
// 3. The accepted EditIniName is the settings file's name (IniFileName).
// 4. When a file (not a folder) of that name stands in DistDir, it is loaded,
//    unless the tool has read or written it since the program was chosen and
//    its bytes are still those: then the settings stay as they stand, with
//    every edit since (closing the dialog, or a Details before, keeps them).
//    Otherwise it is loaded, and the author is asked once first when it
//    would take an edit:
//    - Before the first Details or Create since the program was chosen, the
//      only edits are the main window's: a name or title typed then that the
//      file would replace is asked about, each named (はい keeps the typed
//      ones, いいえ takes the file's; the rest is loaded either way). A new
//      EditIniName alone asks nothing: it names the file, it is no edit.
//    - After that, while settings are unsaved, they may hold any edit (the
//      file list, a name or title among them). Another program changed the
//      file, or it is one the tool has not read (another EditIniName, or one
//      made where Details found none): one question, worded for which of the
//      two it is. はい loads it, dropping every edit, the typed name and
//      title with them (the typed question is not asked on top); いいえ keeps
//      every edit and loads nothing, and that version of that file is not
//      asked about again (Create asks before it replaces it); キャンセル ends
//      Details. With every setting saved, it loads without a question.
//    When it is read, one information box names every line that Create,
//    writing the settings as loaded, will not write back as it stands, and
//    what it becomes (notKept, round_trip.h), after the box that names
//    another editor's encoding.
// 5. Otherwise, and only while MemoFiles holds no line at all (one empty line
//    counts as a line), the distribution folder is scanned into MemoFiles,
//    each name as Windows resolves it (resolveFolderLines, file_drops.h), and
//    the first line that names the engine's own file (EngineBaseName + ".exe",
//    in the folder itself) is removed. Files whose names cannot be written are
//    named in one information box.
// 6. SettingsSaved becomes false: the dialog is about to show, and what it
//    shows has not been written.
//
// The folder is read once per Details: when the dialog is to show, the result
// holds the files of the distribution folder as the scan writes them (the
// engine's own file included) and those it left out, for the check before
// shipping. After a scan
// these are the scan's lines; otherwise the folder is scanned for them.
//
// Messages go through UserPrompts; nothing here blocks except those boxes.

#include <string>
#include <vector>

#include "settings/commands/user_prompts.h"
#include "settings/platform/folder_scan.h"
#include "settings/record/install_settings.h"

namespace velquin {

enum class DetailsOutcome {
  ShowDialog,  // the fields are ready: show the dialog now
  Refused,     // a check failed and its message has been shown; show nothing
};

// What Details did.
struct DetailsResult {
  DetailsOutcome outcome = DetailsOutcome::Refused;
  std::string iniFileName;                    // IniFileName, once accepted
  bool loaded = false;                        // the settings file was loaded
  bool scanned = false;                       // the folder was scanned into MemoFiles
  std::vector<std::string> folderFiles;       // when the dialog is to show
  std::vector<FolderAlias> folderAliases;     // the folder's links to its own folders
  std::vector<std::string> folderUnwritable;  // its files no line can list (UTF-8)
};

DetailsResult runDetailsCommand(InstallSettings& settings, UserPrompts& prompts);

}  // namespace velquin
