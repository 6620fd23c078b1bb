#include "settings/commands/details_command.h"

#include <gtest/gtest.h>

#include "settings/format/file_encoding.h"
#include "settings/platform/paths.h"
#include "settings/test_support.h"
#include "settings/text/messages.h"

namespace velquin {
namespace {

namespace fs = std::filesystem;
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
  DetailsOutcome details() { return runDetailsCommand(s, prompts).outcome; }

  test::TempDir dir;
  InstallSettings s;
  test::RecordingPrompts prompts;
};

TEST_F(DetailsCommand, ChecksComeFirstAndChangeNothing) {
  InstallSettings none;
  none.setText(T::EditIniName, "");
  EXPECT_EQ(runDetailsCommand(none, prompts).outcome, DetailsOutcome::Refused);
  EXPECT_EQ(prompts.shown, Lines{std::string(messages::kProgramMissing)});
  EXPECT_TRUE(prompts.focused.empty());

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
  touch(dir / "notes.txt.");               // listed as Windows resolves it
  fs::create_directory(dir / "Rivo.ini");  // a folder of that name is no settings file
  s.setSettingsSaved(true);
  EXPECT_EQ(details(), DetailsOutcome::ShowDialog);
  const auto& lines = s.lines(L::MemoFiles);
  EXPECT_EQ(std::multiset<std::string>(lines.begin(), lines.end()),
            (std::multiset<std::string>{"app.exe", "bin\\Rivo.exe", "notes.txt"}));
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

  // Once written, the Japanese settings file is the one that loads; the
  // entries Create adds for another name are the author's.
  fs::copy_file(test::goldenFile("minimal.ini"), dir / pathFromUtf8("設定.cfg"));
  s.setLines(L::MemoFiles, {});
  prompts.answers = {UserPrompts::Answer::Yes};  // load the file that came
  details();
  EXPECT_EQ(s.lines(L::MemoFiles), (Lines{"a.txt", "Rivo.exe,2", "Rivo.ini"}));
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

TEST_F(DetailsCommand, SaysWhatItDidAndGivesTheFolderFiles) {
  touch(dir / "app.exe");
  touch(dir / "Rivo.exe");
  // "scanned", "loaded" or "kept", and the folder's files.
  const auto run = [&] {
    DetailsResult r = runDetailsCommand(s, prompts);
    EXPECT_EQ(r.outcome, DetailsOutcome::ShowDialog);
    EXPECT_EQ(r.iniFileName, "Rivo.ini");
    return std::pair(std::string(r.loaded    ? "loaded"
                                 : r.scanned ? "scanned"
                                             : "kept"),
                     std::multiset<std::string>(r.folderFiles.begin(), r.folderFiles.end()));
  };
  const std::multiset<std::string> both{"app.exe", "Rivo.exe"};
  // Scanned: the engine's file stays in the listing, not in the list.
  EXPECT_EQ(run(), std::pair(std::string("scanned"), both));
  EXPECT_EQ(s.lines(L::MemoFiles), Lines{"app.exe"});
  EXPECT_EQ(run(), std::pair(std::string("kept"), both));
  fs::copy_file(test::goldenFile("minimal.ini"), dir / "Rivo.ini");
  prompts.answers = {UserPrompts::Answer::Yes};
  EXPECT_EQ(run(), std::pair(std::string("loaded"),
                             std::multiset<std::string>{"app.exe", "Rivo.exe", "Rivo.ini"}));
}

// The file is read again only when the tool has not read or written it since
// the program was chosen, or when another program changed it since: while
// settings are unsaved, only when the author says so, and once for each
// version another program left.
TEST_F(DetailsCommand, AsksBeforeAnotherProgramsChangeTakesTheEdits) {
  using A = UserPrompts::Answer;
  const fs::path ini = dir / "Rivo.ini";
  test::writeBytes(ini, "[Install]\r\nMessage=from the file\r\n");
  EXPECT_TRUE(runDetailsCommand(s, prompts).loaded);
  s.setText(T::EditInstallMessage, "typed");
  EXPECT_FALSE(runDetailsCommand(s, prompts).loaded);
  EXPECT_EQ(s.text(T::EditInstallMessage), "typed");

  test::writeBytes(ini, "[Install]\r\nMessage=changed elsewhere\r\n");
  prompts.answers = {A::Cancel, A::No};
  EXPECT_EQ(runDetailsCommand(s, prompts).outcome, DetailsOutcome::Refused);
  EXPECT_EQ(prompts.log.back(), "confirm: " + messages::fileChangedLoad(pathToUtf8(ini)));
  EXPECT_FALSE(runDetailsCommand(s, prompts).loaded);
  EXPECT_FALSE(runDetailsCommand(s, prompts).loaded);  // not asked again for that version
  EXPECT_EQ(s.text(T::EditInstallMessage), "typed");

  test::writeBytes(ini, "[Install]\r\nMessage=and again\r\n");
  prompts.answers = {A::Yes};
  EXPECT_TRUE(runDetailsCommand(s, prompts).loaded);
  EXPECT_EQ(s.text(T::EditInstallMessage), "and again");

  // With every setting saved, a change is read without a question.
  s.setSettingsSaved(true);
  test::writeBytes(ini, "[Install]\r\nMessage=saved\r\n");
  EXPECT_TRUE(runDetailsCommand(s, prompts).loaded);
  EXPECT_EQ(s.text(T::EditInstallMessage), "saved");
  EXPECT_TRUE(prompts.answers.empty());
}

// A name and title typed before the first Details meet the file's in one
// question that names both; the typed ones kept are unsaved.
TEST_F(DetailsCommand, AsksWhetherTypedValuesOrTheFilesStay) {
  using A = UserPrompts::Answer;
  const fs::path ini = dir / "Rivo.ini";
  test::writeBytes(ini, "[Application]\r\nName = App 1.2\r\n[Install]\r\nTitle = T\r\n");
  s.setText(T::EditName, "App 1.3");
  prompts.answers = {A::Yes};
  runDetailsCommand(s, prompts);
  EXPECT_EQ(prompts.log.front(),
            "confirm: " + messages::typedOrFile(
                              pathToUtf8(ini), {{"アプリケーションの名前", "App 1.3", "App 1.2"}}));
  EXPECT_EQ(s.text(T::EditName), "App 1.3");
  EXPECT_EQ(s.text(T::EditInstallTitle), "T");
  EXPECT_FALSE(s.settingsSaved());

  InstallSettings other;
  other.setProgram(dir / "app.exe");
  other.setText(T::EditName, "App 1.3");
  other.setText(T::EditIniName, "x.ini");  // unsaved, yet no edit to ask about
  other.setText(T::EditIniName, "Rivo.ini");
  prompts.answers = {A::No};
  runDetailsCommand(other, prompts);
  EXPECT_EQ(other.text(T::EditName), "App 1.2");
}

// After a Details, another settings file named over unsaved edits is one
// question, a name typed or not: いいえ keeps every edit and is not asked
// again for that version; はい loads it, the name and list with it.
TEST_F(DetailsCommand, AsksOnceBeforeAnotherNamedFileTakesTheEdits) {
  using A = UserPrompts::Answer;
  const fs::path setup = dir / "setup.ini";
  const std::string asked = "confirm: 設定ファイル " + pathToUtf8(setup) +
                            " は、まだ読み込んでいません。編集中の設定は保存されていません。\n"
                            "このファイルを読み込みますか？\n「はい」: ファイルを読み込みます。"
                            "編集中の設定は破棄されます。\n「いいえ」: 編集中の設定をそのまま"
                            "残します。ファイルは読み込みません。";
  for (const bool typed : {false, true}) {
    test::writeBytes(setup, "[Application]\r\nName = Setup\r\n[Files]\r\nItem1 = s.txt\r\n");
    InstallSettings t;
    t.setProgram(dir / "app.exe");
    prompts.clear();
    runDetailsCommand(t, prompts);  // Rivo.ini stands nowhere: the folder is scanned
    t.appendLines(L::MemoFiles, {"added.txt"});
    if (typed) t.setText(T::EditName, "App 1.3");
    const std::string name = t.text(T::EditName);
    t.setText(T::EditIniName, "setup.ini");
    prompts.answers = {A::No};
    EXPECT_FALSE(runDetailsCommand(t, prompts).loaded);
    EXPECT_FALSE(runDetailsCommand(t, prompts).loaded);
    EXPECT_EQ(t.lines(L::MemoFiles), (Lines{"setup.ini", "added.txt"}));
    EXPECT_EQ(t.text(T::EditName), name);

    test::writeBytes(setup, "[Application]\r\nName = Setup 2\r\n[Files]\r\nItem1 = s.txt\r\n");
    prompts.answers = {A::Yes};
    EXPECT_TRUE(runDetailsCommand(t, prompts).loaded);
    EXPECT_EQ(t.lines(L::MemoFiles), Lines{"s.txt"});
    EXPECT_EQ(t.text(T::EditName), "Setup 2");
    EXPECT_EQ(prompts.log, (Lines{asked, asked})) << typed;
  }
}

// A file another editor saved as UTF-8 is read as such, and the author is
// told once, of the characters Create writes as "?" those of the lines it
// writes back alone.
TEST_F(DetailsCommand, SaysOnceThatAnotherEditorsFileIsConverted) {
  test::writeBytes(dir / "Rivo.ini", "[Install]\r\n; 😀 note\r\nMessage=完了😃\r\n");
  runDetailsCommand(s, prompts);
  EXPECT_EQ(s.text(T::EditInstallMessage), test::sj("完了?"));
  EXPECT_EQ(prompts.shown,
            (Lines{messages::settingsFileConverted(encodingName(FileEncoding::Utf8), {U'😃'}),
                   "設定ファイルの次の行は、「作成」ボタンを押すと、このままでは書き込まれません"
                   "（コメント、番号の抜け、重複、使えない値、不明な名前など）。"
                   "\n2 行目：[Install] ; ? note → 書き込まれません"}));
  runDetailsCommand(s, prompts);
  EXPECT_EQ(prompts.shown.size(), 2u);
}

#ifndef _WIN32
TEST_F(DetailsCommand, UnwritableNamesAreShownInOneBox) {
  touch(dir / "app.exe");
  touch(dir / pathFromUtf8("😀1"));
  touch(dir / pathFromUtf8("😀2"));
  const DetailsResult result = runDetailsCommand(s, prompts);
  EXPECT_EQ(s.lines(L::MemoFiles), Lines{"app.exe"});
  EXPECT_EQ(
      std::multiset<std::string>(result.folderUnwritable.begin(), result.folderUnwritable.end()),
      (std::multiset<std::string>{"😀1", "😀2"}));  // for the check
  // In the order the folder lists them.
  EXPECT_TRUE(prompts.shown == Lines{messages::namesNotShiftJis({"😀1", "😀2"})} ||
              prompts.shown == Lines{messages::namesNotShiftJis({"😀2", "😀1"})})
      << ::testing::PrintToString(prompts.shown);
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

// What the settings cannot take is named in one box when the file is read,
// and not again while it stays as read.
TEST_F(DetailsCommand, SaysOnceWhatTheFileHoldsThatTheSettingsCannotTake) {
  touch(dir / "Rivo.ini",
        "[Files]\r\nItem1 = a.txt\r\nItem2 = b.txt\r\nItem4 = d.txt\r\n"
        "[Group]\r\nValue = -1\r\nValue = 1\r\n");
  details();
  EXPECT_EQ(s.lines(L::MemoFiles), (Lines{"a.txt", "b.txt", ""}));
  EXPECT_EQ(prompts.shown,
            Lines{"設定ファイルの次の行は、「作成」ボタンを押すと、このままでは書き込まれません"
                  "（コメント、番号の抜け、重複、使えない値、不明な名前など）。"
                  "\n4 行目：[Files] Item4 = d.txt → 書き込まれません"
                  "\n7 行目：[Group] Value = 1 → 書き込まれません"});
  details();
  EXPECT_EQ(prompts.shown.size(), 1u);
}

}  // namespace
}  // namespace velquin
