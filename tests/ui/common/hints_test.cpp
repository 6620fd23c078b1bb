// Hints stay readable whatever colours the theme gives them.

#include "ui/common/hints.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QToolTip>

namespace velquin::ui {
namespace {

// A pair hard to read (grey on white, as a theme under Wine gives it) gives
// way to black on pale yellow, a readable one is kept, in every state of a
// hint; the panel behind the text is drawn in the background colour.
TEST(Hints, TextStandsOutFromItsPanel) {
  const QColor paleYellow(255, 255, 225);
  const struct {
    QColor text, base, shownText, shownBase;
  } cases[] = {{QColor(128, 128, 128), Qt::white, Qt::black, paleYellow},
               {QColor(160, 160, 160), QColor(220, 220, 220), Qt::black, paleYellow},
               {Qt::white, QColor(0, 0, 128), Qt::white, QColor(0, 0, 128)}};
  for (const auto& c : cases) {
    QPalette theme = QToolTip::palette();
    theme.setColor(QPalette::ToolTipText, c.text);
    theme.setColor(QPalette::ToolTipBase, c.base);
    QToolTip::setPalette(theme);
    installHints();
    const QPalette shown = QToolTip::palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      EXPECT_EQ(shown.color(group, QPalette::ToolTipText), c.shownText)
          << c.text.name().toStdString();
      EXPECT_EQ(shown.color(group, QPalette::ToolTipBase), c.shownBase)
          << c.text.name().toStdString();
    }
    QImage panel(40, 20, QImage::Format_RGB32);
    panel.fill(Qt::red);
    QPainter painter(&panel);
    QStyleOption option;
    option.rect = panel.rect();
    option.palette = shown;
    QApplication::style()->drawPrimitive(QStyle::PE_PanelTipLabel, &option, &painter);
    painter.end();
    EXPECT_EQ(panel.pixelColor(20, 10), c.shownBase) << c.text.name().toStdString();
  }
}

}  // namespace
}  // namespace velquin::ui
