#pragma once

// The real boxes and the program file dialog of the main window.

#include <QPointer>

#include "ui/common/dialogs.h"

class QFileDialog;
class QWidget;

namespace velquin::app {

// Gives a file dialog the title, filter and behaviour of OpenDialog1.
void configureProgramDialog(QFileDialog& dialog);

class QtDialogs : public ui::Dialogs {
 public:
  // The window that owns the boxes and OpenDialog1 (the main window).
  void setWindow(QWidget* window) { window_ = window; }

  void showInformation(const QString& text) override;
  Answer confirm(const QString& text) override;
  void showError(const QString& text) override;
  std::optional<QString> chooseProgramFile() override;

 private:
  QPointer<QWidget> window_;
  // Built on first use, then kept for the run so that it opens on the last
  // chosen file.
  QPointer<QFileDialog> openDialog1_;
  QString lastChosen_;
};

}  // namespace velquin::app
