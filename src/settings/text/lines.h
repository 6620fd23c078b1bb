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

// Whether the author's text breaks a line at `c`: CR, LF, and the line and
// paragraph separators (U+2028, U+2029) that Shift+Enter and other programs
// put into pasted text.
constexpr bool isLineBreak(char32_t c) {
  return c == U'\r' || c == U'\n' || c == U'\u2028' || c == U'\u2029';
}

// The lines of a text; a break at the very end starts no further line.
std::vector<std::string> splitLines(std::string_view text);
// Calls `f(line)` with a view of each line splitLines gives, without a copy.
template <class F>
void forEachLine(std::string_view text, F&& f) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      f(text.substr(start));
      return;
    }
    f(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

// Each line followed by `lineBreak`.
std::string joinLines(const std::vector<std::string>& lines, std::string_view lineBreak = "\r\n");

// Drops every CR and LF byte. (In code page 932 neither is ever the second
// byte of a double-byte character.)
void removeLineBreaks(std::string& text);

// Splits each line that holds a line break into the lines it reads as.
void splitEmbeddedLineBreaks(std::vector<std::string>& lines);

}  // namespace velquin
