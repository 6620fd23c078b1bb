#include "ui/common/field_binder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QValidator>
#include <random>

#include "settings/text/messages.h"
#include "support/recording_prompts.h"
#include "type_text.h"
#include "ui/common/text.h"

namespace velquin::ui {
namespace {

using Lines = std::vector<std::string>;

// A window holding controls named as the fields they edit, bound as the real
// windows are.
class FieldBinderTest : public ::testing::Test {
 protected:
  template <class W>
  W* add(const char* name, QWidget* parent = nullptr) {
    auto* w = new W(parent ? parent : &window);
    w->setObjectName(QLatin1String(name));
    return w;
  }

  InstallSettings settings;
  test::RecordingPrompts prompts;
  std::vector<std::string>& told = prompts.shown;
  QWidget window;
  FieldBinder binder{settings, prompts};
};

TEST_F(FieldBinderTest, TextGoesBothWaysAsShiftJisAndShowsWhole) {
  auto* name = add<QLineEdit>("EditName");
  auto* message = add<QLineEdit>("EditInstallMessage");
  binder.bind(&window);
  test::typeText(name, QStringLiteral("表示ｱ"));
  EXPECT_EQ(settings.text(TextField::EditName), "\x95\x5C\x8E\xA6\xB1");
  settings.setText(TextField::EditName, "abc");
  EXPECT_EQ(name->text(), QStringLiteral("abc"));

  // A value read from a file may be longer than a line edit takes by default.
  settings.setText(TextField::EditInstallMessage, std::string(40000, 'm'));
  message->end(false);
  QTest::keyClicks(message, QStringLiteral("!"));
  EXPECT_EQ(settings.text(TextField::EditInstallMessage), std::string(40000, 'm') + "!");
}

// A refused character takes back just the input that brought it (a key, an
// input method's text, a paste): the rest of the text, the caret and the
// undo history of the earlier edits stay, and the author is told.
TEST_F(FieldBinderTest, RefusedInputIsUndoneAloneAndNamed) {
  auto* edit = add<QLineEdit>("EditName");
  auto* memo = add<QPlainTextEdit>("MemoFiles");
  binder.bind(&window);
  test::typeText(edit, QStringLiteral("abc"));
  edit->setCursorPosition(1);
  test::commitText(edit, QStringLiteral("〜"));  // WAVE DASH: code page 932 has only the tilde
  test::typeText(edit, QStringLiteral("x"));
  EXPECT_EQ(edit->text(), QStringLiteral("axbc"));
  EXPECT_EQ(settings.text(TextField::EditName), "axbc");
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0], messages::notShiftJis("アプリケーションの名前", U'〜'));

  settings.setLines(ListField::MemoFiles, {"a.txt", "b.txt", "c.txt"});
  memo->moveCursor(QTextCursor::End);
  memo->moveCursor(QTextCursor::Left);  // the end of c.txt
  test::typeText(memo, QStringLiteral("x"));
  test::pasteText(memo, QStringLiteral("\u2014"));  // EM DASH from a web page
  test::commitText(memo, QStringLiteral("〜"));
  test::typeText(memo, QStringLiteral("y"));
  EXPECT_EQ(settings.lines(ListField::MemoFiles), (Lines{"a.txt", "b.txt", "c.txtxy"}));
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("a.txt\nb.txt\nc.txtxy\n"));
  EXPECT_EQ(memo->textCursor().blockNumber(), 2);
  EXPECT_EQ(memo->textCursor().positionInBlock(), 7);
  EXPECT_EQ(told.size(), 3u);
  while (memo->document()->isUndoAvailable()) memo->undo();
  EXPECT_EQ(settings.lines(ListField::MemoFiles), (Lines{"a.txt", "b.txt", "c.txt"}));
}

// Shift+Enter and the separators of pasted text start a new line in a memo;
// a single-line field drops a pasted break, and shows what the record keeps.
// A value read from a file with bytes that are no character of code page 932
// shows without a word and stays editable; what the author does not touch
// keeps its bytes, in a line edit and in a memo.
TEST_F(FieldBinderTest, DamagedBytesStayEditable) {
  auto* name = add<QLineEdit>("EditName");
  auto* memo = add<QPlainTextEdit>("MemoFiles");
  binder.bind(&window);
  settings.setText(TextField::EditName, "a\x85\x40");
  settings.setLines(ListField::MemoFiles, {"x\x85\x40y", "z"});
  name->end(false);
  QTest::keyClicks(name, QStringLiteral("b"));
  QTextCursor c(memo->document()->firstBlock());
  c.movePosition(QTextCursor::EndOfBlock);
  memo->setTextCursor(c);
  QTest::keyClicks(memo, QStringLiteral("!"));
  QTest::keyClick(memo, Qt::Key_Return);
  EXPECT_EQ(settings.text(TextField::EditName),
            "a\x85\x40"
            "b");
  EXPECT_EQ(settings.lines(ListField::MemoFiles), (Lines{"x\x85\x40y!", "", "z"}));
  EXPECT_TRUE(told.empty());
}

