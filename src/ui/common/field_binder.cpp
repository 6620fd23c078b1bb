#include "field_binder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>
#include <algorithm>
#include <functional>
#include <limits>
#include <utility>
#include <variant>

#include "settings/platform/paths.h"
#include "settings/text/lines.h"
#include "settings/text/memo_edit.h"
#include "settings/text/messages.h"
#include "settings/text/sjis.h"
#include "text.h"

namespace velquin::ui {
namespace {

// A single-line field's check of every change before the field takes it:
// line breaks are dropped, and a change that brings a character code page
// 932 cannot hold is refused, so that the field undoes just that input itself
// and keeps its caret and undo history. What the author did not touch is no
// reason to refuse (a value read from a file may hold bytes that are no
// character): the change is read against `held`, the value's bytes.
class LineValidator : public QValidator {
 public:
  LineValidator(QObject* parent, std::function<const std::string&()> held)
      : QValidator(parent), held_(std::move(held)) {}

  State validate(QString& input, int& pos) const override {
    QString kept;
    kept.reserve(input.size());
    int keptPos = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
      if (isLineBreak(input[i].unicode())) {
        if (i < pos) --keptPos;
        continue;
      }
      kept += input[i];
    }
    sjis::EncodeFailure failure;
    std::optional<std::size_t> dropped;
    const std::string text = kept.toStdString();
    const std::optional<sjis::Bytes> bytes = sjis::encodeEdit(held_(), text, &failure, &dropped);
    if (!bytes) {
      refused = failure.character;
      return Invalid;
    }
    if (dropped) {
      // A byte of the value went with the change: the field shows the value
      // as it is now, the caret where it was among the characters that stay.
      if (QString::fromUtf8(text.data(), qsizetype(*dropped)).size() < keptPos) --keptPos;
      kept = fromSjis(*bytes);
      droppedByte = true;
    }
    input = kept;
    pos = keptPos;
    return Acceptable;
  }

  // The character of the input refused last, until it is told.
  mutable std::optional<char32_t> refused;
  // Whether the change taken last took away a byte of the value, until it is told.
  mutable bool droppedByte = false;

 private:
  std::function<const std::string&()> held_;
};

// Ends the undo step of a line edit's typing, so that what comes next is a
// step of its own: a move of the caret (and back, the selection kept) does.
void endUndoStep(QLineEdit* edit) {
  const bool mark = edit->hasSelectedText();
  if (edit->cursorPosition() > 0) {
    edit->cursorBackward(mark);
    edit->cursorForward(mark);
  } else if (!edit->text().isEmpty()) {
    edit->cursorForward(mark);
    edit->cursorBackward(mark);
  }
}

// A paste into a line edit, as Qt's own paste is (an undo step of its own),
// but of the text without its line breaks: a paste that the field's check
// had to change would clear the field's undo history.
void pasteIntoLine(QLineEdit* edit, QClipboard::Mode mode) {
  QString text = QGuiApplication::clipboard()->text(mode);
  text.removeIf([](QChar c) { return isLineBreak(c.unicode()); });
  if (edit->isReadOnly() || (text.isEmpty() && !edit->hasSelectedText())) return;
  endUndoStep(edit);
  edit->insert(text);
  endUndoStep(edit);
}

// A paste into a memo, by any way: every line break of the text (CR LF, CR,
// LF, the line and paragraph separators) a plain one, which starts a block,
// so that the binder sees a break only between blocks; inserted as one edit,
// which undo takes back whole.
void pasteIntoMemo(QPlainTextEdit* memo, QClipboard::Mode mode) {
  QString text = QGuiApplication::clipboard()->text(mode);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  std::replace_if(
      text.begin(), text.end(), [](QChar c) { return isLineBreak(c.unicode()); }, u'\n');
  if (memo->isReadOnly() || text.isEmpty()) return;
  QTextCursor cursor = memo->textCursor();
  cursor.beginEditBlock();
  cursor.insertText(text);
  cursor.endEditBlock();
  memo->setTextCursor(cursor);
  memo->ensureCursorVisible();
}

// The paste action of a standard context menu (a line edit's or a memo's):
// named "edit-paste" by newer Qt versions, and captioned by Qt's own text in
// all (its shortcut may follow after a tab).
QAction* pasteActionOf(const QMenu* menu) {
  const QString captions[] = {QCoreApplication::translate("QLineEdit", "&Paste"),
                              QCoreApplication::translate("QWidgetTextControl", "&Paste")};
  for (QAction* a : menu->actions()) {
    const QString caption = a->text().section(u'\t', 0, 0);
    if (a->objectName() == QLatin1String("edit-paste") || caption == captions[0] ||
        caption == captions[1])
      return a;
  }
  return nullptr;
}

// A control's standard context menu, whose 貼り付け runs `paste`; it goes
// once closed.
QMenu* withPaste(QMenu* menu, QWidget* control, std::function<void()> paste) {
  if (QAction* action = pasteActionOf(menu)) {
    QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
    QObject::connect(action, &QAction::triggered, control, std::move(paste));
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  return menu;
}

// Keys and pastes that would leave an edit the undo history cannot take back
// whole, made into the edits they mean: Shift+Enter in a memo (a line
// separator the binder would then turn into a block) is Enter; every paste,
// by key, by the context menu or by the middle button (the selection, where
// the system has one), into a line edit takes the text without its line
// breaks, and into a memo with plain breaks.
class PlainKeys : public QObject {
 public:
  explicit PlainKeys(QObject* parent) : QObject(parent) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) return lineEvent(edit, event);
    // A memo's mouse events come to its viewport.
    auto* memo = qobject_cast<QPlainTextEdit*>(watched);
    if (!memo) memo = qobject_cast<QPlainTextEdit*>(watched->parent());
    return memo && memoEvent(memo, event);
  }

