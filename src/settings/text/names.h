#pragma once

// File names as Windows compares them: two names that differ only in the
// case of their letters name the same file, and so do two names whose
// Shift-JIS bytes differ only in the code of a character that code page 932
// holds under two codes (Windows keeps names in UTF-16: 髙 is EE E0 and
// FB FC, ∵ is 81 E6, 87 9A and FA 5B).

#include <string>
#include <string_view>

namespace velquin {

// The Shift-JIS text with every upper-case letter turned to lower case: ASCII
// letters and the full-width Latin, Greek and Cyrillic letters of code page
// 932; and every character of two codes under the one the conversion from
// Unicode gives (the IBM extensions for the NEC-selected ones, row 2 for the
// symbols of NEC row 13 it also holds). Two names are the same file when
// their folded texts are equal, so the folded text serves as a key in a set;
// its length in bytes stays the same.
std::string foldCase(std::string_view sjis);

// The same for ASCII letters alone, as the profile reader folds section and
// key names.
std::string foldAsciiCase(std::string_view sjis);

// True when the name is a plain file name: no folder part, no drive, and no
// character that Windows forbids in file names.
bool isPlainFileName(std::string_view sjisName);

// True when two Shift-JIS names are the same file: equal but for the case of
// their letters (foldCase).
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The same for ASCII letters alone (foldAsciiCase), as the profile reader
// compares section and key names.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace velquin
