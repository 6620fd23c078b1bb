#include "window_fit.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace velquin::ui {
namespace {

// The screen the window opens on: where its place puts it.
QScreen* screenOf(const QWidget* window) {
  if (QScreen* at = QGuiApplication::screenAt(window->geometry().center())) return at;
  return window->screen();
}

// The frame around the window's client area, as the window system draws it;
// before it has told, a title bar as high as the style's.
QMargins frameOf(const QWidget* window) {
  const QWindow* handle = window->windowHandle();
  QMargins frame = handle ? handle->frameMargins() : QMargins();
  if (frame.isNull()) frame.setTop(window->style()->pixelMetric(QStyle::PM_TitleBarHeight));
  return frame;
}

// The controls along the bottom edge of a fixed layout: those whose top is
// the lowest, when all others end above it.
QList<QWidget*> bottomRow(const QList<QWidget*>& controls) {
  int top = 0;
  for (const QWidget* w : controls) top = std::max(top, w->y());
  QList<QWidget*> row;
  for (QWidget* w : controls) {
    if (w->y() == top)
      row << w;
    else if (w->y() + w->height() > top)
      return {};
  }
  return row;
}

// The size of a page of `full` scrolled within `room`: a scroll bar `bar`
// wide on each side that does not fit, which takes room from the other side.
QSize scrolledSize(QSize full, QSize room, int bar) {
  QSize size = full;
  bool down = false;
  bool across = false;
  for (int pass = 0; pass < 2; ++pass) {
    if (!down && size.height() > room.height()) {
      down = true;
      size.rwidth() += bar;
    }
    if (!across && size.width() > room.width()) {
      across = true;
      size.rheight() += bar;
    }
  }
  return size.boundedTo(room);
}

class ScreenFit : public QObject {
 public:
  explicit ScreenFit(QWidget* window) : QObject(window), window_(window), layout_(window->size()) {
    window->installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    // A window system's own show events (restoring a minimised window) keep
    // the place the author gave it.
    if (event->type() == QEvent::Show && !event->spontaneous()) fit();
    return false;
  }

 private:
  void fit();
  void scrollUpperPart();
  void placeScrolled(QSize room);

  QWidget* window_;
  QSize layout_;
  // Once the window has been too large: its controls but the bottom row, on
  // a page that scrolls.
  QScrollArea* area_ = nullptr;
  QList<QWidget*> row_;
  int rowTop_ = 0;
};

void ScreenFit::fit() {
  const QScreen* screen = screenOf(window_);
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  const QMargins frame = frameOf(window_);
  const QSize room = available.size().shrunkBy(frame);
  if (window_->layout())
    window_->resize(window_->size().boundedTo(room));
  else if (area_ || layout_.boundedTo(room) != layout_)
    placeScrolled(room);

  const QSize framed = window_->size().grownBy(frame);
  const QPoint at = window_->pos();
  const QPoint onArea(
      std::clamp(at.x(), available.left(),
                 std::max(available.left(), available.right() + 1 - framed.width())),
      std::clamp(at.y(), available.top(),
                 std::max(available.top(), available.bottom() + 1 - framed.height())));
  if (onArea != at) window_->move(onArea);
}

// The page is in the window before the controls move onto it, so that they
// keep their Tab order.
void ScreenFit::scrollUpperPart() {
  QList<QWidget*> controls;
  for (QWidget* w : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!w->isWindow()) controls << w;
  row_ = bottomRow(controls);
  rowTop_ = row_.isEmpty() ? layout_.height() : row_.first()->y();

  area_ = new QScrollArea(window_);
  area_->setObjectName(QStringLiteral("ScrollArea"));
  area_->setFrameShape(QFrame::NoFrame);
  area_->setFocusPolicy(Qt::NoFocus);
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("ScrollPage"));
  page->setFixedSize(layout_.width(), rowTop_);
  area_->setWidget(page);
  for (QWidget* w : controls) {
    if (row_.contains(w)) continue;
    const bool hidden = w->isHidden();
    w->setParent(page);
    w->setHidden(hidden);
  }
  area_->lower();
  area_->show();
  // Qt scrolls to a control that the Tab key reaches from inside the page
  // only; this scrolls to one reached from the buttons or by a click too.
  connect(qApp, &QApplication::focusChanged, area_, [area = area_](QWidget*, QWidget* now) {
    if (now && area->widget()->isAncestorOf(now)) area->ensureWidgetVisible(now);
  });
}

void ScreenFit::placeScrolled(QSize room) {
  if (!area_) scrollUpperPart();
  const int rowHeight = layout_.height() - rowTop_;
  const int bar =
      area_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area_->verticalScrollBar());
  const QSize upper =
      scrolledSize(QSize(layout_.width(), rowTop_), room - QSize(0, rowHeight), bar);
  window_->setFixedSize(upper.width(), upper.height() + rowHeight);
  area_->setGeometry(0, 0, upper.width(), upper.height());
  for (QWidget* w : row_) w->move(w->x(), upper.height());
}

}  // namespace

void keepOnScreen(QWidget* window) { new ScreenFit(window); }

}  // namespace velquin::ui
