// The preview of the detailed-settings dialog: プレビュー opens it, and its
// file page holds what Create then writes.

#include "ui/detail/form_preview.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <fstream>

#include "form2_fixture.h"
#include "layout_checks.h"
#include "settings/commands/create_command.h"
#include "settings/format/settings_file_reader.h"
#include "settings/platform/paths.h"
#include "settings/text/messages.h"
#include "settings/text/sjis.h"
#include "ui/detail/numbered_text.h"

namespace velquin::ui::test {
namespace {

TEST_F(Form2Test, PreviewFollowsCloseInTheTabOrderAndOpensModally) {
  form->show();
  velquin::test::activate(form.get());
  find("ButtonOK")->setFocus();
  QTest::keyClick(find("ButtonOK"), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), find("ButtonPreview"));

  QString title;
  QStringList pages;
  QTimer::singleShot(0, form.get(), [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == form.get()) return;
    title = modal->objectName() + QLatin1Char(' ') + modal->windowTitle();
    auto* tabs = modal->findChild<QTabWidget*>();
    for (int i = 0; tabs && i < tabs->count(); ++i) pages << tabs->tabText(i);
    modal->close();
  });
  click("ButtonPreview");
  EXPECT_EQ(title, QStringLiteral("FormPreview プレビュー"));
  EXPECT_EQ(pages,
            (QStringList{QStringLiteral("設定ファイル"), QStringLiteral("インストール内容")}));
}

TEST_F(Form2Test, PreviewOpensWhollyOnScreen) {
  TFormPreview preview(settings, checker, form.get());
  preview.show();
  EXPECT_EQ(velquin::test::offScreen(&preview, {QStringLiteral("ButtonClose")}), QStringList());
}

TEST_F(Form2Test, PreviewedFileIsWhatCreateWrites) {
  QTemporaryDir dir;
  settings.setProgram(pathFromUtf8(dir.filePath(QStringLiteral("app.exe")).toStdString()));
  settings.setText(TextField::EditName, sjis::encode("ベルキン").value());
  settings.setText(TextField::EditInstallTitle, "Setup");
  settings.setLines(ListField::MemoFiles, {"app.exe", "", "help\\a.hlp,2"});
  settings.select(Option::RadioButtonStartCheck);
  settings.setChecked(CheckField::CheckBox1, true);
  settings.setLines(ListField::MemoRmDir, {""});

  QString shown;
  {
    TFormPreview preview(settings, checker, form.get());
    shown = preview.findChild<QPlainTextEdit*>(QStringLiteral("MemoSettingsFile"))->toPlainText();
  }
  // The preview shows Create's removal of empty lines without doing it.
  EXPECT_EQ(settings.lines(ListField::MemoFiles).size(), 3u);

  ASSERT_EQ(runCreateCommand(settings, prompts), CreateResult::Written);
  const std::string written = SettingsFileReader::fileBytes(settings.settingsFilePath("Rivo.ini"));
  shown += QLatin1Char('\n');
  shown.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  EXPECT_EQ(sjis::encode(shown.toStdString()), written);
}

// A finding stands on the line where the check of the written file places
// it, tinted in its colour; the tree shows the plan once the window has been
// painted, each finding open below its item.
TEST_F(Form2Test, PreviewMarksTheLinesOfFindingsAndShowsThePlan) {
  QTemporaryDir dir;
  std::ofstream(dir.filePath(QStringLiteral("app.exe")).toStdString()) << "x";
  settings.setProgram(pathFromUtf8(dir.filePath(QStringLiteral("app.exe")).toStdString()));
  settings.setLines(ListField::MemoFiles, {"app.exe", "", "gone.dll"});
  checker.setFolderFiles({"app.exe", "Rivo.exe"}, "Rivo.ini");

  TFormPreview preview(settings, checker, form.get());
  auto* memo = preview.findChild<NumberedText*>(QStringLiteral("MemoSettingsFile"));
  const int gone =
      int(memo->toPlainText().split(QLatin1Char('\n')).indexOf("Item2 = gone.dll")) + 1;
  ASSERT_GT(gone, 0);
  QMap<int, QColor> tinted;
  for (const QTextEdit::ExtraSelection& line : memo->extraSelections())
    tinted[line.cursor.blockNumber() + 1] = line.format.background().color();
  EXPECT_EQ(tinted.value(gone), QColor(255, 228, 228));
  EXPECT_TRUE(memo->marks().value(gone).text.contains(
      QString::fromStdString(messages::ship::notInFolder("gone.dll"))));

  preview.show();
  auto* tree = preview.findChild<QTreeView*>(QStringLiteral("TreePlan"));
  QTRY_VERIFY_WITH_TIMEOUT(tree->model()->rowCount() > 0, 10000);
  const QAbstractItemModel& plan = *tree->model();
  const QModelIndex files =
      plan.match(plan.index(0, 0), Qt::DisplayRole, QStringLiteral("インストールするファイル"))
          .value(0);
  const QModelIndex goneRow = plan.index(1, 0, files);
  EXPECT_EQ(goneRow.data().toString(), QStringLiteral("gone.dll"));
  EXPECT_TRUE(tree->isExpanded(goneRow));
  EXPECT_EQ(plan.index(0, 0, goneRow).data().toString(), QStringLiteral("エラー"));
}

}  // namespace
}  // namespace velquin::ui::test
