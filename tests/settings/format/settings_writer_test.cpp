#include "settings/format/settings_writer.h"

#include <gtest/gtest.h>

#include "settings/test_support.h"

namespace velquin {
namespace {

using test::sj;
using test::sjLines;
using T = TextField;
using L = ListField;

void fillMainWindow(InstallSettings& s) {
  s.setText(T::EditName, "Velquin");
  s.setText(T::EditInstallTitle, sj("Velquinのインストール"));
}

// The settings of the worked example: every section in use.
void fillWorkedExample(InstallSettings& s) {
  fillMainWindow(s);
  s.setLines(L::MemoFiles, {"Tessaly.exe", "ReadMe.txt", "help\\Tessaly.hlp,2"});
  s.setText(T::EditInstallTextFail, "ReadMe.txt");
  s.setText(T::EditInstallDir, "Tessaly");
  s.setText(T::EditInstallDirReg, "HKEY_CURRENT_USER\\Software\\Tessaly");
  s.select(Option::RadioButtonStartCheck);
  s.setText(T::EditGroupInfo,
            sj("スタートメニューの「プログラム」内に＜Velquin＞というグループを作成します。"));
  s.setText(T::EditGroupName, "Velquin");
  s.setLines(L::MemoGroupItem,
             sjLines({"Velquin,Tessaly.exe", "Velquinのヘルプ,help\\Tessaly.hlp"}));
  s.setChecked(CheckField::CheckBox1, true);
  s.select(Option::RadioButtonDesktopNocheck);
  s.setText(T::EditDesktopInfo, sj("この項目にチェックを入れておくと，＜Velquin＞というショートカッ"
                                   "トをデスクトップに作成します。"));
  s.setLines(L::MemoDesktopItem, {"Velquin,Tessaly.exe"});
  s.setText(T::EditUninstallKey, "Tessaly");
  s.setText(T::EditUninstallName, "Velquin");
  s.setText(T::EditUninstallTitle, sj("Velquinのアンインストール"));
  s.setLines(L::MemoRmDir, {"%MYDOCUMENTS%\\Tessaly,1"});
  s.setLines(L::MemoUninstallRegKey, {"HKEY_CURRENT_USER\\Software\\Tessaly"});
}

TEST(SettingsFileText, WorkedExampleByteForByte) {
  InstallSettings s;
  fillWorkedExample(s);
  EXPECT_EQ(composeSettingsFile(s, "Rivo.ini"),
            test::readBytes(test::goldenFile("worked_example.ini")));
}

TEST(SettingsFileText, MinimalFileHasEighteenLines) {
  InstallSettings s;
  fillMainWindow(s);
  s.setLines(L::MemoFiles, {"a.txt"});
  EXPECT_EQ(composeSettingsFile(s, "Rivo.ini"), test::readBytes(test::goldenFile("minimal.ini")));
}

TEST(SettingsFileText, OtherSettingsFileNameNamesItsEngine) {
  InstallSettings s;
  fillMainWindow(s);
  s.setLines(L::MemoFiles, {"a.txt"});
  s.select(Option::RadioButtonStartNoCheck);  // code 0 with an empty list
  s.setChecked(CheckField::CheckBox1, true);
  EXPECT_EQ(composeSettingsFile(s, "setup.ini"),
            test::readBytes(test::goldenFile("setup_variant.ini")));
}

// Startup in use, and the All Users codes that no other file holds: an entry
// written under the wrong section or with the wrong code shows here.
TEST(SettingsFileText, StartupInUseAndAllUsersCodes) {
  InstallSettings s;
  s.setText(T::EditName, "App");
  s.setText(T::EditInstallTitle, "T");
  s.setLines(L::MemoFiles, {"a.txt"});
  s.select(Option::RBAllUsersNoCheck);
  s.select(Option::RadioButtonStartupCheck);
  s.setText(T::EditStartupInfo, "I");
  s.setLines(L::MemoStartupItem, {"", "App,app.exe"});
  s.setText(T::EditDesktopInfo, "not written");
  EXPECT_EQ(composeSettingsFile(s, "Rivo.ini"),
            test::readBytes(test::goldenFile("startup_in_use.ini")));
  s.select(Option::RBAllUsersCheck);
  EXPECT_NE(composeSettingsFile(s, "Rivo.ini").find("\nAllUsers = 1\r\nMessage"),
            std::string::npos);
}

TEST(SettingsFileText, DependentEntriesFollowTheirSource) {
  InstallSettings s;
  fillWorkedExample(s);
  s.setText(T::EditInstallDir, "");
  s.select(Option::RadioButtonStartMuko);
  s.select(Option::RadioButtonDesktopMuko);
  s.setText(T::EditUninstallKey, "");
  const std::string text = composeSettingsFile(s, "setup.ini");
  for (const char* gone :
       {"InstallDir", "IsFileDelAfterInst", "GroupName", "Info =", "[Uninstall]", "AllDelete"})
    EXPECT_EQ(text.find(gone), std::string::npos) << gone;
  EXPECT_NE(text.find("[Group]\r\nValue = -1\r\n[Startup]\r\nValue = -1\r\n[Desktop]\r\n"
                      "Value = -1\r\n[RmDir]\r\n"),
            std::string::npos);
}

TEST(SettingsFileText, ListOfOnlyEmptyLinesGivesBareHeader) {
  InstallSettings s;
  fillMainWindow(s);
  s.setLines(L::MemoFiles, {"", ""});
  s.setLines(L::MemoRmDir, {""});
  const std::string text = composeSettingsFile(s, "Rivo.ini");
  EXPECT_NE(text.find("[Files]\r\nItem1 = Rivo.exe,2\r\nItem2 = Rivo.ini\r\n"), std::string::npos);
  EXPECT_TRUE(text.ends_with("Value = -1\r\n[RmDir]\r\n"));
}

TEST(SettingsFileText, ValuesAreWrittenAsTheyStand) {
  InstallSettings s;
  fillMainWindow(s);
  s.setText(T::EditName, "  a = b ; [c]  ");
  s.setLines(L::MemoFiles, {" ", "x"});
  const std::string text = composeSettingsFile(s, "Rivo.ini");
  EXPECT_NE(text.find("Name =   a = b ; [c]  \r\n"), std::string::npos);
  EXPECT_NE(text.find("Item1 =  \r\nItem2 = x\r\nItem3 = Rivo.exe,2\r\n"), std::string::npos);
}

}  // namespace
}  // namespace velquin
