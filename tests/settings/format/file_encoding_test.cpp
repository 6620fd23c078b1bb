#include "settings/format/file_encoding.h"

#include <gtest/gtest.h>

#include "settings/test_support.h"

namespace velquin {
namespace {

using test::sj;
using E = FileEncoding;

TEST(SettingsFileEncoding, ReadAsWhatTheFileIs) {
  struct Row {
    const char* what;
    std::string bytes;
    std::string sjis;
    FileEncoding encoding;
    std::vector<char32_t> notShiftJis;
  } rows[] = {
      {"UTF-8", "k = 表示ソ\r\n", sj("k = 表示ソ\r\n"), E::Utf8, {}},
      {"UTF-8 with a mark and a malformed byte",
       "\xEF\xBB\xBFソ\xFF",
       "\x83\x5C?",
       E::Utf8WithMark,
       {0xFFFD}},
      {"UTF-16 LE",
       std::string("\xFF\xFE"
                   "A\0\r\0\n\0\x68\x88",
                   10),
       "A\r\n\x95\x5C",
       E::Utf16Le,
       {}},
      {"UTF-16 BE: a pair, a lone surrogate, an odd last byte",
       std::string("\xFE\xFF\0a\xD8\x3D\xDE\x00\xD8\x3D\0bc", 13),
       "a??b?",
       E::Utf16Be,
       {0x1F600, 0xFFFD}},
      {"characters code page 932 cannot hold, each named once",
       "ソ〜x😀〜",
       "\x83\x5C?x??",
       E::Utf8,
       {0x301C, 0x1F600}},
      {"plain ASCII", "[A]\r\nk=v\\~\r\n", "[A]\r\nk=v\\~\r\n", E::ShiftJis, {}},
      {"Shift-JIS", sj("表示ソｱ"), sj("表示ソｱ"), E::ShiftJis, {}},
      {"Shift-JIS half-width katakana, also valid UTF-8", sj("ﾊｲﾃｸ"), sj("ﾊｲﾃｸ"), E::ShiftJis, {}},
      // Text that spells Japanese both ways: the Shift-JIS of "譌･譛ｬ" is the
      // UTF-8 of "日本", and UTF-8 it is taken for.
      {"UTF-8 that is also Shift-JIS mojibake", sj("譌･譛ｬ"), sj("日本"), E::Utf8, {}},
      // UTF-8 of Japanese text with the code page's symbols is taken over
      // Shift-JIS that mixes kanji with half-width katakana, as mojibake does
      // ("家計簿Ⅱ" is also "螳ｶ險育ｰｿ竇｡": a Shift-JIS file that truly is
      // such a mix is read as UTF-8 too), and over most Shift-JIS of kanji
      // alone ("ろ♪" is also three kanji).
      {"UTF-8 with a symbol", "Name = 家計簿Ⅱ", sj("Name = 家計簿Ⅱ"), E::Utf8, {}},
      {"UTF-8 also Shift-JIS kanji only", "ろ♪", sj("ろ♪"), E::Utf8, {}},
      // Without a kanji the Shift-JIS reading is not mojibake of Japanese
      // text, and half-width katakana score higher than a lone symbol: "°"
      // alone saved as UTF-8 is taken for these.
      {"half-width katakana, also UTF-8 °", sj("ﾂｰ"), sj("ﾂｰ"), E::ShiftJis, {}},
      {"invalid UTF-8 after valid", "表 = \xC0\xAF", "表 = \xC0\xAF", E::ShiftJis, {}},
      {"empty", "", "", E::ShiftJis, {}},
  };
  for (const Row& row : rows) {
    const SettingsFileText text = settingsFileText(row.bytes);
    EXPECT_EQ(text.sjis, row.sjis) << row.what;
    EXPECT_EQ(text.conversion.encoding, row.encoding) << row.what;
    EXPECT_EQ(text.conversion.notShiftJis, row.notShiftJis) << row.what;
  }
}

}  // namespace
}  // namespace velquin
