#include "main_marks.h"

#include <QEvent>
#include <QLineEdit>
#include <QMetaObject>
#include <QWidget>

#include "ui/common/text.h"

namespace velquin::ui {

MainMarks::MainMarks(Checker& checker, QWidget* window) : checker_(checker), window_(window) {
  // The window's own fields, not those of a dialog it owns.
  const auto own = [window](QLineEdit* edit) { return edit && edit->window() == window; };
  for (const FieldInfo& info : kFields)
    if (auto* edit = window->findChild<QLineEdit*>(fromUtf8(info.control));
        own(edit) && info.field.kind == FieldKind::Text)
      edits_.push_back({info.field.text(), FieldMarker(edit)});
  if (auto* edit = window->findChild<QLineEdit*>(QStringLiteral("EditProgram")); own(edit))
    program_.emplace(edit);
  window_->installEventFilter(this);
  checker_.addListener(this);
  marking_ = !checker_.hasFolderFiles();
  if (marking_) showAll();
}

MainMarks::~MainMarks() { checker_.removeListener(this); }

void MainMarks::markAfterPaintOf(QWidget* window) {
  if (waitFor_) waitFor_->removeEventFilter(this);
  waitFor_ = window;
  waitFor_->installEventFilter(this);
  marking_ = false;
  showAll();
}

void MainMarks::findingsReset() {
  marking_ = false;
  showAll();
  if (!waitFor_ && window_->isVisible()) markSoon();
}

void MainMarks::markSoon() {
  marking_ = true;
  QMetaObject::invokeMethod(
      this, [this] { showAll(); }, Qt::QueuedConnection);
}

void MainMarks::findingsChanged(FieldRef field) {
  if (!marking_) return;
  for (Edit& e : edits_)
    if (FieldRef(e.field) == field) e.marker.show(checker_.findingsOf(e.field));
}

void MainMarks::showAll() {
  static const std::vector<Finding> none;
  static const std::vector<ProgramFinding> noProgram;
  for (Edit& e : edits_) e.marker.show(marking_ ? checker_.findingsOf(e.field) : none);
  if (program_) program_->show(marking_ ? checker_.programFindings() : noProgram);
}

// The marks come back after the paint of the window they wait for (or once
// it is closed, painted or not), or else of their own window.
bool MainMarks::eventFilter(QObject* watched, QEvent* event) {
  if (marking_) return false;
  const QEvent::Type type = event->type();
  if (watched == waitFor_ && (type == QEvent::Paint || type == QEvent::Hide)) {
    waitFor_->removeEventFilter(this);
    waitFor_ = nullptr;
    markSoon();
  } else if (watched == window_ && !waitFor_ && type == QEvent::Paint) {
    markSoon();
  }
  return false;
}

}  // namespace velquin::ui
