#include "check_marks.h"

#include <QColor>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolTip>

#include "settings/text/messages.h"
#include "ui/common/field_marker.h"
#include "ui/common/text.h"

namespace velquin::ui {
namespace {

// The page of `pages` that holds `w`.
int pageOf(QTabWidget* pages, QWidget* w) {
  for (; w; w = w->parentWidget())
    if (const int i = pages->indexOf(w); i >= 0) return i;
  return -1;
}

}  // namespace

CheckMarks::CheckMarks(Checker& checker, QWidget* dialog, QTabWidget* pages)
    : checker_(checker), dialog_(dialog), pages_(pages) {
  for (const FieldInfo& info : kFields) {
    auto* control = dialog->findChild<QWidget*>(fromUtf8(info.control));
    if (!control) continue;
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
      memos_.push_back({info.field.list(), memo, pageOf(pages, memo)});
    } else if (auto* edit = qobject_cast<QLineEdit*>(control);
               edit && info.field.kind == FieldKind::Text) {
      edits_.push_back({info.field.text(), pageOf(pages, edit), FieldMarker(edit)});
    }
  }
  for (Memo& m : memos_) {
    const ListField list = m.list;
    connect(m.widget->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this, list] { scheduleView(*memoOf(list)); });
    m.widget->viewport()->installEventFilter(this);
  }
  pages_->tabBar()->installEventFilter(this);
  dialog_->installEventFilter(this);
  checker_.addListener(this);
  marking_ = !checker_.hasFolderFiles();
  if (marking_) showAll();
}

CheckMarks::~CheckMarks() { checker_.removeListener(this); }

// New files, or none: the marks go, and come again in the next pass of the
// event loop, or after the dialog's next paint while it is hidden.
void CheckMarks::findingsReset() {
  marking_ = false;
  showAll();
  if (dialog_->isVisible()) startMarking();
}

void CheckMarks::startMarking() {
  marking_ = true;
  QMetaObject::invokeMethod(
      this, [this] { showAll(); }, Qt::QueuedConnection);
}

void CheckMarks::findingsChanged(FieldRef field) {
  if (!marking_) return;
  if (field.kind == FieldKind::Lines) {
    if (Memo* m = memoOf(field.list())) scheduleView(*m);
  } else if (field.kind == FieldKind::Text) {
    for (Edit& e : edits_)
      if (FieldRef(e.field) == field) showEdit(e);
  }
  showTabs();
}

void CheckMarks::showAll() {
  for (Memo& m : memos_) scheduleView(m);
  for (Edit& e : edits_) showEdit(e);
  showTabs();
}

CheckMarks::Memo* CheckMarks::memoOf(ListField list) {
  for (Memo& m : memos_)
    if (m.list == list) return &m;
  return nullptr;
}

CheckMarks::Memo* CheckMarks::memoOf(const QObject* viewport) {
  for (Memo& m : memos_)
    if (m.widget->viewport() == viewport) return &m;
  return nullptr;
}

void CheckMarks::showEdit(Edit& e) {
  static const std::vector<Finding> none;
  e.marker.show(marking_ ? checker_.findingsOf(e.field) : none);
}

// The underlines are drawn in the next pass of the event loop, once the
// memo has laid out and scrolled to what the edit changed.
void CheckMarks::scheduleView(Memo& m) {
  if (std::exchange(m.viewPending, true)) return;
  const ListField list = m.list;
  QMetaObject::invokeMethod(
      this,
      [this, list] {
        Memo& memo = *memoOf(list);
        memo.viewPending = false;
        showView(memo);
      },
      Qt::QueuedConnection);
}

void CheckMarks::showView(Memo& m) {
  QList<QTextEdit::ExtraSelection> marks;
  if (marking_) {
    const int height = m.widget->viewport()->height();
    QTextBlock block = m.widget->cursorForPosition(QPoint(0, 0)).block();
    const int last = m.widget->cursorForPosition(QPoint(0, height)).block().blockNumber();
    for (; block.isValid() && block.blockNumber() <= last; block = block.next()) {
      const std::vector<Finding>& found =
          checker_.findingsOf(m.list, static_cast<std::size_t>(block.blockNumber()));
      if (found.empty()) continue;
      QTextEdit::ExtraSelection mark;
      mark.cursor = QTextCursor(block);
      mark.cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
      mark.format.setUnderlineColor(markColour(hasError(found)));
      marks << mark;
    }
  }
  m.widget->setExtraSelections(marks);
}

