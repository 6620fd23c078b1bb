#pragma once

// The dialog's marks of what the check before shipping finds (ship_check.h):
// an offending memo line is underlined with a wave (red for an error, amber
// for a warning only) and its findings are the line's tooltip; a single-line
// field with findings shows a marker at its end whose tooltip they are; the
// caption of a page with findings takes their colour, and its tooltip gives
// the counts.
// The [Files] warning about the folder's files that the list does not hold
// belongs to the file page's tab and to the memo as a whole (its tooltip
// away from a marked line).
//
// The marks only show; they never change a value or a flow.
//
// An edit of a memo costs what it changed: the lines that went and came are
// told to the check's context and checked again, and the other lines only
// when the context says that they may have changed (a copy of a file line
// came or went, a name became installed or no longer is). Only the lines in
// view carry their underline, so that the number of marked lines does not
// weigh on a key press.
//
// Until the dialog is given the folder's files (setFolderFiles) and has been
// painted, and again after a new program is chosen, there are no marks.

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/check/ship_check.h"
#include "settings/record/install_settings.h"

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QWidget;

namespace velquin::ui {

class CheckMarks : public QObject, private SettingsListener {
 public:
  // Marks the fields of `dialog` (found by their control names) and the tabs
  // of `pages`. Build it after the dialog's binder has bound the controls, so
  // that a memo's edit has reached the record when the marks follow it.
  CheckMarks(InstallSettings& settings, QWidget* dialog, QTabWidget* pages);
  ~CheckMarks() override;

  // The files of the distribution folder as the folder scan writes them;
  // every field is checked against them from now on.
  void setFolderFiles(std::vector<std::string> files);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Memo {
    ListField list = ListField::MemoFiles;
    QPlainTextEdit* widget = nullptr;
    int page = -1;
    bool written = false;
    std::vector<std::string> lines;           // the lines as last checked
    std::vector<std::vector<Finding>> found;  // their findings, line by line
    std::size_t errors = 0, warnings = 0;     // findings of its lines
    bool viewPending = false;
  };
  struct Edit {
    TextField field = TextField::EditInstallDir;
    QLineEdit* widget = nullptr;
    int page = -1;
    QAction* marker = nullptr;
    std::vector<Finding> found;
  };

  // SettingsListener
  void programChanged() override;
  void fieldChanged(FieldRef f) override;

  void checkAll();
  void checkMemo(Memo& m);
  void checkLine(Memo& m, std::size_t i);
  void checkEdit(Edit& e);
  void memoEdited(Memo& m, int position, int added);
  void recheckInstalled();
  void showView(Memo& m);
  void scheduleView(Memo& m);
  void showTabs();
  struct Counts {
    std::size_t errors = 0, warnings = 0;
  };
  // The findings of the page's fields, the unlisted files' warning included.
  Counts countsOf(int page) const;
  Memo* memoOf(ListField list);
  Memo* memoOf(const QObject* viewport);
  QString tabTip(int page) const;

  void startMarking();

  InstallSettings& settings_;
  QWidget* dialog_;
  QTabWidget* pages_;
  std::vector<Memo> memos_;
  std::vector<Edit> edits_;
  std::unique_ptr<ShipCheckContext> context_;
  std::optional<std::vector<std::string>> files_;  // given, not yet checked against
  enum class TabMark { None, Warning, Error };
  std::vector<TabMark> tabs_;  // as shown, page by page
};

}  // namespace velquin::ui
