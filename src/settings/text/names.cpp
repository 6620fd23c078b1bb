#include "settings/text/names.h"

#include "settings/text/sjis.h"

namespace velquin {

namespace {

// A second byte may be an ASCII letter and is still part of its character.
std::string fold(std::string_view s, bool wideLetters) {
  std::string out(s);
  sjis::forEachChar(s, [&](std::size_t i, std::size_t length) {
    if (length == 1) {
      if (out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] - 'A' + 'a');
      return;
    }
    if (!wideLetters) return;
    const unsigned code =
        (static_cast<unsigned char>(s[i]) << 8) | static_cast<unsigned char>(s[i + 1]);
    unsigned lower = code;
    if (code >= 0x8260 && code <= 0x8279) {
      lower = code + 0x21;  // Ａ-Ｚ to ａ-ｚ
    } else if (code >= 0x839F && code <= 0x83B6) {
      lower = code + 0x20;  // Greek
    } else if (code >= 0x8440 && code <= 0x8460) {
      // Cyrillic: the lower-case row skips the trail byte 0x7F.
      const unsigned k = code - 0x8440;
      lower = 0x8470 + k + (k >= 15 ? 1 : 0);
    }
    out[i] = static_cast<char>(lower >> 8);
    out[i + 1] = static_cast<char>(lower & 0xFF);
  });
  return out;
}

}  // namespace

std::string foldCase(std::string_view s) { return fold(s, true); }

std::string foldAsciiCase(std::string_view s) { return fold(s, false); }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && foldCase(a) == foldCase(b);
}

bool isPlainFileName(std::string_view name) {
  bool plain = true;
  // A second byte may be 0x5C or 0x7C and is still part of its character.
  sjis::forEachChar(name, [&](std::size_t i, std::size_t length) {
    if (length == 1) {
      const auto b = static_cast<unsigned char>(name[i]);
      plain = b >= 0x20 && std::string_view("\\/:*?\"<>|").find(name[i]) == std::string_view::npos;
    }
    return plain;
  });
  return plain;
}

}  // namespace velquin
