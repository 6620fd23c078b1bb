// Which controls of the detailed-settings dialog are enabled, whoever changes
// the option they depend on, and how the dialog shows and closes.

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "drop_files.h"
#include "form2_fixture.h"
#include "settings/messages.h"
#include "settings/paths.h"
#include "settings/settings_loader.h"
#include "type_text.h"

namespace velquin::ui::test {
namespace {

using Lines = std::vector<std::string>;

QAbstractButton* item(QWidget* group, int i) {
  return qobject_cast<QGroupBox*>(group)->findChild<QRadioButton*>(group->objectName() +
                                                                   QStringLiteral("Item%1").arg(i));
}

TEST_F(Form2Test, BuiltWithEveryDependentDisabledAndTheRestEnabled) {
  for (const auto* dependents : {&kInstallDirDependents, &kStartMenuDependents, &kStartupDependents,
                                 &kDesktopDependents, &kUninstallDependents})
    EXPECT_EQ(notInState(*dependents, false), std::vector<std::string>{});
  // Sources, the labels above them, All Users, and the uninstall lists that
  // apply with or without a key.
  EXPECT_EQ(notInState({"EditInstallDir",
                        "EditUninstallKey",
                        "Label4",
                        "RBAllUsersNoCheck",
                        "RBAllUsersMishiyo",
                        "Label6",
                        "Label9",
                        "Label12",
                        "RadioButtonStartMuko",
                        "RadioButtonStartupCheck",
                        "RadioButtonDesktopNocheck",
                        "Label15",
                        "Label24",
                        "MemoRmDir",
                        "Label20",
                        "MemoUninstallRegKey",
                        "MemoFiles",
                        "Label5",
                        "EditInstallTextFail",
                        "EditInstallMessage",
                        "ButtonOK"},
                       true),
            std::vector<std::string>{});
  EXPECT_TRUE(find<QRadioButton>("RadioButtonStartMuko")->isChecked());
  EXPECT_TRUE(find<QRadioButton>("RBAllUsersMishiyo")->isChecked());
  EXPECT_TRUE(item(find("RadioGroupUninstallAll"), 2)->isChecked());
}

TEST_F(Form2Test, InstallDirectoryOfOneBlankEnablesAndValuesSurviveDisabling) {
  auto* dir = find<QLineEdit>("EditInstallDir");
  velquin::test::typeText(dir, QStringLiteral(" "));
  EXPECT_EQ(settings.text(TextField::EditInstallDir), " ") << "blanks are not trimmed";
  EXPECT_EQ(notInState(kInstallDirDependents, true), std::vector<std::string>{});

  velquin::test::typeText(find("EditInstallDirReg"),
                          QStringLiteral("HKEY_CURRENT_USER\\Software\\X"));
  item(find("RadioGroupFileDel"), 0)->click();
  QTest::keyClick(dir, Qt::Key_Backspace);
  EXPECT_EQ(settings.text(TextField::EditInstallDir), "");
  EXPECT_EQ(notInState(kInstallDirDependents, false), std::vector<std::string>{});
  // Disabled, but nothing is cleared: the value comes back with the directory.
  EXPECT_EQ(find<QLineEdit>("EditInstallDirReg")->text(),
            QStringLiteral("HKEY_CURRENT_USER\\Software\\X"));
  EXPECT_EQ(settings.text(TextField::EditInstallDirReg), "HKEY_CURRENT_USER\\Software\\X");
  EXPECT_TRUE(item(find("RadioGroupFileDel"), 0)->isChecked());
  EXPECT_EQ(settings.index(IndexField::RadioGroupFileDel), 0);
}

TEST_F(Form2Test, StartMenuOptionsDecideTheSevenControls) {
  click("RadioButtonStartNoCheck");
  EXPECT_EQ(settings.code(ChoiceField::RadioButtonStart), 0);
  EXPECT_EQ(notInState(kStartMenuDependents, true), std::vector<std::string>{})
      << "\"don't check\" offers the group as \"check\" does, uninstall shortcut included";

  velquin::test::typeText(find("EditGroupInfo"), QStringLiteral("説明"));
  velquin::test::typeText(find("EditGroupName"), QStringLiteral("Velquin"));
  velquin::test::typeText(find("MemoGroupItem"), QStringLiteral("Velquin,Tessaly.exe"));
  click("CheckBox1");

  click("RadioButtonStartMuko");
  EXPECT_EQ(notInState(kStartMenuDependents, false), std::vector<std::string>{});
  click("RadioButtonStartCheck");
  EXPECT_EQ(notInState(kStartMenuDependents, true), std::vector<std::string>{});
  EXPECT_EQ(find<QLineEdit>("EditGroupInfo")->text(), QStringLiteral("説明"));
  EXPECT_EQ(find<QLineEdit>("EditGroupName")->text(), QStringLiteral("Velquin"));
  EXPECT_EQ(settings.lines(ListField::MemoGroupItem), Lines{"Velquin,Tessaly.exe"});
  EXPECT_TRUE(find<QCheckBox>("CheckBox1")->isChecked());
  EXPECT_TRUE(settings.checked(CheckField::CheckBox1));
}

TEST_F(Form2Test, StartupAndDesktopFollowTheirOwnOptionsOnly) {
  click("RadioButtonStartupNoCheck");
  EXPECT_EQ(notInState(kStartupDependents, true), std::vector<std::string>{});
  EXPECT_EQ(notInState(kDesktopDependents, false), std::vector<std::string>{});
  EXPECT_EQ(notInState(kStartMenuDependents, false), std::vector<std::string>{});

  click("RadioButtonDesktopNocheck");
  EXPECT_EQ(notInState(kDesktopDependents, true), std::vector<std::string>{});
  click("RadioButtonStartupMuko");
  EXPECT_EQ(notInState(kStartupDependents, false), std::vector<std::string>{});
  EXPECT_EQ(notInState(kDesktopDependents, true), std::vector<std::string>{});
  click("RadioButtonDesktopMuko");
  EXPECT_EQ(notInState(kDesktopDependents, false), std::vector<std::string>{});
}

TEST_F(Form2Test, ClickingTheSelectedButtonChangesNothing) {
  click("RadioButtonDesktopCheck");
  velquin::test::typeText(find("EditDesktopInfo"), QStringLiteral("x"));
  click("RadioButtonDesktopCheck");
  EXPECT_TRUE(find<QRadioButton>("RadioButtonDesktopCheck")->isChecked());
  EXPECT_EQ(settings.code(ChoiceField::RadioButtonDesktop), 1);
  EXPECT_EQ(notInState(kDesktopDependents, true), std::vector<std::string>{});
  EXPECT_EQ(settings.text(TextField::EditDesktopInfo), "x");

  click("RadioButtonStartMuko");
  EXPECT_EQ(notInState(kStartMenuDependents, false), std::vector<std::string>{});
}

// Loading a settings file leaves every page in the state its values call for,
// whether or not a choice changed ("don't check" enables as "check" does).
TEST_F(Form2Test, LoadedValuesDecideTheStates) {
  settings.select(Option::RadioButtonStartupCheck);
  loadSettings(settings, SettingsFileReader::fromBytes(
                             "[Install]\r\nInstallDir = X\r\n[Group]\r\nValue = 0\r\n"
                             "[Startup]\r\nValue = 1\r\n[Desktop]\r\nValue = -1\r\n"));
  EXPECT_TRUE(find<QRadioButton>("RadioButtonStartNoCheck")->isChecked());
  EXPECT_EQ(notInState(kInstallDirDependents, true), std::vector<std::string>{});
  EXPECT_EQ(notInState(kStartMenuDependents, true), std::vector<std::string>{});
  EXPECT_EQ(notInState(kStartupDependents, true), std::vector<std::string>{});
  EXPECT_EQ(notInState(kDesktopDependents, false), std::vector<std::string>{});
  EXPECT_EQ(notInState(kUninstallDependents, false), std::vector<std::string>{});

  // A file without [Group] reads as "not used"; All Users decides nothing.
  loadSettings(settings, SettingsFileReader::fromBytes("[Install]\r\nAllUsers = 2\r\n"));
  EXPECT_TRUE(find<QRadioButton>("RBAllUsersKotei")->isChecked());
  EXPECT_EQ(notInState(kStartMenuDependents, false), std::vector<std::string>{});
  EXPECT_EQ(notInState(kInstallDirDependents, false), std::vector<std::string>{});
}

TEST_F(Form2Test, UninstallKeySetWhileHiddenEnablesTheTenBeforeTheNextShowing) {
  ASSERT_FALSE(form->isVisible());
  settings.setText(TextField::EditUninstallKey, "Tessaly");
  EXPECT_EQ(notInState(kUninstallDependents, true), std::vector<std::string>{});
  settings.setText(TextField::EditInstallDir, "Tessaly");
  EXPECT_EQ(notInState(kInstallDirDependents, true), std::vector<std::string>{});
  form->show();
  EXPECT_EQ(notInState(kUninstallDependents, true), std::vector<std::string>{});
  EXPECT_EQ(find<QLineEdit>("EditUninstallKey")->text(), QStringLiteral("Tessaly"));

  velquin::test::typeText(find("EditUninstallName"), QStringLiteral("名前"));
  auto* key = find<QLineEdit>("EditUninstallKey");
  key->selectAll();
  QTest::keyClick(key, Qt::Key_Backspace);
  EXPECT_EQ(settings.text(TextField::EditUninstallKey), "");
  EXPECT_EQ(notInState(kUninstallDependents, false), std::vector<std::string>{});
  EXPECT_EQ(find<QLineEdit>("EditUninstallName")->text(), QStringLiteral("名前"));
}

TEST_F(Form2Test, FoldersAndKeysToDeleteStayEditableWithoutAnUninstallKey) {
  ASSERT_TRUE(settings.text(TextField::EditUninstallKey).empty());
  velquin::test::typeText(find("MemoRmDir"), QStringLiteral("%MYDOCUMENTS%\\Tessaly,1"));
  velquin::test::typeText(find("MemoUninstallRegKey"),
                          QStringLiteral("HKEY_CURRENT_USER\\Software\\Tessaly"));
  EXPECT_EQ(settings.lines(ListField::MemoRmDir), Lines{"%MYDOCUMENTS%\\Tessaly,1"});
  EXPECT_EQ(settings.lines(ListField::MemoUninstallRegKey),
            Lines{"HKEY_CURRENT_USER\\Software\\Tessaly"});
  EXPECT_EQ(notInState({"Label24", "MemoRmDir", "Label20", "MemoUninstallRegKey"}, true),
            std::vector<std::string>{});
}

// A new program resets every setting, and the dialog, hidden since it was
// last closed, follows: every dependent is disabled again.
TEST_F(Form2Test, ResetWhileHiddenRestoresTheStartState) {
  settings.setProgram("/dist/one/app.exe");
  form->show();
  velquin::test::typeText(find("EditInstallDir"), QStringLiteral("Tessaly"));
  velquin::test::typeText(find("EditUninstallKey"), QStringLiteral("Tessaly"));
  click("RadioButtonStartCheck");
  click("RadioButtonStartupNoCheck");
  click("RadioButtonDesktopCheck");
  velquin::test::typeText(find("MemoFiles"), QStringLiteral("app.exe"));
  click("ButtonOK");
  ASSERT_FALSE(form->isVisible());

  settings.setProgram("/dist/two/app.exe");
  for (const auto* dependents : {&kInstallDirDependents, &kStartMenuDependents, &kStartupDependents,
                                 &kDesktopDependents, &kUninstallDependents})
    EXPECT_EQ(notInState(*dependents, false), std::vector<std::string>{});
  EXPECT_TRUE(find<QRadioButton>("RadioButtonStartMuko")->isChecked());
  EXPECT_TRUE(find<QRadioButton>("RadioButtonDesktopMuko")->isChecked());
  EXPECT_TRUE(find<QLineEdit>("EditInstallDir")->text().isEmpty());
  EXPECT_TRUE(find<QPlainTextEdit>("MemoFiles")->toPlainText().isEmpty());
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
  settings.setLines(ListField::MemoFiles, {"kept"});
  auto* files = find<QPlainTextEdit>("MemoFiles");

  EXPECT_TRUE(velquin::test::dropFiles(files->viewport(), {dist.filePath(QStringLiteral("sub"))}));
  EXPECT_EQ(settings.lines(ListField::MemoFiles), (Lines{"kept", "sub\\a.txt"}));
  EXPECT_EQ(files->toPlainText(), QStringLiteral("kept\nsub\\a.txt\n"));

  velquin::test::dropFiles(files->viewport(), {dist.filePath(QStringLiteral("app.exe")),
                                               other.filePath(QStringLiteral("x.txt"))});
  EXPECT_EQ(settings.lines(ListField::MemoFiles),
            (Lines{"kept", "sub\\a.txt"}));  // nothing in part
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
  EXPECT_EQ(notInState(kInstallDirDependents, true), std::vector<std::string>{});
  EXPECT_EQ(notInState(kStartupDependents, true), std::vector<std::string>{});
  EXPECT_EQ(notInState(kDesktopDependents, false), std::vector<std::string>{});
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
