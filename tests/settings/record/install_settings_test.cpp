#include "settings/record/install_settings.h"

#include <gtest/gtest.h>

#include <variant>

#include "settings/platform/paths.h"
#include "settings/test_support.h"

namespace velquin {
namespace {

using test::sj;

// Records every notification in order, as the windows would receive them.
struct Recorder : SettingsListener {
  std::vector<std::string> events;
  void programChanged() override { events.push_back("program"); }
  void fieldChanged(FieldRef f) override { events.push_back(std::string(fieldName(f))); }
  void settingsSavedChanged() override { events.push_back("saved"); }
};

void fillEverything(InstallSettings& s) {
  for (int i = 0; i < kTextFieldCount; ++i) s.setText(static_cast<TextField>(i), "x");
  for (int i = 0; i < kListFieldCount; ++i) s.setLines(static_cast<ListField>(i), {"a", ""});
  s.setIndex(IndexField::RadioGroupFileDel, 0);
  s.setIndex(IndexField::RadioGroupUninstallAll, 0);
  s.setIndex(IndexField::RadioGroupUninstallRebootDlg, 0);
  s.setIndex(IndexField::RadioGroupNotAdmin, 1);
  s.select(Option::RBAllUsersKotei);
  s.select(Option::RadioButtonStartCheck);
  s.select(Option::RadioButtonStartupNoCheck);
  s.select(Option::RadioButtonDesktopCheck);
  s.setChecked(CheckField::CheckBox1, true);
}

void expectStartUpValues(const InstallSettings& s) {
  for (int i = 0; i < kTextFieldCount; ++i) {
    const auto f = static_cast<TextField>(i);
    EXPECT_EQ(s.text(f), f == TextField::EditIniName ? "Rivo.ini" : "") << fieldName(f);
  }
  for (int i = 0; i < kListFieldCount; ++i)
    EXPECT_TRUE(s.lines(static_cast<ListField>(i)).empty()) << fieldName(static_cast<ListField>(i));
  EXPECT_EQ(s.index(IndexField::RadioGroupFileDel), 1);
  EXPECT_EQ(s.index(IndexField::RadioGroupUninstallAll), 2);
  EXPECT_EQ(s.index(IndexField::RadioGroupUninstallRebootDlg), 1);
  EXPECT_EQ(s.index(IndexField::RadioGroupNotAdmin), 0);
  EXPECT_EQ(s.selected(ChoiceField::RBAllUsers), Option::RBAllUsersMishiyo);
  EXPECT_EQ(s.selected(ChoiceField::RadioButtonStart), Option::RadioButtonStartMuko);
  EXPECT_EQ(s.selected(ChoiceField::RadioButtonStartup), Option::RadioButtonStartupMuko);
  EXPECT_EQ(s.selected(ChoiceField::RadioButtonDesktop), Option::RadioButtonDesktopMuko);
  EXPECT_FALSE(s.checked(CheckField::CheckBox1));
}

TEST(InstallSettings, StartsWithDefaults) {
  InstallSettings s;
  expectStartUpValues(s);
  EXPECT_TRUE(s.program().empty());
  EXPECT_TRUE(s.distDir().empty());
  EXPECT_TRUE(s.settingsSaved());
}

TEST(InstallSettings, NewProgramResetsEveryFieldInOrder) {
  InstallSettings s;
  s.setProgram("/dist/old/app.exe");
  fillEverything(s);
  s.setText(TextField::EditIniName, "setup.ini");
  s.setSettingsSaved(true);
  Recorder r;
  s.addListener(&r);
  s.setProgram("/dist/new/app.exe");
  expectStartUpValues(s);
  EXPECT_EQ(s.program(), "/dist/new/app.exe");
  EXPECT_EQ(s.distDir().native(), std::filesystem::path("/dist/new/").native());
  // The reset marks the settings unsaved only through the new settings file name.
  EXPECT_FALSE(s.settingsSaved());
  const std::vector<std::string> expected{"program",
                                          "EditName",
                                          "saved",
                                          "EditIniName",
                                          "EditInstallTitle",
                                          "EditInstallTextFail",
                                          "EditInstallDir",
                                          "EditInstallDirReg",
                                          "RadioGroupFileDel",
                                          "EditInstallProgram",
                                          "RBAllUsers",
                                          "EditInstallMessage",
                                          "MemoFiles",
                                          "RadioButtonStart",
                                          "EditGroupInfo",
                                          "EditGroupName",
                                          "MemoGroupItem",
                                          "CheckBox1",
                                          "RadioButtonStartup",
                                          "EditStartupInfo",
                                          "MemoStartupItem",
                                          "RadioButtonDesktop",
                                          "EditDesktopInfo",
                                          "MemoDesktopItem",
                                          "EditUninstallKey",
                                          "EditUninstallName",
                                          "EditUninstallTitle",
                                          "RadioGroupUninstallAll",
                                          "RadioGroupUninstallRebootDlg",
                                          "RadioGroupNotAdmin",
                                          "MemoRmDir",
                                          "MemoUninstallRegKey"};
  EXPECT_EQ(r.events, expected);
}

TEST(InstallSettings, ResetRunsNothingForValuesAlreadyAtDefault) {
  InstallSettings s;
  Recorder r;
  s.addListener(&r);
  s.setProgram("/dist/app.exe");
  EXPECT_EQ(r.events, std::vector<std::string>{"program"});
  // "Rivo.ini" was already there, so the settings stay saved.
  EXPECT_TRUE(s.settingsSaved());
}

TEST(InstallSettings, SameProgramAgainKeepsEveryEdit) {
  InstallSettings s;
  s.setProgram("/dist/app.exe");
  s.setText(TextField::EditName, "kept");
  s.setProgram("/dist/app.exe");
  EXPECT_EQ(s.text(TextField::EditName), "kept");
  // Another letter case is another path.
  s.setProgram("/dist/APP.exe");
  EXPECT_EQ(s.text(TextField::EditName), "");
}

TEST(InstallSettings, ChangeBehaviourRunsOnlyOnRealChanges) {
  InstallSettings s;
  Recorder r;
  s.addListener(&r);
  s.setText(TextField::EditInstallDir, "");
  s.select(Option::RadioButtonStartMuko);
  s.setIndex(IndexField::RadioGroupFileDel, 1);
  s.setChecked(CheckField::CheckBox1, false);
  EXPECT_TRUE(r.events.empty());
  s.setText(TextField::EditInstallDir, " ");
  s.setText(TextField::EditUninstallKey, "k");
  s.select(Option::RadioButtonStartNoCheck);
  s.select(Option::RadioButtonStartNoCheck);
  EXPECT_EQ(r.events,
            (std::vector<std::string>{"EditInstallDir", "EditUninstallKey", "RadioButtonStart"}));
  EXPECT_EQ(s.code(ChoiceField::RadioButtonStart), 0);
}

TEST(InstallSettings, NewIniNameMarksUnsavedEvenWhenRestored) {
  InstallSettings s;
  s.setText(TextField::EditIniName, "Rivo.ini");
  EXPECT_TRUE(s.settingsSaved());
  s.setText(TextField::EditIniName, "Rivo.in");
  EXPECT_FALSE(s.settingsSaved());
  s.setSettingsSaved(true);
  s.setText(TextField::EditIniName, "Rivo.ini");
  EXPECT_FALSE(s.settingsSaved());
}

TEST(InstallSettings, RadioGroupIndexIsClamped) {
  InstallSettings s;
  s.setIndex(IndexField::RadioGroupFileDel, 7);
  EXPECT_EQ(s.index(IndexField::RadioGroupFileDel), 1);
  s.setIndex(IndexField::RadioGroupFileDel, -5);
  EXPECT_EQ(s.index(IndexField::RadioGroupFileDel), -1);
  s.setIndex(IndexField::RadioGroupUninstallAll, 99);
  EXPECT_EQ(s.index(IndexField::RadioGroupUninstallAll), 2);
}

TEST(InstallSettings, EngineBaseNameCutsFourBytes) {
  const std::pair<const char*, const char*> cases[] = {
      {"Rivo.ini", "Rivo"}, {"setup.ini", "setup"}, {"setup.cfg", "setup"},
      {"abc", ""},          {".ini", ""},           {"", ""}};
  for (auto [name, base] : cases) {
    EXPECT_EQ(engineBaseName(name), base) << name;
  }
  EXPECT_EQ(engineBaseName(sj("表示.ini")), sj("表示"));
}

TEST(InstallSettings, ValuesNeverHoldLineBreaks) {
  InstallSettings s;
  s.setText(TextField::EditName, "a\r\n[Files]\rb\nc");
  EXPECT_EQ(s.text(TextField::EditName), "a[Files]bc");
  s.setLines(ListField::MemoRmDir, {"x\r\n[RegKey]", "y\rz"});
  EXPECT_EQ(s.lines(ListField::MemoRmDir), (std::vector<std::string>{"x", "[RegKey]", "y", "z"}));
}

TEST(DistDir, FolderOfProgramWithTrailingSeparator) {
  using W = std::string;
  EXPECT_EQ(folderOf<char>("C:\\dist\\app.exe", PathStyle::Windows), W("C:\\dist\\"));
  EXPECT_EQ(folderOf<char>("C:\\app.exe", PathStyle::Windows), W("C:\\"));
  EXPECT_EQ(folderOf<char>("C:app.exe", PathStyle::Windows), W("C:\\"));
  EXPECT_EQ(folderOf<char>("\\\\server\\share\\app.exe", PathStyle::Windows),
            W("\\\\server\\share\\"));
  EXPECT_EQ(folderOf<char>("/home/a/dist/app.exe", PathStyle::Posix), W("/home/a/dist/"));
  EXPECT_EQ(folderOf<char>("/app.exe", PathStyle::Posix), W("/"));
  EXPECT_EQ(folderOf<wchar_t>(L"C:\\\x30bd\\app.exe", PathStyle::Windows),
            std::wstring(L"C:\\\x30bd\\"));
}

}  // namespace
}  // namespace velquin
