#pragma once

// The detailed-settings dialog: six pages for everything the main window does
// not hold (files, install options, start menu, startup, desktop, uninstall).
//
// It is built once at start-up, hidden, and shown modally by the Details
// command as often as the author likes. Its controls are the live values of
// the settings record: there is nothing to confirm or throw away, and closing
// keeps every value and enabled state.
//
// A control whose value only matters while an optional part of the settings
// is in use (an install directory, the start-menu group, startup or desktop
// shortcuts, the uninstall registration) is disabled while it is not. The
// states follow from the record whenever it changes, whoever changed it.
//
// The file list's context menu adds 一覧にないファイルを追加 to Qt's own
// actions: enabled while the check finds files of the folder that the list
// lacks, it adds them all, as a drop of them would.

#include <QDialog>
#include <QList>
#include <memory>
#include <utility>
#include <vector>

#include "settings/check/checker.h"
#include "settings/record/install_settings.h"
#include "ui/common/field_binder.h"

class QAction;

namespace Ui {
class TForm2;
}

namespace velquin::ui {

class CheckMarks;

class TForm2 : public QDialog, private SettingsListener {
  Q_OBJECT
 public:
  // `prompts` tells the author what the dialog's commands refuse; the pages
  // mark what `checker` finds (see check_marks.h).
  TForm2(InstallSettings& settings, UserPrompts& prompts, Checker& checker,
         QWidget* parent = nullptr);
  ~TForm2() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void fieldChanged(FieldRef f) override;

  void FormShow();
  void ButtonOKClick();

  void collectDependents();
  void applyEnablingRules();
  // The file list's context menu at `pos` (in its viewport).
  void showFilesMenu(const QPoint& pos);

  InstallSettings& settings_;
  UserPrompts& prompts_;
  Checker& checker_;
  FieldBinder binder_;
  std::vector<std::pair<FieldRef, QList<QWidget*>>> dependents_;
  // The controls of form2.ui.
  std::unique_ptr<Ui::TForm2> ui_;
  std::unique_ptr<CheckMarks> marks_;
  // 一覧にないファイルを追加, in the file list's context menu.
  QAction* addUnlisted_ = nullptr;
};

}  // namespace velquin::ui
