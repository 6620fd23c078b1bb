// What the author sees of the detailed-settings dialog: which controls are
// enabled after a given setting, whoever made it, files dropped on the file
// list, and how the dialog shows and closes. (Which setting turns on which
// field is the core's rule, tested there.)

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include "drop_files.h"
#include "form2_fixture.h"
#include "settings/format/settings_loader.h"
#include "settings/platform/paths.h"
#include "type_text.h"

namespace velquin::ui::test {
namespace {

using Lines = std::vector<std::string>;

QAbstractButton* item(QWidget* group, int i) {
  return qobject_cast<QGroupBox*>(group)->findChild<QRadioButton*>(group->objectName() +
                                                                   QStringLiteral("Item%1").arg(i));
}

// The controls among `names` that the author can use, each followed by the
// labels that name it when these are not alike.
std::vector<std::string> usable(QWidget* form, std::initializer_list<const char*> names) {
  std::vector<std::string> on;
  for (const char* name : names) {
    auto* control = form->findChild<QWidget*>(QLatin1String(name));
    if (!control) {
      ADD_FAILURE() << "no control " << name;
      continue;
    }
    if (control->isEnabled()) on.push_back(name);
    for (QLabel* label : form->findChildren<QLabel*>())
      if (label->buddy() == control && label->isEnabled() != control->isEnabled())
        on.push_back(label->objectName().toStdString() + " of " + name);
  }
  return on;
}

// A control of an optional part, and its label, can be used only while the
// part is in use, whoever changes the settings: the author in the dialog,
// the loading of a settings file, the reset; shown or hidden.
TEST_F(Form2Test, ControlsOfAPartAreEnabledWhileItIsInUse) {
  const auto dependent = [&] {
    return usable(form.get(),
                  {"EditInstallDir", "EditInstallDirReg", "RadioGroupFileDel", "EditGroupName",
                   "MemoGroupItem", "CheckBox1", "MemoStartupItem", "MemoDesktopItem",
                   "EditUninstallKey", "EditUninstallName", "RadioGroupNotAdmin", "MemoRmDir"});
  };
  using Names = std::vector<std::string>;
  const Names atStartUp{"EditInstallDir", "EditUninstallKey", "MemoRmDir"};
  EXPECT_EQ(dependent(), atStartUp);

  form->show();
  velquin::test::typeText(find("EditInstallDir"), QStringLiteral(" "));
  click("RadioButtonStartNoCheck");
  click("RadioButtonStartNoCheck");  // the selected button again changes nothing
  click("RadioButtonDesktopCheck");
  EXPECT_EQ(dependent(), (Names{"EditInstallDir", "EditInstallDirReg", "RadioGroupFileDel",
                                "EditGroupName", "MemoGroupItem", "CheckBox1", "MemoDesktopItem",
                                "EditUninstallKey", "MemoRmDir"}));

  form->hide();
  settings.setText(TextField::EditUninstallKey, "Tessaly");
  loadSettings(settings, SettingsFile::fromText("[Group]\r\nValue = -1\r\n"));
  EXPECT_EQ(dependent(), (Names{"EditInstallDir", "EditUninstallKey", "EditUninstallName",
                                "RadioGroupNotAdmin", "MemoRmDir"}));

  settings.setProgram("/dist/two/app.exe");
  EXPECT_EQ(dependent(), atStartUp);
}

// Disabled, nothing is cleared: the values come back with their part.
TEST_F(Form2Test, DisablingKeepsTheValues) {
  auto* dir = find<QLineEdit>("EditInstallDir");
  velquin::test::typeText(dir, QStringLiteral("X"));
  velquin::test::typeText(find("EditInstallDirReg"),
                          QStringLiteral("HKEY_CURRENT_USER\\Software\\X"));
  item(find("RadioGroupFileDel"), 0)->click();
  QTest::keyClick(dir, Qt::Key_Backspace);
  EXPECT_FALSE(find("EditInstallDirReg")->isEnabled());
  EXPECT_EQ(find<QLineEdit>("EditInstallDirReg")->text(),
            QStringLiteral("HKEY_CURRENT_USER\\Software\\X"));
  EXPECT_EQ(settings.text(TextField::EditInstallDirReg), "HKEY_CURRENT_USER\\Software\\X");
  EXPECT_TRUE(item(find("RadioGroupFileDel"), 0)->isChecked());
  EXPECT_EQ(settings.index(IndexField::RadioGroupFileDel), 0);
}

// Files dropped on the file list join it as the scan writes them and come
// into view; the other lists take no files.
TEST_F(Form2Test, FilesDroppedOnTheFileListJoinItAndOnlyThere) {
  QTemporaryDir dist;
  const auto touch = [](const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  };
  touch(dist.filePath(QStringLiteral("app.exe")));
  touch(dist.filePath(QStringLiteral("sub/a.txt")));
  // As the file dialog gives a path: with the system's own separators.
  const auto native = [](const QString& path) { return QDir::toNativeSeparators(path); };
  settings.setProgram(pathFromUtf8(native(dist.filePath(QStringLiteral("app.exe"))).toStdString()));
  Lines kept(200, "kept");
  settings.setLines(ListField::MemoFiles, kept);
  form->show();
  auto* files = find<QPlainTextEdit>("MemoFiles");

  // The added lines come into view; the list is not shown again from the top.
  EXPECT_TRUE(velquin::test::dropFiles(files->viewport(), {dist.filePath(QStringLiteral("sub"))}));
  kept.push_back("sub\\a.txt");
  EXPECT_EQ(settings.lines(ListField::MemoFiles), kept);
  EXPECT_EQ(files->document()->lastBlock().previous().text(), QStringLiteral("sub\\a.txt"));
  EXPECT_TRUE(files->viewport()->rect().contains(files->cursorRect()));
  EXPECT_GT(files->verticalScrollBar()->value(), 0);

  auto* rmDir = find<QPlainTextEdit>("MemoRmDir");
  EXPECT_FALSE(
      velquin::test::dropFiles(rmDir->viewport(), {dist.filePath(QStringLiteral("sub/a.txt"))}));
  EXPECT_TRUE(rmDir->toPlainText().isEmpty());
}

// Every showing starts on the file page; closing, with 閉じる or the close
// box, keeps every value and enabled state.
TEST_F(Form2Test, EveryShowingStartsOnTheFilePageWithNothingLost) {
  form->show();
  EXPECT_EQ(pages()->currentIndex(), 0);
  velquin::test::typeText(find("EditInstallDir"), QStringLiteral("Tessaly"));
  pages()->setCurrentIndex(4);
  click("ButtonOK");
  EXPECT_FALSE(form->isVisible());
  form->show();
  EXPECT_EQ(pages()->currentIndex(), 0);
  pages()->setCurrentIndex(2);
  form->close();  // the close box
  form->show();
  EXPECT_EQ(pages()->currentIndex(), 0);
  EXPECT_EQ(find<QLineEdit>("EditInstallDir")->text(), QStringLiteral("Tessaly"));
  EXPECT_TRUE(find("EditInstallDirReg")->isEnabled());
}

// Shown modally as the Details command does: Escape and Enter leave the
// dialog open; only 閉じる (or the close box) ends the wait.
TEST_F(Form2Test, EscapeAndEnterDoNotCloseTheModalDialog) {
  bool openAfterEscape = false;
  bool openAfterEnter = false;
  QTimer::singleShot(0, form.get(), [&] {
    auto* dir = find<QLineEdit>("EditInstallDir");
    QTest::keyClick(dir, Qt::Key_Escape);
    openAfterEscape = form->isVisible();
    QTest::keyClick(dir, Qt::Key_Return);
    QTest::keyClick(find("ButtonOK"), Qt::Key_Escape);
    openAfterEnter = form->isVisible();
    click("ButtonOK");
  });
  // Should a key close the dialog, the wait has ended already; should
  // 閉じる fail, this ends it so that the test reports rather than hangs.
  QTimer::singleShot(5000, form.get(), [&] { form->done(42); });
  const int result = form->exec();
  EXPECT_TRUE(openAfterEscape);
  EXPECT_TRUE(openAfterEnter);
  EXPECT_EQ(result, QDialog::Rejected) << "閉じる closes the dialog";
}

}  // namespace
}  // namespace velquin::ui::test
