#include "settings/record/install_settings.h"

#include <gtest/gtest.h>

#include <set>

#include "settings/platform/paths.h"
#include "settings/test_support.h"
#include "settings/text/lines.h"

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

// Every value of the record as the windows show it, field by field.
std::vector<std::string> values(const InstallSettings& s) {
  std::vector<std::string> out;
  for (const FieldInfo& info : kFields) {
    const FieldRef f = info.field;
    switch (f.kind) {
      case FieldKind::Text: out.push_back(s.text(f.text())); break;
      case FieldKind::Lines: out.push_back(joinLines(s.lines(f.list()))); break;
      case FieldKind::Index: out.push_back(std::to_string(s.index(f.index()))); break;
      case FieldKind::Choice:
        out.push_back(std::string(optionInfo(s.selected(f.choice())).control));
        break;
      case FieldKind::Check: out.push_back(s.checked(f.check()) ? "checked" : ""); break;
    }
  }
  return out;
}

// Gives every field a value other than the one it holds.
void changeEveryField(InstallSettings& s) {
  for (const FieldInfo& info : kFields) {
    const FieldRef f = info.field;
    switch (f.kind) {
      case FieldKind::Text: s.setText(f.text(), s.text(f.text()) + "x"); break;
      case FieldKind::Lines: s.setLines(f.list(), {"x"}); break;
      case FieldKind::Index: s.setIndex(f.index(), s.index(f.index()) == 0 ? 1 : 0); break;
      case FieldKind::Choice:
        for (const OptionInfo& o : kOptions)
          if (o.choice == f.choice() && !s.isSelected(o.option)) {
            s.select(o.option);
            break;
          }
        break;
      case FieldKind::Check: s.setChecked(f.check(), !s.checked(f.check())); break;
    }
  }
}

// A new program puts every field back to its start-up value, telling the
// listeners first of the program and then once of each field; the settings
// become unsaved only through the settings file's name.
TEST(InstallSettings, NewProgramResetsEveryFieldAndTellsEachChangeOnce) {
  const InstallSettings fresh;
  InstallSettings s;
  s.setProgram("/dist/old/app.exe");
  changeEveryField(s);
  s.setSettingsSaved(true);
  Recorder r;
  s.addListener(&r);
  s.setProgram("/dist/new/app.exe");
  EXPECT_EQ(values(s), values(fresh));
  EXPECT_EQ(s.distDir().native(), std::filesystem::path("/dist/new/").native());
  EXPECT_FALSE(s.settingsSaved());
  ASSERT_EQ(r.events.size(), kFields.size() + 2);
  EXPECT_EQ(r.events.front(), "program");
  EXPECT_EQ(std::set<std::string>(r.events.begin(), r.events.end()).size(), r.events.size());
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

// The application's name and the install window title are no reason to ask
// until Create has written the chosen program's settings; then they are.
TEST(InstallSettings, NameAfterCreateMarksUnsavedUntilAnotherProgram) {
  InstallSettings s;
  s.setProgram("/dist/app.exe");
  s.setText(TextField::EditName, "a");
  EXPECT_TRUE(s.settingsSaved());
  s.fileWritten("/dist/Rivo.ini", "bytes");
  s.setText(TextField::EditInstallTitle, "t");
  EXPECT_FALSE(s.settingsSaved());
  s.setSettingsSaved(true);
  s.setText(TextField::EditName, "b");
  EXPECT_FALSE(s.settingsSaved());
  s.setSettingsSaved(true);
  s.setProgram("/dist/other.exe");
  s.setText(TextField::EditName, "c");
  EXPECT_TRUE(s.settingsSaved());
  EXPECT_FALSE(s.fileSeen());
}

TEST(InstallSettings, EngineBaseNameCutsFourBytes) {
  const std::pair<const char*, const char*> cases[] = {
      {"Rivo.ini", "Rivo"}, {"setup.cfg", "setup"}, {".ini", ""}, {"abc", ""}, {"", ""}};
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
  EXPECT_EQ(folderOf<char>("C:/dist/app.exe", PathStyle::Windows), W("C:/dist/"));
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
