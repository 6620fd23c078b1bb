// The marks of the check before shipping in the dialog: underlined memo lines
// with their tooltips, the marker of a single-line field and the tab icons,
// as the author types.

#include <QAction>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>
#include <map>

#include "form2_fixture.h"
#include "settings/check/checker.h"
#include "settings/text/messages.h"
#include "type_text.h"

namespace velquin::ui::test {
namespace {

namespace ship = messages::ship;
using namespace Qt::StringLiterals;
using velquin::test::typeText;

class CheckMarksTest : public Form2Test {
 protected:
  // The folder's files as Details gives them: the engine's file included.
  const std::vector<std::string> folder{"Rivo.exe", "a.txt", "b.txt", "doc\\c.txt"};

  void SetUp() override {
    settings.setLines(ListField::MemoFiles, {"a.txt", "b.txt", "doc\\c.txt"});
    form->show();
    memo = find<QPlainTextEdit>("MemoFiles");
    memo->setFocus();
  }
  void giveFolder() {
    checker.setFolderFiles(folder, "Rivo.ini");
    QApplication::processEvents();  // the check, once the dialog is painted
    QApplication::processEvents();  // the underlines in view
  }
  void typeAt(int line, int column, const QString& text) {
    QTextCursor c(memo->document()->findBlockByNumber(line));
    c.setPosition(c.position() + column);
    memo->setTextCursor(c);
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (i > 0) QTest::keyClick(memo, Qt::Key_Return);
      typeText(memo, lines[i]);
    }
    QApplication::processEvents();
  }
  // The underlined lines: true where red.
  std::map<int, bool> marks() {
    std::map<int, bool> lines;
    for (const QTextEdit::ExtraSelection& s : memo->extraSelections()) {
      EXPECT_EQ(s.format.underlineStyle(), QTextCharFormat::WaveUnderline);
      lines[s.cursor.block().blockNumber()] = s.format.underlineColor() == QColor(Qt::red);
    }
    return lines;
  }
  // What the core finds in the whole record, for the lines of the file list.
  std::map<int, bool> coreMarks() {
    InstallSettings now;
    now.setLines(ListField::MemoFiles, settings.lines(ListField::MemoFiles));
    Checker whole(now);
    whole.setFolderFiles(folder, "Rivo.ini");
    std::map<int, bool> lines;
    for (const Finding& f : whole.findings())
      if (f.field == FieldRef(ListField::MemoFiles) && f.line)
        lines[int(*f.line)] |= f.weight == Weight::Error;
    return lines;
  }
  // The tooltip that resting the pointer at `at` shows, if any.
  QString tipAt(QWidget* w, QPoint at) {
    const QString none = u"(none)"_s;
    QToolTip::showText(w->mapToGlobal(at), none, w);
    QHelpEvent help(QEvent::ToolTip, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &help);
    return QToolTip::text() == none ? QString() : QToolTip::text();
  }
  QString lineTip(int line) {
    QTextCursor c(memo->document()->findBlockByNumber(line));
    return tipAt(memo->viewport(), memo->cursorRect(c).center() + QPoint(2, 0));
  }
  QString tabTip(int page) {
    QTabBar* bar = pages()->tabBar();
    return tipAt(bar, bar->tabRect(page).center());
  }
  QColor tabColour(int page) { return pages()->tabBar()->tabTextColor(page); }
  static QString tip(Weight weight, std::string_view text) {
    return QString::fromUtf8(weight == Weight::Error ? ship::kError : ship::kWarning) + u": "_s +
           QString::fromUtf8(text.data(), qsizetype(text.size()));
  }