 private:
  static bool lineEvent(QLineEdit* edit, QEvent* event) {
    switch (event->type()) {
      case QEvent::KeyPress:
        if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) return false;
        pasteIntoLine(edit, QClipboard::Clipboard);
        return true;
      case QEvent::MouseButtonRelease:
        // Qt's own release pastes the selection; the press has already put
        // the caret where the author clicked.
        if (!middleButtonPastes(event, edit->isReadOnly())) return false;
        edit->deselect();
        pasteIntoLine(edit, QClipboard::Selection);
        return true;
      case QEvent::ContextMenu:
        withPaste(edit->createStandardContextMenu(), edit, [edit] {
          pasteIntoLine(edit, QClipboard::Clipboard);
        })->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
      default: return false;
    }
  }

  static bool memoEvent(QPlainTextEdit* memo, QEvent* event) {
    switch (event->type()) {
      case QEvent::KeyPress: return memoKey(memo, static_cast<QKeyEvent*>(event));
      case QEvent::MouseButtonRelease: {
        // Qt's own release puts the caret where the author clicked and
        // pastes the selection there.
        if (!middleButtonPastes(event, memo->isReadOnly())) return false;
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        memo->setTextCursor(memo->cursorForPosition(at));
        pasteIntoMemo(memo, QClipboard::Selection);
        return true;
      }
      case QEvent::ContextMenu: {
        // A window that asks for a menu of its own builds it from memoContextMenu.
        if (memo->contextMenuPolicy() != Qt::DefaultContextMenu) return false;
        auto* menu = static_cast<QContextMenuEvent*>(event);
        memoContextMenu(memo, menu->pos())->popup(menu->globalPos());
        return true;
      }
      default: return false;
    }
  }

  static bool memoKey(QPlainTextEdit* memo, QKeyEvent* key) {
    if (key->matches(QKeySequence::Paste)) {
      pasteIntoMemo(memo, QClipboard::Clipboard);
      return true;
    }
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || !(key->modifiers() & Qt::ShiftModifier)) return false;
    QKeyEvent plain(QEvent::KeyPress, key->key(), key->modifiers() & ~Qt::ShiftModifier,
                    QStringLiteral("\r"));
    QCoreApplication::sendEvent(memo, &plain);
    return true;
  }

  // Whether `event` is the release of the middle button that pastes the
  // selection into an editable control.
  static bool middleButtonPastes(QEvent* event, bool readOnly) {
    return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
           QGuiApplication::clipboard()->supportsSelection() && !readOnly;
  }
};

}  // namespace

QMenu* memoContextMenu(QPlainTextEdit* memo, const QPoint& pos) {
  return withPaste(memo->createStandardContextMenu(pos), memo,
                   [memo] { pasteIntoMemo(memo, QClipboard::Clipboard); });
}

