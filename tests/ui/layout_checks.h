#pragma once

// Checks of a window's layout as the author sees it with the face that stands
// in for ＭＳ Ｐゴシック here, whatever the coordinates are. Each check returns
// what is wrong, one line per fault, naming the controls.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <ostream>

#include "ui/common/hints.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }
inline void PrintTo(const QStringList& l, std::ostream* os) {
  *os << '{' << l.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace velquin::test {

// The controls that the .ui names directly on `parent` (a window, a page or a
// radio group); Qt's own parts of a control have no such names.
inline QList<QWidget*> controlsOn(QWidget* parent) {
  QList<QWidget*> controls;
  for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!w->isWindow() && !w->objectName().isEmpty() &&
        !w->objectName().startsWith(QLatin1String("qt_")))
      controls << w;
  return controls;
}

// The controls of `window`, not of the windows it owns.
inline QList<QWidget*> widgetsOf(QWidget* window) {
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.removeIf([window](QWidget* w) { return w->window() != window; });
  return widgets;
}

// A one-line caption is cut when its control is narrower than the caption
// needs, or drawn as boxes when the face lacks its characters.
inline QStringList cutCaptions(QWidget* window) {
  QStringList cut;
  for (QWidget* w : widgetsOf(window)) {
    const auto* label = qobject_cast<QLabel*>(w);
    const auto* button = qobject_cast<QAbstractButton*>(w);
    const QString caption = label ? label->text() : button ? button->text() : QString();
    if (caption.isEmpty() || (label && label->wordWrap())) continue;
    int room = w->width();
    int needed = w->sizeHint().width();
    if (auto* push = qobject_cast<QPushButton*>(w)) {
      // A push button's size hint is at least the style's usual button
      // width; the caption has to fit inside the frame.
      QStyleOptionButton option;
      option.initFrom(push);
      option.text = caption;
      room = push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push).width();
      needed = push->fontMetrics().horizontalAdvance(caption);
    }
    if (needed > room)
      cut << QStringLiteral("%1 needs %2 pixels, has %3")
                 .arg(w->objectName())
                 .arg(needed)
                 .arg(room);
    const QFontMetrics metrics(w->font());
    const QList<uint> characters = caption.toUcs4();
    if (!std::all_of(characters.begin(), characters.end(),
                     [&](uint c) { return metrics.inFontUcs4(c); }))
      cut << w->objectName() + QStringLiteral(" has characters its face lacks");
  }
  return cut;
}

// Of the named captions, those not bold, or drawn by their style on the
// window's screen with less of bold's extra ink than at 100 % (the faces' bold
// is thickened by the font system for the size asked for, not drawn).
inline QStringList thinBoldCaptions(QWidget* window, const QStringList& names) {
  const auto boldOverRegular = [](QAbstractButton* b, qreal scale) {
    double ink[2] = {0, 0};
    for (int bold = 0; bold < 2; ++bold) {
      QImage image(b->size() * scale, QImage::Format_Grayscale8);
      image.setDevicePixelRatio(scale);
      image.fill(Qt::white);
      QPainter painter(&image);
      QFont font = b->font();
      font.setBold(bold);
      painter.setFont(font);
      b->style()->drawItemText(&painter, b->rect(), Qt::AlignCenter, b->palette(), true, b->text(),
                               QPalette::NoRole);
      painter.end();
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink[bold] += 255 - qGray(image.pixel(x, y));
    }
    return ink[1] / ink[0];
  };
  QStringList thin;
  for (const QString& name : names)
    if (auto* b = window->findChild<QAbstractButton*>(name);
        !b || !b->font().bold() ||
        boldOverRegular(b, b->devicePixelRatio()) < 0.9 * boldOverRegular(b, 1))
      thin << name;
  return thin;
}

// Two controls may share one row or column of pixels: radio buttons stand 16
// pixels apart and are 17 high, and the last row of a help label holds only
// the bottom of its descenders.
inline QStringList overlaps(QWidget* parent) {
  QStringList found;
  const QList<QWidget*> controls = controlsOn(parent);
  for (qsizetype i = 0; i < controls.size(); ++i)
    for (qsizetype j = i + 1; j < controls.size(); ++j) {
      const QRect both = controls[i]->geometry() & controls[j]->geometry();
      if (both.width() > 1 && both.height() > 1)
        found << controls[i]->objectName() + QStringLiteral(" / ") + controls[j]->objectName();
    }
  return found;
}

inline QStringList outside(QWidget* parent) {
  QStringList found;
  for (QWidget* w : controlsOn(parent))
    if (!parent->rect().contains(w->geometry())) found << w->objectName();
  return found;
}

