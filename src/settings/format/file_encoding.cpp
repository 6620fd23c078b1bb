#include "settings/format/file_encoding.h"

#include <optional>
#include <unordered_map>

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

bool isUtf8BeyondAscii(std::string_view s) {
  bool beyondAscii = false;
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b >= 0x80) {
      if (malformedAt(s, i, sjis::utf8CharAt(s, i))) return false;
      beyondAscii = true;
    }
    i += sjis::utf8SequenceLength(b);
  }
  return beyondAscii;
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
  if (isUtf8BeyondAscii(bytes)) return toShiftJis(bytes, FileEncoding::Utf8);
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
