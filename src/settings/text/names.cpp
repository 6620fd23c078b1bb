#include "settings/text/names.h"

#include "settings/text/sjis.h"

namespace velquin {

namespace {

// The lower case of a double-byte character's code: the full-width Latin,
// Greek and Cyrillic capitals of code page 932.
unsigned lowerWide(unsigned code) {
  if (code >= 0x8260 && code <= 0x8279) return code + 0x21;  // Ａ-Ｚ to ａ-ｚ
  if (code >= 0x839F && code <= 0x83B6) return code + 0x20;  // Greek
  if (code >= 0x8440 && code <= 0x8460) {
    // Cyrillic: the lower-case row skips the trail byte 0x7F.
    const unsigned k = code - 0x8440;
    return 0x8470 + k + (k >= 15 ? 1 : 0);
  }
  return code;
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

unsigned codeAt(std::string_view s, std::size_t i) {
  return (static_cast<unsigned char>(s[i]) << 8) | static_cast<unsigned char>(s[i + 1]);
}

// A second byte may be an ASCII letter and is still part of its character.
std::string fold(std::string_view s, bool wideLetters) {
  std::string out(s);
  sjis::forEachChar(s, [&](std::size_t i, std::size_t length) {
    if (length == 1) {
      out[i] = lowerAscii(out[i]);
    } else if (wideLetters) {
      const unsigned lower = lowerWide(codeAt(s, i));
      out[i] = static_cast<char>(lower >> 8);
      out[i + 1] = static_cast<char>(lower & 0xFF);
    }
  });
  return out;
}

}  // namespace

std::string foldCase(std::string_view s) { return fold(s, true); }

std::string foldAsciiCase(std::string_view s) { return fold(s, false); }

// As foldCase(a) == foldCase(b), without the copies: folding keeps every
// byte's place, and equal characters so far keep both texts on the same
// character boundaries.
bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  bool same = true;
  sjis::forEachChar(a, [&](std::size_t i, std::size_t length) {
    if (length == 1) {
      same = lowerAscii(a[i]) == lowerAscii(b[i]);
    } else {
      same = sjis::isLeadByte(static_cast<unsigned char>(b[i])) &&
             lowerWide(codeAt(a, i)) == lowerWide(codeAt(b, i));
    }
    return same;
  });
  return same;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  bool same = true;
  sjis::forEachChar(a, [&](std::size_t i, std::size_t length) {
    same =
        length == 1 ? lowerAscii(a[i]) == lowerAscii(b[i]) : a[i] == b[i] && a[i + 1] == b[i + 1];
    return same;
  });
  return same;
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