FindingCounts CheckMarks::countsOf(int page) const {
  FindingCounts c;
  if (!marking_) return c;
  for (const Memo& m : memos_)
    if (m.page == page) c += checker_.counts(m.list);
  for (const Edit& e : edits_)
    if (e.page == page) c += checker_.counts(e.field);
  return c;
}

void CheckMarks::showTabs() {
  for (int page = 0; page < pages_->count(); ++page) {
    const auto [errors, warnings] = countsOf(page);
    // The caption takes the colour of the marks (an icon would widen the
    // tabs past the row of six); a new colour repaints the tab bar, so only
    // when it changes.
    const TabMark mark = errors > 0     ? TabMark::Error
                         : warnings > 0 ? TabMark::Warning
                                        : TabMark::None;
    if (std::size_t(page) >= tabs_.size()) tabs_.resize(std::size_t(page) + 1, TabMark::None);
    if (std::exchange(tabs_[std::size_t(page)], mark) == mark) continue;
    pages_->tabBar()->setTabTextColor(
        page, mark == TabMark::None ? QColor() : markColour(mark == TabMark::Error));
  }
}

// The counts of the page's findings, and on the file page the files that the
// list does not hold (named when the author asks: finding them reads the
// whole folder).
QString CheckMarks::tabTip(int page) const {
  if (page < 0 || std::size_t(page) >= tabs_.size() || tabs_[std::size_t(page)] == TabMark::None)
    return {};
  const auto [errors, warnings] = countsOf(page);
  QString own;
  for (const Memo& m : memos_)
    if (m.page == page)
      if (QString tip = listTip(m.list); !tip.isEmpty()) own = QLatin1Char('\n') + tip;
  return fromUtf8(messages::ship::counts(errors, warnings)) + own;
}

// The list's own findings, one a line: of the folder's files it lacks, the
// first few, how many more, and how to add them.
QString CheckMarks::listTip(ListField list) const {
  QString tip = tipOf(checker_.listFindings(list, messages::kMaxNamesShown));
  if (list != ListField::MemoFiles) return tip;
  const std::size_t unlisted = checker_.unlistedCount();
  if (unlisted > messages::kMaxNamesShown)
    tip += u'\n' + fromUtf8(messages::more(unlisted - messages::kMaxNamesShown));
  if (unlisted > 0) tip += u'\n' + fromUtf8(messages::ship::kAddUnlistedHow);
  return tip;
}

bool CheckMarks::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dialog_) {
    if (event->type() == QEvent::Paint && !marking_) {
      marking_ = true;
      QMetaObject::invokeMethod(
          this, [this] { showAll(); }, Qt::QueuedConnection);
    }
    return false;
  }
  if (event->type() == QEvent::Resize) {
    if (Memo* m = memoOf(watched)) scheduleView(*m);
    return false;
  }
  if (event->type() != QEvent::ToolTip) return false;
  const auto* help = static_cast<QHelpEvent*>(event);
  QString tip;
  if (watched == pages_->tabBar()) {
    tip = tabTip(pages_->tabBar()->tabAt(help->pos()));
  } else if (Memo* m = memoOf(watched); m && marking_) {
    // The line under the pointer, when the pointer is on it.
    const QTextBlock block = m->widget->cursorForPosition(help->pos()).block();
    QTextCursor end(block);
    end.movePosition(QTextCursor::EndOfBlock);
    const int top = m->widget->cursorRect(QTextCursor(block)).top();
    const int bottom = m->widget->cursorRect(end).bottom();
    const auto i = static_cast<std::size_t>(block.blockNumber());
    if (help->pos().y() >= top && help->pos().y() <= bottom)
      tip = tipOf(checker_.findingsOf(m->list, i));
    if (tip.isEmpty()) tip = listTip(m->list);
  }
  if (tip.isEmpty()) return false;  // the control's own hint, if it has one
  QToolTip::showText(help->globalPos(), tip, static_cast<QWidget*>(watched));
  return true;
}

}  // namespace velquin::ui
