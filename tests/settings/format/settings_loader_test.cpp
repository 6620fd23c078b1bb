#include "settings/format/settings_loader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "settings/format/settings_writer.h"
#include "settings/test_support.h"

namespace velquin {
namespace {

using T = TextField;
using L = ListField;
using Lines = std::vector<std::string>;

struct Changes : SettingsListener {
  std::vector<FieldRef> changed;
  void fieldChanged(FieldRef f) override { changed.push_back(f); }
  long count(FieldRef f) const { return std::count(changed.begin(), changed.end(), f); }
};

class Loading : public ::testing::Test {
 protected:
  void SetUp() override { s.addListener(&events); }
  void load(std::string text) { loadSettings(s, SettingsFile::fromText(std::move(text))); }

  InstallSettings s;
  Changes events;
};

// A file as Create writes it comes back as the settings that wrote it, and
// writes the same bytes again: the golden files, and settings whose radio
// groups and choices the golden files leave at their start-up values.
TEST(LoadingRoundTrip, WhatCreateWritesComesBackWhole) {
  for (const char* name :
       {"worked_example.ini", "minimal.ini", "setup_variant.ini", "startup_in_use.ini"}) {
    InstallSettings s;
    const std::string golden = test::readBytes(test::goldenFile(name));
    const std::string ini = name == std::string("setup_variant.ini") ? "setup.ini" : "Rivo.ini";
    loadSettings(s, SettingsFile::fromText(golden, ini));
    EXPECT_EQ(composeSettingsFile(s, ini), golden) << name;
  }

  InstallSettings s;
  s.setText(T::EditName, "App");
  s.setText(T::EditInstallDir, "\\Tessaly");
  s.setIndex(IndexField::RadioGroupFileDel, 0);
  s.select(Option::RBAllUsersKotei);
  s.setLines(L::MemoFiles, {"a.txt"});
  s.select(Option::RadioButtonStartNoCheck);
  s.select(Option::RadioButtonStartupCheck);
  s.select(Option::RadioButtonDesktopCheck);
  s.setText(T::EditUninstallKey, "Key");
  s.setIndex(IndexField::RadioGroupUninstallAll, 0);
  s.setIndex(IndexField::RadioGroupUninstallRebootDlg, 0);
  s.setIndex(IndexField::RadioGroupNotAdmin, 1);
  const std::string written = composeSettingsFile(s, "Rivo.ini");
  InstallSettings loaded;
  loadSettings(loaded, SettingsFile::fromText(written));
  EXPECT_EQ(composeSettingsFile(loaded, "Rivo.ini"), written);
}

// A file saved from another editor in UTF-8 loads as the Shift-JIS it holds,
// and Create writes again the Shift-JIS file it was made from.
TEST(LoadingRoundTrip, FileInUtf8ComesBackAsShiftJis) {
  const test::TempDir dir;
  const std::string golden = test::readBytes(test::goldenFile("worked_example.ini"));
  test::writeBytes(dir / "Rivo.ini", sjis::decode(golden).value());
  InstallSettings s;
  const SettingsFile file = SettingsFile::read(dir / "Rivo.ini", "Rivo.ini");
  loadSettings(s, file);
  EXPECT_EQ(file.conversion().encoding, FileEncoding::Utf8);
  EXPECT_TRUE(file.conversion().notShiftJis.empty());
  EXPECT_EQ(s.text(T::EditInstallTitle), test::sj("Velquinのインストール"));
  EXPECT_EQ(composeSettingsFile(s, "Rivo.ini"), golden);
}

// A code without an option changes nothing; an unreadable one is "not used".
TEST_F(Loading, CodesWithoutAnOptionChangeNothing) {
  s.select(Option::RBAllUsersCheck);
  s.select(Option::RadioButtonStartupCheck);
  load("[Install]\r\nAllUsers = 3\r\n[Startup]\r\nValue = x\r\n");
  EXPECT_TRUE(s.isSelected(Option::RBAllUsersCheck));
  EXPECT_TRUE(s.isSelected(Option::RadioButtonStartupMuko));
}

TEST_F(Loading, TextsAlwaysOverwriteAndOptionalSectionsOnlyWhenPresent) {
  s.setText(T::EditInstallDir, "old");
  s.setText(T::EditUninstallKey, "keep");
  s.setIndex(IndexField::RadioGroupUninstallAll, 0);
  s.setLines(L::MemoRmDir, {"keep"});
  s.setLines(L::MemoUninstallRegKey, {"keep too"});
  load("[Application]\r\nname = N\r\n[RmDir]\r\n[RegKey]\r\n;comment\r\n");
  EXPECT_EQ(s.text(T::EditName), "N");
  EXPECT_EQ(s.text(T::EditInstallDir), "");
  EXPECT_EQ(s.text(T::EditUninstallKey), "keep");
  EXPECT_EQ(s.index(IndexField::RadioGroupUninstallAll), 0);
  EXPECT_EQ(s.lines(L::MemoRmDir), Lines{"keep"});  // a header alone counts as absent
  EXPECT_EQ(s.lines(L::MemoUninstallRegKey), Lines{"keep too"});

  load("[RmDir]\r\nItem1 = a\r\nItem2 = b\r\n[Uninstall]\r\nKey = K\r\n");
  EXPECT_EQ(s.lines(L::MemoRmDir), (Lines{"a", "b"}));
  EXPECT_EQ(s.text(T::EditUninstallKey), "K");
  EXPECT_EQ(s.index(IndexField::RadioGroupUninstallAll), 2);  // default of a missing key
}

TEST_F(Loading, FileListLeavesOutTheTwoEntriesCreateAdds) {
  s.setLines(L::MemoFiles, {"typed"});
  load("[Files]\r\nItem1 = Rivo.exe,2\r\nItem2 = Rivo.ini\r\n");
  EXPECT_TRUE(s.lines(L::MemoFiles).empty());
  s.setLines(L::MemoFiles, {"typed"});
  load("[Application]\r\nName = x\r\n");
  EXPECT_TRUE(s.lines(L::MemoFiles).empty());
  load("[Files]\r\nITEM1 = a\r\nItem2 = b\r\nItem3 = Rivo.exe,2\r\nItem4 = Rivo.ini\r\n");
  EXPECT_EQ(s.lines(L::MemoFiles), (Lines{"a", "b"}));
}

TEST_F(Loading, LargeFileListArrivesInOneChange) {
  std::string text = "[Files]\r\n";
  for (int i = 1; i <= 3000; ++i)
    text += "Item" + std::to_string(i) + " = file" + std::to_string(i) + "\r\n";
  load(text + "Item3001 = Rivo.exe,2\r\nItem3002 = Rivo.ini\r\n");
  ASSERT_EQ(s.lines(L::MemoFiles).size(), 3000u);
  EXPECT_EQ(s.lines(L::MemoFiles).back(), "file3000");
  EXPECT_EQ(events.count(L::MemoFiles), 1);
}

std::string group(const std::string& items) {
  return "[Application]\r\nName = App\r\n[Group]\r\nValue = 1\r\nInfo = i\r\nGroupName = G\r\n" +
         items;
}

TEST_F(Loading, UninstallShortcutBecomesTheCheckBox) {
  const std::string shortcut = "App" + std::string(kUninstallShortcutSuffix) + ",Rivo.exe,/r";
  load(group("Item1 = a,a.exe\r\nItem2 = " + shortcut + "\r\n"));
  EXPECT_TRUE(s.checked(CheckField::CheckBox1));
  EXPECT_EQ(s.lines(L::MemoGroupItem), Lines{"a,a.exe"});

  // As the only item: the list is emptied.
  InstallSettings other;
  other.setLines(L::MemoGroupItem, {"typed"});
  loadSettings(other, SettingsFile::fromText(group("Item1 = " + shortcut + "\r\n")));
  EXPECT_TRUE(other.checked(CheckField::CheckBox1));
  EXPECT_TRUE(other.lines(L::MemoGroupItem).empty());
}

// Another application's uninstall shortcut is an ordinary item; so is the
// name "A" with the marker found from the second byte of "ア" (83 41).
TEST_F(Loading, OnlyThisApplicationsUninstallShortcutIsTheCheckBox) {
  const std::string marker = std::string(kUninstallShortcutSuffix) + ",x.exe,/r\r\n";
  for (const std::string& file :
       {group("Item1 = Other" + marker),
        "[Application]\r\nName = A\r\n[Group]\r\nValue = 1\r\nItem1 = \x83" + ("A" + marker)}) {
    InstallSettings t;
    loadSettings(t, SettingsFile::fromText(file));
    EXPECT_FALSE(t.checked(CheckField::CheckBox1)) << file;
    EXPECT_EQ(t.lines(L::MemoGroupItem).size(), 1u) << file;
  }
}

TEST_F(Loading, CheckBoxIsNeverUncheckedAndEmptyListsKeepTheirLines) {
  s.setChecked(CheckField::CheckBox1, true);
  s.setLines(L::MemoGroupItem, {"typed"});
  s.setLines(L::MemoStartupItem, {"typed"});
  load(group("Item1 = \r\n") + "[Startup]\r\nValue = 1\r\n");
  EXPECT_TRUE(s.checked(CheckField::CheckBox1));
  EXPECT_EQ(s.lines(L::MemoGroupItem), Lines{"typed"});
  EXPECT_EQ(s.lines(L::MemoStartupItem), Lines{"typed"});
}

// A file without the group's entries (a header alone is none) says "not
// used"; the check box and the items stay, and the loading goes on.
TEST_F(Loading, MissingGroupLoadsAsNotUsed) {
  s.select(Option::RadioButtonStartCheck);
  s.setChecked(CheckField::CheckBox1, true);
  s.setLines(L::MemoGroupItem, {"typed"});
  load("[Application]\r\nName = App\r\n[Group]\r\n[Startup]\r\nValue = 1\r\nItem1 = s\r\n");
  EXPECT_TRUE(s.isSelected(Option::RadioButtonStartMuko));
  EXPECT_TRUE(s.checked(CheckField::CheckBox1));
  EXPECT_EQ(s.lines(L::MemoGroupItem), Lines{"typed"});
  EXPECT_EQ(s.lines(L::MemoStartupItem), Lines{"s"});
}

TEST_F(Loading, WorkingValuesAreLeftAlone) {
  s.setText(T::EditIniName, "setup.ini");
  s.setSettingsSaved(true);
  load(test::readBytes(test::goldenFile("worked_example.ini")));
  EXPECT_EQ(s.text(T::EditIniName), "setup.ini");
  EXPECT_TRUE(s.settingsSaved());
}

}  // namespace
}  // namespace velquin
