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
#include <memory>
#include <optional>
#include <vector>

#include "settings/commands/user_prompts.h"
#include "settings/record/install_settings.h"

class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPoint;
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
  // The controls of one field, bound: one kind for each kind of field, each
  // finding its controls, showing the record's value in them and storing the
  // author's edits (field_binder.cpp).
  class Bound;
  class BoundText;
  class BoundMemo;
  class BoundItems;
  class BoundChoice;
  class BoundCheck;

  // SettingsListener
  void programChanged() override;
  void fieldChanged(FieldRef f) override;
  void linesChanged(const LinesChange& change) override;

  Bound* find(FieldRef f);

  // Runs `move` with `f` marked as in transit (see above).
  template <class Move>
  void transit(FieldRef f, Move&& move);
  bool inTransit(FieldRef f) const { return transit_ && *transit_ == f; }

  InstallSettings& settings_;
  UserPrompts& prompts_;
  QLineEdit* program_ = nullptr;
  std::vector<std::unique_ptr<Bound>> bound_;
  std::optional<FieldRef> transit_;
};

// A memo's standard context menu, whose 貼り付け pastes as Ctrl+V does (every
// line break a line, one undo step); it goes once closed. `pos` is in the
// memo's viewport, as a context menu request gives it. The binder shows it
// for every memo; a window that gives a memo a menu of its own (a custom
// context menu policy) starts from it.
QMenu* memoContextMenu(QPlainTextEdit* memo, const QPoint& pos);

}  // namespace velquin::ui
