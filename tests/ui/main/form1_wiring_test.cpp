// The main window's wiring: each button, a drop and closing reach their
// command (the commands themselves are tested in the core), and the window
// shows what the commands did to the record.

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTimer>

#include "drop_files.h"
#include "main_window_fixture.h"
#include "settings/text/messages.h"

namespace velquin::test {
namespace {

using Answer = UserPrompts::Answer;
using Lines = std::vector<std::string>;

std::string info(std::string_view text) { return "info: " + std::string(text); }

void writeFile(const QString& path) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

// Runs `inspect` on the modal window once it is up, then closes it.
void whileModal(const std::function<void(QWidget*)>& inspect) {
  QTimer::singleShot(0, [inspect] {
    QWidget* modal = QApplication::activeModalWidget();
    inspect(modal);
    if (modal) modal->close();
  });
}

TEST_F(MainWindowTest, ButtonsRunTheirCommandsAndTheWindowShowsTheResult) {
  click("ButtonSakusei");
  click("ButtonShosai");
  EXPECT_EQ(prompts.log, (Lines{info(messages::kFillMainFields), info(messages::kProgramMissing)}));

  // 参照: the chosen program and the reset show.
  writeFile(pathIn(QStringLiteral("a.txt")));
  type("EditIniName", QStringLiteral("setup.ini"));
  prompts.clear();
  browseTo(pathIn(QStringLiteral("app.exe")));
  EXPECT_EQ(prompts.log, Lines{"open"});
  EXPECT_EQ(edit("EditProgram")->text(), pathIn(QStringLiteral("app.exe")));
  EXPECT_EQ(edit("EditIniName")->text(), QStringLiteral("Rivo.ini"));

  // 詳細設定: the dialog, modal, with the scanned list.
  QString shown;
  whileModal([&](QWidget* modal) { shown = modal ? modal->objectName() : QString(); });
  click("ButtonShosai");
  EXPECT_EQ(shown, QStringLiteral("Form2"));
  EXPECT_EQ(form2.findChild<QPlainTextEdit*>(QStringLiteral("MemoFiles"))->toPlainText(),
            QStringLiteral("a.txt\n"));

  // 作成: the typed fields reach the file.
  fillMainFields();
  prompts.clear();
  click("ButtonSakusei");
  EXPECT_EQ(prompts.log,
            (Lines{"info: iniファイル(Rivo.ini)を作成しました。", info(messages::kEngineMissing)}));
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Rivo.ini"))));
}

TEST_F(MainWindowTest, ClosingAsksWhileTheSettingsAreUnsaved) {
  const auto title = [this] { return form.windowHandle()->title(); };
  EXPECT_EQ(title(), QStringLiteral("Velquin"));
  EXPECT_TRUE(tryClose());
  form.show();
  type("EditIniName", QStringLiteral("setup.ini"));
  EXPECT_EQ(title(), QStringLiteral("Velquin*"));
  prompts.answers = {Answer::Cancel, Answer::No};
  EXPECT_FALSE(tryClose());
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(tryClose());
  EXPECT_EQ(prompts.log, Lines(2, "confirm: " + std::string(messages::kSaveQuestion)));

  // Created: saved, until a typo is mended in the main window.
  form.show();
  writeFile(pathIn(QStringLiteral("a.txt")));
  browseTo(pathIn(QStringLiteral("app.exe")));
  fillMainFields();
  settings.setLines(ListField::MemoFiles, {"a.txt"});
  click("ButtonSakusei");
  EXPECT_EQ(title(), QStringLiteral("Velquin"));
  type("EditInstallTitle", QStringLiteral("Velquin Setup"));
  EXPECT_EQ(title(), QStringLiteral("Velquin*"));
}

// Dropped anywhere on the window, over a field too, a file is taken as the
// program; no address lands in the field.
TEST_F(MainWindowTest, DroppedFileIsTakenAsTheProgram) {
  writeFile(pathIn(QStringLiteral("app.exe")));
  writeFile(pathIn(QStringLiteral("readme.txt")));
  EXPECT_TRUE(dropFiles(edit("EditName"), {pathIn(QStringLiteral("readme.txt"))}));
  EXPECT_EQ(prompts.log.size(), 1u);
  // Taken at once, handled once the system's drop call has returned.
  EXPECT_TRUE(dropFiles(&form, {pathIn(QStringLiteral("app.exe"))}, true));
  EXPECT_TRUE(edit("EditProgram")->text().isEmpty());
  QCoreApplication::processEvents();
  EXPECT_EQ(edit("EditProgram")->text(), pathIn(QStringLiteral("app.exe")));
  EXPECT_TRUE(dropFiles(edit("EditInstallTitle"), {pathIn(QStringLiteral("readme.txt"))}));
  EXPECT_TRUE(edit("EditName")->text().isEmpty());
  EXPECT_TRUE(edit("EditInstallTitle")->text().isEmpty());
}

}  // namespace
}  // namespace velquin::test
