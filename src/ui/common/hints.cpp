#include "hints.h"

#include <QApplication>
#include <QProxyStyle>
#include <QWidget>

namespace velquin::ui {
namespace {

class HintTimingStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return kHintWakeUpMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

}  // namespace

void installHintTiming() {
  QStyle* current = QApplication::style();
  // Without a QApplication there is no style to wrap.
  if (!current || dynamic_cast<HintTimingStyle*>(current)) return;
  // Wraps a fresh instance of the style in use; the application owns the proxy.
  QApplication::setStyle(new HintTimingStyle(current->name()));
}

void setHint(QWidget* widget, const QString& text) {
  widget->setToolTip(text);
  widget->setToolTipDuration(text.isEmpty() ? -1 : kHintDisplayMs);
}

}  // namespace velquin::ui
