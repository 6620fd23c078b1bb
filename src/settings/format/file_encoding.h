#pragma once

// The text of a settings file, whichever editor saved it last.
//
// Create writes code page 932 (Shift-JIS), and a file it wrote is read as
// those very bytes. An author may have saved the file from another editor in
// UTF-8 or UTF-16, though; such a file is read as what it is, and its text is
// taken into code page 932, so that the record holds Shift-JIS as always and
// Create writes Shift-JIS again. What the file is:
//
// - A byte-order mark says it: EF BB BF is UTF-8, FF FE UTF-16
//   little-endian, FE FF UTF-16 big-endian. The mark is no part of the text.
// - Without a mark, the file is read as what makes it Japanese text. Plain
//   ASCII, an empty file and a file that is not valid UTF-8 are code page
//   932; a file beyond ASCII that is valid UTF-8 but not code page 932 is
//   UTF-8. Many byte strings are both (half-width katakana are also UTF-8's
//   lead and continuation bytes): then by what each reading spells. UTF-8
//   that spells Japanese text and the code page's own symbols (②, Ⅱ, ※,
//   ★, °, → and the like) is taken over Shift-JIS that mixes kanji with
//   half-width katakana, which is what UTF-8 read as Shift-JIS looks like
//   ("家計簿Ⅱ" is "螳ｶ險育ｰｿ竇｡" so). Otherwise each reading is scored by
//   how plausible its characters are in Japanese text, the code page's
//   symbols counting for a UTF-8 reading, and UTF-8 is taken only when it
//   scores higher (the .cpp gives the scores). Every file Create writes is
//   read as code page 932 but for some whose bytes are also UTF-8 of
//   Japanese text, the Shift-JIS of mojibake such as "譌･譛ｬ" ("日本" in
//   UTF-8) or "螳ｶ險育ｰｿ竇｡", which are read as UTF-8; half-width katakana
//   without a kanji stay Shift-JIS.
// - Code page 932 is taken as its bytes are.
//
// Line breaks and every character code page 932 holds come through as they
// are. A character it cannot hold stands as "?" in the text and is named in
// `notShiftJis`, for the author to be told; so, as U+FFFD, is what is no
// character of the file's own encoding (a malformed sequence after a UTF-8
// mark, a UTF-16 surrogate without its partner, an odd last byte). Time and
// memory are in proportion to the file's size.

#include <string>
#include <string_view>
#include <vector>

namespace velquin {

enum class FileEncoding { ShiftJis, Utf8, Utf8WithMark, Utf16Le, Utf16Be };

// What a file's encoding took from its text on the way into code page 932.
struct FileConversion {
  FileEncoding encoding = FileEncoding::ShiftJis;  // as the file was found
  // The characters code page 932 cannot hold, in the order of their first
  // appearance, each once. Always empty for ShiftJis.
  std::vector<char32_t> notShiftJis;
};

struct SettingsFileText {
  std::string sjis;  // in code page 932: the file's own bytes when it was ShiftJis
  FileConversion conversion;
  std::string original;  // the file's bytes when it was not ShiftJis
};

// The bytes are taken, so that a Shift-JIS file's text is never copied.
SettingsFileText settingsFileText(std::string fileBytes);

// The encoding's name, as messages::settingsFileConverted gives it.
std::string_view encodingName(FileEncoding encoding);

}  // namespace velquin
