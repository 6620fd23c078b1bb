// OpenDialog1: its title and filter as shown, a typed name that is not there
// yet, and the last chosen file offered again.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/qt_prompts.h"
#include "settings/platform/paths.h"

namespace velquin::app {
namespace {

// Runs `act` on the file dialog once it is up.
void whileFileDialogUp(const std::function<void(QFileDialog*)>& act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    act(dialog);
  });
}

TEST(OpenDialog1, ShowsItsTitleAndTheOneFileType) {
  QFileDialog dialog;
  configureProgramDialog(dialog);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.show();
  EXPECT_EQ(dialog.objectName(), QStringLiteral("OpenDialog1"));
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("配布プログラムの指定"));
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
  auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  ASSERT_NE(types, nullptr);
  ASSERT_EQ(types->count(), 1);
  EXPECT_EQ(types->itemText(0), QStringLiteral("プログラムファイル(*.exe)"));
  EXPECT_TRUE(dialog.isSizeGripEnabled());
  EXPECT_EQ(dialog.minimumSize() == dialog.maximumSize(), false);
}

// Enter takes the typed name and closes the list of names completing it,
// which would take the next click.
TEST(OpenDialog1, EnterClosesTheListOfCompletions) {
  QTemporaryDir dir;
  for (const char* name : {"alpha.exe", "albert.exe"})
    QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
  QFileDialog dialog(nullptr, QString(), dir.path());
  configureProgramDialog(dialog);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  auto* files = dialog.findChild<QFileSystemModel*>();
  ASSERT_TRUE(QTest::qWaitFor([&] { return files->rowCount(files->index(dir.path())) == 2; }));
  auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  name->setFocus();
  QTest::keyClicks(name, QStringLiteral("al"));
  QWidget* list = name->completer()->popup();
  ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
  QTest::keyClick(list, Qt::Key_Return);  // the open list takes the keys
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST(OpenDialog1, TakesATypedNameThatIsNotThereAndOffersTheLastChoiceAgain) {
  QTemporaryDir dir;
  QFile existing(dir.filePath(QStringLiteral("tool.exe")));
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();

  QWidget window;
  QtPrompts prompts;
  prompts.setWindow(&window);

  const QString typed = dir.filePath(QStringLiteral("later.exe"));
  whileFileDialogUp([&](QFileDialog* d) {
    auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(typed);
    static_cast<QDialog*>(d)->accept();  // the Open button
  });
  EXPECT_EQ(prompts.chooseProgramFile(),
            pathFromUtf8(QDir::toNativeSeparators(typed).toStdString()));

  QString offered;
  whileFileDialogUp([&](QFileDialog* d) {
    offered = d->selectedFiles().value(0);
    d->reject();
  });
  EXPECT_EQ(prompts.chooseProgramFile(), std::nullopt);
  EXPECT_EQ(offered, typed);
}

}  // namespace
}  // namespace velquin::app
