#include "settings/commands/window_commands.h"

#include <gtest/gtest.h>

#include "settings/platform/folder_scan.h"
#include "settings/platform/paths.h"
#include "settings/test_support.h"
#include "settings/text/messages.h"

namespace velquin {
namespace {

namespace fs = std::filesystem;
using Answer = UserPrompts::Answer;
using Lines = std::vector<std::string>;
using T = TextField;

const std::string kQuestion = "confirm: " + std::string(messages::kSaveQuestion);
const std::string kCreated = "info: iniファイル(Rivo.ini)を作成しました。";
const std::string kEngineMissing = "info: " + std::string(messages::kEngineMissing);
const std::string kFillMainFields = "info: " + std::string(messages::kFillMainFields);

// How the settings stand when the save question comes.
enum class Settings {
  Writable,    // Create would write the file
  Incomplete,  // Create refuses: the main fields are empty
  Unwritable,  // Create fails: the folder is gone
};

class WindowCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"app.exe", "next.exe", "readme.txt"}) test::writeBytes(dir / f, "MZ");
  }
  // A program chosen, the settings as `how` and unsaved.
  void prepare(Settings how) {
    fs::path program = dir / "app.exe";
    if (how == Settings::Unwritable) {
      fs::create_directory(dir / "gone");
      program = dir / "gone" / "app.exe";
    }
    s.setProgram(program);
    if (how != Settings::Incomplete) {
      s.setText(T::EditName, "Velquin");
      s.setText(T::EditInstallTitle, "Title");
      s.setLines(ListField::MemoFiles, {"a.txt"});
    }
    if (how == Settings::Unwritable) fs::remove_all(dir / "gone");
    s.setSettingsSaved(false);
  }
  bool written() const { return fs::exists(dir / "Rivo.ini"); }

  test::TempDir dir;
  InstallSettings s;
  test::RecordingPrompts prompts;
};

TEST_F(WindowCommands, BrowseAsksNothingWithoutAProgramOrWithSavedSettings) {
  s.setText(T::EditIniName, "setup.ini");  // unsaved, but no program yet
  prompts.files = {dir / "app.exe"};
  runBrowseCommand(s, prompts);
  EXPECT_EQ(s.program(), dir / "app.exe");

  s.setSettingsSaved(true);
  prompts.files = {dir / "next.exe"};
  runBrowseCommand(s, prompts);
  EXPECT_EQ(prompts.log, (Lines{"open", "open"}));
  EXPECT_EQ(s.program(), dir / "next.exe");
}

// The save question before another program (Browse, a dropped program) and
// before closing: what each answer does with each state of the settings.
TEST_F(WindowCommands, SaveQuestionGuardsTheSettings) {
  struct Case {
    Settings how;
    Answer answer;
    Lines after;            // what follows the question
    bool browseGoesOn;      // the file dialog follows
    bool savedAfterBrowse;  // SettingsSaved once Browse is over
    bool mayClose;
  };
  const Lines created{kCreated, kEngineMissing};
  const std::vector<Case> cases{
      {Settings::Writable, Answer::Cancel, {}, false, false, false},
      {Settings::Writable, Answer::No, {}, true, true, true},
      {Settings::Writable, Answer::Yes, created, true, true, true},
      {Settings::Incomplete, Answer::Yes, {kFillMainFields}, false, false, false},
      {Settings::Unwritable, Answer::Yes, {"error: "}, false, false, false},
  };
  for (const Case& c : cases) {
    for (const bool closing : {false, true}) {
      SCOPED_TRACE(testing::Message() << int(c.how) << " answer " << int(c.answer)
                                      << (closing ? " closing" : " browsing"));
      fs::remove(dir / "Rivo.ini");
      s.setProgram(dir / "readme.txt");  // every setting back to its start-up value
      prepare(c.how);
      const fs::path before = s.program();
      prompts.clear();
      prompts.answers = {c.answer};
      Lines expected{kQuestion};
      expected.insert(expected.end(), c.after.begin(), c.after.end());
      if (closing) {
        EXPECT_EQ(runCloseQuery(s, prompts), c.mayClose);
        // Closing never counts unsaved settings as saved.
        EXPECT_EQ(s.settingsSaved(), c.answer == Answer::Yes && c.mayClose);
      } else {
        prompts.files = {std::nullopt};  // the file dialog cancelled
        if (c.browseGoesOn) expected.push_back("open");
        runBrowseCommand(s, prompts);
        EXPECT_EQ(s.settingsSaved(), c.savedAfterBrowse);
        EXPECT_EQ(s.program(), before);
        EXPECT_EQ(s.text(T::EditName).empty(), c.how == Settings::Incomplete);
        prompts.files.clear();
      }
      // An error report is checked by its start: its path is the folder's.
      if (!prompts.log.empty() && prompts.log.back().starts_with("error: "))
        prompts.log.back() = "error: ";
      EXPECT_EQ(prompts.log, expected);
      EXPECT_EQ(written(), c.answer == Answer::Yes && c.how == Settings::Writable);
    }
  }
}

