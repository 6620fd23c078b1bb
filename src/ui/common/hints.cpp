#include "hints.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace velquin::ui {
namespace {

QPalette readableHints(QPalette palette);

class HintStyle : public QProxyStyle {
 public:
  using QProxyStyle::polish;
  using QProxyStyle::QProxyStyle;

  // A hint's label takes the readable pair itself: the platform may give the
  // hints its theme's colours again after start-up (a theme under Wine does).
  void polish(QWidget* widget) override {
    QProxyStyle::polish(widget);
    if (widget->inherits("QTipLabel")) widget->setPalette(readableHints(widget->palette()));
  }

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return kHintWakeUpMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element != PE_PanelTipLabel) {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
    }
    painter->fillRect(option->rect, option->palette.toolTipBase());
    painter->setPen(option->palette.toolTipText().color());
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
  }
};

// The luminance of `c` that contrast is measured by (sRGB made linear).
double luminance(const QColor& c) {
  const auto linear = [](double v) {
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// How far apart two colours stand, from 1 (alike) to 21 (black and white);
// text wants 4.5 at least.
double contrast(const QColor& a, const QColor& b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The system's pair of hint colours, or black on pale yellow where it is
// hard to read; the same in every state (a hint of a disabled control too).
QPalette readableHints(QPalette palette) {
  QColor text = palette.color(QPalette::Inactive, QPalette::ToolTipText);
  QColor base = palette.color(QPalette::Inactive, QPalette::ToolTipBase);
  if (contrast(text, base) < 4.5) {
    text = Qt::black;
    base = QColor(255, 255, 225);
  }
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::ToolTipText, text);
    palette.setColor(group, QPalette::ToolTipBase, base);
  }
  return palette;
}

}  // namespace

void installHints() {
  QStyle* current = QApplication::style();
  // Without a QApplication there is no style to wrap.
  if (!current) return;
  // Wraps a fresh instance of the style in use; the application owns the
  // proxy. Setting a style may give hints the theme's colours again.
  if (!dynamic_cast<HintStyle*>(current)) QApplication::setStyle(new HintStyle(current->name()));
  QToolTip::setPalette(readableHints(QToolTip::palette()));
}

void setHint(QWidget* widget, const QString& text) {
  widget->setToolTip(text);
  widget->setToolTipDuration(text.isEmpty() ? -1 : kHintDisplayMs);
}

}  // namespace velquin::ui
