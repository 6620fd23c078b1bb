#include "window_look.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <map>
#include <vector>

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

// The items of a radio group stand in columns: the items that share a left
// edge in the .ui. Where a caption needs more than its column, the columns are
// divided again, if the frame holds them all: each gets what its widest caption
// needs and an equal share of the rest.
void fitRadioColumns(QGroupBox* box) {
  std::map<int, QList<QRadioButton*>> columns;
  for (auto* item : box->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
    columns[item->x()] << item;
  if (columns.empty()) return;
  bool cut = false;
  int total = 0;
  std::vector<int> needed;
  for (const auto& [left, items] : columns) {
    int need = 0;
    for (QRadioButton* item : items) {
      need = std::max(need, item->sizeHint().width());
      cut = cut || item->sizeHint().width() > item->width();
    }
    needed.push_back(need);
    total += need;
  }
  const int margin = columns.begin()->first;
  const int inside = box->width() - 2 * margin;
  if (!cut || total > inside) return;
  const int share = (inside - total) / static_cast<int>(columns.size());
  int left = margin;
  std::size_t c = 0;
  for (const auto& [x, items] : columns) {
    const int width = needed[c++] + share;
    for (QRadioButton* item : items) item->setGeometry(left, item->y(), width, item->height());
    left += width;
  }
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
  }

  // A help label wraps at its width instead; a radio group's items stand in
  // columns.
  for (QWidget* w : controls) {
    const auto* label = qobject_cast<QLabel*>(w);
    const bool oneLine = label ? !label->wordWrap()
                               : (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w)) &&
                                     !qobject_cast<QGroupBox*>(w->parentWidget());
    if (oneLine && w->sizeHint().width() > w->width())
      w->resize(w->sizeHint().width(), w->height());
  }
  for (QGroupBox* box : window->findChildren<QGroupBox*>()) fitRadioColumns(box);
}

}  // namespace velquin::ui