// Typed right after a lone lead byte (a character cut off from its second
// byte), a key or an input method's text would read as one character with
// it: the byte goes, once told, and the field shows what the record holds.
TEST_F(FieldBinderTest, TypingAfterALoneLeadByteTakesItAway) {
  auto* name = add<QLineEdit>("EditName");
  auto* memo = add<QPlainTextEdit>("MemoFiles");
  binder.bind(&window);
  const std::string dropped = messages::loneByteDropped("アプリケーションの名前");
  settings.setText(TextField::EditName, "App\x81");
  name->end(false);
  test::typeText(name, QStringLiteral("A"));
  EXPECT_EQ(name->text(), QStringLiteral("AppA"));
  EXPECT_EQ(name->cursorPosition(), 4);
  EXPECT_EQ(settings.text(TextField::EditName), "AppA");
  settings.setText(TextField::EditName, "dir\x81");
  name->end(false);
  test::commitText(name, QStringLiteral("\\"));
  EXPECT_EQ(name->text(), QStringLiteral("dir\\"));
  EXPECT_EQ(settings.text(TextField::EditName), "dir\\");
  EXPECT_EQ(told, (Lines{dropped, dropped}));

  settings.setLines(ListField::MemoFiles, {"App\x81", "dir\x81"});
  QTextCursor c(memo->document()->firstBlock());
  c.movePosition(QTextCursor::EndOfBlock);
  memo->setTextCursor(c);
  test::typeText(memo, QStringLiteral("A"));
  memo->moveCursor(QTextCursor::Down);
  memo->moveCursor(QTextCursor::EndOfBlock);
  test::commitText(memo, QStringLiteral("\\"));
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("AppA\ndir\\\n"));
  EXPECT_EQ(memo->textCursor().blockNumber(), 1);
  EXPECT_EQ(memo->textCursor().positionInBlock(), 4);
  EXPECT_EQ(settings.lines(ListField::MemoFiles), (Lines{"AppA", "dir\\"}));
  EXPECT_EQ(told.size(), 4u);
  EXPECT_EQ(told.back(), messages::loneByteDropped("インストールするファイル"));
}

// A window that goes after its binder (as a dialog's own base does) may still
// have a field check its text, when the focus leaves it: the check reads the
// record, not the binder.
TEST(FieldBinderLifetime, FieldCheckNeedsNoBinder) {
  InstallSettings settings;
  test::RecordingPrompts prompts;
  QWidget window;
  auto* edit = new QLineEdit(&window);
  edit->setObjectName(QStringLiteral("EditName"));
  { FieldBinder(settings, prompts).bind(&window); }
  QString text = QStringLiteral("x");
  int pos = 1;
  EXPECT_EQ(edit->validator()->validate(text, pos), QValidator::Acceptable);
}

TEST_F(FieldBinderTest, LineBreaksAsAuthorsTypeAndPasteThem) {
  auto* edit = add<QLineEdit>("EditName");
  auto* memo = add<QPlainTextEdit>("MemoFiles");
  binder.bind(&window);
  test::typeText(memo, QStringLiteral("ab"));
  QTest::keyClick(memo, Qt::Key_Return, Qt::ShiftModifier);
  test::typeText(memo, QStringLiteral("cd"));
  test::pasteText(memo, QStringLiteral("e\u2028f\u2029g\r\nh"));
  EXPECT_EQ(settings.lines(ListField::MemoFiles), (Lines{"ab", "cde", "f", "g", "h"}));
  EXPECT_EQ(memo->textCursor().blockNumber(), 4);

  for (const QString& pasted : {QStringLiteral("Vel\nquin"), QStringLiteral("Vel\r\nquin"),
                                QStringLiteral("Vel\u2028quin")}) {
    edit->clear();
    test::pasteText(edit, pasted);
    EXPECT_EQ(edit->text(), QStringLiteral("Velquin"));
    EXPECT_EQ(settings.text(TextField::EditName), "Velquin");
  }
  EXPECT_TRUE(told.empty());
}

