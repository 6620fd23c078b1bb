// The main window's commands through its real buttons and fields: Create,
// Browse with its save question and the reset, Details, and closing.

#include <QApplication>
#include <QFile>
#include <QTimer>

#include "drop_files.h"
#include "main_window_fixture.h"
#include "settings/messages.h"
#include "settings/paths.h"

namespace velquin::test {
namespace {

using Answer = ui::Dialogs::Answer;

const QString kSaveQuestion = QStringLiteral("confirm: 設定が変更されています。保存しますか？");
const QString kFillMainFields =
    QStringLiteral("info: 「ini ファイルの名前」以外の各３項目を入力してください。");
const QString kIniNameMissing = QStringLiteral("info: iniファイルの名前を指定してください。");
const QString kNoFileList = QStringLiteral(
    "info: 「詳細設定」ボタンを押して、インストールするファイル名を確認してください。");
const QString kCreated = QStringLiteral("info: iniファイル(Rivo.ini)を作成しました。");
const QString kEngineMissing = QStringLiteral(
    "info: インストーラ本体が同梱されていないか、インストーラ本体のファイル名が間違っています。\r"
    "確認してください。");

QByteArray readFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

class CommandsTest : public MainWindowTest {
 protected:
  // A program chosen, the main fields filled and a file list, as after the
  // author's first Details: Create would write.
  void prepareWritableSettings() {
    browseTo(pathIn(QStringLiteral("app.exe")));
    fillMainFields();
    settings.setLines(ListField::MemoFiles, {"a.txt"});
    dialogs.log.clear();
  }
  QString settingsFile() const { return dir.filePath(QStringLiteral("Rivo.ini")); }
  // Changes the settings file's name and back: the settings count as unsaved.
  void markUnsaved() {
    typeText(edit("EditIniName"), QStringLiteral("x"));
    QTest::keyClick(edit("EditIniName"), Qt::Key_Backspace);
  }
};

TEST_F(CommandsTest, CreateChecksTheMainFieldsInOrder) {
  type("EditIniName", QString());
  click("ButtonSakusei");
  EXPECT_EQ(dialogs.log, QStringList{kFillMainFields});

  dialogs.log.clear();
  browseTo(pathIn(QStringLiteral("app.exe")));
  type("EditIniName", QString());  // the reset put Rivo.ini back
  fillMainFields();
  edit("EditName")->setFocus();
  click("ButtonSakusei");
  EXPECT_EQ(dialogs.log, (QStringList{QStringLiteral("open"), kIniNameMissing}));
  EXPECT_EQ(form.focusWidget(), edit("EditIniName"));

  dialogs.log.clear();
  type("EditIniName", QStringLiteral("Rivo.ini"));
  click("ButtonSakusei");
  EXPECT_EQ(dialogs.log, QStringList{kNoFileList});
  EXPECT_FALSE(QFile::exists(settingsFile()));
  EXPECT_FALSE(settings.settingsSaved());
}

TEST_F(CommandsTest, CreateWritesTheFileConfirmsAndWarnsOfTheMissingEngine) {
  prepareWritableSettings();
  click("ButtonSakusei");
  EXPECT_EQ(readFile(settingsFile()), readFile(QStringLiteral(VELQUIN_GOLDEN_DIR "/minimal.ini")));
  EXPECT_EQ(dialogs.log, (QStringList{kCreated, kEngineMissing}));
  EXPECT_TRUE(settings.settingsSaved());

  // With the engine beside it, the confirmation alone; the file is replaced.
  dialogs.log.clear();
  writeFile(dir.filePath(QStringLiteral("Rivo.exe")), "MZ");
  writeFile(settingsFile(), "old");
  click("ButtonSakusei");
  EXPECT_EQ(dialogs.log, QStringList{kCreated});
  EXPECT_EQ(readFile(settingsFile()), readFile(QStringLiteral(VELQUIN_GOLDEN_DIR "/minimal.ini")));
}

TEST_F(CommandsTest, CreateReportsAFailedWriteWithTheFullPath) {
  const QString folder = dir.filePath(QStringLiteral("gone"));
  ASSERT_TRUE(QDir().mkdir(folder));
  browseTo(QDir::toNativeSeparators(folder + QStringLiteral("/app.exe")));
  fillMainFields();
  settings.setLines(ListField::MemoFiles, {"a.txt"});
  markUnsaved();
  ASSERT_TRUE(QDir(folder).removeRecursively());
  dialogs.log.clear();

  click("ButtonSakusei");
  const QString target = QString::fromStdString(pathToUtf8(settings.settingsFilePath("Rivo.ini")));
  EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("error: ファイル ") + target +
                                     QStringLiteral(" を作成できません.")});
  EXPECT_FALSE(settings.settingsSaved());
  EXPECT_TRUE(form.isVisible());
}

