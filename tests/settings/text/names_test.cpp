#include "settings/text/names.h"

#include <gtest/gtest.h>

#include "settings/test_support.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

using test::sj;

// Windows compares names without the case of their letters: ASCII and the
// full-width Latin, Greek and Cyrillic letters (whose lower-case row skips a
// code after "н"), but never the ASCII letter that is the second byte of a
// character ("ア" is 83 41, "ヂ" is 83 61).
TEST(Names, CaseIsFoldedAsWindowsComparesNames) {
  EXPECT_EQ(foldCase(sj("Rivo.EXE ＡＺ ΑΩ АНОЯ ア")), sj("rivo.exe ａｚ αω аноя ア"));
  EXPECT_EQ(foldAsciiCase(sj("Rivo ＡΩЯ")), sj("rivo ＡΩЯ"));
  EXPECT_TRUE(equalsIgnoringCase(sj("ＲＩＶＯ.ini"), sj("ｒｉｖｏ.INI")));
  EXPECT_FALSE(equalsIgnoringCase(sj("ア"), sj("ヂ")));
  EXPECT_FALSE(equalsIgnoringCase("rivo.exe", "rivo.exe "));
}

// Windows keeps names in UTF-16: a character that code page 932 holds under
// two codes is one character, whichever code a name gives it. Each folds to
// the code the conversion from Unicode gives (髙 is EE E0 and FB FC), and
// letters still fold beside it. A second byte 0x5C or 0x7C stays part of
// its character (ED 5C, EE 7C), also where the code it folds to ends in 0x5C
// (ED 40 to FA 5C).
TEST(Names, ACharacterOfTwoCodesIsOneCharacter) {
  EXPECT_TRUE(equalsIgnoringCase("\xEE\xE0.TXT", "\xFB\xFC.txt"));
  EXPECT_TRUE(equalsIgnoringCase(sj("Ａ") + "\xEE\xE0", sj("ａ") + "\xFB\xFC"));
  EXPECT_FALSE(equalsIgnoringCase("\xEE\xE0", "\xFB\xFB"));
  EXPECT_EQ(foldCase("\xED\x5C\xEE\x7C"
                     "A\xED\x40"),
            "\xFA\x78\xFB\x99"
            "a\xFA\x5C");

  for (const unsigned lead : {0x81u, 0x87u, 0xEDu, 0xEEu, 0xFAu, 0xFBu, 0xFCu}) {
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      const std::string code{char(lead), char(trail)};
      const auto unicode = sjis::decode(code);
      if (!unicode) continue;
      const std::string back = sjis::encode(*unicode).value_or("");
      EXPECT_EQ(foldCase(code), back) << std::hex << lead << trail;
      EXPECT_TRUE(equalsIgnoringCase(code, back)) << std::hex << lead << trail;
    }
  }
}

// A plain file name has no folder, no drive and no character Windows forbids
// in names; a second byte 0x5C ("ソ") or 0x7C ("ポ" is 83 7C) is part of its
// character.
TEST(Names, PlainFileNames) {
  for (const char* bad : {"..\\Rivo.ini", "sub/Rivo.ini", "C:Rivo.ini", "a*.ini", "a\t.ini"})
    EXPECT_FALSE(isPlainFileName(bad)) << bad;
  EXPECT_TRUE(isPlainFileName("Rivo.ini"));
  EXPECT_TRUE(isPlainFileName(sj("ソポ.ini")));
}

}  // namespace
}  // namespace velquin
