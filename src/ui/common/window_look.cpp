#include "window_look.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <map>
#include <vector>

#include "hints.h"
#include "tool_font.h"
#include "window_fit.h"

namespace velquin::ui {
namespace {

// Bold captions drawn at the size of the screen's own pixels. The faces have
// no bold of their own: the font system thickens the letters by an amount it
// takes from the size the font asks for. On a scaled screen (200 %) the
// caption of a 12-pixel font is drawn 24 device pixels high but thickened for
// 12, half as much, and looks regular; asked for at 24 pixels and drawn
// unscaled, it is as bold as at 100 %.
class DeviceSizeBoldStyle : public QProxyStyle {
 public:
  void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                    bool enabled, const QString& text, QPalette::ColorRole role) const override {
    const qreal scale = painter->device()->devicePixelRatio();
    QFont font = painter->font();
    if (!font.bold() || scale == 1.0 ||
        painter->worldTransform().type() > QTransform::TxTranslate) {
      QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, role);
      return;
    }
    if (font.pixelSize() > 0)
      font.setPixelSize(qRound(font.pixelSize() * scale));
    else
      font.setPointSizeF(font.pointSizeF() * scale);
    painter->save();
    painter->setFont(font);
    painter->scale(1 / scale, 1 / scale);
    const QRectF scaled(QPointF(rect.topLeft()) * scale, QSizeF(rect.size()) * scale);
    QProxyStyle::drawItemText(painter, scaled.toRect(), flags, palette, enabled, text, role);
    painter->restore();
  }
};

// Every control whose text is bold draws it with DeviceSizeBoldStyle, one
// for the window.
void keepBoldOnScaledScreens(QWidget* window, const QList<QWidget*>& controls) {
  QStyle* bold = nullptr;
  for (QWidget* w : controls) {
    if (!w->font().bold()) continue;
    if (!bold) {
      bold = new DeviceSizeBoldStyle;
      bold->setParent(window);
    }
    w->setStyle(bold);
  }
}

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
  keepBoldOnScaledScreens(window, controls);

  const QVariant position = window->property("windowPosition");
  if (position.isValid()) window->move(position.toPoint());
  keepOnScreen(window);

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