TEST_F(CommandsTest, BrowseAsksNothingWithoutAProgramOrUnsavedSettings) {
  // The name was changed before any program was chosen: still no question.
  type("EditIniName", QStringLiteral("setup.ini"));
  ASSERT_FALSE(settings.settingsSaved());
  browseTo(pathIn(QStringLiteral("app.exe")));
  EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("open")});
  EXPECT_EQ(edit("EditProgram")->text(), pathIn(QStringLiteral("app.exe")));
  EXPECT_EQ(edit("EditIniName")->text(), QStringLiteral("Rivo.ini"));
  EXPECT_EQ(settings.distDir(),
            pathFromUtf8(QDir::toNativeSeparators(dir.path() + u'/').toStdString()));

  // Saved settings: a new program without a question.
  settings.setSettingsSaved(true);
  dialogs.log.clear();
  browseTo(pathIn(QStringLiteral("other.exe")));
  EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("open")});
}

TEST_F(CommandsTest, BrowseCancelledAtTheQuestionChangesNothing) {
  prepareWritableSettings();
  markUnsaved();
  dialogs.answers = {Answer::Cancel};
  click("ButtonSansho");
  EXPECT_EQ(dialogs.log, QStringList{kSaveQuestion});
  EXPECT_FALSE(settings.settingsSaved());
  EXPECT_EQ(edit("EditName")->text(), QStringLiteral("Velquin"));
}

TEST_F(CommandsTest, BrowseAnsweredNoCountsAsSavedEvenWhenTheDialogIsCancelled) {
  prepareWritableSettings();
  markUnsaved();
  dialogs.answers = {Answer::No};
  dialogs.files = {std::nullopt};
  click("ButtonSansho");
  EXPECT_EQ(dialogs.log, (QStringList{kSaveQuestion, QStringLiteral("open")}));
  EXPECT_TRUE(settings.settingsSaved());
  EXPECT_EQ(edit("EditName")->text(), QStringLiteral("Velquin"));
  EXPECT_EQ(edit("EditProgram")->text(), pathIn(QStringLiteral("app.exe")));
  EXPECT_FALSE(QFile::exists(settingsFile()));
  EXPECT_TRUE(tryClose());  // no question
  EXPECT_EQ(dialogs.log.size(), 2);
}

TEST_F(CommandsTest, BrowseAnsweredYesSavesThenResetsForTheNewProgram) {
  prepareWritableSettings();
  markUnsaved();
  dialogs.answers = {Answer::Yes};
  browseTo(pathIn(QStringLiteral("next.exe")));
  EXPECT_EQ(dialogs.log,
            (QStringList{kSaveQuestion, kCreated, kEngineMissing, QStringLiteral("open")}));
  EXPECT_EQ(readFile(settingsFile()), readFile(QStringLiteral(VELQUIN_GOLDEN_DIR "/minimal.ini")));
  EXPECT_TRUE(settings.settingsSaved());
  EXPECT_EQ(edit("EditName")->text(), QString());
  EXPECT_EQ(edit("EditInstallTitle")->text(), QString());
  EXPECT_TRUE(settings.lines(ListField::MemoFiles).empty());
}

TEST_F(CommandsTest, BrowseAnsweredYesStopsWhenCreateRefuses) {
  browseTo(pathIn(QStringLiteral("app.exe")));
  type("EditIniName", QStringLiteral("setup.ini"));  // unsaved; the name is still empty
  dialogs.log.clear();
  dialogs.answers = {Answer::Yes};
  click("ButtonSansho");
  // Create's message, then nothing: no file dialog, nothing reset.
  EXPECT_EQ(dialogs.log, (QStringList{kSaveQuestion, kFillMainFields}));
  EXPECT_FALSE(settings.settingsSaved());
  EXPECT_EQ(edit("EditIniName")->text(), QStringLiteral("setup.ini"));
  EXPECT_EQ(edit("EditProgram")->text(), pathIn(QStringLiteral("app.exe")));
}

