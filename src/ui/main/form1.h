#pragma once

// The main window: the program to distribute, the application's name, the
// settings file's name and the install window title, with the buttons
// 参照 (Browse), 詳細設定 (Details) and 作成 (Create).
//
// It guards unsaved settings: Browse and closing ask "設定が変更されています。
// 保存しますか？" while SettingsSaved is false, and a Yes that does not end in
// a written file stops them, so the settings the author asked to keep are
// neither reset nor dropped.

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "settings/create_command.h"
#include "settings/install_settings.h"
#include "settings/user_prompts.h"
#include "ui/common/dialogs.h"
#include "ui/common/field_binder.h"

class QDialog;
class QSessionManager;

namespace Ui {
class TForm1;
}

namespace velquin::ui {

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  TForm1(InstallSettings& settings, Dialogs& dialogs, QWidget* parent = nullptr);
  ~TForm1() override;

  // The detailed-settings dialog that Details shows modally.
  void setDetailsDialog(QDialog* form2) {
    form2_ = [form2] { return form2; };
  }
  // The same, for a dialog that start-up builds after the main window is on
  // screen: `form2` gives the dialog, building it if that has not happened yet.
  void setDetailsDialog(std::function<QDialog*()> form2) { form2_ = std::move(form2); }

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
  class Prompts : public UserPrompts {
   public:
    explicit Prompts(TForm1& form) : form_(form) {}
    void showInformation(const std::string& text) override;
    void focusField(TextField field) override;

   private:
    TForm1& form_;
  };

  void FormCreate();
  // Asks to save unsaved settings before another program resets them; false
  // when the author cancels or the settings could not be written.
  bool mayChooseAnotherProgram();
  void programDropped(const std::vector<std::filesystem::path>& paths);
  // Runs Create as its button does and reports a failed write.
  CreateResult runCreate();

  InstallSettings& settings_;
  Dialogs& dialogs_;
  FieldBinder binder_;
  Prompts prompts_{*this};
  std::function<QDialog*()> form2_;
  // The controls of form1.ui.
  std::unique_ptr<Ui::TForm1> ui_;
};

}  // namespace velquin::ui
