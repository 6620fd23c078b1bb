// The main window's fields show what the check finds of them, as the
// dialog's single-line fields do: a marker at the field's end whose tooltip
// is the finding.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTimer>

#include "main_window_fixture.h"

namespace velquin::test {
namespace {

// The tooltip of the field's marker while it is shown, if it comes.
QString markerTip(QLineEdit* edit) {
  const auto shown = [edit] {
    return !edit->actions().isEmpty() && edit->actions().front()->isVisible();
  };
  return QTest::qWaitFor(shown, 5000) ? edit->actions().front()->toolTip() : QString();
}

TEST_F(MainWindowTest, FieldsShowWhatTheCheckFindsOfThem) {
  QFile(pathIn(QStringLiteral("app.exe"))).open(QIODevice::WriteOnly);
  browseTo(pathIn(QStringLiteral("app.exe")));
  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  click("ButtonShosai");  // the checker now holds the folder
  EXPECT_TRUE(edit("EditInstallTitle")->actions().isEmpty());

  type("EditInstallTitle", QStringLiteral("Velquinのインストール "));
  EXPECT_EQ(markerTip(edit("EditInstallTitle")),
            QStringLiteral("警告: 値の前後の空白は、インストーラが読むときに取り除かれます。"));
  type("EditInstallTitle", QStringLiteral("Velquinのインストール"));
  EXPECT_FALSE(edit("EditInstallTitle")->actions().front()->isVisible());

  // The program deleted: named once the folder is read again.
  EXPECT_TRUE(edit("EditProgram")->actions().isEmpty());
  QFile::remove(pathIn(QStringLiteral("app.exe")));
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&form, &activate);
  EXPECT_EQ(markerTip(edit("EditProgram")),
            QStringLiteral("エラー: 配布プログラム「app.exe」が配布フォルダにありません。"));
}

}  // namespace
}  // namespace velquin::test
