#pragma once

// Lists of lines and the multi-line text that shows them.
//
// A memo shows each line followed by a line break, so a list that holds one
// empty line reads as a single line break and an empty list as no text. Any
// line break counts when the text is read back: CR LF, a lone CR, a lone LF.

#include <string>
#include <string_view>
#include <vector>

namespace velquin {

// The lines of a text; a break at the very end starts no further line.
std::vector<std::string> splitLines(std::string_view text);

// Each line followed by `lineBreak`.
std::string joinLines(const std::vector<std::string>& lines, std::string_view lineBreak = "\r\n");

// Drops every CR and LF byte. (In code page 932 neither is ever the second
// byte of a double-byte character.)
void removeLineBreaks(std::string& text);

// Splits each line that holds a line break into the lines it reads as.
void splitEmbeddedLineBreaks(std::vector<std::string>& lines);

}  // namespace velquin