// はい runs Create as its button does: given the check, the errors of the
// file just written follow the confirmation and the engine's warning, before
// closing as before another program.
TEST_F(WindowCommands, YesReportsTheErrorsOfTheFileWritten) {
  for (const bool closing : {true, false}) {
    SCOPED_TRACE(closing ? "closing" : "browsing");
    fs::remove(dir / "Rivo.ini");
    s.setProgram(dir / "readme.txt");
    prepare(Settings::Writable);  // a.txt is listed, and not in the folder
    Checker checker(s);
    checker.setFolderFiles(scanFolder(dir.path()).lines, "Rivo.ini");
    prompts.clear();
    prompts.answers = {Answer::Yes};
    Lines expected{
        kQuestion, kCreated, kEngineMissing,
        "info: 作成したiniファイルには、インストール時に問題となるエラーが 1 件あります。\n"
        "[Files] Item1: ファイル「a.txt」が配布フォルダにありません。\n"
        "「詳細設定」で確認してください。"};
    if (closing) {
      EXPECT_TRUE(runCloseQuery(s, prompts, &checker));
    } else {
      prompts.files = {std::nullopt};
      runBrowseCommand(s, prompts, &checker);
      expected.push_back("open");
    }
    EXPECT_EQ(prompts.log, expected);
  }
}

TEST_F(WindowCommands, YesSavesThenTheNewProgramResets) {
  prepare(Settings::Writable);
  prompts.answers = {Answer::Yes};
  prompts.files = {dir / "next.exe"};
  runBrowseCommand(s, prompts);
  EXPECT_TRUE(written());
  EXPECT_EQ(s.program(), dir / "next.exe");
  EXPECT_TRUE(s.text(T::EditName).empty());
  EXPECT_TRUE(s.lines(ListField::MemoFiles).empty());
  EXPECT_TRUE(s.settingsSaved());
}

TEST_F(WindowCommands, ClosingSavedSettingsAsksNothing) {
  EXPECT_TRUE(runCloseQuery(s, prompts));
  s.setProgram(dir / "app.exe");
  s.setText(T::EditName, "Velquin");  // the main fields alone count as nothing to save
  s.setSettingsSaved(true);
  EXPECT_TRUE(runCloseQuery(s, prompts));
  EXPECT_TRUE(prompts.log.empty());
}

// A dropped program and one named at start-up are taken as 参照 takes the
// chosen file; what cannot be the program is refused before anything is
// asked or changed.
TEST_F(WindowCommands, DroppedOrNamedProgramIsChosenOrRefused) {
  const fs::path app = dir / "app.exe", next = dir / "next.exe", text = dir / "readme.txt";
  struct Case {
    std::vector<fs::path> paths;
    std::string refusal;  // for a drop; at start-up two are refused with kOneArgumentOnly
  };
  const std::vector<Case> refused{
      {{text}, messages::programNotExe(pathToUtf8(text))},
      {{app, next}, std::string(messages::kOneProgramOnly)},
  };
  for (const Case& c : refused) {
    prompts.clear();
    runProgramDropCommand(s, prompts, c.paths);
    runProgramArgumentsCommand(s, prompts, c.paths);
    const std::string atStart =
        c.paths.size() > 1 ? std::string(messages::kOneArgumentOnly) : c.refusal;
    EXPECT_EQ(prompts.log, (Lines{"info: " + c.refusal, "info: " + atStart}));
    EXPECT_TRUE(s.program().empty());
  }

  prompts.clear();
  runProgramArgumentsCommand(s, prompts, {});
  runProgramArgumentsCommand(s, prompts, {app});
  EXPECT_EQ(s.program(), app);
  runProgramDropCommand(s, prompts, {next});
  EXPECT_EQ(s.program(), next);
  EXPECT_TRUE(prompts.log.empty());

  // Unsaved settings: the drop asks first.
  s.setSettingsSaved(false);
  prompts.answers = {Answer::Cancel};
  runProgramDropCommand(s, prompts, {app});
  EXPECT_EQ(prompts.log, Lines{kQuestion});
  EXPECT_EQ(s.program(), next);
}

TEST_F(WindowCommands, FilesDroppedOnTheListJoinItOrAreRefusedWhole) {
  runFilesDropCommand(s, prompts, {dir / "readme.txt"});
  EXPECT_EQ(prompts.log,
            Lines{"info: " + messages::dropBeforeProgram(pathToUtf8(dir / "readme.txt"))});
  s.setProgram(dir / "app.exe");
  s.setLines(ListField::MemoFiles, {"app.exe"});
  prompts.clear();
  EXPECT_EQ(runFilesDropCommand(s, prompts, {dir / "readme.txt"}), 1u);
  EXPECT_EQ(s.lines(ListField::MemoFiles), (Lines{"app.exe", "readme.txt"}));
  EXPECT_TRUE(prompts.log.empty());
}

}  // namespace
}  // namespace velquin
