// The velquin executable as a user starts it: it shows its main window,
// builds the detailed-settings dialog behind it, and ends with exit code 0.
// Qt's options reach Qt.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>

namespace {

TEST(Startup, ShowsTheMainWindowBuildsTheDialogAndEndsCleanly) {
  QProcess velquin;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  env.insert(QStringLiteral("VELQUIN_QUIT_AFTER_SHOW"), QStringLiteral("details"));
  velquin.setProcessEnvironment(env);
  // The platform the tests run on, as Qt's own option, which the window
  // program leaves to Qt.
  velquin.start(QStringLiteral(VELQUIN_PROBED_EXECUTABLE),
                {QStringLiteral("-platform"), QGuiApplication::platformName()});
  ASSERT_TRUE(velquin.waitForFinished(30000)) << velquin.errorString().toStdString();
  EXPECT_EQ(velquin.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(velquin.exitCode(), 0);
  // Lines end in CR LF on Windows.
  EXPECT_EQ(velquin.readAllStandardOutput().replace("\r\n", "\n"),
            QByteArray("shown Velquin 424x235\ndialog Form2 536x528 hidden, owned by Velquin\n"));
}

}  // namespace
