#include <cstdio>

#include "console_output.h"

namespace velquin::app {

// A terminal takes UTF-8 as a file does: the same bytes either way.
bool printText(std::string_view utf8, bool toErrorOutput) {
  std::FILE* out = toErrorOutput ? stderr : stdout;
  const bool written = std::fwrite(utf8.data(), 1, utf8.size(), out) == utf8.size();
  return std::fflush(out) == 0 && written;
}

}  // namespace velquin::app
