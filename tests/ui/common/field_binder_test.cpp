#include "ui/common/field_binder.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include "settings/sjis.h"
#include "type_text.h"

namespace velquin::ui {
namespace {

class FieldBinderTest : public ::testing::Test {
 protected:
  InstallSettings settings;
  QStringList told;
  FieldBinder binder{settings, [this](const QString& t) { told << t; }};
};

TEST_F(FieldBinderTest, TypedTextIsStoredAsShiftJis) {
  QLineEdit edit;
  binder.bindText(&edit, TextField::EditName);
  test::typeText(&edit, QStringLiteral("表示ｱ"));
  EXPECT_EQ(settings.text(TextField::EditName), "\x95\x5C\x8E\xA6\xB1");
  settings.setText(TextField::EditName, "abc");
  EXPECT_EQ(edit.text(), QStringLiteral("abc"));
}

TEST_F(FieldBinderTest, LongValueShowsWholeAndSurvivesAnEdit) {
  QLineEdit edit;
  binder.bindText(&edit, TextField::EditInstallMessage);
  settings.setText(TextField::EditInstallMessage, std::string(40000, 'm'));
  EXPECT_EQ(edit.text().size(), 40000);
  edit.end(false);
  QTest::keyClicks(&edit, QStringLiteral("!"));
  EXPECT_EQ(settings.text(TextField::EditInstallMessage), std::string(40000, 'm') + "!");
}

TEST_F(FieldBinderTest, CharacterOutsideCodePageIsRefusedAndNamed) {
  QLineEdit edit;
  binder.bindText(&edit, TextField::EditName);
  QTest::keyClicks(&edit, QStringLiteral("ab"));
  edit.insert(QStringLiteral("〜"));  // WAVE DASH: code page 932 has only the full-width tilde
  EXPECT_EQ(settings.text(TextField::EditName), "ab");
  EXPECT_EQ(edit.text(), QStringLiteral("ab"));
  ASSERT_EQ(told.size(), 1);
  EXPECT_TRUE(told[0].contains(QStringLiteral("「アプリケーションの名前」")))
      << told[0].toStdString();
  EXPECT_TRUE(told[0].contains(QStringLiteral("〜")));
}

TEST_F(FieldBinderTest, MemoShowsListsAndKeepsBytesOfUntouchedLines) {
  QPlainTextEdit memo;
  binder.bindLines(&memo, ListField::MemoFiles);
  // 0xED40 is a character with a second code (0xFA5C); the list must keep
  // the code it was read with while the author edits other lines.
  settings.setLines(ListField::MemoFiles, {"\xED\x40", "b"});
  EXPECT_EQ(memo.toPlainText(), QStringLiteral("纊\nb\n"));
  memo.moveCursor(QTextCursor::End);
  QTest::keyClicks(&memo, QStringLiteral("c"));
  EXPECT_EQ(settings.lines(ListField::MemoFiles), (std::vector<std::string>{"\xED\x40", "b", "c"}));
  memo.moveCursor(QTextCursor::Start);
  QTest::keyClick(&memo, Qt::Key_Delete);  // removes the first character, the line is now empty
  EXPECT_EQ(settings.lines(ListField::MemoFiles), (std::vector<std::string>{"", "b", "c"}));
}

TEST_F(FieldBinderTest, MemoEmptyLineAndEmptyListDiffer) {
  QPlainTextEdit memo;
  binder.bindLines(&memo, ListField::MemoRmDir);
  QTest::keyClick(&memo, Qt::Key_Return);
  EXPECT_EQ(settings.lines(ListField::MemoRmDir), std::vector<std::string>{""});
  memo.selectAll();
  QTest::keyClick(&memo, Qt::Key_Delete);
  EXPECT_TRUE(settings.lines(ListField::MemoRmDir).empty());
  settings.setLines(ListField::MemoRmDir, {""});
  EXPECT_EQ(memo.toPlainText(), QStringLiteral("\n"));
}

TEST_F(FieldBinderTest, RadioButtonsAndGroupsFollowTheRecord) {
  QRadioButton check, noCheck, muko;
  QButtonGroup exclusive;
  for (auto* b : {&check, &noCheck, &muko}) exclusive.addButton(b);
  binder.bindOption(&check, Option::RadioButtonStartCheck);
  binder.bindOption(&noCheck, Option::RadioButtonStartNoCheck);
  binder.bindOption(&muko, Option::RadioButtonStartMuko);
  EXPECT_TRUE(muko.isChecked());
  noCheck.click();
  EXPECT_EQ(settings.code(ChoiceField::RadioButtonStart), 0);
  settings.select(Option::RadioButtonStartCheck);
  EXPECT_TRUE(check.isChecked());
  EXPECT_FALSE(noCheck.isChecked());

  QRadioButton keep, del;
  QButtonGroup group;
  group.addButton(&keep, 0);
  group.addButton(&del, 1);
  binder.bindIndex(&group, IndexField::RadioGroupFileDel);
  EXPECT_TRUE(del.isChecked());
  keep.click();
  EXPECT_EQ(settings.index(IndexField::RadioGroupFileDel), 0);
  settings.setIndex(IndexField::RadioGroupFileDel, -1);
  EXPECT_FALSE(keep.isChecked());
  EXPECT_FALSE(del.isChecked());

  QCheckBox box;
  binder.bindCheckBox1(&box);
  box.click();
  EXPECT_TRUE(settings.checkBox1());
  settings.setProgram("/x/app.exe");  // the reset unchecks it
  EXPECT_FALSE(box.isChecked());
}

}  // namespace
}  // namespace velquin::ui
