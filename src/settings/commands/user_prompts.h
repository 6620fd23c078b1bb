#pragma once

// Everything the commands of the settings core ask of the author or show to
// the author: the information box, the save question, the error report, the
// program file dialog and moving the input focus. It is the one seam between
// the commands and the windows: the application implements it with real boxes
// (src/app/qt_prompts.h); tests script it.
//
// Texts are UTF-8; a line feed breaks a line.

#include <filesystem>
#include <optional>
#include <string>

#include "settings/record/fields.h"

namespace velquin {

class UserPrompts {
 public:
  enum class Answer { Yes, No, Cancel };

  virtual ~UserPrompts() = default;
  // The information box: caption "Velquin", no icon, OK.
  virtual void showInformation(const std::string& text) = 0;
  // The confirmation box: caption "確認", question icon, はい / いいえ /
  // キャンセル. Esc or closing the box answers Cancel.
  virtual Answer confirm(const std::string& text) = 0;
  // The error report: the information box with an error icon, the text as
  // given (the commands end it with its full stop).
  virtual void showError(const std::string& text) = 0;
  // The program file dialog (OpenDialog1): the full native path the author
  // chose, or nothing when the dialog was cancelled.
  virtual std::optional<std::filesystem::path> chooseProgramFile() = 0;
  // Moves the input focus to the control of the field.
  virtual void focusField(TextField field) = 0;
};

}  // namespace velquin
