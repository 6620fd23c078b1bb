#pragma once

// The check of a settings file as it stands on disk, for `velquin --check`:
// what the engine will misread in the file itself, beyond the settings it
// holds (which the checker checks, checker.h), and where in the file each
// finding stands.
//
// - The file's form: the engine reads Shift-JIS text. A file saved as UTF-8
//   (with or without a byte-order mark) or UTF-16, an empty file and binary
//   data are errors that say what the engine will make of them.
// - Names: a section or key the engine does not know is a warning, naming
//   the known name it was probably meant to be when one is close.
// - Codes: a choice's or a radio group's number outside its values, or no
//   number at all, is an error naming the values allowed.
// - Numbering: the numbered entries are read as the loading reads them
//   (SettingsFile::itemsRead); each entry a missing number hides from the
//   engine (or one before Item1 of a shortcut section) is an error at its
//   own line; a gap that hides none is one error on the section.
// - Repeats: a section's header or a key of a section that stands again is
//   a warning naming the line the engine reads instead (the entries under a
//   repeated header are not named one by one).
// - [Files] lists the two entries Create adds (the engine's file and the
//   settings file); a file without them, or without [Files], gets a warning.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "settings/check/ship_check.h"
#include "settings/format/file_encoding.h"
#include "settings/format/settings_file.h"

namespace velquin {

// A finding with its place in the file. Texts are UTF-8.
struct FileFinding {
  std::size_t line = 0;  // from 1; 0 for the file as a whole
  Weight weight = Weight::Error;
  std::string section;  // the section's name, without brackets; empty for the whole file
  std::string key;      // "ItemN" or a key; empty for a section as a whole
  std::string text;

  bool operator==(const FileFinding&) const = default;
};

// The file's form, from its text in code page 932 (settingsFileText) and
// what reading it found.
std::vector<FileFinding> checkFileForm(std::string_view sjisText, const FileConversion& conversion);

// Names, codes, numbering and the end of [Files], in file order.
std::vector<FileFinding> checkFileEntries(const SettingsFile& file);

// How the file numbers a list's lines: as the loading reads a file (its
// Item i is the list's line i - 1, empty lines counted: `velquin --check`
// places the findings of the settings loaded from the file), or as Create
// writes one (empty lines left out: Item n is the finding's item, as the
// preview shows the file Create would write).
enum class ItemNumbering { AsLoaded, AsWritten };

// A finding of the settings placed at the entry that holds it (the engine's
// missing file at the engine's entry Create added), or at its section's
// header when the file has no such entry (line 0 when it has no such
// section either).
FileFinding placeInFile(const Finding& finding, const SettingsFile& file,
                        ItemNumbering numbering = ItemNumbering::AsLoaded);

// The report of `velquin --check`: one line for each finding, in the order
// of their lines,
//   PATH:LINE: エラー: [Section] ItemN: text
// ("警告" for a warning; "PATH:" alone for the file as a whole; "[Section]:"
// for a section as a whole; a line break the text may hold taken out,
// messages::oneLine), then the count of those errors and warnings. Editors
// and CI annotations read a finding from one line. Lines end in "\n".
std::string checkReport(std::string_view pathUtf8, std::vector<FileFinding> findings);

}  // namespace velquin
