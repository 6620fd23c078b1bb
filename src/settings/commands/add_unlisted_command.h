#pragma once

// `velquin --add-unlisted PATH`, without the command line: the fix of the
// check's warning about the distribution folder's files that the file list
// lacks, for a release script, as 一覧にないファイルを追加 and then Create
// make it in the windows.
//
// PATH is taken as `velquin --check` takes it (settingsFileOf). The file is
// read once and loaded as Details loads it, the folder is read as the check
// reads it, and every file the check finds unlisted is added by the dialog's
// rule (runAddUnlistedFilesCommand: not the engine's file or the settings
// file at the top of the folder, not one a line already installs), in the
// scan's order after the author's files; the engine's and the settings
// file's entries follow them, the last two of [Files]. The file is then
// written as Create writes it (textToCreate, writeSettingsText): whole or not
// at all, a link kept and the file it leads to replaced. Each file added is
// one line of the standard output, in the order added, in the form Windows
// resolves its name to (memo.txt for the folder's "memo.txt.": the name the
// engine finds it by); then each of the folder's files whose name the
// settings file cannot hold, which no line can list, is one line that says
// it was left out. With nothing to add, the file is not written, whatever it
// holds, and one line says there is nothing, unless files were left out.
//
// Otherwise the file is left as it is, with one line on the error output
// and exit code 2, when
// - it is missing, cannot be read or is no settings file (CommandInput::read,
//   as the check says it; this is asked first);
// - it is not Shift-JIS text, which the engine reads (UTF-8, UTF-16, binary
//   data, an empty file): the check's text of its form, which says how to
//   mend it;
// - it holds a line that Create would not write back as it stands, the
//   first of them named (notKept, round_trip.h, which also says what it
//   lets Create normalise: blanks, the letter case of names, the order of
//   entries, line breaks, blank lines). Entries the file lacks are no such
//   line: they are written with the values the loading left them (start-up
//   values), the two entries Create adds to [Files] included;
// - it changed on disk since it was read (its bytes compared just before
//   it is replaced);
// - the write fails: Create's text of the failure and its reason.

#include <filesystem>
#include <string>

namespace velquin {

struct AddUnlistedResult {
  // 0: files added, or none to add; 2: nothing written, and `errors` says why.
  int exitCode = 0;
  std::string output;  // UTF-8, lines ending in "\n"
  std::string errors;  // likewise
};

class CommandInput;

AddUnlistedResult runAddUnlistedCommand(CommandInput& input);
// The same of `path`, read for this command alone.
AddUnlistedResult runAddUnlistedCommand(const std::filesystem::path& path);

}  // namespace velquin
