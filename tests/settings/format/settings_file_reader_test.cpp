#include "settings/format/settings_file_reader.h"

#include <gtest/gtest.h>

#include "settings/test_support.h"

namespace velquin {
namespace {

using namespace std::string_literals;

SettingsFileReader read(std::string text) { return SettingsFileReader::fromBytes(std::move(text)); }

int number(std::string_view value, int fallback = -99) {
  return read("[S]\r\nK = " + std::string(value) + "\r\n").readNumber("S", "K", fallback);
}

TEST(SettingsFileReader, NumbersInDecimalAndHexadecimal) {
  EXPECT_EQ(number("3"), 3);
  EXPECT_EQ(number("-5"), -5);
  EXPECT_EQ(number("+12"), 12);
  EXPECT_EQ(number("0x2"), 2);
  EXPECT_EQ(number("0X1f"), 31);
  EXPECT_EQ(number("$2"), 2);
  EXPECT_EQ(number("x10"), 16);
  EXPECT_EQ(number("-0x2"), -2);
  EXPECT_EQ(number("2147483647"), 2147483647);
  EXPECT_EQ(number("-2147483648"), -2147483647 - 1);
  // Eight hexadecimal digits are the 32 bits of a signed number.
  EXPECT_EQ(number("0xFFFFFFFF"), -1);
  EXPECT_EQ(number("0x80000000"), -2147483647 - 1);
  EXPECT_EQ(number("0x00000000FF"), 255);  // leading zeros are not significant
}

TEST(SettingsFileReader, AnythingButANumberGivesTheDefault) {
  for (const char* bad :
       {"2a", "", "FFFFFFFF", "0x", "-", "1 2", "0x1g",
        "\x82\x50",  // full-width digit one
        "2147483648", "-2147483649", "99999999999999999999", "0x100000000", "$-1"}) {
    EXPECT_EQ(number(bad), -99) << '"' << bad << '"';
  }
  EXPECT_EQ(read("").readNumber("S", "K", 4), 4);
  EXPECT_EQ(read("[S]\r\nK =\r\n").readNumber("S", "K", 4), 4);
}

TEST(SettingsFileReader, NamesMatchInAnyLetterCaseButOnlyWholeCharacters) {
  const auto r = read("[gRoUp]\r\nVALUE = 1\r\n[\x83\x41]\r\nk = a\r\n[\x83\x61]\r\nk = b\r\n");
  EXPECT_EQ(r.readText("Group", "Value"), "1");
  EXPECT_EQ(r.readText("GROUP", "value"), "1");
  EXPECT_EQ(r.readKeys("group"), std::vector<std::string>{"VALUE"});
  // "ア" (83 41) and "ヂ" (83 61) differ only as a folded ASCII letter would.
  EXPECT_EQ(r.readText("\x83\x41", "K"), "a");
  EXPECT_EQ(r.readText("\x83\x61", "K"), "b");
}

TEST(SettingsFileReader, BlanksAroundNamesAndValuesAreDropped) {
  const auto r = read(" [ Install ] \r\n\tTitle\t=\t two  words \t\r\nEq = a=b = c\r\nNone =\r\n");
  EXPECT_EQ(r.readText("Install", "Title"), "two  words");
  EXPECT_EQ(r.readText("Install", "Eq"), "a=b = c");  // after the first "=" only
  EXPECT_EQ(r.readText("Install", "None"), "");
  EXPECT_EQ(r.readKeys("Install"), (std::vector<std::string>{"Title", "Eq", "None"}));
  // Quotes are the author's text: nothing is unquoted.
  EXPECT_EQ(read("[S]\r\nK = \"q\"\r\n").readText("S", "K"), "\"q\"");
}

TEST(SettingsFileReader, FirstSectionAndFirstKeyWin) {
  const auto r = read(
      "[Files]\r\nItem1 = a\r\nitem1 = b\r\nItem2 = c\r\n"
      "[Other]\r\nK = 1\r\n"
      "[FILES]\r\nItem1 = z\r\nItem3 = d\r\n");
  EXPECT_EQ(r.readText("Files", "Item1"), "a");
  EXPECT_EQ(r.readText("Files", "Item3"), "");
  EXPECT_EQ(r.readKeys("Files"), (std::vector<std::string>{"Item1", "Item2"}));
  const auto entries = r.entries("files");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].key, "Item2");
  EXPECT_EQ(entries[1].value, "c");
  EXPECT_EQ(entries[1].line, 4u);
}

