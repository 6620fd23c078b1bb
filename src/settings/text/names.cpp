#include "settings/text/names.h"

#include <utility>

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

// A code's place among the codes of its lead byte's row and those before it
// (a row holds 188 codes: trail bytes 0x40-0x7E and 0x80-0xFC), and back.
unsigned placeOf(unsigned code) {
  const unsigned trail = code & 0xFF;
  return (code >> 8) * 188 + trail - 0x40 - (trail > 0x7F ? 1 : 0);
}
unsigned codeOfPlace(unsigned place) {
  const unsigned r = place % 188;
  return (place / 188) << 8 | (r + 0x40 + (r >= 0x3F ? 1 : 0));
}

// NEC row 13 and the IBM extensions: the codes whose character code page 932
// also holds under another code, to that code (the one the conversion from
// Unicode gives).
unsigned fromRow13OrIbm(unsigned code) {
  static constexpr std::pair<unsigned, unsigned> kTwice[] = {
      {0x8790, 0x81E0}, {0x8791, 0x81DF}, {0x8792, 0x81E7}, {0x8795, 0x81E3}, {0x8796, 0x81DB},
      {0x8797, 0x81DA}, {0x879A, 0x81E6}, {0x879B, 0x81BF}, {0x879C, 0x81BE}, {0xFA54, 0x81CA},
      {0xFA58, 0x878A}, {0xFA59, 0x8782}, {0xFA5A, 0x8784}, {0xFA5B, 0x81E6}};
  if (code >= 0xFA4A && code <= 0xFA53) return code - 0xFA4A + 0x8754;  // Ⅰ-Ⅹ
  for (const auto& [from, to] : kTwice)
    if (code == from) return to;
  return code;
}

// The NEC-selected IBM extensions (lead bytes ED, EE): the same characters
// as the IBM extensions (FA-FC), in the same order, and a few of row 2.
unsigned fromNecSelected(unsigned code) {
  if (!sjis::isTrailByte(code & 0xFF)) return code;
  if (code <= 0xEEEC) return codeOfPlace(placeOf(code) + placeOf(0xFA5C) - placeOf(0xED40));
  if (code >= 0xEEEF && code <= 0xEEF8) return code - 0xEEEF + 0xFA40;  // ⅰ-ⅹ
  if (code == 0xEEF9) return 0x81CA;                                    // ¬
  if (code >= 0xEEFA) return code - 0xEEFA + 0xFA55;
  return code;
}

// The code a double-byte character is compared by: its lower case, and of
// a character with two codes the one Unicode converts to. Only the lead
// bytes 87, ED, EE and FA have codes to take to another.
unsigned foldWide(unsigned code) {
  switch (code >> 8) {
    case 0x87:
    case 0xFA: return fromRow13OrIbm(code);
    case 0xED:
    case 0xEE: return fromNecSelected(code);
    default: return lowerWide(code);
  }
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

unsigned codeAt(std::string_view s, std::size_t i) {
  return (static_cast<unsigned char>(s[i]) << 8) | static_cast<unsigned char>(s[i + 1]);
}

// A second byte may be an ASCII letter and is still part of its character.
std::string fold(std::string_view s, bool wide) {
  std::string out(s);
  sjis::forEachChar(s, [&](std::size_t i, std::size_t length) {
    if (length == 1) {
      out[i] = lowerAscii(out[i]);
    } else if (wide) {
      const unsigned folded = foldWide(codeAt(s, i));
      out[i] = static_cast<char>(folded >> 8);
      out[i + 1] = static_cast<char>(folded & 0xFF);
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
             foldWide(codeAt(a, i)) == foldWide(codeAt(b, i));
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
