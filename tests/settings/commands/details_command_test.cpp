#include "settings/commands/details_command.h"

#include <gtest/gtest.h>

#include "settings/platform/paths.h"
#include "settings/test_support.h"
#include "settings/text/messages.h"
#include "settings/text/names.h"

namespace velquin {
namespace {

namespace fs = std::filesystem;
using test::sj;
using T = TextField;
using L = ListField;
using Lines = std::vector<std::string>;

void touch(const fs::path& p, std::string_view bytes = "x") {
  fs::create_directories(p.parent_path());
  test::writeBytes(p, bytes);
}

class DetailsCommand : public ::testing::Test {
 protected:
  void SetUp() override { s.setProgram(dir / "app.exe"); }
  DetailsOutcome details() { return runDetailsCommand(s, prompts); }

  test::TempDir dir;
  InstallSettings s;
  test::RecordingPrompts prompts;
};

TEST_F(DetailsCommand, ChecksComeFirstAndChangeNothing) {
  InstallSettings none;
  none.setText(T::EditIniName, "");
  EXPECT_EQ(runDetailsCommand(none, prompts), DetailsOutcome::Refused);
  EXPECT_EQ(prompts.shown, Lines{std::string(messages::kProgramMissing)});
  EXPECT_TRUE(prompts.focused.empty());

  s.setText(T::EditIniName, "");
  s.setSettingsSaved(true);
  prompts = {};
  EXPECT_EQ(details(), DetailsOutcome::Refused);
  EXPECT_EQ(prompts.shown, Lines{std::string(messages::kIniNameMissing)});
  EXPECT_EQ(prompts.focused, std::vector<T>{T::EditIniName});

  touch(dir / "sub" / "Rivo.ini");
  s.setText(T::EditIniName, "sub\\Rivo.ini");
  s.setSettingsSaved(true);
  prompts = {};
  EXPECT_EQ(details(), DetailsOutcome::Refused);
  EXPECT_EQ(prompts.shown, Lines{std::string(messages::kIniNameNotAFileName)});
  EXPECT_EQ(prompts.focused, std::vector<T>{T::EditIniName});
  EXPECT_TRUE(s.lines(L::MemoFiles).empty());
  EXPECT_TRUE(s.settingsSaved());
}

TEST_F(DetailsCommand, ExistingSettingsFileIsLoadedNotScanned) {
  touch(dir / "other.txt");
  fs::copy_file(test::goldenFile("worked_example.ini"), dir / "Rivo.ini");
  s.setSettingsSaved(true);
  EXPECT_EQ(details(), DetailsOutcome::ShowDialog);
  EXPECT_EQ(s.lines(L::MemoFiles), (Lines{"Tessaly.exe", "ReadMe.txt", "help\\Tessaly.hlp,2"}));
  EXPECT_EQ(s.text(T::EditName), "Velquin");
  EXPECT_FALSE(s.settingsSaved());
  EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(DetailsCommand, ScanLeavesOutTheEngineInAnyLetterCase) {
  touch(dir / "app.exe");
  touch(dir / "rivo.EXE");
  touch(dir / "bin" / "Rivo.exe");
  fs::create_directory(dir / "Rivo.ini");  // a folder of that name is no settings file
  s.setSettingsSaved(true);
  EXPECT_EQ(details(), DetailsOutcome::ShowDialog);
  const auto& lines = s.lines(L::MemoFiles);
  EXPECT_EQ(std::multiset<std::string>(lines.begin(), lines.end()),
            (std::multiset<std::string>{"app.exe", "bin\\Rivo.exe"}));
  EXPECT_FALSE(s.settingsSaved());
}

TEST_F(DetailsCommand, EngineNameFollowsTheSettingsFileName) {
  touch(dir / "app.exe");
  touch(dir / pathFromUtf8("設定.exe"));
  touch(dir / "Rivo.exe");
  s.setText(T::EditIniName, test::sj("設定.cfg"));
  details();
  const auto& lines = s.lines(L::MemoFiles);
  EXPECT_EQ(std::multiset<std::string>(lines.begin(), lines.end()),
            (std::multiset<std::string>{"app.exe", "Rivo.exe"}));

  // Once written, the Japanese settings file is the one that loads.
  fs::copy_file(test::goldenFile("minimal.ini"), dir / pathFromUtf8("設定.cfg"));
  s.setLines(L::MemoFiles, {});
  details();
  EXPECT_EQ(s.lines(L::MemoFiles), Lines{"a.txt"});

  // A name of four bytes or fewer leaves ".exe" as the engine's name.
  InstallSettings shortName;
  test::TempDir other;
  touch(other / ".exe");
  touch(other / "a.exe");
  shortName.setProgram(other / "a.exe");
  shortName.setText(T::EditIniName, ".ini");
  runDetailsCommand(shortName, prompts);
  EXPECT_EQ(shortName.lines(L::MemoFiles), Lines{"a.exe"});
}

TEST_F(DetailsCommand, OnlyTheFirstEngineLineGoes) {
  // Full-width letters compare without case as well: "ＲＩＶＯ" and "ｒｉｖｏ".
  touch(dir / pathFromUtf8("ｒｉｖｏ.exe"));
  s.setText(T::EditIniName, sj("ＲＩＶＯ.ini"));
  details();
  EXPECT_TRUE(s.lines(L::MemoFiles).empty());
  EXPECT_TRUE(equalsIgnoringCase(sj("ＡБΩz"), sj("ａбωZ")));
  EXPECT_FALSE(equalsIgnoringCase(sj("ア"), sj("ヂ")));  // 83 41 and 83 61
  EXPECT_FALSE(equalsIgnoringCase("rivo.exe", "rivo.exe "));
}

TEST_F(DetailsCommand, ListWithAnyLineIsNotScanned) {
  touch(dir / "app.exe");
  s.setLines(L::MemoFiles, {""});
  details();
  EXPECT_EQ(s.lines(L::MemoFiles), Lines{""});

  // The second Details keeps what the user made of the first scan.
  s.setLines(L::MemoFiles, {});
  details();
  ASSERT_EQ(s.lines(L::MemoFiles), Lines{"app.exe"});
  s.setLines(L::MemoFiles, {"app.exe,2"});
  touch(dir / "later.txt");
  details();
  EXPECT_EQ(s.lines(L::MemoFiles), Lines{"app.exe,2"});
}

TEST_F(DetailsCommand, GivesTheFolderFilesWhetherItScannedLoadedOrKept) {
  touch(dir / "app.exe");
  touch(dir / "Rivo.exe");
  const auto listing = [&] {
    Lines files;
    EXPECT_EQ(runDetailsCommand(s, prompts, &files), DetailsOutcome::ShowDialog);
    return std::multiset<std::string>(files.begin(), files.end());
  };
  const std::multiset<std::string> both{"app.exe", "Rivo.exe"};
  EXPECT_EQ(listing(), both);  // scanned: the engine's file stays in the listing
  EXPECT_EQ(s.lines(L::MemoFiles), Lines{"app.exe"});
  EXPECT_EQ(listing(), both);  // the list kept
  fs::copy_file(test::goldenFile("minimal.ini"), dir / "Rivo.ini");
  EXPECT_EQ(listing(), (std::multiset<std::string>{"app.exe", "Rivo.exe", "Rivo.ini"}));  // loaded
}

#ifndef _WIN32
TEST_F(DetailsCommand, UnwritableNamesAreShownInOneBox) {
  touch(dir / "app.exe");
  for (int i = 0; i < 23; ++i) touch(dir / pathFromUtf8("😀" + std::to_string(i)));
  details();
  EXPECT_EQ(s.lines(L::MemoFiles), Lines{"app.exe"});
  ASSERT_EQ(prompts.shown.size(), 1u);
  const std::string& box = prompts.shown[0];
  EXPECT_TRUE(box.starts_with(
      "次のファイルは名前を Shift-JIS で表せないため、一覧に加えませんでした。\n😀"));
  EXPECT_TRUE(box.ends_with("\nほか 3 件"));
  EXPECT_EQ(std::count(box.begin(), box.end(), '\n'), 21);
}
#endif

TEST(NamesNotShiftJisMessage, ListsEveryNameUpToTwenty) {
  EXPECT_EQ(messages::namesNotShiftJis({"a", "sub\\b"}),
            "次のファイルは名前を Shift-JIS で表せないため、一覧に加えませんでした。\na\nsub\\b");
  Lines twenty(20, "n");
  EXPECT_EQ(messages::namesNotShiftJis(twenty).find("ほか"), std::string::npos);
  twenty.push_back("n");
  EXPECT_TRUE(messages::namesNotShiftJis(twenty).ends_with("\nn\nほか 1 件"));
}

}  // namespace
}  // namespace velquin