TEST(SettingsFileReader, LinesThatAreNoEntries) {
  const auto r = read(
      "Orphan = before any section\r\n"
      "[S]\r\n"
      "; Comment = not a key\r\n"
      "  ;indented comment\r\n"
      "no equals sign\r\n"
      " = empty key name\r\n"
      "\r\n"
      "K = v\r\n"
      "[Empty]\r\n"
      "[Trailing] text after the bracket\r\n"
      "T = 2\r\n"
      "[Unclosed\r\n"
      "U = 1\r\n"
      "[Rm]Dir]\r\n"
      "R = 3\r\n");
  EXPECT_EQ(r.readKeys("S"), std::vector<std::string>{"K"});
  EXPECT_EQ(r.readText("S", ";Comment"), "");
  EXPECT_FALSE(r.hasSection("Empty"));
  EXPECT_FALSE(r.hasSection("Missing"));
  EXPECT_TRUE(r.hasSection("S"));
  EXPECT_EQ(r.readText("Trailing", "T"), "2");
  // A header without "]" is none: its entries stay in the section before.
  EXPECT_FALSE(r.hasSection("Unclosed"));
  EXPECT_EQ(r.readText("Trailing", "U"), "1");
  // The name runs to the last "]".
  EXPECT_EQ(r.readText("Rm]Dir", "R"), "3");
  EXPECT_EQ(r.readText("Rm", "R"), "");
  // "]" as the second byte of a character ("‐" is 81 5D) does not close the name.
  EXPECT_EQ(read("[a\x81\x5D"
                 "b]\r\nK = 1\r\n")
                .readText("a\x81\x5D"
                          "b",
                          "K"),
            "1");
}

TEST(SettingsFileReader, AnyLineBreakEndsALineAndNulEndsItsText) {
  const auto r = read("[A]\rK = 1\rL = 2\n[B]\nK = 3\r\nM = x\0y\r\nN = 4"s);
  EXPECT_EQ(r.readText("A", "K"), "1");
  EXPECT_EQ(r.readText("A", "L"), "2");
  EXPECT_EQ(r.readText("B", "K"), "3");
  EXPECT_EQ(r.readText("B", "M"), "x");
  EXPECT_EQ(r.readText("B", "N"), "4");  // no line break at the end
  // Lines count as an editor counts them, whatever ends them.
  EXPECT_EQ(r.lineOf("A", "L"), 3u);
  EXPECT_EQ(r.lineOf("B", "N"), 7u);
  EXPECT_EQ(r.lineOf("B", "Missing"), 0u);
  ASSERT_EQ(r.sections().size(), 2u);
  EXPECT_EQ(r.sections()[1].name, "B");
  EXPECT_EQ(r.sections()[1].line, 4u);
}

TEST(SettingsFileReader, LongListsAndValuesAreReadWhole) {
  // Key names of 2,500 entries fill far more than 16 KiB, and every 500th
  // value is longer than 2 KiB.
  test::TempDir dir;
  std::string text = "[Files]\r\n";
  const std::string longValue = "data\\" + std::string(3000, 'v') + ".bin,2";
  for (int i = 1; i <= 2500; ++i)
    text += "Item" + std::to_string(i) + " = " + std::to_string(i) +
            (i % 500 == 0 ? longValue : ".txt") + "\r\n";
  test::writeBytes(dir / "Rivo.ini", text);

  const SettingsFileReader r = read(SettingsFileReader::fileBytes(dir / "Rivo.ini"));
  const auto keys = r.readKeys("Files");
  ASSERT_EQ(keys.size(), 2500u);
  EXPECT_EQ(keys.back(), "Item2500");
  EXPECT_EQ(r.readText("Files", "Item2500"), "2500" + longValue);
  EXPECT_EQ(r.readText("Files", "Item2499"), "2499.txt");
}

TEST(SettingsFileReader, MissingFileReadsAsEmpty) {
  test::TempDir dir;
  const SettingsFileReader r = read(SettingsFileReader::fileBytes(dir / "none.ini"));
  EXPECT_EQ(r.readText("Application", "Name"), "");
  EXPECT_EQ(r.readNumber("Group", "Value", -1), -1);
  EXPECT_TRUE(r.readKeys("Files").empty());
}

}  // namespace
}  // namespace velquin
