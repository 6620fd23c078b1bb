#pragma once

// File names as Windows compares them: two names that differ only in the
// case of their letters name the same file.

#include <string>
#include <string_view>

namespace velquin {

// The Shift-JIS text with every upper-case letter turned to lower case: ASCII
// letters and the full-width Latin, Greek and Cyrillic letters of code page
// 932. Two names are the same file when their folded texts are equal, so the
// folded text serves as a key in a set; its length in bytes stays the same.
std::string foldCase(std::string_view sjis);

}  // namespace velquin
