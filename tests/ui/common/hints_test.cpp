// Hints stay readable whatever colours the theme gives them.

#include "ui/common/hints.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QToolTip>
#include <QWidget>

namespace velquin::ui {
namespace {

// A pair hard to read (grey on white, as a theme under Wine gives it) gives
// way to black on pale yellow, a readable one is kept, in every state.
TEST(Hints, TextStandsOutFromItsBackground) {
  const struct {
    QColor text, base, shownText, shownBase;
  } cases[] = {{QColor(128, 128, 128), Qt::white, Qt::black, QColor(255, 255, 225)},
               {Qt::white, QColor(0, 0, 128), Qt::white, QColor(0, 0, 128)}};
  for (const auto& c : cases) {
    QPalette theme = QToolTip::palette();
    theme.setColor(QPalette::ToolTipText, c.text);
    theme.setColor(QPalette::ToolTipBase, c.base);
    QToolTip::setPalette(theme);
    installHints();
    // The platform may give the hints its theme's colours again later: the
    // hint shown keeps the readable pair.
    QToolTip::setPalette(theme);
    QWidget owner;
    QToolTip::showText(QPoint(10, 10), QStringLiteral("ヒント"), &owner);
    const QWidget* label = nullptr;
    for (const QWidget* w : QApplication::topLevelWidgets())
      if (w->inherits("QTipLabel") && w->isVisible()) label = w;
    ASSERT_NE(label, nullptr);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      EXPECT_EQ(label->palette().color(group, QPalette::ToolTipText), c.shownText);
      EXPECT_EQ(label->palette().color(group, QPalette::ToolTipBase), c.shownBase);
    }
    QToolTip::hideText();
  }
}

}  // namespace
}  // namespace velquin::ui