TEST_F(CommandsTest, BrowseAnsweredYesStopsWhenTheWriteFails) {
  const QString folder = dir.filePath(QStringLiteral("gone"));
  ASSERT_TRUE(QDir().mkdir(folder));
  browseTo(QDir::toNativeSeparators(folder + QStringLiteral("/app.exe")));
  fillMainFields();
  settings.setLines(ListField::MemoFiles, {"a.txt"});
  markUnsaved();
  ASSERT_TRUE(QDir(folder).removeRecursively());
  dialogs.log.clear();
  dialogs.answers = {Answer::Yes};
  click("ButtonSansho");
  ASSERT_EQ(dialogs.log.size(), 2);
  EXPECT_EQ(dialogs.log[0], kSaveQuestion);
  EXPECT_TRUE(dialogs.log[1].startsWith(QStringLiteral("error: ファイル ")))
      << dialogs.log[1].toStdString();
  EXPECT_FALSE(settings.settingsSaved());
  EXPECT_EQ(edit("EditName")->text(), QStringLiteral("Velquin"));
}

// Dropped anywhere on the window, over a field too, one .exe file is chosen
// as 参照 chooses it, after the same save question; anything else is refused
// and changes nothing (no address lands in the field).
TEST_F(CommandsTest, DroppedProgramIsChosenAsByBrowse) {
  for (const char* f : {"app.exe", "other.exe", "readme.txt"})
    writeFile(pathIn(QLatin1String(f)), "MZ");
  const auto info = [](const std::string& text) {
    return QStringLiteral("info: ") + QString::fromStdString(text);
  };
  EXPECT_TRUE(dropFiles(edit("EditName"), {pathIn(QStringLiteral("readme.txt"))}));
  EXPECT_TRUE(
      dropFiles(&form, {pathIn(QStringLiteral("app.exe")), pathIn(QStringLiteral("other.exe"))}));
  EXPECT_EQ(dialogs.log,
            (QStringList{
                info(messages::programNotExe(pathIn(QStringLiteral("readme.txt")).toStdString())),
                info(std::string(messages::kOneProgramOnly))}));
  EXPECT_TRUE(settings.program().empty());
  EXPECT_TRUE(edit("EditName")->text().isEmpty());

  dialogs.log.clear();
  dropFiles(edit("EditName"), {pathIn(QStringLiteral("app.exe"))});
  EXPECT_EQ(edit("EditProgram")->text(), pathIn(QStringLiteral("app.exe")));
  EXPECT_TRUE(edit("EditName")->text().isEmpty());
  markUnsaved();
  dialogs.answers.push_back(Answer::Cancel);
  dropFiles(&form, {pathIn(QStringLiteral("other.exe"))});
  EXPECT_EQ(dialogs.log, QStringList{kSaveQuestion});
  EXPECT_EQ(edit("EditProgram")->text(), pathIn(QStringLiteral("app.exe")));
}

TEST_F(CommandsTest, TheSameProgramResetsNothingButOtherLetterCaseDoes) {
  prepareWritableSettings();
  browseTo(pathIn(QStringLiteral("app.exe")));
  EXPECT_EQ(edit("EditName")->text(), QStringLiteral("Velquin"));
  EXPECT_EQ(settings.lines(ListField::MemoFiles), std::vector<std::string>{"a.txt"});

  type("EditIniName", QStringLiteral("setup.ini"));
  settings.setSettingsSaved(true);  // as after a Create
  browseTo(pathIn(QStringLiteral("APP.exe")));
  EXPECT_EQ(edit("EditProgram")->text(), pathIn(QStringLiteral("APP.exe")));
  EXPECT_EQ(edit("EditName")->text(), QString());
  EXPECT_TRUE(settings.lines(ListField::MemoFiles).empty());
  // The reset put Rivo.ini back over setup.ini: that counts as a change.
  EXPECT_EQ(edit("EditIniName")->text(), QStringLiteral("Rivo.ini"));
  EXPECT_FALSE(settings.settingsSaved());
  dialogs.answers = {Answer::Cancel};
  EXPECT_FALSE(tryClose());
}

