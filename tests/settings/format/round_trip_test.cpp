// What Create keeps of a settings file: the round trip of the loading and
// Create, line by line, and the file list the loading takes.

#include "settings/format/round_trip.h"

#include <gtest/gtest.h>

#include "settings/format/settings_loader.h"
#include "settings/test_support.h"

namespace velquin {
namespace {

using Lines = std::vector<std::string>;
using test::sj;
using namespace std::string_literals;

Lines notKeptOf(const std::string& text) {
  const SettingsFile file = SettingsFile::fromText(text);
  InstallSettings s;
  loadSettings(s, file);
  Lines out;
  for (const NotKept& n : notKept(file, s))
    out.push_back(std::to_string(n.line) + " [" + n.section + "] " + n.text + " -> " + n.becomes);
  return out;
}

TEST(RoundTrip, NamesEveryLineCreateDoesNotWriteBackAndWhatItBecomes) {
  const std::string file =
      "[Application]\r\n"
      "; a comment\r\n"
      "name=Tool\0 Deluxe\r\n"
      "[Install]\r\n"
      "AllUsers = 3\r\n"
      "Title = T\r\n"
      "Tilte = T\r\n"
      "[Files]\r\n"
      "Item1 = Rivo.exe,0\r\n"
      "Item2 = Rivo.ini\r\n"
      "Item3 = app.exe\r\n"
      "Item5 = late.txt\r\n"
      "Item3 = again.txt\r\n"
      "[Group]\r\n"
      "Value = 1\r\n"
      "Item1 = \r\n"
      "Item2 = Tool,app.exe\r\n"
      "[Extra]\r\n"
      "Key = v\r\n"
      "[Install] trailing\r\n"
      "Program = x\r\n"
      "no equals sign\r\n"s;
  EXPECT_EQ(notKeptOf(file),
            (Lines{"2 [Application] ; a comment -> ",
                   "3 [Application] name=Tool\0 Deluxe -> Name = Tool"s,
                   "5 [Install] AllUsers = 3 -> AllUsers = -1", "7 [Install] Tilte = T -> ",
                   "9 [Files] Item1 = Rivo.exe,0 -> Item2 = Rivo.exe,2",
                   "10 [Files] Item2 = Rivo.ini -> Item3 = Rivo.ini",
                   "11 [Files] Item3 = app.exe -> Item1 = app.exe",
                   "12 [Files] Item5 = late.txt -> ", "13 [Files] Item3 = again.txt -> ",
                   "16 [Group] Item1 = -> ", "17 [Group] Item2 = Tool,app.exe -> ",
                   "18 [] [Extra] -> ", "19 [Extra] Key = v -> ", "20 [] [Install] trailing -> ",
                   "21 [Install] Program = x -> ", "22 [Install] no equals sign -> "}));
  // A radio group's code past its last button loads as that button, and one
  // before its first as none chosen.
  EXPECT_EQ(notKeptOf("[Install]\r\nInstallDir = App\r\nIsFileDelAfterInst = 7\r\n"
                      "[Uninstall]\r\nKey = Tessaly\r\nAllDelete = -5\r\n"),
            (Lines{"3 [Install] IsFileDelAfterInst = 7 -> IsFileDelAfterInst = 1",
                   "6 [Uninstall] AllDelete = -5 -> AllDelete = -1"}));
  // What Create writes is kept whole; blanks, letter case and order are no
  // change.
  EXPECT_TRUE(notKeptOf(test::readBytes(test::goldenFile("worked_example.ini"))).empty());
  EXPECT_TRUE(notKeptOf("[install]\r\nallusers=2\r\n  Title   =   T  \r\n\r\n[Files]\r\n"
                        "Item2 = Rivo.ini\r\nItem1 = Rivo.exe,2\r\n[Group]\r\nValue = -1\r\n")
                  .empty());
}

// The uninstall shortcut takes the place of the author's last one that
// holds its marker.
TEST(RoundTrip, NamesTheAuthorsShortcutTheUninstallShortcutReplaces) {
  EXPECT_EQ(notKeptOf("[Application]\r\nName = Tool\r\n[Group]\r\nValue = 1\r\nItem1 = " +
                      sj("Toolのアンインストール") + ",unins.exe\r\n"),
            Lines{"5 [Group] Item1 = " + sj("Toolのアンインストール") +
                  ",unins.exe -> Item1 = " + sj("Toolのアンインストール") + ",Rivo.exe,/r"});
}

// Create's two entries are left out of the file list wherever the file
// lists them, with any overwrite digit and in any letter case, so that
// Create lists them once.
TEST(RoundTrip, FileListLosesTheEntriesCreateAddsWhereverTheyStand) {
  const auto load = [](const std::string& files, std::string_view ini = "Rivo.ini") {
    InstallSettings s;
    loadSettings(s, SettingsFile::fromText("[Files]\r\n" + files, ini));
    return s.lines(ListField::MemoFiles);
  };
  EXPECT_EQ(load("Item1 = a.txt\r\nItem2 = RIVO.EXE,2\r\nItem3 = rivo.ini\r\n"), Lines{"a.txt"});
  EXPECT_EQ(load("Item1 = Rivo.exe,0\r\nItem2 = Rivo.ini\r\nItem3 = a.txt\r\n"), Lines{"a.txt"});
  EXPECT_EQ(load("Item1 = a.txt\r\nItem2 = Rivo.exe,2\r\nItem3 = Rivo.ini\r\n", "setup.ini"),
            (Lines{"a.txt", "Rivo.exe,2", "Rivo.ini"}));
  EXPECT_EQ(load("Item1 = sub\\Rivo.exe\r\n"), Lines{"sub\\Rivo.exe"});
}

}  // namespace
}  // namespace velquin
