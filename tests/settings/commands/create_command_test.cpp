#include "settings/commands/create_command.h"

#include <gtest/gtest.h>

#include "settings/platform/folder_scan.h"
#include "settings/platform/paths.h"
#include "settings/test_support.h"
#include "settings/text/messages.h"

namespace velquin {
namespace {

using test::sj;
using T = TextField;
using L = ListField;
using Lines = std::vector<std::string>;

class CreateCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    s.setProgram(dir / "app.exe");
    s.setText(T::EditName, "Velquin");
    s.setText(T::EditInstallTitle, "Title");
    s.setSettingsSaved(false);
  }
  CreateResult create() { return runCreateCommand(s, prompts); }
  std::string written() { return test::readBytes(dir / "Rivo.ini"); }

  test::TempDir dir;
  InstallSettings s;
  test::RecordingPrompts prompts;
};

TEST_F(CreateCommand, MainFieldsAreCheckedFirst) {
  InstallSettings empty;
  empty.setText(T::EditIniName, "");
  EXPECT_EQ(runCreateCommand(empty, prompts), CreateResult::Refused);
  EXPECT_EQ(prompts.shown, std::vector<std::string>{std::string(messages::kFillMainFields)});
  EXPECT_TRUE(prompts.focused.empty());

  for (T f : {T::EditInstallTitle, T::EditName}) {
    prompts.shown.clear();
    const std::string held = s.text(f);
    s.setText(f, "");
    EXPECT_EQ(create(), CreateResult::Refused);
    EXPECT_EQ(prompts.shown, std::vector<std::string>{std::string(messages::kFillMainFields)});
    s.setText(f, held);
  }
}

