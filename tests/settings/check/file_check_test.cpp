#include "settings/check/file_check.h"

#include <gtest/gtest.h>

#include "settings/test_support.h"
#include "settings/text/messages.h"

namespace velquin {
namespace {

namespace m = messages::ship;
using Lines = std::vector<std::string>;

// A finding as "LINE W|E [Section] key: text".
Lines seen(const std::vector<FileFinding>& findings) {
  Lines out;
  for (const FileFinding& f : findings)
    out.push_back(std::to_string(f.line) + (f.weight == Weight::Error ? " E [" : " W [") +
                  f.section + "] " + f.key + ": " + f.text);
  return out;
}

const std::string kFilesEnd = "Item3 = Rivo.exe,2\r\nItem4 = Rivo.ini\r\n";

// The findings of a file's entries; a text without [Files] is given one at
// its end that ends as Create ends it.
Lines entriesOf(std::string text) {
  if (text.find("[Files]") == std::string::npos)
    text += "[Files]\r\nItem1 = a\r\nItem2 = b\r\n" + kFilesEnd;
  return seen(checkFileEntries(SettingsFile::fromText(text)));
}

TEST(FileCheck, NamesCodesAndNumbering) {
  struct Case {
    std::string text;
    Lines expected;
  };
  const std::vector<Case> cases = {
      // Known names in any letter case, codes in their range: nothing.
      {"[install]\r\nallusers = 2\r\n[Uninstall]\r\nAllDelete = 0x2\r\n", {}},
      {"[Desktpo]\r\nValue = -1\r\n",
       {"1 W [Desktpo] : " + m::unknownSection("Desktpo", "Desktop")}},
      {"[Extra]\r\n", {"1 W [Extra] : " + m::unknownSection("Extra", "")}},
      {"[Install]\r\nTilte = T\r\n", {"2 W [Install] Tilte: " + m::unknownKey("Tilte", "Title")}},
      {"[RmDir]\r\nItem01 = x\r\n",
       {"1 E [RmDir] : " + m::numberMissing(1),
        "2 W [RmDir] Item01: " + m::unknownKey("Item01", "Item1")}},
      {"[Install]\r\nAllUsers = 7\r\n",
       {"2 E [Install] AllUsers: " + m::badCode("AllUsers", "7", {-1, 0, 1, 2})}},
      {"[Group]\r\nValue = x\r\n", {"2 E [Group] Value: " + m::badCode("Value", "x", {-1, 0, 1})}},
      {"[Uninstall]\r\nNotAdmin = 2\r\n",
       {"2 E [Uninstall] NotAdmin: " + m::badCode("NotAdmin", "2", {0, 1})}},
      // A gap: the loading reads Item1 to Item4 (four keys), so Item5 is lost;
      // each entry lost is named at its line, and the settings file's entry
      // among them.
      {"[Files]\r\nItem1 = a\r\nItem3 = b\r\nItem4 = Rivo.exe,2\r\nItem5 = Rivo.ini\r\n",
       {"1 W [Files] : インストーラが読む行に、「作成」で追加される iniファイル（Rivo.ini）"
        "がありません。iniファイルはインストールされません。",
        "5 E [Files] Item5: " + m::unreadAfterGap(2)}},
      {"[RmDir]\r\nItem1 = a\r\nItem4 = b\r\nItem5 = c\r\n",
       {"3 E [RmDir] Item4: " + m::unreadAfterGap(2),
        "4 E [RmDir] Item5: " + m::unreadAfterGap(2)}},
      // Shortcuts are read from Item1 on.
      {"[Startup]\r\nItem2 = b\r\nValue = 1\r\nItem1 = a\r\n",
       {"2 E [Startup] Item2: " + std::string(m::kBeforeFirstItem)}},
      {"[Files]\r\nItem1 = a\r\nItem2 = b\r\n",
       {"1 W [Files] : " + m::withoutAddedEntries("Rivo.exe,2", "Rivo.ini")}},
      {"[Files]\r\nItem1 = a\r\nItem2 = b\r\n" + kFilesEnd, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(entriesOf(c.text), c.expected) << c.text;
}

// What the engine ignores for standing twice is named at its line, with the
// line the engine reads instead: a section's header once, whatever stands
// under it; a key, a numbered one included (which is no gap in the
// numbering). A section the engine does not know is named once, as such.
TEST(FileCheck, WhatStandsTwice) {
  EXPECT_EQ(entriesOf("[Desktop]\r\nValue = 1\r\n[Install]\r\nTitle = T\r\nTitle = U\r\n"
                      "[desktop]\r\nValue = 0\r\nItem1 = x\r\n[Extra]\r\n[Extra]\r\nK = 1\r\n"
                      "[RmDir]\r\nItem1 = a\r\nItem2 = b\r\nItem1 = c\r\n"),
            (Lines{"5 W [Install] Title: " + m::repeatedKey("Title", 4),
                   "6 W [Desktop] : " + m::repeatedSection("Desktop", 1),
                   "9 W [Extra] : " + m::unknownSection("Extra", ""),
                   "15 W [RmDir] Item1: " + m::repeatedKey("Item1", 13)}));
}

// Without [Files] the engine installs neither itself nor the settings file,
// as when [Files] lacks Create's two entries: a warning on the whole file.
TEST(FileCheck, AFileWithoutFiles) {
  EXPECT_EQ(seen(checkFileEntries(SettingsFile::fromText("[Install]\r\nTitle = T\r\n"))),
            Lines{"0 W [Files] : " + m::withoutAddedEntries("Rivo.exe,2", "Rivo.ini")});
}

TEST(FileCheck, TheFilesForm) {
  const auto form = [](std::string bytes) {
    const SettingsFileText text = settingsFileText(std::move(bytes));
    return seen(checkFileForm(text.sjis, text.conversion));
  };
  const auto resave = [](std::string_view text) {
    return "0 E [] : " + std::string(text) + std::string(m::kFileResaveAsShiftJis);
  };
  EXPECT_EQ(form(test::readBytes(test::goldenFile("worked_example.ini"))), Lines{});
  EXPECT_EQ(form(test::sj("[A]\r\nK = ソフト\x1A")), Lines{});
  EXPECT_EQ(form("[A]\r\nK = \xE3\x82\xBD\r\n"), Lines{resave(m::kFileUtf8)});
  EXPECT_EQ(form("\xEF\xBB\xBF[A]\r\nK = \xE3\x82\xBD\r\n"), Lines{resave(m::kFileUtf8WithMark)});
  EXPECT_EQ(form("\xEF\xBB\xBF[A]\r\n"), Lines{resave(m::kFileMarkOnly)});
  EXPECT_EQ(form(std::string("\xFF\xFE[\0A\0]\0", 8)), Lines{resave(m::kFileUtf16)});
  EXPECT_EQ(form(" \r\n"), Lines{"0 E [] : " + std::string(m::kFileEmpty)});
  EXPECT_EQ(form(std::string("[A]\r\nK = \x01\0\x02", 10)),
            Lines{"0 E [] : " + std::string(m::kFileBinary)});
}

// A finding stands at its entry: a field at its key, a list's line at the
// Item the file numbers it by, the list as a whole or an entry the file lacks
// at the section's header; a section the file lacks places it nowhere.
TEST(FileCheck, PlacesAFindingAtItsEntry) {
  // The list's lines were {"a", "", "b", "c"}: Create writes them without the
  // empty one, the loading reads a file with it as Item2.
  const SettingsFile file = SettingsFile::fromText(
      "[Install]\r\nTitle = T\r\n[Files]\r\nItem1 = a\r\nItem2 = b\r\nItem3 = c\r\n");
  const auto at = [&](FieldRef field, std::optional<std::size_t> line, int item,
                      ItemNumbering numbering) {
    const FileFinding f = placeInFile({field, line, item, Weight::Error, "x"}, file, numbering);
    return std::to_string(f.line) + " [" + f.section + "] " + f.key;
  };
  using enum ItemNumbering;
  EXPECT_EQ(at(ListField::MemoFiles, 2, 2, AsLoaded), "6 [Files] Item3");
  EXPECT_EQ(at(ListField::MemoFiles, 2, 2, AsWritten), "5 [Files] Item2");
  EXPECT_EQ(at(ListField::MemoFiles, 7, 5, AsWritten), "3 [Files] Item5");
  EXPECT_EQ(at(ListField::MemoFiles, std::nullopt, 0, AsWritten), "3 [Files] ");
  EXPECT_EQ(at(TextField::EditInstallTitle, std::nullopt, 0, AsLoaded), "2 [Install] Title");
  // The engine missing stands on the engine's entry that Create added, the
  // one after the author's entries, whatever empty ones these hold.
  const SettingsFile created = SettingsFile::fromText(
      "[Files]\r\nItem1 = a\r\nItem2 = \r\nItem3 = Rivo.exe,2\r\nItem4 = Rivo.ini\r\n");
  EXPECT_EQ(placeInFile({ListField::MemoFiles, std::nullopt, 2, Weight::Error, "x"}, created).line,
            4u);
  EXPECT_EQ(at(TextField::EditInstallTextFail, std::nullopt, 0, AsWritten), "1 [Install] TextFile");
  EXPECT_EQ(at(ListField::MemoRmDir, 0, 1, AsWritten), "0 [RmDir] Item1");
}

// One line for each finding, in the order of their lines, whatever line
// breaks a text holds (sentences joined, other breaks made blanks).
TEST(FileCheck, ReportsEachFindingOnOneLine) {
  const std::vector<FileFinding> findings = {
      {12, Weight::Error, "Files", "Item2", "「a\nb.txt」\r\nがありません。"},
      {0, Weight::Error, {}, {}, "一文目。\n二文目。\n"},
      {3, Weight::Warning, "Desktpo", {}, "unknown\u2028name"},
  };
  EXPECT_EQ(checkReport("dist/Rivo.ini", findings),
            "dist/Rivo.ini: エラー: 一文目。二文目。\n"
            "dist/Rivo.ini:3: 警告: [Desktpo]: unknown name\n"
            "dist/Rivo.ini:12: エラー: [Files] Item2: 「a b.txt」 がありません。\n" +
                m::counts(2, 1) + "\n");
}

}  // namespace
}  // namespace velquin
