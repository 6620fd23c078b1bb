#include "field_binder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>
#include <limits>
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
// line breaks are dropped, and a text with a character code page 932 cannot
// hold is refused, so that the field undoes just that input itself and keeps
// its caret and undo history.
class LineValidator : public QValidator {
 public:
  explicit LineValidator(QObject* parent) : QValidator(parent) {}

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
    if (!sjis::encode(kept.toStdString(), &failure)) {
      refused = failure.character;
      return Invalid;
    }
    input = kept;
    pos = keptPos;
    return Acceptable;
  }

  // The character of the input refused last, until it is told.
  mutable std::optional<char32_t> refused;
};

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

void FieldBinder::bind(QWidget* window) {
  const std::size_t first = bindings_.size();
  if ((program_ = window->findChild<QLineEdit*>(QStringLiteral("EditProgram")))) {
    program_->setReadOnly(true);  // only Browse fills it; its text can still be copied
    programChanged();
  }

  for (const FieldInfo& info : kFields) {
    const QString name = fromUtf8(info.control);
    Binding b(info.field);
    switch (info.field.kind) {
      case FieldKind::Text:
        b.edit = window->findChild<QLineEdit*>(name);
        if (b.edit) {
          // A value read from a file may be longer than a line edit takes by
          // default; it must show whole, or an edit would cut it.
          b.edit->setMaxLength(std::numeric_limits<int>::max());
        }
        break;
      case FieldKind::Lines: b.memo.widget = window->findChild<QPlainTextEdit*>(name); break;
      case FieldKind::Index:
        if (QWidget* box = window->findChild<QWidget*>(name)) {
          b.items = new QButtonGroup(box);
          int id = 0;
          for (auto* item : box->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            b.items->addButton(item, id++);
        }
        break;
      case FieldKind::Choice:
        for (const OptionInfo& o : kOptions)
          if (o.choice == info.field.choice())
            if (auto* button = window->findChild<QRadioButton*>(fromUtf8(o.control)))
              b.options.push_back({o.option, button});
        break;
      case FieldKind::Check: b.check = window->findChild<QCheckBox*>(name); break;
    }
    if (!b.edit && !b.memo.widget && !b.items && b.options.empty() && !b.check) continue;
    // A screen reader names a field as the tool's messages do: some fields
    // have a help text above them rather than a label.
    if (QWidget* field = b.edit ? static_cast<QWidget*>(b.edit) : b.memo.widget;
        field && !info.caption.empty())
      field->setAccessibleName(fromUtf8(info.caption));
    bindings_.push_back(std::move(b));
  }

  // Connected once every binding has its place, so that the index of each
  // stays valid.
  for (std::size_t i = first; i < bindings_.size(); ++i) {
    Binding& b = bindings_[i];
    show(b);
    const FieldRef f = b.field;
    if (b.edit) {
      auto* validator = new LineValidator(b.edit);
      b.edit->setValidator(validator);
      connect(b.edit, &QLineEdit::textChanged, this, [this, i](const QString& text) {
        if (!inTransit(bindings_[i].field)) userEditedText(bindings_[i], text);
      });
      connect(b.edit, &QLineEdit::inputRejected, this, [this, i, validator] {
        if (const auto character = std::exchange(validator->refused, std::nullopt))
          prompts_.showInformation(
              messages::notShiftJis(fieldCaption(bindings_[i].field), *character));
      });
    } else if (b.memo.widget) {
      connect(b.memo.widget->document(), &QTextDocument::contentsChange, this,
              [this, i](int position, int, int added) {
                if (!inTransit(bindings_[i].field)) userEditedLines(bindings_[i], position, added);
              });
    } else if (b.items) {
      connect(b.items, &QButtonGroup::idToggled, this, [this, f](int id, bool checked) {
        if (checked && !inTransit(f)) transit(f, [&] { settings_.setIndex(f.index(), id); });
      });
    } else if (b.check) {
      connect(b.check, &QAbstractButton::toggled, this, [this, f](bool checked) {
        if (!inTransit(f)) transit(f, [&] { settings_.setChecked(f.check(), checked); });
      });
    } else {
      for (const auto& [option, button] : b.options) {
        connect(button, &QAbstractButton::toggled, this, [this, f, o = option](bool checked) {
          if (checked && !inTransit(f)) transit(f, [&] { settings_.select(o); });
        });
      }
    }
  }
}

FieldBinder::Binding* FieldBinder::find(FieldRef f) {
  for (Binding& b : bindings_)
    if (b.field == f) return &b;
  return nullptr;
}

void FieldBinder::show(Binding& b) {
  const FieldRef f = b.field;
  transit(f, [&] {
    switch (f.kind) {
      case FieldKind::Text: b.edit->setText(fromSjis(settings_.text(f.text()))); break;
      case FieldKind::Lines:
        // One conversion for the whole list: a memo may hold tens of
        // thousands of lines.
        b.memo.widget->setPlainText(fromSjis(joinLines(settings_.lines(f.list()), "\n")));
        b.memo.lastBlockEmpty = true;
        break;
      case FieldKind::Index:
        if (QAbstractButton* item = b.items->button(settings_.index(f.index()))) {
          item->setChecked(true);
        } else if (QAbstractButton* checked = b.items->checkedButton()) {
          // No item selected: an exclusive group cannot uncheck its last button.
          b.items->setExclusive(false);
          checked->setChecked(false);
          b.items->setExclusive(true);
        }
        break;
      case FieldKind::Choice:
        for (const auto& [option, button] : b.options)
          button->setChecked(settings_.isSelected(option));
        break;
      case FieldKind::Check: b.check->setChecked(settings_.checked(f.check())); break;
    }
  });
}

void FieldBinder::refuse(Binding& b, char32_t character) {
  prompts_.showInformation(messages::notShiftJis(fieldCaption(b.field), character));
}

void FieldBinder::userEditedText(Binding& b, const QString& text) {
  sjis::EncodeFailure failure;
  auto bytes = sjis::encode(text.toStdString(), &failure);
  if (!bytes) {
    // What the field's own check could not stop (its text held such a
    // character already): the record's value again, the caret kept.
    const int caret = b.edit->cursorPosition();
    show(b);
    b.edit->setCursorPosition(caret);
    return refuse(b, failure.character);
  }
  transit(b.field, [&] { settings_.setText(b.field.text(), std::move(*bytes)); });
}

void FieldBinder::restoreStretch(Binding& b, const QTextBlock& start, const QString& now,
                                 const QString& before) {
  qsizetype head = 0;
  while (head < now.size() && head < before.size() && now[head] == before[head]) ++head;
  qsizetype tail = 0;
  while (tail < now.size() - head && tail < before.size() - head &&
         now[now.size() - 1 - tail] == before[before.size() - 1 - tail])
    ++tail;
  QTextCursor cursor(b.memo.widget->document());
  cursor.joinPreviousEditBlock();
  cursor.setPosition(start.position() + int(head));
  cursor.setPosition(start.position() + int(now.size() - tail), QTextCursor::KeepAnchor);
  transit(b.field, [&] { cursor.insertText(before.mid(head, before.size() - tail - head)); });
  cursor.endEditBlock();
}

// Only the blocks in the stretch that Qt reports as changed are read from the
// memo; a key press in a memo of a hundred thousand lines thus costs what it
// changes.
void FieldBinder::userEditedLines(Binding& b, int position, int added) {
  QTextDocument* doc = b.memo.widget->document();
  // A break inside a block (Shift+Enter, a pasted separator) becomes the end
  // of its block, joined to the edit that brought it; the stretch keeps its
  // length, one character for one.
  if (const std::vector<int> breaks = breaksInBlocks(doc, position, position + added);
      !breaks.empty()) {
    QTextCursor cursor(doc);
    cursor.joinPreviousEditBlock();
    transit(b.field, [&] {
      for (const int at : breaks) {
        cursor.setPosition(at);
        cursor.setPosition(at + 1, QTextCursor::KeepAnchor);
        cursor.insertBlock();
      }
    });
    cursor.endEditBlock();
  }
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

  const ListField f = b.field.list();
  auto result = editLines(settings_.lines(f), b.memo.lastBlockEmpty, stretch);
  if (const auto* refused = std::get_if<RefusedEdit>(&result)) {
    restoreStretch(b, start, joinBlocks(stretch.texts), fromUtf8(refused->before));
    return refuse(b, refused->character);
  }
  auto& edit = std::get<LinesEdit>(result);
  b.memo.lastBlockEmpty = edit.lastBlockEmpty;
  transit(b.field,
          [&] { settings_.replaceLines(f, edit.first, edit.count, std::move(edit.lines)); });
}

void FieldBinder::programChanged() {
  if (program_) program_->setText(fromUtf8(pathToUtf8(settings_.program())));
}

void FieldBinder::fieldChanged(FieldRef f) {
  if (inTransit(f)) return;
  if (Binding* b = find(f)) show(*b);
}

void FieldBinder::linesChanged(const LinesChange& change) {
  if (inTransit(change.list)) return;
  if (Binding* b = find(change.list)) showLines(*b, change);
}

void FieldBinder::showLines(Binding& b, const LinesChange& change) {
  const std::vector<std::string>& lines = settings_.lines(change.list);
  QTextDocument* doc = b.memo.widget->document();
  const std::size_t end = change.first + change.removed.size();
  // The whole list (loading, the reset), or a stretch that ends the last
  // line where the author took its break away: shown anew.
  if ((change.first == 0 && change.added == lines.size()) ||
      end >= static_cast<std::size_t>(doc->blockCount()))
    return show(b);
  const std::vector<std::string> added(lines.begin() + long(change.first),
                                       lines.begin() + long(change.first + change.added));
  QTextCursor cursor(doc->findBlockByNumber(int(change.first)));
  cursor.setPosition(doc->findBlockByNumber(int(end)).position(), QTextCursor::KeepAnchor);
  transit(b.field, [&] { cursor.insertText(fromSjis(joinLines(added, "\n"))); });
  if (change.removed.empty() && end == lines.size() - change.added) {
    // Lines added at the end (a drop) come into view.
    b.memo.widget->setTextCursor(cursor);
    b.memo.widget->ensureCursorVisible();
  }
}

}  // namespace velquin::ui