// Undo takes back a line break as it takes back any typing: Shift+Enter as
// Enter, a pasted line separator as a pasted break, and a paste into a line
// edit whose breaks were dropped as any paste.
TEST_F(FieldBinderTest, UndoTakesBackBreaksLikeAnyTyping) {
  auto* edit = add<QLineEdit>("EditName");
  auto* memo = add<QPlainTextEdit>("MemoFiles");
  auto* other = add<QPlainTextEdit>("MemoRmDir");
  auto* plain = add<QLineEdit>("EditInstallTitle");
  binder.bind(&window);
  for (const auto modifier : {Qt::ShiftModifier, Qt::NoModifier}) {
    QPlainTextEdit* m = modifier == Qt::ShiftModifier ? memo : other;
    test::typeText(m, QStringLiteral("X"));
    QTest::keyClick(m, Qt::Key_Return, modifier);
    QTest::keyClick(m, Qt::Key_Z, Qt::ControlModifier);
    test::pasteText(
        m, modifier == Qt::ShiftModifier ? QStringLiteral("a\u2028b\r") : QStringLiteral("a\nb\n"));
    QTest::keyClick(m, Qt::Key_Z, Qt::ControlModifier);
  }
  EXPECT_EQ(memo->toPlainText(), other->toPlainText());
  EXPECT_EQ(settings.lines(ListField::MemoFiles), settings.lines(ListField::MemoRmDir));

  for (auto [e, pasted] :
       {std::pair{edit, QStringLiteral("c\nd")}, {plain, QStringLiteral("cd")}}) {
    test::typeText(e, QStringLiteral("ab"));
    test::pasteText(e, pasted);
    EXPECT_EQ(e->text(), QStringLiteral("abcd"));
    EXPECT_TRUE(e->isUndoAvailable());
    QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier);
  }
  EXPECT_EQ(edit->text(), plain->text());
  EXPECT_EQ(settings.text(TextField::EditName), settings.text(TextField::EditInstallTitle));
}

