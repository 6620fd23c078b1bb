// Which controls of the detailed-settings dialog are enabled, whoever changes
// the option they depend on, and how the dialog shows and closes.

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
#include "settings/record/settings_rules.h"
#include "settings/text/messages.h"
#include "type_text.h"

namespace velquin::ui::test {
namespace {

using Lines = std::vector<std::string>;

QAbstractButton* item(QWidget* group, int i) {
  return qobject_cast<QGroupBox*>(group)->findChild<QRadioButton*>(group->objectName() +
                                                                   QStringLiteral("Item%1").arg(i));
}

// Every control of a field, and the labels that name it, is enabled exactly
// while the core's rules let the author edit the field, whoever changed the
// record (the author in the dialog, loading, the reset), shown or hidden.
TEST_F(Form2Test, EveryFieldAndItsLabelsFollowTheRules) {
  const auto wrongStates = [&] {
    std::vector<std::string> wrong;
    for (const FieldInfo& info : kFields) {
      const QString name = QString::fromUtf8(info.control.data(), qsizetype(info.control.size()));
      QList<QWidget*> widgets = form->findChildren<QWidget*>(name);
      if (info.field.kind == FieldKind::Choice)
        for (const OptionInfo& o : kOptions)
          if (o.choice == info.field.choice()) widgets << find(std::string(o.control).c_str());
      for (QLabel* label : form->findChildren<QLabel*>())
        if (widgets.contains(label->buddy())) widgets << label;
      for (QWidget* w : widgets)
        if (w->isEnabled() != isEditable(settings, info.field))
          wrong.push_back(w->objectName().toStdString());
    }
    return wrong;
  };
  EXPECT_EQ(wrongStates(), std::vector<std::string>{});
  form->show();
  velquin::test::typeText(find("EditInstallDir"), QStringLiteral(" "));
  click("RadioButtonStartNoCheck");
  click("RadioButtonStartNoCheck");  // the selected button again changes nothing
  click("RadioButtonDesktopCheck");
  EXPECT_EQ(wrongStates(), std::vector<std::string>{});
  EXPECT_TRUE(find("EditGroupName")->isEnabled());
  EXPECT_TRUE(find("MemoDesktopItem")->isEnabled());

  form->hide();
  settings.setText(TextField::EditUninstallKey, "Tessaly");
  loadSettings(settings, SettingsFileReader::fromBytes("[Group]\r\nValue = -1\r\n"));
  EXPECT_EQ(wrongStates(), std::vector<std::string>{});
  EXPECT_TRUE(find("RadioGroupNotAdmin")->isEnabled());
  EXPECT_FALSE(find("Label8")->isEnabled());

  settings.setProgram("/dist/two/app.exe");
  EXPECT_EQ(wrongStates(), std::vector<std::string>{});
  EXPECT_FALSE(find("EditUninstallName")->isEnabled());
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

// Files dropped on the file list join it as the scan writes them; a drop
// from outside the distribution folder adds nothing and says why; the other
// lists take no files.
TEST_F(Form2Test, FilesDroppedOnTheFileListJoinItAndOnlyThere) {
  QTemporaryDir dist, other;
  const auto touch = [](const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  };
  touch(dist.filePath(QStringLiteral("app.exe")));
  touch(dist.filePath(QStringLiteral("sub/a.txt")));
  touch(other.filePath(QStringLiteral("x.txt")));
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

  velquin::test::dropFiles(files->viewport(), {dist.filePath(QStringLiteral("app.exe")),
                                               other.filePath(QStringLiteral("x.txt"))});
  EXPECT_EQ(settings.lines(ListField::MemoFiles), kept);  // nothing in part
  EXPECT_EQ(prompts.shown, std::vector<std::string>{messages::dropOutside(
                               native(other.filePath(QStringLiteral("x.txt"))).toStdString(),
                               pathToUtf8(settings.distDir()))});

  auto* rmDir = find<QPlainTextEdit>("MemoRmDir");
  EXPECT_FALSE(
      velquin::test::dropFiles(rmDir->viewport(), {dist.filePath(QStringLiteral("sub/a.txt"))}));
  EXPECT_TRUE(rmDir->toPlainText().isEmpty());
}

TEST_F(Form2Test, EveryShowingStartsOnTheFilePage) {
  form->show();
  EXPECT_EQ(pages()->currentIndex(), 0);
  pages()->setCurrentIndex(4);
  click("ButtonOK");
  EXPECT_FALSE(form->isVisible());
  form->show();
  EXPECT_EQ(pages()->currentIndex(), 0);
  pages()->setCurrentIndex(2);
  form->close();  // the close box
  form->show();
  EXPECT_EQ(pages()->currentIndex(), 0);
}

TEST_F(Form2Test, ClosingKeepsValuesAndEnabledStates) {
  form->show();
  velquin::test::typeText(find("EditInstallDir"), QStringLiteral("Tessaly"));
  click("RadioButtonStartupCheck");
  velquin::test::typeText(find("EditStartupInfo"), QStringLiteral("起動"));
  click("ButtonOK");
  form->show();
  form->close();
  form->show();
  EXPECT_EQ(find<QLineEdit>("EditInstallDir")->text(), QStringLiteral("Tessaly"));
  EXPECT_EQ(find<QLineEdit>("EditStartupInfo")->text(), QStringLiteral("起動"));
  EXPECT_EQ(settings.text(TextField::EditInstallDir), "Tessaly");
  EXPECT_TRUE(find("EditInstallDirReg")->isEnabled());
  EXPECT_TRUE(find("MemoStartupItem")->isEnabled());
  EXPECT_FALSE(find("MemoDesktopItem")->isEnabled());
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
