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
// - Without a mark, a file that is valid UTF-8 and holds a byte above 0x7F is
//   UTF-8 (Shift-JIS text outside ASCII is as good as never valid UTF-8).
// - Anything else is code page 932, its bytes taken as they are: plain ASCII,
//   a file that is not valid UTF-8, an empty file.
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
