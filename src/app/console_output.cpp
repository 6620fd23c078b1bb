#include "console_output.h"

namespace velquin::app {

std::string withCrLf(std::string_view text) {
  std::string lines;
  lines.reserve(text.size() + text.size() / 16);
  for (const char c : text) {
    if (c == '\n' && (lines.empty() || lines.back() != '\r')) lines += '\r';
    lines += c;
  }
  return lines;
}

}  // namespace velquin::app
