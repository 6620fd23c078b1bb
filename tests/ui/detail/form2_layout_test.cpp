// The detailed-settings dialog as the author sees it with the face standing in
// here: whole captions, no control over another or outside its page, help
// texts above the fields they explain, Tab through every control of a page,
// Enter pressing nothing, and every showing alike.

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>

#include "form2_fixture.h"
#include "layout_checks.h"
#include "settings/text/sjis.h"

namespace velquin::ui::test {
namespace {

using namespace ::velquin::test;
const QStringList kNone;

// No button answers Enter (what a key does to the modal dialog is tested
// with the dialog's behaviour).
TEST_F(Form2Test, FixedDialogWithCloseBoxOnlyAndNoDefaultButton) {
  form->show();
  expectFixedSize(form.get());
  EXPECT_TRUE(form->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(form->windowFlags() &
               (Qt::WindowMinimizeButtonHint | Qt::WindowContextHelpButtonHint));
  EXPECT_EQ(defaultButtons(form.get()), kNone);
}

TEST_F(Form2Test, SixPageCaptionsInOneRow) {
  form->show();
  const QTabBar* bar = pages()->tabBar();
  ASSERT_EQ(bar->count(), 6);
  for (int i = 0; i < bar->count(); ++i) {
    EXPECT_EQ(bar->tabRect(i).top(), bar->tabRect(0).top()) << i;
    EXPECT_LE(bar->tabRect(i).right(), pages()->width()) << i;
  }
}

TEST_F(Form2Test, WholeCaptionsAndNothingOverOrOutsideItsPage) {
  form->show();
  EXPECT_EQ(cutCaptions(form.get()), kNone);
  EXPECT_EQ(overlaps(form.get()), kNone);
  EXPECT_EQ(outside(form.get()), kNone);
  for (int i = 0; i < pages()->count(); ++i) {
    pages()->setCurrentIndex(i);
    QWidget* page = pages()->widget(i);
    EXPECT_EQ(overlaps(page), kNone) << i;
    EXPECT_EQ(outside(page), kNone) << i;
    for (QGroupBox* group : page->findChildren<QGroupBox*>()) {
      EXPECT_EQ(overlaps(group), kNone) << i;
      EXPECT_EQ(outside(group), kNone) << i;
    }
  }
}

// Where the dialog is taller than the screen, its pages scroll and the
// buttons below them stay in sight; a control that takes the focus is
// scrolled into sight. Shown again, it still fits.
TEST_F(Form2Test, BoldCaptionAndPagesWhollyOnScreen) {
  for (int showing = 0; showing < 2; ++showing) {
    form->show();
    activate(form.get());
    EXPECT_EQ(thinBoldCaptions(form.get(), {QStringLiteral("ButtonOK")}), kNone);
    EXPECT_EQ(offScreen(form.get(), {QStringLiteral("ButtonOK"), QStringLiteral("ButtonPreview")}),
              kNone);
    for (int i = 0; i < pages()->count(); ++i) {
      pages()->setCurrentIndex(i);
      EXPECT_EQ(outOfSightWhenFocused(pages()->widget(i)), kNone) << "page " << i;
    }
    form->close();
  }
}

// A screen reader names every field, those under a help text too.
TEST_F(Form2Test, ScreenReadersNameEveryField) {
  int fields = 0;
  for (QWidget* w : form->findChildren<QWidget*>()) {
    if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QPlainTextEdit*>(w)) continue;
    ++fields;
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(w);
    ASSERT_TRUE(field);
    EXPECT_FALSE(field->text(QAccessible::Name).isEmpty()) << w->objectName().toStdString();
  }
  EXPECT_GT(fields, 0);
}

// A help label wraps at its width and takes the height of its text, which
// must end before the field it explains begins.
TEST_F(Form2Test, HelpTextsEndAboveTheFieldTheyExplain) {
  form->show();
  int helpLabels = 0;
  for (QLabel* label : form->findChildren<QLabel*>()) {
    if (!label->wordWrap()) continue;
    ++helpLabels;
    const std::string name = label->objectName().toStdString();
    ASSERT_NE(label->buddy(), nullptr) << name;
    EXPECT_FALSE(label->text().isEmpty()) << name;
    EXPECT_FALSE(label->text().contains(u'\r')) << name;
    EXPECT_EQ(label->height(), label->heightForWidth(label->width())) << name;
    // The last row holds only the bottom of the descenders.
    EXPECT_LE(label->geometry().bottom(), label->buddy()->y()) << name;
  }
  EXPECT_GT(helpLabels, 0);

  // The special directory names of help text 1 are padded so that their
  // colons line up on a fixed-pitch screen: 13 bytes after the three blanks
  // in code page 932.
  int padded = 0;
  for (const QString& line : find<QLabel>("Label5")->text().split(u'\n')) {
    if (!line.startsWith(QStringLiteral("   %"))) continue;
    ++padded;
    const auto bytes = sjis::encode(line.toStdString());
    ASSERT_TRUE(bytes) << line.toStdString();
    EXPECT_EQ(bytes->find("\x81\x46"), 16u) << line.toStdString();
  }
  EXPECT_GT(padded, 0);
}

// With every optional part in use, so that no control is greyed out.
TEST_F(Form2Test, TabVisitsEveryControlOfEachPageOnce) {
  settings.setText(TextField::EditInstallDir, "Tessaly");
  settings.setText(TextField::EditUninstallKey, "Tessaly");
  for (Option o : {Option::RadioButtonStartCheck, Option::RadioButtonStartupCheck,
                   Option::RadioButtonDesktopCheck})
    settings.select(o);
  form->show();
  activate(form.get());
  for (int i = 0; i < pages()->count(); ++i) {
    pages()->setCurrentIndex(i);
    QStringList expected = tabStops(pages()->widget(i))
                           << QStringLiteral("ButtonOK") << QStringLiteral("ButtonPreview");
    expected.sort();
    EXPECT_EQ(tabCycle(pages()->tabBar()), expected) << "page " << i;
  }
}

TEST_F(Form2Test, LabelsStandOutAndHintsStayLongEnough) {
  form->show();
  EXPECT_EQ(labelsNotStandingOut(form.get()), kNone);
  EXPECT_EQ(badHints(form.get()), kNone);
  // The four All Users buttons share one hint.
  const QString allUsers = find("RBAllUsersNoCheck")->toolTip();
  EXPECT_FALSE(allUsers.isEmpty());
  for (const char* b : {"RBAllUsersCheck", "RBAllUsersKotei", "RBAllUsersMishiyo"})
    EXPECT_EQ(find(b)->toolTip(), allUsers) << b;
}

// What the author sees of every control: place, size, label text, hint.
QStringList looks(const QWidget& form) {
  QStringList all;
  for (QWidget* w : form.findChildren<QWidget*>()) {
    const auto* label = qobject_cast<QLabel*>(w);
    all << QStringLiteral("%1 %2,%3 %4x%5 %6 %7")
               .arg(w->objectName())
               .arg(w->x())
               .arg(w->y())
               .arg(w->width())
               .arg(w->height())
               .arg(label ? label->text() : QString(), w->toolTip());
  }
  return all;
}

TEST_F(Form2Test, SecondShowingLooksLikeTheFirst) {
  form->show();
  const QStringList first = looks(*form);
  form->close();
  form->show();
  EXPECT_EQ(looks(*form), first);
}

}  // namespace
}  // namespace velquin::ui::test
