#include "settings/format/file_encoding.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <unordered_map>
#include <utility>

#include "settings/text/messages.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr char32_t kNoCharacter = 0xFFFD;

bool startsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// True when the UTF-8 sequence at byte `i`, read as `c`, is no character
// (utf8CharAt gives U+FFFD for that, and for U+FFFD itself).
bool malformedAt(std::string_view s, std::size_t i, char32_t c) {
  return c == kNoCharacter && !startsWith(s.substr(i), "\xEF\xBF\xBD");
}

// Calls `f(character)` for each character of UTF-8 text; a sequence that is no
// character is U+FFFD, a byte at a time.
template <class F>
void forEachUtf8Char(std::string_view s, F&& f) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const char32_t c = b < 0x80 ? b : sjis::utf8CharAt(s, i);
    f(c);
    i += malformedAt(s, i, c) ? 1 : sjis::utf8SequenceLength(b);
  }
}

// True when the bytes are UTF-8 throughout.
bool isUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b >= 0x80 && malformedAt(s, i, sjis::utf8CharAt(s, i))) return false;
    i += sjis::utf8SequenceLength(b);
  }
  return true;
}

// UTF-16 code units to UTF-8; a surrogate without its partner, and an odd last
// byte, are U+FFFD.
std::string utf16ToUtf8(std::string_view s, bool bigEndian) {
  const auto unit = [&](std::size_t i) -> char32_t {
    const auto a = static_cast<unsigned char>(s[i]);
    const auto b = static_cast<unsigned char>(s[i + 1]);
    return bigEndian ? (a << 8 | b) : (b << 8 | a);
  };
  const auto isHigh = [](char32_t u) { return u >= 0xD800 && u <= 0xDBFF; };
  const auto isLow = [](char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
  std::string out;
  out.reserve(s.size() * 3 / 2);
  std::size_t i = 0;
  for (; i + 1 < s.size(); i += 2) {
    char32_t c = unit(i);
    if (isHigh(c) && i + 3 < s.size() && isLow(unit(i + 2))) {
      c = sjis::joinSurrogates(c, unit(i + 2));
      i += 2;
    } else if (isHigh(c) || isLow(c)) {
      c = kNoCharacter;
    }
    if (c < 0x80)
      out += static_cast<char>(c);
    else
      out += sjis::characterToUtf8(c);
  }
  if (i < s.size()) out += sjis::characterToUtf8(kNoCharacter);
  return out;
}

// UTF-8 text in code page 932, "?" for each character it cannot hold.
SettingsFileText toShiftJis(std::string_view utf8, FileEncoding encoding) {
  SettingsFileText result;
  result.conversion.encoding = encoding;
  // Character by character, asking the code page once for each character, so
  // that a character it cannot hold costs no more than one it holds.
  std::unordered_map<char32_t, std::optional<std::string>> known;
  result.sjis.reserve(utf8.size());
  forEachUtf8Char(utf8, [&](char32_t c) {
    if (c < 0x80) {
      result.sjis += static_cast<char>(c);
      return;
    }
    auto [it, added] = known.try_emplace(c);
    if (added) {
      it->second = sjis::encode(sjis::characterToUtf8(c));
      if (!it->second) result.conversion.notShiftJis.push_back(c);
    }
    result.sjis += it->second ? std::string_view(*it->second) : std::string_view("?");
  });
  return result;
}

// Which reading spells Japanese text, for a file without a mark whose bytes
// are valid both as UTF-8 and as code page 932 (about half of short Japanese
// UTF-8 texts are). First by what the readings spell: UTF-8 that holds only
// characters of Japanese text and of the code page (its symbols such as ②,
// Ⅱ, ※, ★, °, → too, but not its user-defined characters) is taken over
// Shift-JIS that mixes kanji with half-width katakana. That mix is what
// UTF-8 read as Shift-JIS leaves: the first two bytes of a kana, a kanji or
// a symbol such as ② are a kanji of JIS level 2, and the last byte is often
// a half-width katakana (the Shift-JIS of "家計簿Ⅱ" is "螳ｶ險育ｰｿ竇｡").
// Genuine Shift-JIS is seldom valid UTF-8 at all, its kana and its level-1
// kanji being UTF-8's continuation bytes.
//
// Otherwise each reading is scored by its characters beyond ASCII, and UTF-8
// is taken only when it scores higher:
//
// - A UTF-8 character that Japanese text is written in (kana, the ideographic
//   punctuation, the full-width and half-width forms, a kanji of JIS levels 1
//   and 2) scores 9; any other that the code page holds (its symbols, Greek,
//   Cyrillic, box drawing, the extensions' kanji) 2, as shiftJisScore scores
//   most symbols; any other (the rest of Latin-1, Latin Extended, other
//   scripts and symbols, other kanji, the private use area) -30.
// - A Shift-JIS character scores 0 to 4 by how common it is in Japanese text
//   (shiftJisScore); half-width katakana score 2 each in a run of two or more
//   and nothing alone, as UTF-8 read as Shift-JIS leaves them between kanji.
//
// The three bytes of a UTF-8 Japanese character start at most two Shift-JIS
// characters, so a file whose UTF-8 reading is Japanese text throughout is
// read as UTF-8 (9 against at most 8). That includes the one kind of file
// the two readings cannot tell apart, Shift-JIS that spells Japanese in UTF-8
// too (the Shift-JIS of "譌･譛ｬ" is the UTF-8 of "日本"). A UTF-8 reading
// with a character neither Japanese text nor the code page has needs more
// than three Japanese ones for each such character to score above zero,
// which any Shift-JIS reading scores at least.
constexpr int kJapaneseUtf8 = 9;
constexpr int kCodePageUtf8 = 2;
constexpr int kOtherUtf8 = -30;

// The characters that some double-byte codes of code page 932 stand for, as
// the code page's own conversion gives them (all of them in the Basic
// Multilingual Plane).
class CodePageCharacters {
 public:
  CodePageCharacters(std::initializer_list<std::pair<unsigned, unsigned>> ranges) {
    std::string codes;
    for (const auto& [first, last] : ranges)
      for (unsigned code = first; code <= last; ++code)
        if (sjis::isLeadByte(static_cast<unsigned char>(code >> 8)) &&
            sjis::isTrailByte(static_cast<unsigned char>(code & 0xFF))) {
          codes += static_cast<char>(code >> 8);
          codes += static_cast<char>(code & 0xFF);
        }
    forEachUtf8Char(sjis::decodeForDisplay(codes), [&](char32_t c) {
      if (c < held_.size() && c != kNoCharacter) held_[c] = true;
    });
  }
  bool contains(char32_t c) const { return c < held_.size() && held_[c]; }

 private:
  std::bitset<0x10000> held_;
};

// A kanji of code page 932 by its code: JIS levels 1 and 2, NEC's selection
// of IBM's extensions and IBM's own.
bool isShiftJisKanji(unsigned code) {
  const auto in = [code](unsigned first, unsigned last) { return code >= first && code <= last; };
  return in(0x889F, 0x9872) || in(0x989F, 0xEAA4) || in(0xED40, 0xEEFC) || in(0xFA5C, 0xFC4B);
}

// The characters of code page 932, its user-defined ones (0xF040 to 0xF9FC)
// aside; the half-width katakana are Japanese text's in any case.
const CodePageCharacters& codePageCharacters() {
  static const CodePageCharacters held{{0x8140, 0xEFFC}, {0xFA40, 0xFCFC}};
  return held;
}

bool isJapaneseUtf8(char32_t c) {
  static const CodePageCharacters kanji{{0x889F, 0x9872}, {0x989F, 0xEAA4}};  // JIS levels 1, 2
  return (c >= 0x3000 && c <= 0x303F) ||  // ideographic space and punctuation
         (c >= 0x3041 && c <= 0x3096) || (c >= 0x309B && c <= 0x309E) ||  // hiragana
         (c >= 0x30A1 && c <= 0x30FE) ||                                  // katakana, ・ and ー
         (c >= 0xFF01 && c <= 0xFF9F) ||  // full-width forms, half-width katakana
         (c >= 0xFFE0 && c <= 0xFFE5) || kanji.contains(c);
}

std::int64_t utf8Score(std::string_view utf8) {
  std::int64_t score = 0;
  forEachUtf8Char(utf8, [&](char32_t c) {
    if (c < 0x80) return;
    score += isJapaneseUtf8(c)                  ? kJapaneseUtf8
             : codePageCharacters().contains(c) ? kCodePageUtf8
                                                : kOtherUtf8;
  });
  return score;
}

// A double-byte character of code page 932 by its code (lead byte times 256
// plus the second byte), as it stands in Japanese text.
int shiftJisScore(unsigned code) {
  const auto in = [code](unsigned first, unsigned last) { return code >= first && code <= last; };
  if (in(0x829F, 0x82F1) || in(0x8340, 0x8396) ||                    // hiragana, katakana
      in(0x8140, 0x8149) || code == 0x815B || in(0x8175, 0x817A) ||  // 、。ー「」『』【】
      in(0x889F, 0x9872))                                            // level-1 kanji
    return 4;
  if (in(0x824F, 0x829A)) return 3;  // full-width digits and letters
  if (in(0x8140, 0x81FC)) return 2;  // other symbols
  if (in(0x839F, 0x84BE) || in(0x8740, 0x879C) || in(0x989F, 0xEAA4))
    return 1;  // Greek, Cyrillic, box drawing, NEC's specials, level-2 kanji
  return 0;    // the NEC and IBM extensions, user-defined characters
}

// `bytes` must be valid code page 932.
std::int64_t shiftJisScore(std::string_view bytes) {
  std::int64_t score = 0;
  std::int64_t halfWidthRun = 0;
  const auto endRun = [&] {
    if (halfWidthRun >= 2) score += 2 * halfWidthRun;
    halfWidthRun = 0;
  };
  sjis::forEachChar(bytes, [&](std::size_t i, std::size_t length) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (length == 1 && b >= 0xA1 && b <= 0xDF) {
      ++halfWidthRun;
      return;
    }
    endRun();
    if (length == 2) score += shiftJisScore(b << 8 | static_cast<unsigned char>(bytes[i + 1]));
  });
  endRun();
  return score;
}

