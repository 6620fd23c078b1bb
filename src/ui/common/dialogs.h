#pragma once

// The modal boxes and the program file dialog that the main window's commands
// use. The application shows real boxes; tests script the answers.

#include <QString>
#include <optional>

namespace velquin::ui {

class Dialogs {
 public:
  enum class Answer { Yes, No, Cancel };

  virtual ~Dialogs() = default;
  // The information box: caption "Velquin", no icon, OK. A single CR in the
  // text breaks a line.
  virtual void showInformation(const QString& text) = 0;
  // The confirmation box: caption "確認", question icon, はい / いいえ /
  // キャンセル. Esc or closing the box answers Cancel.
  virtual Answer confirm(const QString& text) = 0;
  // The error report: the information box with an error icon. `text` is
  // shown as given (the caller ends it with its full stop).
  virtual void showError(const QString& text) = 0;
  // OpenDialog1: the full native path of the program the user chose, or
  // nothing when the dialog was cancelled.
  virtual std::optional<QString> chooseProgramFile() = 0;
};

}  // namespace velquin::ui
