#pragma once

// The main window: the program to distribute, the application's name, the
// settings file's name and the install window title, with the buttons
// 参照 (Browse), 詳細設定 (Details) and 作成 (Create).
//
// The window shows the record and hands its buttons, drops and closing to
// the core's commands (window_commands.h, create_command.h,
// details_command.h); it decides nothing itself.

#include <QWidget>
#include <functional>
#include <memory>

#include "settings/check/checker.h"
#include "settings/commands/user_prompts.h"
#include "settings/record/install_settings.h"
#include "ui/common/field_binder.h"
#include "ui/common/folder_watch.h"
#include "ui/main/main_marks.h"

class QDialog;
class QSessionManager;

namespace Ui {
class TForm1;
}

namespace velquin::ui {

// Its title says when there are unsaved settings ("Velquin*"), and its fields
// show what the check finds of them (main_marks.h).
class TForm1 : public QWidget, private SettingsListener {
  Q_OBJECT
 public:
  // `checker` is given the folder's files that Details reads, and the folder
  // as it is whenever it changes while the windows are open, or this window
  // or the dialog is activated again.
  TForm1(InstallSettings& settings, UserPrompts& prompts, Checker& checker,
         QWidget* parent = nullptr);
  ~TForm1() override;

  // The detailed-settings dialog that Details shows modally: `form2` gives
  // it, building it if that has not happened yet (start-up builds it after
  // the main window is on screen).
  using DetailsDialog = std::function<QDialog*()>;
  void setDetailsDialog(DetailsDialog form2) { form2_ = std::move(form2); }

  // Click handlers of the three buttons.
  void ButtonSanshoClick();
  void ButtonShosaiClick();
  void ButtonSakuseiClick();

  // Whether the window may close now; asks to save unsaved settings.
  bool FormCloseQuery();
  // The session is ending (shutdown, log-off): the same question, and a "may
  // not close" answer cancels the shutdown where the system allows it.
  void commitData(QSessionManager& manager);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void settingsSavedChanged() override;
  void showSaved();

  InstallSettings& settings_;
  UserPrompts& prompts_;
  Checker& checker_;
  FieldBinder binder_;
  DetailsDialog form2_;
  FolderWatch folderWatch_;
  // The controls of form1.ui.
  std::unique_ptr<Ui::TForm1> ui_;
  std::unique_ptr<MainMarks> marks_;  // of the check's findings on its fields
};

}  // namespace velquin::ui
