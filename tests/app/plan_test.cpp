// `velquin --plan` on a distribution folder: the plan on the standard
// output, and the exit code, with no window and no display.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

TEST(PlanCommandLine, PrintsThePlanOrSaysTheFileCannotBeRead) {
  QTemporaryDir dir;
  const auto write = [&dir](const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  };
  write(QStringLiteral("app.exe"), QByteArray(2048, 'x'));
  write(QStringLiteral("Rivo.ini"),
        "[Application]\r\nName = App\r\n[Install]\r\nTitle = T\r\nTextFile = \r\nProgram = \r\n"
        "AllUsers = -1\r\nMessage = \r\n[Files]\r\nItem1 = app.exe\r\nItem2 = Rivo.exe,2\r\n"
        "Item3 = Rivo.ini\r\n[Group]\r\nValue = -1\r\n");

  const auto plan = [&dir](const QString& name, QString& out, QString& err) {
    QProcess velquin;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("DISPLAY"));
    velquin.setProcessEnvironment(env);
    velquin.start(QStringLiteral(VELQUIN_EXECUTABLE),
                  {QStringLiteral("--plan"), QDir::toNativeSeparators(dir.filePath(name))});
    if (!velquin.waitForFinished(20000)) return -1;
    // Windows writes its line breaks as CR LF.
    out = QString::fromUtf8(velquin.readAllStandardOutput()).remove(QLatin1Char('\r'));
    err = QString::fromUtf8(velquin.readAllStandardError()).remove(QLatin1Char('\r'));
    return velquin.exitCode();
  };

  QString out, err;
  EXPECT_EQ(plan(QStringLiteral("app.exe"), out, err), 0) << err.toStdString();
  EXPECT_TRUE(out.contains(QStringLiteral(
      "\n  app.exe：〈インストール先〉\\app.exe、上書きする（省略時は 1）、2,048 バイト  ← [Files] "
      "Item1\n")))
      << out.toStdString();

  QFile::remove(dir.filePath(QStringLiteral("Rivo.ini")));
  EXPECT_EQ(plan(QStringLiteral("app.exe"), out, err), 2);
  EXPECT_TRUE(out.isEmpty());
  EXPECT_TRUE(err.contains(QStringLiteral("Rivo.ini"))) << err.toStdString();
}

}  // namespace