// The settings file's name is given, as a plain file name.
TEST_F(CreateCommand, IniNameMustBeGivenAsAPlainFileName) {
  for (const auto& [name, refusal] : {std::pair{"", messages::kIniNameMissing},
                                      std::pair{"..\\Rivo.ini", messages::kIniNameNotAFileName}}) {
    prompts = {};
    s.setText(T::EditIniName, name);
    EXPECT_EQ(create(), CreateResult::Refused) << name;
    EXPECT_EQ(prompts.shown, std::vector<std::string>{std::string(refusal)});
    EXPECT_EQ(prompts.focused, std::vector<T>{T::EditIniName});
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(CreateCommand, NoFileListWritesNothing) {
  s.setText(T::EditIniName, "setup.ini");
  EXPECT_EQ(create(), CreateResult::Refused);
  EXPECT_EQ(prompts.shown, std::vector<std::string>{std::string(messages::kNoFileList)});
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(CreateCommand, WritesConfirmsAndWarnsOfMissingEngine) {
  s.setLines(L::MemoFiles, {"a.txt"});
  EXPECT_EQ(create(), CreateResult::Written);
  EXPECT_TRUE(s.settingsSaved());
  EXPECT_EQ(prompts.shown,
            (std::vector<std::string>{
                "iniファイル(Rivo.ini)を作成しました。",
                "インストーラ本体が同梱されていないか、インストーラ本体のファイル名が"
                "間違っています。\n確認してください。"}));
  EXPECT_TRUE(written().starts_with("[Application]\r\nName = Velquin\r\n"));
}

// A Japanese settings file name: the file on disk bears it, and the engine is
// found under the matching name.
TEST_F(CreateCommand, NoWarningWhenEngineIsBeside) {
  test::writeBytes(dir / pathFromUtf8("設定.exe"), "MZ");
  s.setText(T::EditIniName, sj("設定.ini"));
  s.setLines(L::MemoFiles, {"a.txt"});
  EXPECT_EQ(create(), CreateResult::Written);
  EXPECT_EQ(prompts.shown, std::vector<std::string>{"iniファイル(設定.ini)を作成しました。"});
  EXPECT_TRUE(test::readBytes(dir / pathFromUtf8("設定.ini")).starts_with("[Application]\r\n"));
}

// After the confirmation and the engine's warning, the check's errors (not
// the engine's again, nor warnings): how many, the first five by place.
TEST_F(CreateCommand, ErrorsOfTheWrittenFileFollowTheConfirmation) {
  for (const char* f : {"app.exe", "a.txt"}) test::writeBytes(dir / f, "x");
  Checker checker(s);
  checker.setFolderFiles(scanFolder(dir.path()).lines, "Rivo.ini");
  s.setText(T::EditInstallTextFail, "readme.txt");
  s.setLines(L::MemoFiles, {"a.txt", "", "b.txt", "c.txt", "d.txt", "e.txt", "f.txt", "g.txt"});
  EXPECT_EQ(runCreateCommand(s, prompts, &checker), CreateResult::Written);
  ASSERT_EQ(prompts.shown.size(), 3u);
  EXPECT_EQ(prompts.shown[2],
            "作成したiniファイルには、インストール時に問題となるエラーが 7 件あります。\n"
            "インストール時に最初に表示するテキストファイルの名前: "
            "ファイル「readme.txt」が配布フォルダにありません。\n"
            "[Files] Item2: ファイル「b.txt」が配布フォルダにありません。\n"
            "[Files] Item3: ファイル「c.txt」が配布フォルダにありません。\n"
            "[Files] Item4: ファイル「d.txt」が配布フォルダにありません。\n"
            "[Files] Item5: ファイル「e.txt」が配布フォルダにありません。\n"
            "…ほか 2 件\n「詳細設定」で確認してください。");

  prompts.clear();  // left: the engine's entry and app.exe unlisted (a warning)
  s.setText(T::EditInstallTextFail, "");
  s.setLines(L::MemoFiles, {"a.txt"});
  runCreateCommand(s, prompts, &checker);
  EXPECT_EQ(prompts.shown.size(), 2u);
}

// The report is of the folder as it is at Create, whatever Details found:
// a listed file copied in since is there, one deleted since is missing.
TEST_F(CreateCommand, ErrorsAreThoseOfTheFolderAtCreate) {
  for (const char* f : {"app.exe", "a.txt"}) test::writeBytes(dir / f, "x");
  s.setLines(L::MemoFiles, {"a.txt", "b.txt", "c.txt", "app.exe"});
  Checker checker(s);
  checker.setFolderFiles(scanFolder(dir.path()).lines, "Rivo.ini");
  test::writeBytes(dir / "b.txt", "x");
  std::filesystem::remove(dir / "a.txt");
  EXPECT_EQ(runCreateCommand(s, prompts, &checker), CreateResult::Written);
  const auto missing = [](int item, const char* name) {
    return "[Files] Item" + std::to_string(item) + ": " + messages::ship::notInFolder(name);
  };
  ASSERT_EQ(prompts.shown.size(), 3u);
  EXPECT_EQ(prompts.shown[2],
            messages::createdWithErrors({missing(1, "a.txt"), missing(3, "c.txt")}, 2));
}

TEST_F(CreateCommand, EngineFolderIsNoEngine) {
  std::filesystem::create_directory(dir / "Rivo.exe");
  s.setLines(L::MemoFiles, {"a.txt"});
  create();
  EXPECT_EQ(prompts.shown.size(), 2u);
}

TEST_F(CreateCommand, EmptyLinesLeaveExactlyTheWrittenLists) {
  s.setLines(L::MemoFiles, {"a", "", "", "b"});
  s.select(Option::RadioButtonStartCheck);
  s.setLines(L::MemoGroupItem, {"", "g"});
  s.setLines(L::MemoStartupItem, {"", "st"});  // startup is disabled: kept
  s.setLines(L::MemoRmDir, {""});
  EXPECT_EQ(create(), CreateResult::Written);
  EXPECT_EQ(s.lines(L::MemoFiles), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(s.lines(L::MemoGroupItem), std::vector<std::string>{"g"});
  EXPECT_EQ(s.lines(L::MemoStartupItem), (std::vector<std::string>{"", "st"}));
  EXPECT_TRUE(s.lines(L::MemoRmDir).empty());
  // Composed before the lists lost their empty lines: the list of one empty
  // line gave its header.
  EXPECT_TRUE(written().ends_with("[RmDir]\r\n"));
}

TEST_F(CreateCommand, OnlyEmptyFileLinesThenNothingTheSecondTime) {
  s.setLines(L::MemoFiles, {"", ""});
  EXPECT_EQ(create(), CreateResult::Written);
  EXPECT_TRUE(s.lines(L::MemoFiles).empty());
  prompts = {};
  EXPECT_EQ(create(), CreateResult::Refused);
  EXPECT_EQ(prompts.shown, std::vector<std::string>{std::string(messages::kNoFileList)});
}

TEST_F(CreateCommand, ReplacesExistingFileWithoutAsking) {
  test::writeBytes(dir / "Rivo.ini", std::string(100000, 'x'));
  s.setLines(L::MemoFiles, {"a.txt"});
  s.setSettingsSaved(true);
  EXPECT_EQ(create(), CreateResult::Written);
  EXPECT_TRUE(written().starts_with("[Application]"));
  EXPECT_LT(written().size(), 1000u);
}

// 255 characters is the longest name a file system holds: the temporary file
// of the write must fit beside such a settings file, and a name one longer
// fails with the settings file's own name in the message.
TEST_F(CreateCommand, LongestSettingsFileNameIsWrittenAndOneMoreNamedInTheFailure) {
  s.setLines(L::MemoFiles, {"a.txt"});
  const std::string longest = std::string(251, 'n') + ".ini";
  s.setText(T::EditIniName, longest);
  EXPECT_EQ(create(), CreateResult::Written);
  EXPECT_TRUE(test::readBytes(dir / longest).starts_with("[Application]\r\n"));

  const std::string tooLong = "n" + longest;
  s.setText(T::EditIniName, tooLong);
  prompts.clear();
  EXPECT_EQ(create(), CreateResult::Failed);
  // The reason that follows is the system's, which differs from one to another.
  ASSERT_EQ(prompts.log.size(), 1u);
  EXPECT_TRUE(prompts.log[0].starts_with("error: ファイル " + pathToUtf8(dir / tooLong) +
                                         " を作成できません.\n"))
      << prompts.log[0];
  EXPECT_FALSE(s.settingsSaved());
  // Only the file written first is in the folder: no temporary file stays.
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

// Another program's version of the file is replaced only when the author
// says so: after the tool wrote the file, and where Details found none.
TEST_F(CreateCommand, AsksBeforeReplacingAnotherProgramsChange) {
  using A = UserPrompts::Answer;
  const std::filesystem::path ini = dir / "Rivo.ini";
  s.setLines(L::MemoFiles, {"a", ""});
  ASSERT_EQ(create(), CreateResult::Written);
  test::writeBytes(ini, "changed elsewhere");
  s.setSettingsSaved(false);
  prompts = {};
  prompts.answers = {A::No, A::Cancel};
  EXPECT_EQ(create(), CreateResult::Refused);
  EXPECT_EQ(create(), CreateResult::Refused);
  EXPECT_EQ(prompts.log, (Lines{"confirm: " + messages::fileChangedReplace(pathToUtf8(ini)),
                                "confirm: " + messages::fileChangedReplace(pathToUtf8(ini))}));
  EXPECT_EQ(written(), "changed elsewhere");
  EXPECT_FALSE(s.settingsSaved());

  prompts.answers = {A::Yes};
  EXPECT_EQ(create(), CreateResult::Written);
  EXPECT_TRUE(written().starts_with("[Application]"));

  s.fileAbsent(ini);  // as Details leaves it when it finds no file
  prompts.answers = {A::No};
  EXPECT_EQ(create(), CreateResult::Refused);
  EXPECT_TRUE(prompts.answers.empty());
}

// The box says why after Create's own text: here the folder was moved away
// after the program was chosen.
TEST_F(CreateCommand, FailureSaysWhy) {
  std::filesystem::create_directory(dir / "gone");
  s.setProgram(dir / "gone" / "app.exe");  // a new program starts the settings again
  s.setText(T::EditName, "Velquin");
  s.setText(T::EditInstallTitle, "Title");
  s.setLines(L::MemoFiles, {"a.txt"});
  std::filesystem::remove(dir / "gone");
  EXPECT_EQ(create(), CreateResult::Failed);
  EXPECT_EQ(prompts.log, Lines{"error: ファイル " + pathToUtf8(dir / "gone" / "Rivo.ini") +
                               " を作成できません.\n保存先のフォルダが見つかりません。"});
  EXPECT_FALSE(s.settingsSaved());
  // A folder where the settings file should be.
  std::filesystem::create_directories(dir / "gone" / "Rivo.ini");
  EXPECT_EQ(create(), CreateResult::Failed);
  EXPECT_EQ(prompts.log.back(), "error: ファイル " + pathToUtf8(dir / "gone" / "Rivo.ini") +
                                    " を作成できません.\n"
                                    "同じ名前のフォルダがあるため、ファイルを作成できません。");
}

}  // namespace
}  // namespace velquin
