// `velquin --check` and `velquin --plan` on a distribution folder: the text
// and the exit code, with no window and no display.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "run_velquin.h"
#include "settings/text/messages.h"

namespace {

using Finished = velquin::test::Ended;

Finished run(const QString& option, const QString& path) {
  return velquin::test::runVelquin({option, QDir::toNativeSeparators(path)});
}

Finished check(const QString& path) { return run(QStringLiteral("--check"), path); }

void write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  QFile file(dir.filePath(name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

TEST(CheckCommandLine, FindingsAsPathLineAndTheExitCode) {
  QTemporaryDir dir;
  write(dir, QStringLiteral("app.exe"), "x");
  write(dir, QStringLiteral("Rivo.exe"), "x");
  write(dir, QStringLiteral("Rivo.ini"),
        "[Application]\r\nName = App\r\n[Install]\r\nTitle = T\r\nTextFile = \r\nProgram = \r\n"
        "AllUsers = -1\r\nMessage = \r\n[Files]\r\nItem1 = app.exe\r\nItem2 = gone.txt\r\n"
        "Item3 = Rivo.exe,2\r\nItem4 = Rivo.ini\r\n[Group]\r\nValue = -1\r\n");

  const QString ini = dir.filePath(QStringLiteral("Rivo.ini"));
  const Finished missing = check(ini);
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out,
            QDir::toNativeSeparators(ini) + QStringLiteral(":11: エラー: [Files] Item2: ") +
                QString::fromStdString(velquin::messages::ship::notInFolder("gone.txt") + "\n" +
                                       velquin::messages::ship::counts(1, 0) + "\n"));

  // The folder, or the program in it, names its settings file Rivo.ini.
  write(dir, QStringLiteral("gone.txt"), "x");
  const Finished clean = check(dir.path());
  EXPECT_EQ(clean.exitCode, 0);
  EXPECT_EQ(clean.out.toStdString(), velquin::messages::ship::counts(0, 0) + "\n");

  QFile::remove(ini);
  const Finished unreadable = check(dir.filePath(QStringLiteral("app.exe")));
  EXPECT_EQ(unreadable.exitCode, 2);
  EXPECT_TRUE(unreadable.err.contains(QStringLiteral("Rivo.ini"))) << unreadable.err.toStdString();
}

TEST(PlanCommandLine, PrintsThePlanOrSaysTheFileCannotBeRead) {
  QTemporaryDir dir;
  write(dir, QStringLiteral("app.exe"), QByteArray(2048, 'x'));
  write(dir, QStringLiteral("Rivo.ini"),
        "[Application]\r\nName = App\r\n[Install]\r\nTitle = T\r\nTextFile = \r\nProgram = \r\n"
        "AllUsers = -1\r\nMessage = \r\n[Files]\r\nItem1 = app.exe\r\nItem2 = Rivo.exe,2\r\n"
        "Item3 = Rivo.ini\r\n[Group]\r\nValue = -1\r\n");
  const QString program = dir.filePath(QStringLiteral("app.exe"));

  const Finished plan = run(QStringLiteral("--plan"), program);
  EXPECT_EQ(plan.exitCode, 0) << plan.err.toStdString();
  EXPECT_TRUE(plan.out.contains(QStringLiteral(
      "\n  app.exe：〈インストール先〉\\app.exe、上書きする（省略時は 1）、2,048 バイト  ← [Files] "
      "Item1\n")))
      << plan.out.toStdString();

  QFile::remove(dir.filePath(QStringLiteral("Rivo.ini")));
  const Finished unreadable = run(QStringLiteral("--plan"), program);
  EXPECT_EQ(unreadable.exitCode, 2);
  EXPECT_TRUE(unreadable.out.isEmpty());
  EXPECT_TRUE(unreadable.err.contains(QStringLiteral("Rivo.ini"))) << unreadable.err.toStdString();
}

#ifdef __linux__
// A report the standard output does not take whole (a full disk) fails the
// command, whose error output says so, where it used to end with 0.
TEST(CheckCommandLine, AReportThatCannotBeWrittenFails) {
  QTemporaryDir dir;
  write(dir, QStringLiteral("Rivo.ini"), "[Files]\r\nItem1 = app.exe\r\n");
  for (const QStringList& arguments :
       {QStringList{QStringLiteral("--check"), dir.path()},
        QStringList{QStringLiteral("--plan"), dir.path()}, QStringList{QStringLiteral("--help")}}) {
    const Finished ended = velquin::test::runVelquin(arguments, QStringLiteral("/dev/full"));
    EXPECT_EQ(ended.exitCode, 2) << arguments.join(' ').toStdString();
    EXPECT_EQ(ended.err, QStringLiteral("velquin: 結果を標準出力に書き込めません。\n"));
  }
}
#endif

}  // namespace
