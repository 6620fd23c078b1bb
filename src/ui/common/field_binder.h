#pragma once

// Binds the editing controls of one window to the settings record.
//
// How a value travels:
// - The record holds the bytes that go into the settings file; a control
//   shows them decoded. A value keeps its exact bytes until the user edits
//   it, and in a list only the lines the user touched are encoded again (code
//   page 932 has characters with two codes, so decoding and encoding again
//   could change bytes the author never touched).
// - The user edits a control: the binder encodes the new value and stores it
//   in the record. A character that code page 932 cannot hold is not taken:
//   the input that brought it (a key, an input method's text, a paste, a
//   drop) is undone, and only that: the rest of the text, the caret, the view
//   and the undo history of earlier edits stay. Then the user is told which
//   field it was typed into.
// - Line breaks: a single-line field never holds one (a pasted break is
//   dropped at once, so the field shows what the record keeps), and in a memo
//   every break the author types or pastes (Shift+Enter's line separator, the
//   paragraph separator of other programs) starts a new line.
// - The record changes (the reset, loading, Create removing empty lines, or
//   the edit just stored): it tells its listeners, and the binder shows the
//   new value in the control.
//
// Why an edit does not come back: while the binder moves a value of a field
// in either direction, it marks that field as in transit. The record's
// notification about a value the binder is storing, and the control's
// signal about a value the binder is showing, are then echoes of the binder's
// own move and are ignored. This is the only guard: no signal blocking, no
// comparing of values to detect echoes.
//
// A window owns its binder as a member, so the binding ends before the
// window's controls are destroyed and the record never reaches a control
// that is gone.

#include <QObject>
#include <optional>
#include <utility>
#include <vector>

#include "settings/commands/user_prompts.h"
#include "settings/record/install_settings.h"

class QButtonGroup;
class QLineEdit;
class QPlainTextEdit;
class QAbstractButton;
class QTextBlock;
class QWidget;

namespace velquin::ui {

class FieldBinder : public QObject, private SettingsListener {
  Q_OBJECT
 public:
  // `prompts` shows the refusal of a character that code page 932 cannot hold.
  FieldBinder(InstallSettings& settings, UserPrompts& prompts);
  ~FieldBinder() override;

  // Binds every control under `window` that edits a field of the record,
  // found by the field's control name: line edits, memos, radio groups (a
  // framed box whose radio buttons are its items, in order), the radio
  // buttons of choices and check boxes. EditProgram, when the window has it,
  // shows the program path and cannot be edited.
  void bind(QWidget* window);

 private:
  struct Memo {
    QPlainTextEdit* widget = nullptr;
    // The memo shows every line followed by a line break, so its last block
    // is empty; once the author removes that last break, the last block is
    // a line of its own.
    bool lastBlockEmpty = true;
  };
  struct Binding {
    explicit Binding(FieldRef f) : field(f) {}
    FieldRef field;
    QLineEdit* edit = nullptr;
    Memo memo;
    QButtonGroup* items = nullptr;  // a radio group's items, ids 0, 1, ...
    std::vector<std::pair<Option, QAbstractButton*>> options;  // a choice's radio buttons
    QAbstractButton* check = nullptr;                          // a check box
  };

  // SettingsListener
  void programChanged() override;
  void fieldChanged(FieldRef f) override;
  void linesChanged(const LinesChange& change) override;

  Binding* find(FieldRef f);
  void show(Binding& b);
  // Shows the lines that `change` put into the list in place of those it
  // removed; the memo's other blocks stay as they are.
  void showLines(Binding& b, const LinesChange& change);
  void userEditedText(Binding& b, const QString& text);
  // The author changed the memo's text from `position` on: `added`
  // characters now stand where others were.
  void userEditedLines(Binding& b, int position, int added);
  void refuse(Binding& b, char32_t character);
  // Puts the memo's blocks from `start` on back to `before`, as they were,
  // changing only the characters that differ, within the edit just made (so
  // that undo takes back both at once).
  void restoreStretch(Binding& b, const QTextBlock& start, const QString& now,
                      const QString& before);

  // Runs `move` with `f` marked as in transit (see above).
  template <class Move>
  void transit(FieldRef f, Move&& move);
  bool inTransit(FieldRef f) const { return transit_ && *transit_ == f; }

  InstallSettings& settings_;
  UserPrompts& prompts_;
  QLineEdit* program_ = nullptr;
  std::vector<Binding> bindings_;
  std::optional<FieldRef> transit_;
};

}  // namespace velquin::ui
