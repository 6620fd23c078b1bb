#include "check_marks.h"

#include <QAction>
#include <QColor>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolTip>
#include <algorithm>

#include "settings/record/settings_rules.h"
#include "settings/text/messages.h"
#include "ui/common/text.h"

namespace velquin::ui {
namespace {

bool isShortcutList(ListField list) {
  return list == ListField::MemoGroupItem || list == ListField::MemoStartupItem ||
         list == ListField::MemoDesktopItem;
}

bool hasError(const std::vector<Finding>& found) {
  return std::any_of(found.begin(), found.end(),
                     [](const Finding& f) { return f.weight == Weight::Error; });
}

std::size_t errorCount(const std::vector<Finding>& found) {
  return static_cast<std::size_t>(std::count_if(
      found.begin(), found.end(), [](const Finding& f) { return f.weight == Weight::Error; }));
}

// One finding a line, its weight first.
QString tipOf(const std::vector<Finding>& found) {
  QStringList lines;
  for (const Finding& f : found)
    lines << fromUtf8(f.weight == Weight::Error ? messages::ship::kError
                                                : messages::ship::kWarning) +
                 QStringLiteral(": ") + fromUtf8(f.text);
  return lines.join(u'\n');
}

// Red for an error, amber for warnings only.
QColor colourOf(bool error) { return error ? QColor(Qt::red) : QColor(208, 128, 0); }

QIcon iconOf(const QWidget* w, bool error) {
  return w->style()->standardIcon(error ? QStyle::SP_MessageBoxCritical
                                        : QStyle::SP_MessageBoxWarning);
}

// The page of `pages` that holds `w`.
int pageOf(QTabWidget* pages, QWidget* w) {
  for (; w; w = w->parentWidget())
    if (const int i = pages->indexOf(w); i >= 0) return i;
  return -1;
}

}  // namespace

CheckMarks::CheckMarks(InstallSettings& settings, QWidget* dialog, QTabWidget* pages)
    : settings_(settings), dialog_(dialog), pages_(pages) {
  for (const FieldInfo& info : kFields) {
    auto* control = dialog->findChild<QWidget*>(fromUtf8(info.control));
    if (!control) continue;
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) {
      Memo& m = memos_.emplace_back();
      m.list = info.field.list();
      m.widget = memo;
      m.page = pageOf(pages, memo);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control);
               edit && info.field.kind == FieldKind::Text) {
      Edit& e = edits_.emplace_back();
      e.field = info.field.text();
      e.widget = edit;
      e.page = pageOf(pages, edit);
    }
  }
  // Connected after the binder's: the record already holds the new lines.
  for (Memo& m : memos_) {
    const ListField list = m.list;
    connect(m.widget->document(), &QTextDocument::contentsChange, this,
            [this, list](int position, int, int added) {
              if (Memo* memo = memoOf(list); context_) memoEdited(*memo, position, added);
            });
    connect(m.widget->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this, list] { scheduleView(*memoOf(list)); });
    m.widget->viewport()->installEventFilter(this);
  }
  pages_->tabBar()->installEventFilter(this);
  dialog_->installEventFilter(this);
  settings_.addListener(this);
}

CheckMarks::~CheckMarks() { settings_.removeListener(this); }

// The dialog is painted first and marked right after: the author waits for
// the pages, not for the check of every line.
void CheckMarks::setFolderFiles(std::vector<std::string> files) {
  context_.reset();
  checkAll();
  files_ = std::move(files);
  if (dialog_->isVisible()) startMarking();  // else on the dialog's next paint
}

void CheckMarks::startMarking() {
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (!files_) return;
        context_ = std::make_unique<ShipCheckContext>(std::move(*files_),
                                                      settings_.text(TextField::EditIniName),
                                                      settings_.lines(ListField::MemoFiles));
        files_.reset();
        checkAll();
      },
      Qt::QueuedConnection);
}

void CheckMarks::programChanged() {
  // The files were those of the former program's folder.
  context_.reset();
  files_.reset();
  checkAll();
}

