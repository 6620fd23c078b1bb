#pragma once

// What Create will not keep of a settings file: the text Create writes for
// the settings loaded from the file, compared line by line with the file.
//
// A line of the file is kept when the text Create writes holds it as it
// stands: a section's header of that name, or an entry of that section
// with that key and that very value. What the engine reads alike is no
// change: blanks around names, values and "=", the letter case of names,
// the order of entries in a section, line breaks and blank lines. Every
// other line is not kept, with what it becomes in the text Create writes:
// - nothing: a comment, a line that is neither a section, an entry nor
//   blank, an entry before the first section, a section or key the tool
//   does not know, what stands twice, an entry the engine does not read
//   (after a gap in the numbering), an entry the loading cannot take;
// - another line: a value cut at a NUL byte, a number no option stands for,
//   a numbered entry under another number (a gap closed, a shortcut moved,
//   the engine's entries moved to the end), an entry Create writes with
//   another value (the engine's entry with another overwrite digit, the
//   uninstall shortcut in place of the author's last one), text after a
//   section's "]".
//
// Details names these lines in one box when it reads the file, and `velquin
// --add-unlisted` writes nothing while the file holds one.

#include <cstddef>
#include <string>
#include <vector>

#include "settings/format/settings_file.h"
#include "settings/record/install_settings.h"

namespace velquin {

struct NotKept {
  std::size_t line = 0;  // from 1
  std::string section;   // the section it stands under, as spelled; empty before any
  std::string text;      // the line, blanks at its ends dropped (code page 932)
  std::string becomes;   // the line Create writes in its place; empty: none
};

// The lines of `file` that Create, writing `loaded` (the settings loaded from
// it), does not give back as they stand, in file order.
std::vector<NotKept> notKept(const SettingsFile& file, const InstallSettings& loaded);

}  // namespace velquin