namespace {

// The positions of the line breaks inside the blocks from `from` to `to`:
// characters that a block holds but that break a line.
std::vector<int> breaksInBlocks(const QTextDocument* doc, int from, int to) {
  std::vector<int> at;
  for (QTextBlock block = doc->findBlock(from); block.isValid() && block.position() <= to;
       block = block.next()) {
    const QString text = block.text();
    for (qsizetype i = 0; i < text.size(); ++i)
      if (isLineBreak(text[i].unicode())) at.push_back(block.position() + int(i));
  }
  return at;
}

// A screen reader names a field as the tool's messages do: some fields have
// a help text above them rather than a label.
void nameAsMessagesDo(QWidget* field, const FieldInfo& info) {
  if (!info.caption.empty()) field->setAccessibleName(fromUtf8(info.caption));
}

// The texts of a memo's blocks, as the memo holds them.
QString joinBlocks(const std::vector<std::string>& texts) {
  QString text;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) text += u'\n';
    text += fromUtf8(texts[i]);
  }
  return text;
}

}  // namespace

FieldBinder::FieldBinder(InstallSettings& settings, UserPrompts& prompts)
    : settings_(settings), prompts_(prompts) {
  settings_.addListener(this);
}

FieldBinder::~FieldBinder() { settings_.removeListener(this); }

template <class Move>
void FieldBinder::transit(FieldRef f, Move&& move) {
  const std::optional<FieldRef> outer = transit_;
  transit_ = f;
  move();
  transit_ = outer;
}

// What every kind shares: the field, the way to the record, and the transit
// of the field's value in either direction.
class FieldBinder::Bound {
 public:
  Bound(FieldBinder& binder, FieldRef field) : binder_(binder), field_(field) {}
  virtual ~Bound() = default;
  Bound(const Bound&) = delete;
  Bound& operator=(const Bound&) = delete;

  FieldRef field() const { return field_; }
  // Shows the record's value.
  void show() {
    binder_.transit(field_, [this] { showValue(); });
  }
  // Shows the lines that `change` put into the list in place of those it
  // removed.
  virtual void showLines(const LinesChange&) { show(); }

 protected:
  virtual void showValue() = 0;

  InstallSettings& settings() const { return binder_.settings_; }
  // Whether a control's signal is the echo of the binder's own move.
  bool echo() const { return binder_.inTransit(field_); }
  // Stores the author's edit, or shows a value, with the field in transit.
  template <class Move>
  void transit(Move&& move) {
    binder_.transit(field_, std::forward<Move>(move));
  }
  // Tells the author that the field cannot take `character`.
  void refuse(char32_t character) const {
    binder_.prompts_.showInformation(messages::notShiftJis(fieldCaption(field_), character));
  }
  // Tells the author that a byte of the value that was no character went
  // with the edit.
  void tellDropped() const {
    binder_.prompts_.showInformation(messages::loneByteDropped(fieldCaption(field_)));
  }

  FieldBinder& binder_;
  const FieldRef field_;
};

// A single-line text in a line edit.
class FieldBinder::BoundText final : public Bound {
 public:
  static std::unique_ptr<Bound> find(FieldBinder& binder, const FieldInfo& info, QWidget* window) {
    if (info.field.kind != FieldKind::Text) return nullptr;
    auto* edit = window->findChild<QLineEdit*>(fromUtf8(info.control));
    return edit ? std::make_unique<BoundText>(binder, info, edit) : nullptr;
  }

  BoundText(FieldBinder& binder, const FieldInfo& info, QLineEdit* edit)
      : Bound(binder, info.field), edit_(edit) {
    // A value read from a file may be longer than a line edit takes by
    // default; it must show whole, or an edit would cut it.
    edit_->setMaxLength(std::numeric_limits<int>::max());
    nameAsMessagesDo(edit_, info);
    // The field checks its text also while the window goes (a focus moving
    // away), after the binder has gone: it reads the record, which outlives
    // every window.
    validator_ = new LineValidator(
        edit_, [&settings = settings(), field = field_.text()]() -> const std::string& {
          return settings.text(field);
        });
    edit_->setValidator(validator_);
    edit_->installEventFilter(new PlainKeys(edit_));
    QObject::connect(edit_, &QLineEdit::textChanged, &binder, [this](const QString& text) {
      if (!echo()) edited(text);
    });
    QObject::connect(edit_, &QLineEdit::inputRejected, &binder, [this] {
      if (const auto character = std::exchange(validator_->refused, std::nullopt))
        refuse(*character);
    });
  }

