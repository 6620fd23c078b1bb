#pragma once

// The dialog's marks of what the check before shipping finds (the core's
// Checker, checker.h): an offending memo line is underlined with a wave (red
// for an error, amber for a warning only) and its findings are the line's
// tooltip; a single-line field with findings shows a marker at its end whose
// tooltip they are (field_marker.h, as the main window's fields do); the caption of a page with
// findings takes their colour, and its tooltip gives the counts. The [Files] warning about the
// folder's files that the list does not hold belongs to the file page's tab and to the memo as a
// whole (its tooltip away from a marked line), which say how to add them (the file list's context
// menu, form2.h).
//
// The marks only paint what the checker reports; they never change a value
// or a flow, and decide no finding or count. Only the lines in view carry
// their underline, so that the number of marked lines does not weigh on a
// key press. When the checker is given the folder's files, the dialog is
// painted first and marked right after: the author waits for the pages, not
// for the check of every line.

#include <QObject>
#include <QString>
#include <vector>

#include "settings/check/checker.h"
#include "ui/common/field_marker.h"

class QPlainTextEdit;
class QTabWidget;
class QWidget;

namespace velquin::ui {

class CheckMarks : public QObject, private CheckListener {
 public:
  // Marks the fields of `dialog` (found by their control names) and the tabs
  // of `pages`.
  CheckMarks(Checker& checker, QWidget* dialog, QTabWidget* pages);
  ~CheckMarks() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Memo {
    ListField list = ListField::MemoFiles;
    QPlainTextEdit* widget = nullptr;
    int page = -1;
    bool viewPending = false;
  };
  struct Edit {
    TextField field = TextField::EditInstallDir;
    int page = -1;
    FieldMarker marker;
  };

  // CheckListener
  void findingsChanged(FieldRef field) override;
  void findingsReset() override;

  void startMarking();
  void showAll();
  void showEdit(Edit& e);
  void showView(Memo& m);
  void scheduleView(Memo& m);
  void showTabs();
  FindingCounts countsOf(int page) const;
  Memo* memoOf(ListField list);
  Memo* memoOf(const QObject* viewport);
  QString tabTip(int page) const;
  QString listTip(ListField list) const;

  Checker& checker_;
  QWidget* dialog_;
  QTabWidget* pages_;
  std::vector<Memo> memos_;
  std::vector<Edit> edits_;
  // The marks show the checker's findings: not from the moment the checker
  // is given new files until the dialog has been painted.
  bool marking_ = false;
  enum class TabMark { None, Warning, Error };
  std::vector<TabMark> tabs_;  // as shown, page by page
};

}  // namespace velquin::ui
