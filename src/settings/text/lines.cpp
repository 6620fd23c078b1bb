#include "settings/text/lines.h"

#include <algorithm>

namespace velquin {

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  forEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines, std::string_view lineBreak) {
  std::size_t size = 0;
  for (const auto& l : lines) size += l.size() + lineBreak.size();
  std::string text;
  text.reserve(size);
  for (const auto& l : lines) {
    text += l;
    text += lineBreak;
  }
  return text;
}

void removeLineBreaks(std::string& text) {
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
}

void splitEmbeddedLineBreaks(std::vector<std::string>& lines) {
  const auto hasBreak = [](const std::string& l) {
    return l.find_first_of("\r\n") != std::string::npos;
  };
  if (std::none_of(lines.begin(), lines.end(), hasBreak)) return;
  std::vector<std::string> split;
  split.reserve(lines.size());
  for (auto& l : lines) {
    if (!hasBreak(l)) {
      split.push_back(std::move(l));
      continue;
    }
    // "a\r\nb" is the two lines a and b; a break at the end adds an empty line,
    // since the break itself was part of the line.
    auto parts = splitLines(l);
    const char last = l.back();
    if (last == '\r' || last == '\n') parts.emplace_back();
    for (auto& p : parts) split.push_back(std::move(p));
  }
  lines = std::move(split);
}

}  // namespace velquin