 private:
  void showValue() override { edit_->setText(fromSjis(settings().text(field_.text()))); }

  void edited(const QString& text) {
    sjis::EncodeFailure failure;
    auto bytes = sjis::encodeEdit(settings().text(field_.text()), text.toStdString(), &failure);
    if (!bytes) {
      // What the field's own check could not stop (its text held such a
      // character already): the record's value again, the caret kept.
      const int caret = edit_->cursorPosition();
      show();
      edit_->setCursorPosition(caret);
      return refuse(failure.character);
    }
    transit([&] { settings().setText(field_.text(), std::move(*bytes)); });
    if (std::exchange(validator_->droppedByte, false)) tellDropped();
  }

  QLineEdit* edit_;
  LineValidator* validator_;
};

// A list in a memo, a line of the list in each block.
class FieldBinder::BoundMemo final : public Bound {
 public:
  static std::unique_ptr<Bound> find(FieldBinder& binder, const FieldInfo& info, QWidget* window) {
    if (info.field.kind != FieldKind::Lines) return nullptr;
    auto* memo = window->findChild<QPlainTextEdit*>(fromUtf8(info.control));
    return memo ? std::make_unique<BoundMemo>(binder, info, memo) : nullptr;
  }

  BoundMemo(FieldBinder& binder, const FieldInfo& info, QPlainTextEdit* memo)
      : Bound(binder, info.field), memo_(memo) {
    nameAsMessagesDo(memo_, info);
    auto* keys = new PlainKeys(memo_);
    memo_->installEventFilter(keys);
    memo_->viewport()->installEventFilter(keys);
    QObject::connect(memo_->document(), &QTextDocument::contentsChange, &binder,
                     [this](int position, int, int added) {
                       if (!echo()) edited(position, added);
                     });
  }

  // The memo's other blocks stay as they are.
  void showLines(const LinesChange& change) override;

 private:
  void showValue() override {
    // One conversion for the whole list: a memo may hold tens of thousands
    // of lines.
    memo_->setPlainText(fromSjis(joinLines(settings().lines(field_.list()), "\n")));
    lastBlockEmpty_ = true;
  }

  // The author changed the memo's text from `position` on: `added`
  // characters now stand where others were.
  void edited(int position, int added);
  // A break inside a block (Shift+Enter, a pasted separator) becomes the end
  // of its block, joined to the edit that brought it; the stretch keeps its
  // length, one character for one.
  void breakBlocks(int position, int added);
  // Puts the memo's blocks from `start` on, which read `now`, back to
  // `before` (as they were, or as the list shows them), changing only the
  // characters that differ, within the edit just made (so that undo takes
  // back both at once).
  void restoreStretch(const QTextBlock& start, const QString& now, const QString& before);

  QPlainTextEdit* memo_;
  // The memo shows every line followed by a line break, so its last block
  // is empty; once the author removes that last break, the last block is a
  // line of its own.
  bool lastBlockEmpty_ = true;
};

// Only the blocks in the stretch that Qt reports as changed are read from the
// memo; a key press in a memo of a hundred thousand lines thus costs what it
// changes.
void FieldBinder::BoundMemo::edited(int position, int added) {
  breakBlocks(position, added);
  const QTextDocument* doc = memo_->document();
  QTextBlock start = doc->findBlock(position);
  QTextBlock end = doc->findBlock(position + added);
  if (!start.isValid()) start = doc->firstBlock();
  if (!end.isValid()) end = doc->lastBlock();  // the report counts the text's end
  MemoStretch stretch{static_cast<std::size_t>(start.blockNumber()),
                      {},
                      static_cast<std::size_t>(doc->blockCount() - 1 - end.blockNumber())};
  QTextBlock block = start;
  for (int n = start.blockNumber(); n <= end.blockNumber(); ++n, block = block.next())
    stretch.texts.push_back(block.text().toStdString());

  const ListField list = field_.list();
  std::optional<std::string> shown;
  auto result = editLines(settings().lines(list), lastBlockEmpty_, stretch, &shown);
  if (const auto* refused = std::get_if<RefusedEdit>(&result)) {
    restoreStretch(start, joinBlocks(stretch.texts), fromUtf8(refused->before));
    return refuse(refused->character);
  }
  auto& edit = std::get<LinesEdit>(result);
  lastBlockEmpty_ = edit.lastBlockEmpty;
  transit([&] { settings().replaceLines(list, edit.first, edit.count, std::move(edit.lines)); });
  if (shown) {
    // A byte of a line went with the edit: the memo shows the lines as they are now.
    restoreStretch(start, joinBlocks(stretch.texts), fromUtf8(*shown));
    tellDropped();
  }
}