void CheckMarks::fieldChanged(FieldRef f) {
  // A list's change comes through its memo (contentsChange).
  if (!context_ || f.kind == FieldKind::Lines) return;
  // A value may put a part in or out of use, and with it what is written.
  for (Memo& m : memos_)
    if (m.written != isWritten(settings_, m.list)) checkMemo(m);
  for (Edit& e : edits_) checkEdit(e);
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

void CheckMarks::checkAll() {
  for (Memo& m : memos_) checkMemo(m);
  for (Edit& e : edits_) checkEdit(e);
  showTabs();
}

void CheckMarks::checkMemo(Memo& m) {
  m.written = isWritten(settings_, m.list);
  m.lines = context_ ? settings_.lines(m.list) : std::vector<std::string>{};
  m.found.assign(m.lines.size(), {});
  m.errors = m.warnings = 0;
  for (std::size_t i = 0; i < m.lines.size(); ++i) checkLine(m, i);
  scheduleView(m);
}

void CheckMarks::checkLine(Memo& m, std::size_t i) {
  std::vector<Finding>& found = m.found[i];
  const std::size_t errors = errorCount(found);
  m.errors -= errors;
  m.warnings -= found.size() - errors;
  found.clear();
  if (!m.written) return;
  checkListLine(*context_, m.list, i, 0, m.lines[i], found);
  const std::size_t now = errorCount(found);
  m.errors += now;
  m.warnings += found.size() - now;
}

void CheckMarks::checkEdit(Edit& e) {
  e.found.clear();
  if (context_) checkTextField(settings_, *context_, e.field, e.found);
  if (e.found.empty()) {
    if (e.marker) e.marker->setVisible(false);
    return;
  }
  if (!e.marker) e.marker = e.widget->addAction(QIcon(), QLineEdit::TrailingPosition);
  e.marker->setIcon(iconOf(e.widget, hasError(e.found)));
  e.marker->setToolTip(tipOf(e.found));
  e.marker->setVisible(true);
}

// The record's lines now against those last checked: the lines before the
// block where the edit starts, and those of the blocks after its end, are
// the same; of the stretch between, only the lines that differ count.
void CheckMarks::memoEdited(Memo& m, int position, int added) {
  const std::vector<std::string>& now = settings_.lines(m.list);
  std::vector<std::string>& old = m.lines;
  QTextDocument* doc = m.widget->document();
  const std::size_t common = std::min(old.size(), now.size());
  const QTextBlock start = doc->findBlock(position);
  std::size_t first = std::min<std::size_t>(start.isValid() ? start.blockNumber() : 0, common);
  const QTextBlock end = doc->findBlock(position + added);
  const auto blocksAfter = static_cast<std::size_t>(
      doc->blockCount() - 1 - (end.isValid() ? end.blockNumber() : doc->blockCount() - 1));
  // The memo's last block may be no line.
  std::size_t after = std::min(blocksAfter > 0 ? blocksAfter - 1 : 0, common - first);
  std::size_t oldEnd = old.size() - after;
  std::size_t newEnd = now.size() - after;
  while (first < oldEnd && first < newEnd && old[first] == now[first]) ++first;
  while (oldEnd > first && newEnd > first && old[oldEnd - 1] == now[newEnd - 1]) --oldEnd, --newEnd;
  if (first == oldEnd && first == newEnd) return;

  const bool fileList = m.list == ListField::MemoFiles;
  std::vector<std::string> copies;  // lines now listed once where twice, or the reverse
  bool installed = false;
  const auto count = [&](const ShipCheckContext::FileLineChange& change, const std::string& line) {
    if (change.copies) copies.push_back(line);
    installed = installed || change.installed;
  };
  for (std::size_t i = first; i < oldEnd; ++i) {
    if (fileList) count(context_->removeFileLine(old[i]), old[i]);
    const std::size_t errors = errorCount(m.found[i]);
    m.errors -= errors;
    m.warnings -= m.found[i].size() - errors;
  }
  old.erase(old.begin() + long(first), old.begin() + long(oldEnd));
  old.insert(old.begin() + long(first), now.begin() + long(first), now.begin() + long(newEnd));
  m.found.erase(m.found.begin() + long(first), m.found.begin() + long(oldEnd));
  m.found.insert(m.found.begin() + long(first), newEnd - first, std::vector<Finding>{});
  for (std::size_t i = first; i < newEnd; ++i)
    if (fileList) count(context_->addFileLine(now[i]), now[i]);

  if (m.written != isWritten(settings_, m.list)) {
    checkMemo(m);  // the list's first line came, or its last went
  } else {
    for (std::size_t i = first; i < newEnd; ++i) checkLine(m, i);
    for (const std::string& line : copies)
      for (std::size_t i = 0; i < old.size(); ++i)
        if ((i < first || i >= newEnd) && sameFileLine(old[i], line)) checkLine(m, i);
  }
  if (installed) recheckInstalled();
  scheduleView(m);
  showTabs();
}

// What names the files that the list installs.
void CheckMarks::recheckInstalled() {
  for (Memo& m : memos_)
    if (isShortcutList(m.list)) checkMemo(m);
  for (Edit& e : edits_)
    if (e.field == TextField::EditInstallProgram) checkEdit(e);
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
  if (!m.lines.empty()) {
    const int height = m.widget->viewport()->height();
    QTextBlock block = m.widget->cursorForPosition(QPoint(0, 0)).block();
    const int last = m.widget->cursorForPosition(QPoint(0, height)).block().blockNumber();
    for (; block.isValid() && block.blockNumber() <= last; block = block.next()) {
      const auto i = static_cast<std::size_t>(block.blockNumber());
      if (i >= m.found.size() || m.found[i].empty()) continue;
      QTextEdit::ExtraSelection mark;
      mark.cursor = QTextCursor(block);
      mark.cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
      mark.format.setUnderlineColor(colourOf(hasError(m.found[i])));
      marks << mark;
    }
  }
  m.widget->setExtraSelections(marks);
}

CheckMarks::Counts CheckMarks::countsOf(int page) const {
  Counts c;
  for (const Memo& m : memos_) {
    if (m.page != page) continue;
    c.errors += m.errors;
    c.warnings += m.warnings;
    if (m.list == ListField::MemoFiles && context_ && context_->unlistedCount() > 0) ++c.warnings;
  }
  for (const Edit& e : edits_) {
    if (e.page != page) continue;
    const std::size_t n = errorCount(e.found);
    c.errors += n;
    c.warnings += e.found.size() - n;
  }
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
        page, mark == TabMark::None ? QColor() : colourOf(mark == TabMark::Error));
  }
}

