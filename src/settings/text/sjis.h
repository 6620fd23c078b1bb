#pragma once

// Text in code page 932, the Shift-JIS of Windows.
//
// Every value of the settings is kept as the bytes the installer engine reads.
// The windows and the messages work in Unicode (UTF-8 here); this module is the
// one place where the two meet. A character that code page 932 cannot hold is
// never replaced or dropped: the conversion fails and says which one it was.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace velquin::sjis {

// Shift-JIS bytes and UTF-8 text are both std::string; the alias documents which.
using Bytes = std::string;

struct EncodeFailure {
  std::size_t offset = 0;  // byte offset into the UTF-8 input
  char32_t character = 0;  // the character code page 932 cannot hold
};

struct DecodeFailure {
  std::size_t offset = 0;  // byte offset into the Shift-JIS input
};

// UTF-8 to code page 932. Fails on the first character the code page lacks
// (or on malformed UTF-8, with character U+FFFD).
std::optional<Bytes> encode(std::string_view utf8, EncodeFailure* failure = nullptr);

// Code page 932 to UTF-8. Fails on the first byte sequence that is not a
// character of the code page (a lone lead byte, an undefined code).
std::optional<std::string> decode(std::string_view bytes, DecodeFailure* failure = nullptr);

// Decodes for display: every byte sequence that is not a character of the
// code page shows as one U+FFFD, and the text around it as it is. A lead byte
// and a byte that may follow it (isTrailByte) are one sequence, a character
// or not; a lead byte before any other byte, or at the end, is one on its own,
// so a blank or a line break after it stays. Any other byte is one. Takes time
// in proportion to the input, however much of it is damaged. Never used for
// anything that is written back.
std::string decodeForDisplay(std::string_view bytes);

// The bytes of a value after the author changed its shown text (as
// decodeForDisplay shows `bytes`) to `shownNow`, UTF-8: the characters at
// either end that show as they did keep their bytes, also bytes that are no
// character of the code page (shown as U+FFFD); only the stretch between is
// encoded. Fails as encode() does on a character of that stretch that the
// code page lacks (`failure->offset` into `shownNow`).
//
// One kept byte goes: a lead byte that stands alone (cut off from its second
// byte) just before the stretch, when the edit puts a byte after it that was
// not there. The engine would read the two as one character, which is
// neither the U+FFFD shown nor what the author typed; without that byte the
// value shows as the engine reads it. `*dropped` then tells where its U+FFFD
// stood in `shownNow` (a byte offset): the value shows as `shownNow` without
// that character. Otherwise the value shows as `shownNow`.
std::optional<Bytes> encodeEdit(std::string_view bytes, std::string_view shownNow,
                                EncodeFailure* failure = nullptr,
                                std::optional<std::size_t>* dropped = nullptr);

// The UTF-8 text of U+FFFD, as decodeForDisplay shows what is no character.
inline constexpr std::string_view kNoCharacter = "\xEF\xBF\xBD";

// True when every byte is ASCII: the same bytes in code page 932 and UTF-8.
constexpr bool isAscii(std::string_view bytes) {
  for (const char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// True for a byte that starts a double-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool isLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// True for a byte that may be the second byte of a double-byte character
// (0x40-0x7E, 0x80-0xFC).
constexpr bool isTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// Calls `f(offset, length)` for each character of Shift-JIS bytes, in order:
// a lead byte and the byte after it are one character of length 2, whatever
// that second byte is (it may be 0x5C, the backslash, or 0x5D, "]"); any
// other byte, and a lead byte at the very end, is a character of length 1.
// When `f` returns bool, false stops the walk.
template <class F>
constexpr void forEachChar(std::string_view bytes, F&& f) {
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length =
        isLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size() ? 2 : 1;
    if constexpr (std::is_same_v<decltype(f(i, length)), bool>) {
      if (!f(i, length)) return;
    } else {
      f(i, length);
    }
    i += length;
  }
}

// Bytes of the UTF-8 sequence that starts with `lead` (1 for a stray
// continuation byte, so that a scan always moves on).
constexpr std::size_t utf8SequenceLength(unsigned char lead) {
  return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// The character of UTF-8 text that starts at byte `i`: U+FFFD for a sequence
// that is cut short or malformed (a stray continuation byte, an overlong form,
// a surrogate, beyond U+10FFFF).
char32_t utf8CharAt(std::string_view utf8, std::size_t i);

// The character of a UTF-16 surrogate pair.
constexpr char32_t joinSurrogates(char32_t high, char32_t low) {
  return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

// True when `needle` occurs in `haystack` starting on a character boundary:
// a match that would begin on the second byte of a double-byte character
// does not count. An empty needle is contained in every text.
bool containsAtCharBoundary(std::string_view haystack, std::string_view needle);

// The UTF-8 text of a single character, for messages.
std::string characterToUtf8(char32_t c);

}  // namespace velquin::sjis