// Whether all of `part` of `w` (all of `w` without one) is in sight: shown,
// and cut neither by its window nor by a part of it that scrolls.
inline bool inSight(const QWidget* w, QRect part = {}) {
  if (part.isNull()) part = w->rect();
  const QRect whole(w->mapTo(w->window(), part.topLeft()), part.size());
  QRect seen = whole;
  for (const QWidget* p = w; p; p = p->isWindow() ? nullptr : p->parentWidget())
    seen &= QRect(p->mapTo(w->window(), QPoint()), p->size());
  return w->isVisible() && seen == whole;
}

// What of `window` is off the available area of its screen: its frame, or
// the named controls not wholly in sight.
inline QStringList offScreen(QWidget* window, const QStringList& names) {
  QStringList found;
  if (!window->screen()->availableGeometry().contains(window->frameGeometry()))
    found << QStringLiteral("frame");
  for (const QString& name : names)
    if (auto* w = window->findChild<QWidget*>(name); !w || !inSight(w)) found << name;
  return found;
}

// The controls under `scope` that Tab can reach now whose place of input (a
// field's text cursor, all of another control) is out of sight once they have
// the focus. The window is active.
inline QStringList outOfSightWhenFocused(QWidget* scope) {
  QStringList found;
  for (QWidget* w : scope->findChildren<QWidget*>())
    if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
      w->setFocus();
      const QRect cursor = w->inputMethodQuery(Qt::ImCursorRectangle).toRect() & w->rect();
      if (!inSight(w, w->testAttribute(Qt::WA_InputMethodEnabled) ? cursor : QRect()))
        found << w->objectName();
    }
  return found;
}

// Labels stand out from the controls' text, and a disabled one is greyed.
inline QStringList labelsNotStandingOut(QWidget* window) {
  QStringList found;
  const QColor text = window->palette().color(QPalette::Active, QPalette::WindowText);
  for (QWidget* w : widgetsOf(window)) {
    const auto* label = qobject_cast<QLabel*>(w);
    if (!label) continue;
    const QPalette& p = label->palette();
    const QColor shown = p.color(QPalette::Active, QPalette::WindowText);
    if (shown == text || p.color(QPalette::Disabled, QPalette::WindowText) == shown)
      found << label->objectName();
  }
  return found;
}

// Hints stay up long enough to be read, and break their lines where the text
// does.
inline QStringList badHints(QWidget* window) {
  QStringList found;
  for (QWidget* w : widgetsOf(window)) {
    const QString hint = w->toolTip();
    if (!hint.isEmpty() && (w->toolTipDuration() != ui::kHintDisplayMs || hint.contains(u'\r')))
      found << w->objectName();
  }
  return found;
}

// The author can neither resize nor maximise the window.
inline void expectFixedSize(QWidget* window) {
  const QSize size = window->size();
  window->resize(size + QSize(100, 100));
  EXPECT_EQ(window->size(), size);
  ASSERT_NE(window->windowHandle(), nullptr);
  EXPECT_EQ(window->windowHandle()->minimumSize(), size);
  EXPECT_EQ(window->windowHandle()->maximumSize(), size);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
}

// No button answers Enter: the author types in the fields and Enter must not
// run a command or close a window by surprise.
inline QStringList defaultButtons(QWidget* window) {
  QStringList found;
  for (QWidget* w : widgetsOf(window))
    if (auto* b = qobject_cast<QPushButton*>(w); b && (b->isDefault() || b->autoDefault()))
      found << b->objectName();
  return found;
}

inline void activate(QWidget* window) {
  QApplication::setActiveWindow(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// Where the Tab key stops: a control, or once in a set of radio buttons that
// exclude each other (those on one page or in one group), among which the
// arrow keys move.
inline QString tabStop(const QWidget* w) {
  const auto* radio = qobject_cast<const QRadioButton*>(w);
  return radio && radio->autoExclusive()
             ? QStringLiteral("radio buttons on ") + w->parentWidget()->objectName()
             : w->objectName();
}

// Where the Tab key stops from `start` until it comes back, sorted; at most
// 100 presses.
inline QStringList tabCycle(QWidget* start) {
  QStringList visited;
  start->setFocus();
  for (int i = 0; i < 100; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* now = QApplication::focusWidget();
    if (!now || now == start) break;
    visited << tabStop(now);
  }
  visited.sort();
  return visited;
}

// Where the Tab key can stop under `scope` now, each once, sorted.
inline QStringList tabStops(QWidget* scope) {
  QStringList stops;
  for (QWidget* w : scope->findChildren<QWidget*>())
    if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisible() && w->isEnabled() &&
        w->window() == scope->window())
      stops << tabStop(w);
  stops.removeDuplicates();
  stops.sort();
  return stops;
}

}  // namespace velquin::test
