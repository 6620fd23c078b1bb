// The main window as the author sees it with the face standing in here: whole
// captions, nothing overlapping or outside the window, Tab through every
// control, hints, and what it does not do (resize, answer Enter).

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

#include "layout_checks.h"
#include "main_window_fixture.h"

namespace velquin::test {
namespace {

using LayoutTest = MainWindowTest;
const QStringList kNone;

TEST_F(LayoutTest, FixedWindowWithWholeCaptionsAndNothingOverlapping) {
  expectFixedSize(&form);
  EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(cutCaptions(&form), kNone);
  EXPECT_EQ(overlaps(&form), kNone);
  EXPECT_EQ(outside(&form), kNone);
  EXPECT_EQ(labelsNotStandingOut(&form), kNone);
}

TEST_F(LayoutTest, BoldCaptionsAsBoldOnEveryScreenAndWhollyOnScreen) {
  const QStringList buttons{QStringLiteral("ButtonSansho"), QStringLiteral("ButtonShosai"),
                            QStringLiteral("ButtonSakusei")};
  EXPECT_EQ(thinBoldCaptions(&form, buttons), kNone);
  EXPECT_EQ(offScreen(&form, buttons), kNone);
}

TEST_F(LayoutTest, TabVisitsEveryControlOnceFromTheProgramField) {
  activate(&form);
  EXPECT_EQ(QApplication::focusWidget(), edit("EditProgram"));
  QStringList others = tabStops(&form);
  others.removeOne(QStringLiteral("EditProgram"));
  EXPECT_EQ(tabCycle(edit("EditProgram")), others);
}

// A screen reader names each field as its label does.
TEST_F(LayoutTest, ScreenReadersNameEveryField) {
  const std::pair<const char*, QString> fields[] = {
      {"EditProgram", QStringLiteral("配布プログラム")},
      {"EditName", QStringLiteral("アプリケーションの名前")},
      {"EditIniName", QStringLiteral("ini ファイルの名前")},
      {"EditInstallTitle", QStringLiteral("インストール時のウィンドウタイトル")}};
  for (const auto& [name, label] : fields) {
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(edit(name));
    ASSERT_TRUE(field) << name;
    EXPECT_EQ(field->text(QAccessible::Name), label) << name;
  }
}

TEST_F(LayoutTest, ProgramFieldCanBeSelectedButNotEdited) {
  browseTo(pathIn(QStringLiteral("app.exe")));
  QLineEdit* program = edit("EditProgram");
  EXPECT_TRUE(program->isReadOnly());
  EXPECT_NE(program->focusPolicy(), Qt::NoFocus);
  typeText(program, QStringLiteral("x"));
  QTest::keyClick(program, Qt::Key_Backspace);
  EXPECT_EQ(program->text(), pathIn(QStringLiteral("app.exe")));
  program->selectAll();
  EXPECT_EQ(program->selectedText(), program->text());
}

TEST_F(LayoutTest, EnterInAFieldPressesNoButton) {
  EXPECT_EQ(defaultButtons(&form), kNone);
  for (const char* name : {"EditName", "EditInstallTitle", "EditIniName", "EditProgram"}) {
    QTest::keyClick(edit(name), Qt::Key_Return);
    QTest::keyClick(edit(name), Qt::Key_Escape);
  }
  EXPECT_TRUE(prompts.log.empty());
  EXPECT_TRUE(form.isVisible());
}

TEST_F(LayoutTest, HintsWakeAfterHalfASecondAndShowLineByLine) {
  EXPECT_EQ(badHints(&form), kNone);
  QWidget* iniName = edit("EditIniName");
  EXPECT_EQ(iniName->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, iniName),
            ui::kHintWakeUpMs);

  // Resting on the field pops up its hint of several lines.
  const QPoint inside = iniName->rect().center();
  QHelpEvent onIniName(QEvent::ToolTip, inside, iniName->mapToGlobal(inside));
  QApplication::sendEvent(iniName, &onIniName);
  ASSERT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), iniName->toolTip());
  EXPECT_GT(QToolTip::text().count(u'\n'), 0);
  QToolTip::hideText();
  ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
}

}  // namespace
}  // namespace velquin::test