// The context menu's 貼り付け pastes as Ctrl+V does: the text without its
// line breaks, as an undo step of its own.
TEST_F(FieldBinderTest, MenuPasteIntoALineEditUndoesAlone) {
  auto* edit = add<QLineEdit>("EditName");
  binder.bind(&window);
  window.show();
  test::typeText(edit, QStringLiteral("ab"));
  QGuiApplication::clipboard()->setText(QStringLiteral("c\r\nd"));
  QContextMenuEvent event(QContextMenuEvent::Keyboard, {2, 2}, edit->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(edit, &event);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  for (QAction* a : menu->actions())
    if (a->text().startsWith(QCoreApplication::translate("QLineEdit", "&Paste"))) a->trigger();
  menu->close();
  EXPECT_EQ(edit->text(), QStringLiteral("abcd"));
  QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(edit->text(), QStringLiteral("ab"));
  EXPECT_EQ(settings.text(TextField::EditName), "ab");
}

// The memo's context menu pastes as Ctrl+V does: each break of the text
// (CR LF, a line separator, CR, a paragraph separator) starts a line, and
// one undo takes it all back.
TEST_F(FieldBinderTest, MenuPasteIntoAMemoMakesLinesAndUndoesAlone) {
  auto* memo = add<QPlainTextEdit>("MemoFiles");
  binder.bind(&window);
  window.show();
  settings.setLines(ListField::MemoFiles, {"a.txt"});
  memo->moveCursor(QTextCursor::End);
  QGuiApplication::clipboard()->setText(QStringLiteral("b.txt\r\nc.txt\u2028d.txt\re.txt\u2029"));
  QContextMenuEvent event(QContextMenuEvent::Keyboard, {2, 2}, memo->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(memo, &event);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  for (QAction* a : menu->actions())
    if (a->objectName() == QLatin1String("edit-paste")) a->trigger();
  menu->close();
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("a.txt\nb.txt\nc.txt\nd.txt\ne.txt\n"));
  EXPECT_EQ(memo->textCursor().blockNumber(), 5);
  EXPECT_EQ(settings.lines(ListField::MemoFiles),
            (Lines{"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}));
  QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("a.txt\n"));
  EXPECT_EQ(settings.lines(ListField::MemoFiles), Lines{"a.txt"});
  EXPECT_TRUE(told.empty());
}

TEST_F(FieldBinderTest, MemoEmptyLineAndEmptyListDiffer) {
  auto* memo = add<QPlainTextEdit>("MemoRmDir");
  binder.bind(&window);
  QTest::keyClick(memo, Qt::Key_Return);
  EXPECT_EQ(settings.lines(ListField::MemoRmDir), Lines{""});
  memo->selectAll();
  QTest::keyClick(memo, Qt::Key_Delete);
  EXPECT_TRUE(settings.lines(ListField::MemoRmDir).empty());
  settings.setLines(ListField::MemoRmDir, {""});
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("\n"));
}

// Whatever the author does to a memo (typing, line breaks, pastes of several
// lines, deleting across lines, undo), the list holds the lines it shows, and
// a line no edit touched keeps its bytes.
TEST_F(FieldBinderTest, MemoEditsOfAnyKindKeepTheListInStep) {
  auto* memo = add<QPlainTextEdit>("MemoFiles");
  binder.bind(&window);
  settings.setLines(ListField::MemoFiles, {"\xED\x40", "a", "", "b"});
  const QStringList inserts{"x", "\n", "ab\ncd", "", "\n\n", "あ\n", "\nz"};
  // The same edits on a document nobody watches: the memo must keep every
  // edit (a binder that fell back to showing the list again would lose it).
  QTextDocument shadow(memo->toPlainText());
  std::mt19937 random(7);
  for (int step = 0; step < 400; ++step) {
    const int size = memo->document()->characterCount() - 1;
    const int at = int(random() % unsigned(size + 1));
    const int to = std::min(size, at + int(random() % 4));
    const QString& insert = inserts[qsizetype(random() % unsigned(inserts.size()))];
    const bool undo = random() % 9 == 0;
    for (QTextDocument* doc : {memo->document(), &shadow}) {
      if (undo) {
        doc->undo();
        continue;
      }
      QTextCursor c(doc);
      c.setPosition(at);
      c.setPosition(to, QTextCursor::KeepAnchor);
      c.insertText(insert);
    }
    ASSERT_EQ(memo->toPlainText(), shadow.toPlainText()) << "step " << step;
    const QString text = memo->toPlainText();
    QStringList shown = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n'))) shown.removeLast();
    QStringList held;
    for (const auto& l : settings.lines(ListField::MemoFiles)) held << fromSjis(l);
    ASSERT_EQ(held, shown) << "step " << step;
  }
  // The first line, never retyped, still has its first code.
  if (memo->toPlainText().startsWith(QStringLiteral("纊\n"))) {
    EXPECT_EQ(settings.lines(ListField::MemoFiles).front(), "\xED\x40");
  }
}

TEST_F(FieldBinderTest, RadioButtonsGroupsAndCheckBoxFollowTheRecord) {
  auto* check = add<QRadioButton>("RadioButtonStartCheck");
  auto* noCheck = add<QRadioButton>("RadioButtonStartNoCheck");
  auto* muko = add<QRadioButton>("RadioButtonStartMuko");
  auto* box = add<QGroupBox>("RadioGroupFileDel");
  auto* keep = add<QRadioButton>("keep", box);
  auto* del = add<QRadioButton>("delete", box);
  auto* checkBox = add<QCheckBox>("CheckBox1");
  binder.bind(&window);

  EXPECT_TRUE(muko->isChecked());
  noCheck->click();
  EXPECT_EQ(settings.code(ChoiceField::RadioButtonStart), 0);
  settings.select(Option::RadioButtonStartCheck);
  EXPECT_TRUE(check->isChecked());
  EXPECT_FALSE(noCheck->isChecked());

  EXPECT_TRUE(del->isChecked());
  keep->click();
  EXPECT_EQ(settings.index(IndexField::RadioGroupFileDel), 0);
  settings.setIndex(IndexField::RadioGroupFileDel, -1);  // as a file may say
  EXPECT_FALSE(keep->isChecked());
  EXPECT_FALSE(del->isChecked());

  checkBox->click();
  EXPECT_TRUE(settings.checked(CheckField::CheckBox1));
  settings.setProgram("/x/app.exe");  // the reset
  EXPECT_FALSE(checkBox->isChecked());
  EXPECT_TRUE(muko->isChecked());
  EXPECT_TRUE(del->isChecked());
}

}  // namespace
}  // namespace velquin::ui
