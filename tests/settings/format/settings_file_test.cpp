// What the loading of a settings file cannot take into the settings, each
// with its line, and where [Files] ends in the two entries Create adds.

#include "settings/format/settings_file.h"

#include <gtest/gtest.h>

#include "settings/format/settings_loader.h"

namespace velquin {
namespace {

using Lines = std::vector<std::string>;

std::vector<std::string> notLoaded(const std::string& text) {
  std::vector<std::string> out;
  for (const SettingsFile::NotLoaded& n : SettingsFile::fromText(text).notLoaded())
    out.push_back(std::to_string(n.line) + " [" + n.section + "] " + n.entry);
  return out;
}

TEST(SettingsFile, NamesWhatTheLoadingCannotTakeInFileOrder) {
  EXPECT_EQ(notLoaded("[Files]\r\n"
                      "Item1 = a.txt\r\n"
                      "Item2 = b.txt\r\n"
                      "Item5 = d.txt\r\n"      // after the gap: not read
                      "Item1 = again.txt\r\n"  // a repeat
                      "Itme5 = e.txt\r\n"      // a key the tool does not know
                      "[Install]\r\n"
                      "IsFileDelAfterInst = -5\r\n"
                      "AllUsers = 3\r\n"
                      "Title = T\r\n"
                      "[Files]\r\n"
                      "Item9 = late.txt\r\n"
                      "[Extra]\r\n"
                      "Key = v\r\n"),
            (std::vector<std::string>{
                "4 [Files] Item5 = d.txt", "5 [Files] Item1 = again.txt", "6 [Files] Itme5 = e.txt",
                "8 [Install] IsFileDelAfterInst = -5", "9 [Install] AllUsers = 3", "11 [Files] ",
                "12 [Files] Item9 = late.txt", "13 [Extra] "}));
  // What Create writes, all of it taken.
  EXPECT_TRUE(notLoaded("[Install]\r\nIsFileDelAfterInst = 0\r\nAllUsers = 0x2\r\n"
                        "[Files]\r\nItem1 = a\r\nItem2 = Rivo.exe,2\r\nItem3 = Rivo.ini\r\n")
                  .empty());
}

// Only Create's own two entries are left out of the file list: a file
// written by hand keeps every file it lists.
TEST(SettingsFile, FileListLosesOnlyTheEntriesCreateAdds) {
  const auto load = [](const std::string& files, std::string_view ini = "Rivo.ini") {
    InstallSettings s;
    loadSettings(s, SettingsFile::fromText("[Files]\r\n" + files, ini));
    return s.lines(ListField::MemoFiles);
  };
  EXPECT_EQ(load("Item1 = a.txt\r\nItem2 = b.dll\r\nItem3 = c.dll\r\n"),
            (Lines{"a.txt", "b.dll", "c.dll"}));
  EXPECT_EQ(load("Item1 = a.txt\r\nItem2 = RIVO.EXE,2\r\nItem3 = rivo.ini\r\n"), Lines{"a.txt"});
  EXPECT_EQ(load("Item1 = a.txt\r\nItem2 = Rivo.exe,2\r\nItem3 = Rivo.ini\r\n", "setup.ini"),
            (Lines{"a.txt", "Rivo.exe,2", "Rivo.ini"}));
  EXPECT_EQ(load("Item1 = Rivo.ini\r\nItem2 = Rivo.exe,2\r\n"), (Lines{"Rivo.ini", "Rivo.exe,2"}));
}

}  // namespace
}  // namespace velquin
