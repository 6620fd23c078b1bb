#include "window_look.h"

#include <QLabel>
#include <QVariant>
#include <QWidget>

#include "hints.h"
#include "tool_font.h"

namespace velquin::ui {
namespace {

void applyPixelSize(QWidget* w) {
  const QVariant pixels = w->property("pixelSize");
  if (!pixels.isValid()) return;
  // The face at that size, keeping what the .ui sets besides (bold) as set,
  // so that it survives the fonts being resolved again (a change of style).
  const QFont fromUi = w->font();
  QFont font = toolFont(pixels.toInt()).resolve(fromUi);
  font.setResolveMask(font.resolveMask() | fromUi.resolveMask());
  w->setFont(font);
}

}  // namespace

void applyWindowLook(QWidget* window) {
  const QList<QWidget*> controls = window->findChildren<QWidget*>();
  applyPixelSize(window);
  for (QWidget* w : controls) applyPixelSize(w);

  const QVariant position = window->property("windowPosition");
  if (position.isValid()) window->move(position.toPoint());

  for (QWidget* w : controls)
    if (!w->toolTip().isEmpty()) w->setToolTipDuration(kHintDisplayMs);

  for (QLabel* label : window->findChildren<QLabel*>()) {
    QPalette p = label->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
      p.setColor(group, QPalette::WindowText, QColor(128, 0, 0));
    label->setPalette(p);
    // A help label wraps at its width instead.
    if (!label->wordWrap() && label->sizeHint().width() > label->width())
      label->resize(label->sizeHint().width(), label->height());
  }
}

}  // namespace velquin::ui