TEST_F(CommandsTest, ClosingAsksOnlyWhileTheSettingsFileNameOrDetailsChanged) {
  // Straight after start-up.
  EXPECT_TRUE(settings.settingsSaved());
  type("EditName", QStringLiteral("Velquin"));
  type("EditInstallTitle", QStringLiteral("タイトル"));
  EXPECT_TRUE(tryClose());
  EXPECT_TRUE(dialogs.log.isEmpty());

  // Typing a name and restoring it still counts.
  form.show();
  markUnsaved();
  EXPECT_EQ(edit("EditIniName")->text(), QStringLiteral("Rivo.ini"));
  dialogs.answers = {Answer::Cancel, Answer::No};
  EXPECT_FALSE(tryClose());
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(tryClose());
  EXPECT_EQ(dialogs.log, (QStringList{kSaveQuestion, kSaveQuestion}));
}

TEST_F(CommandsTest, ClosingAnsweredYesClosesOnlyOnceTheFileIsWritten) {
  browseTo(pathIn(QStringLiteral("app.exe")));
  markUnsaved();
  dialogs.log.clear();
  dialogs.answers = {Answer::Yes};
  EXPECT_FALSE(tryClose());
  EXPECT_EQ(dialogs.log, (QStringList{kSaveQuestion, kFillMainFields}));

  fillMainFields();
  settings.setLines(ListField::MemoFiles, {"a.txt"});
  dialogs.log.clear();
  dialogs.answers = {Answer::Yes};
  EXPECT_TRUE(tryClose());
  EXPECT_EQ(dialogs.log, (QStringList{kSaveQuestion, kCreated, kEngineMissing}));
  EXPECT_EQ(readFile(settingsFile()), readFile(QStringLiteral(VELQUIN_GOLDEN_DIR "/minimal.ini")));
}

TEST_F(CommandsTest, ClosingAnsweredYesStaysOpenWhenTheWriteFails) {
  const QString folder = dir.filePath(QStringLiteral("gone"));
  ASSERT_TRUE(QDir().mkdir(folder));
  browseTo(QDir::toNativeSeparators(folder + QStringLiteral("/app.exe")));
  fillMainFields();
  settings.setLines(ListField::MemoFiles, {"a.txt"});
  markUnsaved();
  ASSERT_TRUE(QDir(folder).removeRecursively());
  dialogs.log.clear();
  dialogs.answers = {Answer::Yes};
  EXPECT_FALSE(tryClose());
  ASSERT_EQ(dialogs.log.size(), 2);
  EXPECT_TRUE(dialogs.log[1].startsWith(QStringLiteral("error: "))) << dialogs.log[1].toStdString();
  EXPECT_TRUE(form.isVisible());
}

// Runs `inspect` on the modal window once it is up, then closes it.
void whileModal(const std::function<void(QWidget*)>& inspect) {
  QTimer::singleShot(0, [inspect] {
    QWidget* modal = QApplication::activeModalWidget();
    inspect(modal);
    if (modal) modal->close();
  });
}

TEST_F(CommandsTest, DetailsScansTheFolderShowsTheDialogAndLeavesTheSettingsUnsaved) {
  click("ButtonShosai");
  EXPECT_EQ(dialogs.log,
            QStringList{QStringLiteral("info: 配布プログラムのファイル名を指定してください。")});

  writeFile(dir.filePath(QStringLiteral("a.txt")), "a");
  writeFile(dir.filePath(QStringLiteral("rivo.EXE")), "MZ");
  browseTo(pathIn(QStringLiteral("a.txt")));
  dialogs.log.clear();
  QString shown;
  whileModal([&](QWidget* modal) { shown = modal ? modal->objectName() : QString(); });
  click("ButtonShosai");
  EXPECT_EQ(shown, QStringLiteral("Form2"));
  EXPECT_FALSE(form2.isVisible());
  EXPECT_EQ(settings.lines(ListField::MemoFiles), std::vector<std::string>{"a.txt"});
  EXPECT_FALSE(settings.settingsSaved());

  // Nothing changed in the dialog, and still Browse asks.
  dialogs.answers = {Answer::Cancel};
  click("ButtonSansho");
  EXPECT_EQ(dialogs.log, QStringList{kSaveQuestion});
}

}  // namespace
}  // namespace velquin::test
