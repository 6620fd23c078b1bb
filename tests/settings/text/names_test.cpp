#include "settings/text/names.h"

#include <gtest/gtest.h>

#include "settings/test_support.h"

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