  QPlainTextEdit* memo = nullptr;
};

TEST_F(CheckMarksTest, FileLineMarkComesAndGoesAsTheAuthorTypes) {
  typeAt(1, 5, u"x"_s);  // before Details gives the folder: no marks
  EXPECT_TRUE(memo->extraSelections().isEmpty());
  EXPECT_EQ(tabColour(0), QColor());
  giveFolder();
  EXPECT_EQ(marks(), (std::map<int, bool>{{1, true}}));
  EXPECT_EQ(lineTip(1), tip(Weight::Error, ship::notInFolder("b.txtx")));
  // Away from a marked line, and on the tab: the list as a whole.
  const QString unlisted = tip(Weight::Warning, ship::notListed("b.txt")) + u'\n' +
                           QString::fromUtf8(ship::kAddUnlistedHow);
  EXPECT_EQ(lineTip(0), unlisted);
  EXPECT_EQ(tabColour(0), QColor(Qt::red));
  EXPECT_EQ(tabTip(0), QString::fromUtf8(ship::counts(1, 1)) + u'\n' + unlisted);

  QTest::keyClick(memo, Qt::Key_Backspace);
  QApplication::processEvents();
  EXPECT_EQ(marks(), (std::map<int, bool>{}));
  EXPECT_EQ(tabColour(0), QColor());
  EXPECT_EQ(tabTip(0), QString());
}

// What an edit changes beyond its own line: a copy of another line, a name
// the list no longer installs.
TEST_F(CheckMarksTest, MarksOfOtherLinesFollowTheEdit) {
  giveFolder();
  typeAt(2, 9, u"\na.TXT"_s);  // a.txt listed twice
  EXPECT_EQ(marks(), (std::map<int, bool>{{0, false}, {3, false}}));
  EXPECT_EQ(marks(), coreMarks());
  typeAt(0, 5, u",2"_s);  // the same file, whatever its overwrite mode
  EXPECT_EQ(marks(), (std::map<int, bool>{{0, false}, {3, false}}));
  typeAt(3, 0, u"\\"_s);  // "\a.TXT": an absolute folder, never looked for
  EXPECT_EQ(marks(), (std::map<int, bool>{}));
  EXPECT_EQ(marks(), coreMarks());
}

TEST_F(CheckMarksTest, SingleLineFieldShowsItsFindingsAndItsTab) {
  giveFolder();
  auto* program = find<QLineEdit>("EditInstallProgram");
  const int page = pages()->indexOf(pages()->widget(1));
  ASSERT_TRUE(pages()->widget(page)->isAncestorOf(program));
  program->setFocus();
  typeText(program, u"setup.exe"_s);
  ASSERT_EQ(program->actions().size(), 1);
  QAction* marker = program->actions().front();
  EXPECT_TRUE(marker->isVisible());
  EXPECT_EQ(marker->toolTip(), tip(Weight::Warning, ship::notInstalled("setup.exe")));
  EXPECT_NE(tabColour(page), QColor());  // a warning's colour
  EXPECT_NE(tabColour(page), QColor(Qt::red));
  EXPECT_EQ(tabTip(page), QString::fromUtf8(ship::counts(0, 1)));

  // The list now installs it.
  typeAt(2, 9, u"\nsetup.exe"_s);
  EXPECT_FALSE(marker->isVisible());
  EXPECT_EQ(tabColour(page), QColor());
  EXPECT_EQ(marks(), (std::map<int, bool>{{3, true}}));  // not in the folder
}

// A folder of many files the list lacks: the tab counts a warning for each,
// as `velquin --check` does; the tooltip names the first few, one a line.
TEST_F(CheckMarksTest, ManyUnlistedFilesAreCountedEachAndTheFirstNamed) {
  std::vector<std::string> many{"Rivo.exe", "a.txt", "b.txt", "doc\\c.txt"};
  for (int i = 0; i < 30; ++i) many.push_back("f" + std::to_string(i) + ".txt");
  checker.setFolderFiles(many, "Rivo.ini");
  QApplication::processEvents();
  QApplication::processEvents();
  QStringList lines;
  for (std::size_t i = 0; i < messages::kMaxNamesShown; ++i)
    lines << tip(Weight::Warning, ship::notListed("f" + std::to_string(i) + ".txt"));
  lines << QString::fromUtf8(messages::more(30 - messages::kMaxNamesShown))
        << QString::fromUtf8(ship::kAddUnlistedHow);
  EXPECT_EQ(tabTip(0), QString::fromUtf8(ship::counts(0, 30)) + u'\n' + lines.join(u'\n'));
}

// The file list's menu adds the folder's files it lacks, while there are
// any, in one step that undo takes back (also after a last line's break).
TEST_F(CheckMarksTest, FileListMenuAddsTheUnlistedFiles) {
  const auto menuAction = [this] {  // the menu's last action, as the Menu key shows it
    QContextMenuEvent event(QContextMenuEvent::Keyboard, {4, 4}, memo->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(memo->viewport(), &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QAction* last = menu->actions().back();
    EXPECT_EQ(last->text(), QString::fromUtf8(ship::kAddUnlisted));
    menu->close();
    return last;
  };
  settings.setLines(ListField::MemoFiles, {"a.txt"});
  memo->moveCursor(QTextCursor::End);
  QTest::keyClick(memo, Qt::Key_Backspace);
  EXPECT_FALSE(menuAction()->isEnabled());  // before Details gives the folder
  giveFolder();
  QAction* add = menuAction();
  EXPECT_TRUE(add->isEnabled());
  add->trigger();
  EXPECT_EQ(memo->toPlainText(), u"a.txt\nb.txt\ndoc\\c.txt\n"_s);
  EXPECT_FALSE(menuAction()->isEnabled());
  QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(settings.lines(ListField::MemoFiles), std::vector<std::string>{"a.txt"});
}

}  // namespace
}  // namespace velquin::ui::test
