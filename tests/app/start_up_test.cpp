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
  chooseProgramFromCommandLine({QStringLiteral("app.exe")}, settings, prompts);
  QDir::setCurrent(here);
  EXPECT_EQ(settings.program(),
            pathFromUtf8(
                QDir::toNativeSeparators(dir.filePath(QStringLiteral("app.exe"))).toStdString()));
  EXPECT_TRUE(prompts.log.empty());
}

// --help and --version print their text and end, without a window: with no
// display to open, a window would end the run with an error.
TEST(StartUp, HelpAndVersionNeedNoWindow) {
  for (const char* option : {"--help", "--version"}) {
    QProcess velquin;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    velquin.setProcessEnvironment(env);
    velquin.start(QStringLiteral(VELQUIN_EXECUTABLE), {QLatin1String(option)});
    ASSERT_TRUE(velquin.waitForFinished(10000));
    EXPECT_EQ(velquin.exitCode(), 0) << option;
    // Windows writes its line breaks as CR LF.
    const QString out =
        QString::fromUtf8(velquin.readAllStandardOutput()).remove(QLatin1Char('\r'));
    EXPECT_TRUE(out.startsWith(
        QString::fromStdString(std::string(option) == "--help" ? usageText() : versionText())))
        << out.toStdString();
  }
}

}  // namespace
}  // namespace velquin::app