// The counts of the page's findings, and on the file page the files that the
// list does not hold (named when the author asks: finding them reads the
// whole folder).
QString CheckMarks::tabTip(int page) const {
  if (page < 0 || std::size_t(page) >= tabs_.size() || tabs_[std::size_t(page)] == TabMark::None)
    return {};
  const auto [errors, warnings] = countsOf(page);
  QString unlisted;
  for (const Memo& m : memos_)
    if (m.list == ListField::MemoFiles && m.page == page && context_)
      if (const auto finding = unlistedFilesFinding(*context_))
        unlisted = QLatin1Char('\n') + tipOf({*finding});
  return fromUtf8(messages::ship::counts(errors, warnings)) + unlisted;
}

bool CheckMarks::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dialog_) {
    if (event->type() == QEvent::Paint && files_) startMarking();
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
  } else if (Memo* m = memoOf(watched); m && context_) {
    // The line under the pointer, when the pointer is on it.
    const QTextBlock block = m->widget->cursorForPosition(help->pos()).block();
    QTextCursor end(block);
    end.movePosition(QTextCursor::EndOfBlock);
    const int top = m->widget->cursorRect(QTextCursor(block)).top();
    const int bottom = m->widget->cursorRect(end).bottom();
    const auto i = static_cast<std::size_t>(block.blockNumber());
    if (help->pos().y() >= top && help->pos().y() <= bottom && i < m->found.size())
      tip = tipOf(m->found[i]);
    if (tip.isEmpty() && m->list == ListField::MemoFiles)
      if (const auto finding = unlistedFilesFinding(*context_)) tip = tipOf({*finding});
  }
  if (tip.isEmpty()) return false;  // the control's own hint, if it has one
  QToolTip::showText(help->globalPos(), tip, static_cast<QWidget*>(watched));
  return true;
}

}  // namespace velquin::ui