void FieldBinder::BoundMemo::breakBlocks(int position, int added) {
  QTextDocument* doc = memo_->document();
  const std::vector<int> breaks = breaksInBlocks(doc, position, position + added);
  if (breaks.empty()) return;
  QTextCursor cursor(doc);
  cursor.joinPreviousEditBlock();
  transit([&] {
    for (const int at : breaks) {
      cursor.setPosition(at);
      cursor.setPosition(at + 1, QTextCursor::KeepAnchor);
      cursor.insertBlock();
    }
  });
  cursor.endEditBlock();
}

void FieldBinder::BoundMemo::restoreStretch(const QTextBlock& start, const QString& now,
                                            const QString& before) {
  qsizetype head = 0;
  while (head < now.size() && head < before.size() && now[head] == before[head]) ++head;
  qsizetype tail = 0;
  while (tail < now.size() - head && tail < before.size() - head &&
         now[now.size() - 1 - tail] == before[before.size() - 1 - tail])
    ++tail;
  QTextCursor cursor(memo_->document());
  cursor.joinPreviousEditBlock();
  cursor.setPosition(start.position() + int(head));
  cursor.setPosition(start.position() + int(now.size() - tail), QTextCursor::KeepAnchor);
  transit([&] { cursor.insertText(before.mid(head, before.size() - tail - head)); });
  cursor.endEditBlock();
}

void FieldBinder::BoundMemo::showLines(const LinesChange& change) {
  const std::vector<std::string>& lines = settings().lines(change.list);
  QTextDocument* doc = memo_->document();
  const std::size_t end = change.first + change.removed.size();
  const bool appended = change.removed.empty() && end == lines.size() - change.added;
  if (appended && end > 0 && !lastBlockEmpty_) {
    // Lines added after a last line whose break the author took away: the
    // break and the lines, as one edit the author can undo.
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    const std::vector<std::string> added(lines.begin() + long(end), lines.end());
    transit([&] { cursor.insertText(u'\n' + fromSjis(joinLines(added, "\n"))); });
    lastBlockEmpty_ = true;
    memo_->setTextCursor(cursor);
    memo_->ensureCursorVisible();
    return;
  }
  // The whole list (loading, the reset), or a stretch that ends the last
  // line where the author took its break away: shown anew.
  if ((change.first == 0 && change.added == lines.size()) ||
      end >= static_cast<std::size_t>(doc->blockCount()))
    return show();
  const std::vector<std::string> added(lines.begin() + long(change.first),
                                       lines.begin() + long(change.first + change.added));
  QTextCursor cursor(doc->findBlockByNumber(int(change.first)));
  cursor.setPosition(doc->findBlockByNumber(int(end)).position(), QTextCursor::KeepAnchor);
  transit([&] { cursor.insertText(fromSjis(joinLines(added, "\n"))); });
  if (appended) {
    // Lines added at the end (a drop) come into view.
    memo_->setTextCursor(cursor);
    memo_->ensureCursorVisible();
  }
}

// A radio group: a framed box whose radio buttons are its items, in order.
class FieldBinder::BoundItems final : public Bound {
 public:
  static std::unique_ptr<Bound> find(FieldBinder& binder, const FieldInfo& info, QWidget* window) {
    if (info.field.kind != FieldKind::Index) return nullptr;
    auto* box = window->findChild<QWidget*>(fromUtf8(info.control));
    return box ? std::make_unique<BoundItems>(binder, info.field, box) : nullptr;
  }

