#include "settings/text/sjis.h"

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

char32_t utf8CharAt(std::string_view s, std::size_t i) {
  const auto b = static_cast<unsigned char>(s[i]);
  const std::size_t len = utf8SequenceLength(b);
  if (b >= 0x80 && b < 0xC0) return 0xFFFD;
  if (i + len > s.size()) return 0xFFFD;
  char32_t c = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
  for (std::size_t k = 1; k < len; ++k) {
    const auto cont = static_cast<unsigned char>(s[i + k]);
    if ((cont & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (cont & 0x3F);
  }
  constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};  // shorter forms are malformed
  if (c < kLeast[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0xFFFD;
  return c;
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