// True when every character of UTF-8 text is one of Japanese text or of the
// code page.
bool spellsCodePageText(std::string_view utf8) {
  bool spells = true;
  forEachUtf8Char(utf8, [&](char32_t c) {
    spells = spells && (c < 0x80 || isJapaneseUtf8(c) || codePageCharacters().contains(c));
  });
  return spells;
}

// True when Shift-JIS bytes hold both a kanji and a half-width katakana.
bool mixesKanjiWithHalfWidth(std::string_view bytes) {
  bool kanji = false;
  bool halfWidth = false;
  sjis::forEachChar(bytes, [&](std::size_t i, std::size_t length) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (length == 1) {
      halfWidth = halfWidth || (b >= 0xA1 && b <= 0xDF);
    } else {
      kanji = kanji || isShiftJisKanji(b << 8 | static_cast<unsigned char>(bytes[i + 1]));
    }
    return !(kanji && halfWidth);
  });
  return kanji && halfWidth;
}

// The encoding of a file without a mark: UTF-8 when its bytes are UTF-8
// beyond ASCII and spell Japanese text better so than as code page 932.
FileEncoding unmarkedEncoding(std::string_view bytes) {
  const std::size_t first = static_cast<std::size_t>(
      std::find_if(bytes.begin(), bytes.end(),
                   [](char c) { return static_cast<unsigned char>(c) >= 0x80; }) -
      bytes.begin());
  // Both readings agree on ASCII, and the first byte beyond it starts a
  // character in both.
  const std::string_view rest = bytes.substr(first);
  if (rest.empty() || !isUtf8(rest)) return FileEncoding::ShiftJis;
  if (!sjis::decode(rest)) return FileEncoding::Utf8;
  if (mixesKanjiWithHalfWidth(rest) && spellsCodePageText(rest)) return FileEncoding::Utf8;
  return utf8Score(rest) > shiftJisScore(rest) ? FileEncoding::Utf8 : FileEncoding::ShiftJis;
}

}  // namespace