  BoundItems(FieldBinder& binder, FieldRef field, QWidget* box)
      : Bound(binder, field), items_(new QButtonGroup(box)) {
    int id = 0;
    for (auto* item : box->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
      items_->addButton(item, id++);
    QObject::connect(items_, &QButtonGroup::idToggled, &binder, [this](int id, bool checked) {
      if (checked && !echo()) transit([&] { settings().setIndex(field_.index(), id); });
    });
  }

 private:
  void showValue() override {
    if (QAbstractButton* item = items_->button(settings().index(field_.index()))) {
      item->setChecked(true);
    } else if (QAbstractButton* checked = items_->checkedButton()) {
      // No item selected: an exclusive group cannot uncheck its last button.
      items_->setExclusive(false);
      checked->setChecked(false);
      items_->setExclusive(true);
    }
  }

  QButtonGroup* items_;  // ids 0, 1, ...
};

// A choice: radio buttons of their own, one for each option.
class FieldBinder::BoundChoice final : public Bound {
 public:
  using Buttons = std::vector<std::pair<Option, QAbstractButton*>>;

  static std::unique_ptr<Bound> find(FieldBinder& binder, const FieldInfo& info, QWidget* window) {
    if (info.field.kind != FieldKind::Choice) return nullptr;
    Buttons buttons;
    for (const OptionInfo& o : kOptions)
      if (o.choice == info.field.choice())
        if (auto* button = window->findChild<QRadioButton*>(fromUtf8(o.control)))
          buttons.push_back({o.option, button});
    return buttons.empty() ? nullptr
                           : std::make_unique<BoundChoice>(binder, info.field, std::move(buttons));
  }

  BoundChoice(FieldBinder& binder, FieldRef field, Buttons buttons)
      : Bound(binder, field), buttons_(std::move(buttons)) {
    for (const auto& [option, button] : buttons_) {
      QObject::connect(button, &QAbstractButton::toggled, &binder,
                       [this, o = option](bool checked) {
                         if (checked && !echo()) transit([&] { settings().select(o); });
                       });
    }
  }

 private:
  void showValue() override {
    for (const auto& [option, button] : buttons_) button->setChecked(settings().isSelected(option));
  }

  Buttons buttons_;
};

// A check box.
class FieldBinder::BoundCheck final : public Bound {
 public:
  static std::unique_ptr<Bound> find(FieldBinder& binder, const FieldInfo& info, QWidget* window) {
    if (info.field.kind != FieldKind::Check) return nullptr;
    auto* box = window->findChild<QCheckBox*>(fromUtf8(info.control));
    return box ? std::make_unique<BoundCheck>(binder, info.field, box) : nullptr;
  }

  BoundCheck(FieldBinder& binder, FieldRef field, QAbstractButton* box)
      : Bound(binder, field), box_(box) {
    QObject::connect(box_, &QAbstractButton::toggled, &binder, [this](bool checked) {
      if (!echo()) transit([&] { settings().setChecked(field_.check(), checked); });
    });
  }

 private:
  void showValue() override { box_->setChecked(settings().checked(field_.check())); }

  QAbstractButton* box_;
};

void FieldBinder::bind(QWidget* window) {
  if ((program_ = window->findChild<QLineEdit*>(QStringLiteral("EditProgram")))) {
    program_->setReadOnly(true);  // only Browse fills it; its text can still be copied
    programChanged();
  }
  // Each kind finds the controls of its own fields.
  using Find = std::unique_ptr<Bound> (*)(FieldBinder&, const FieldInfo&, QWidget*);
  static constexpr Find kKinds[] = {&BoundText::find, &BoundMemo::find, &BoundItems::find,
                                    &BoundChoice::find, &BoundCheck::find};
  for (const FieldInfo& info : kFields) {
    for (const Find find : kKinds) {
      if (std::unique_ptr<Bound> bound = find(*this, info, window)) {
        bound->show();
        bound_.push_back(std::move(bound));
      }
    }
  }
}

FieldBinder::Bound* FieldBinder::find(FieldRef f) {
  for (const std::unique_ptr<Bound>& b : bound_)
    if (b->field() == f) return b.get();
  return nullptr;
}

void FieldBinder::programChanged() {
  if (program_) program_->setText(fromUtf8(pathToUtf8(settings_.program())));
}

void FieldBinder::fieldChanged(FieldRef f) {
  if (inTransit(f)) return;
  if (Bound* b = find(f)) b->show();
}

void FieldBinder::linesChanged(const LinesChange& change) {
  if (inTransit(change.list)) return;
  if (Bound* b = find(change.list)) b->showLines(change);
}

}  // namespace velquin::ui
