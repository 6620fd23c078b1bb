#include "sjis.h"

namespace velquin::sjis {

bool containsAtCharBoundary(std::string_view haystack, std::string_view needle) {
  if (needle.empty()) return true;
  bool found = false;
  forEachChar(haystack, [&](std::size_t i, std::size_t) {
    found = haystack.compare(i, needle.size(), needle) == 0;
    return !found;
  });
  return found;
}

std::string characterToUtf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::string decodeForDisplay(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  while (!bytes.empty()) {
    DecodeFailure failure;
    if (auto text = decode(bytes, &failure)) {
      out += *text;
      break;
    }
    if (failure.offset > 0) out += *decode(bytes.substr(0, failure.offset));
    out += "\xEF\xBF\xBD";  // U+FFFD
    bytes.remove_prefix(failure.offset + 1);
  }
  return out;
}

}  // namespace velquin::sjis
