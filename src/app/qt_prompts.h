#pragma once

// The real boxes and the program file dialog: what the commands ask and tell
// the author, shown over the main window.

#include <QPointer>

#include "settings/commands/user_prompts.h"

class QFileDialog;
class QWidget;

namespace velquin::app {

// Gives a file dialog the title, filter and behaviour of OpenDialog1.
void configureProgramDialog(QFileDialog& dialog);

class QtPrompts : public UserPrompts {
 public:
  // The window that owns the boxes and OpenDialog1 (the main window).
  void setWindow(QWidget* window) { window_ = window; }

  void showInformation(const std::string& text) override;
  Answer confirm(const std::string& text) override;
  void showError(const std::string& text) override;
  std::optional<std::filesystem::path> chooseProgramFile() override;
  void focusField(TextField field) override;

 private:
  QPointer<QWidget> window_;
  // Built on first use, then kept for the run so that it opens on the last
  // chosen file.
  QPointer<QFileDialog> openDialog1_;
  QString lastChosen_;
};

}  // namespace velquin::app