namespace {

// The text of a file in another encoding than code page 932; nothing but
// the encoding for a code page 932 file.
SettingsFileText converted(std::string_view bytes) {
  if (startsWith(bytes, kUtf8Mark))
    return toShiftJis(bytes.substr(kUtf8Mark.size()), FileEncoding::Utf8WithMark);
  if (startsWith(bytes, kUtf16LeMark))
    return toShiftJis(utf16ToUtf8(bytes.substr(kUtf16LeMark.size()), false), FileEncoding::Utf16Le);
  if (startsWith(bytes, kUtf16BeMark))
    return toShiftJis(utf16ToUtf8(bytes.substr(kUtf16BeMark.size()), true), FileEncoding::Utf16Be);
  if (unmarkedEncoding(bytes) == FileEncoding::Utf8) return toShiftJis(bytes, FileEncoding::Utf8);
  return {};
}

}  // namespace

SettingsFileText settingsFileText(std::string bytes) {
  SettingsFileText text = converted(bytes);
  if (text.conversion.encoding == FileEncoding::ShiftJis) {
    text.sjis = std::move(bytes);
  } else {
    text.original = std::move(bytes);
  }
  return text;
}

std::string_view encodingName(FileEncoding encoding) {
  switch (encoding) {
    case FileEncoding::ShiftJis: return messages::kShiftJis;
    case FileEncoding::Utf8: return messages::kUtf8;
    case FileEncoding::Utf8WithMark: return messages::kUtf8WithMark;
    case FileEncoding::Utf16Le: return messages::kUtf16Le;
    case FileEncoding::Utf16Be: return messages::kUtf16Be;
  }
  return messages::kShiftJis;
}

}  // namespace velquin
