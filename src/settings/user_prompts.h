#pragma once

// What the commands of the settings core need from the windows: the
// information box and moving the input focus. The Qt windows implement it;
// tests script it.

#include <string>

#include "fields.h"

namespace velquin {

class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  // The information box: the text (UTF-8; a single CR breaks a line), OK.
  virtual void showInformation(const std::string& text) = 0;
  // Moves the input focus to the control of the field.
  virtual void focusField(TextField field) = 0;
};

}  // namespace velquin
