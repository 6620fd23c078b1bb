// What start-up takes from outside: Qt's own texts in Japanese, a program
// named on the command line, and --help / --version without a window.

#include "app/start_up.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "app/command_line.h"
#include "run_velquin.h"
#include "settings/platform/paths.h"
#include "settings/record/install_settings.h"
#include "support/recording_prompts.h"

namespace velquin::app {
namespace {

TEST(StartUp, ContextMenusOfTheFieldsAreJapanese) {
  ASSERT_TRUE(installJapaneseQtTexts(*static_cast<QApplication*>(QCoreApplication::instance())));
  QLineEdit edit;
  const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
  QStringList texts;
  for (const QAction* a : menu->actions()) texts << a->text().section(QLatin1Char('\t'), 0, 0);
  EXPECT_TRUE(texts.contains(QStringLiteral("元に戻す(&U)"))) << texts.join(' ').toStdString();
  EXPECT_TRUE(texts.contains(QStringLiteral("貼り付け(&P)")));
  EXPECT_TRUE(texts.contains(QStringLiteral("すべてを選択")));
}

// Arguments are the start-up command's (tested in the core); what is left
// here is taking a relative name from the folder the tool starts in.
TEST(StartUp, RelativeProgramIsTakenFromTheStartingFolder) {
  QTemporaryDir dir;
  ASSERT_TRUE(QFile(dir.filePath(QStringLiteral("app.exe"))).open(QIODevice::WriteOnly));
  InstallSettings settings;
  test::RecordingPrompts prompts;
  const QString here = QDir::currentPath();
  QDir::setCurrent(dir.path());
  chooseProgramFromCommandLine({"app.exe"}, settings, prompts);
  QDir::setCurrent(here);
  EXPECT_EQ(settings.program(),
            pathFromUtf8(
                QDir::toNativeSeparators(dir.filePath(QStringLiteral("app.exe"))).toStdString()));
  EXPECT_TRUE(prompts.log.empty());
}

using test::Ended;
using test::runVelquin;

// --help and --version print their text and end, without a window.
TEST(StartUp, HelpAndVersionNeedNoWindow) {
  for (const char* option : {"--help", "--version"}) {
    const Ended ended = runVelquin({QLatin1String(option)});
    EXPECT_EQ(ended.exitCode, 0) << option;
    EXPECT_EQ(ended.out.toStdString(),
              std::string(option) == "--help" ? usageText() : versionText());
  }
}

// A typo ends the run at once with 2, naming the argument, where it used to
// open a window that nobody closes; a window that cannot open says so in one
// line, where Qt would abort.
TEST(StartUp, MisusedCommandLineOrNoDisplayEndsWithTwo) {
  const Ended typo = runVelquin({QStringLiteral("--chek"), QStringLiteral("dist")});
  EXPECT_EQ(typo.exitCode, 2);
  EXPECT_TRUE(typo.out.isEmpty());
  EXPECT_TRUE(typo.err.startsWith(
      QStringLiteral("velquin: 「--chek」は velquin のオプションではありません。\n使い方: ")))
      << typo.err.toStdString();

  const Ended noDisplay = runVelquin({});
  EXPECT_EQ(noDisplay.exitCode, 2);
  EXPECT_EQ(noDisplay.err.toStdString(),
            "velquin: ウィンドウを開く画面に接続できません。--check、--plan と --add-unlisted "
            "は画面なしで使えます。\n");
}

}  // namespace
}  // namespace velquin::app
