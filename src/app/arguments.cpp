#include "arguments.h"

#include <algorithm>
#include <string_view>

namespace velquin::app {
namespace {

void mendInto(std::string_view text, std::vector<std::string>& out) {
  const std::size_t quote = text.find('"');
  if (quote == std::string_view::npos) {
    out.emplace_back(text);
    return;
  }
  out.emplace_back(text.substr(0, quote)).push_back('\\');
  // What followed the quote in the same argument: further arguments.
  std::string_view rest = text.substr(quote + 1);
  for (;;) {
    const std::size_t start = rest.find_first_not_of(" \t");
    if (start == std::string_view::npos) return;
    rest.remove_prefix(start);
    const std::size_t end = std::min(rest.find_first_of(" \t"), rest.size());
    mendInto(rest.substr(0, end), out);
    rest.remove_prefix(end);
  }
}

}  // namespace

std::vector<std::string> mendQuotedFolders(const std::vector<std::string>& arguments) {
  std::vector<std::string> mended;
  mended.reserve(arguments.size());
  for (const std::string& argument : arguments) mendInto(argument, mended);
  return mended;
}

}  // namespace velquin::app
