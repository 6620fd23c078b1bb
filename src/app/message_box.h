#pragma once

// The tool's message boxes: the information box, the confirmation box and the
// error report. All are modal, centred on the screen, and wrap their text at
// half the screen's width; a line feed in a text breaks the line.
//
// The buttons are laid out by hand: a stock box orders them by role after
// the desktop's habits, and the author must find はい, いいえ and キャンセル
// from left to right on every desktop.

#include <QDialog>

#include "settings/commands/user_prompts.h"

class QLabel;
class QPushButton;

namespace velquin::app {

enum class BoxKind { Information, Confirmation, Error };

class MessageBox : public QDialog {
  Q_OBJECT
 public:
  MessageBox(BoxKind kind, const QString& message, QWidget* parent = nullptr);

  // Shows the box modally; Esc or closing answers Cancel (OK for the boxes
  // with one button).
  UserPrompts::Answer ask();

 private:
  void answer(UserPrompts::Answer a);
  void fitText(QLabel* text, int widthLimit);

  UserPrompts::Answer answer_ = UserPrompts::Answer::Cancel;
};

}  // namespace velquin::app
