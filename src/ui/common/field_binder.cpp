#include "field_binder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <limits>

#include "settings/lines.h"
#include "settings/messages.h"
#include "settings/paths.h"
#include "settings/sjis.h"
#include "text.h"

namespace velquin::ui {

QString fromSjis(std::string_view bytes) { return fromUtf8(sjis::decodeForDisplay(bytes)); }

QStringList memoLines(const QString& text) {
  if (text.isEmpty()) return {};
  QStringList lines = text.split(QLatin1Char('\n'));
  if (text.endsWith(QLatin1Char('\n'))) lines.removeLast();
  return lines;
}

namespace {

QString controlName(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

FieldBinder::FieldBinder(InstallSettings& settings, Inform inform)
    : settings_(settings), inform_(std::move(inform)) {
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
    const QString name = controlName(info.control);
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
            if (auto* button = window->findChild<QRadioButton*>(controlName(o.control)))
              b.buttons << button;
        break;
      case FieldKind::Check:
        if (auto* box = window->findChild<QCheckBox*>(name)) b.buttons << box;
        break;
    }
    if (!b.edit && !b.memo.widget && !b.items && b.buttons.isEmpty()) continue;
    bindings_.push_back(std::move(b));
  }

  // Connected once every binding has its place, so that the index of each
  // stays valid.
  for (std::size_t i = first; i < bindings_.size(); ++i) {
    Binding& b = bindings_[i];
    show(b);
    const FieldRef f = b.field;
    if (b.edit) {
      connect(b.edit, &QLineEdit::textChanged, this, [this, i](const QString& text) {
        if (!inTransit(bindings_[i].field)) userEditedText(bindings_[i], text);
      });
    } else if (b.memo.widget) {
      connect(b.memo.widget->document(), &QTextDocument::contentsChanged, this, [this, i] {
        if (!inTransit(bindings_[i].field)) userEditedLines(bindings_[i]);
      });
    } else if (b.items) {
      connect(b.items, &QButtonGroup::idToggled, this, [this, f](int id, bool checked) {
        if (checked && !inTransit(f)) transit(f, [&] { settings_.setIndex(f.index(), id); });
      });
    } else if (f.kind == FieldKind::Check) {
      connect(b.buttons[0], &QAbstractButton::toggled, this, [this, f](bool checked) {
        if (!inTransit(f)) transit(f, [&] { settings_.setChecked(f.check(), checked); });
      });
    } else {
      qsizetype n = 0;
      for (const OptionInfo& o : kOptions) {
        if (o.choice != f.choice() || n >= b.buttons.size()) continue;
        const Option option = o.option;
        connect(b.buttons[n++], &QAbstractButton::toggled, this, [this, f, option](bool checked) {
          if (checked && !inTransit(f)) transit(f, [&] { settings_.select(option); });
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
      case FieldKind::Lines: {
        // One conversion for the whole list: a memo may hold tens of
        // thousands of lines.
        const QString text = fromSjis(joinLines(settings_.lines(f.list()), "\n"));
        b.memo.shown = memoLines(text);
        b.memo.widget->setPlainText(text);
        break;
      }
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
      case FieldKind::Choice: {
        qsizetype n = 0;
        for (const OptionInfo& o : kOptions)
          if (o.choice == f.choice() && n < b.buttons.size())
            b.buttons[n++]->setChecked(settings_.isSelected(o.option));
        break;
      }
      case FieldKind::Check: b.buttons[0]->setChecked(settings_.checked(f.check())); break;
    }
  });
}

void FieldBinder::refuse(Binding& b, char32_t character) {
  show(b);
  if (inform_) inform_(fromUtf8(messages::notShiftJis(fieldCaption(b.field), character)));
}

void FieldBinder::userEditedText(Binding& b, const QString& text) {
  sjis::EncodeFailure failure;
  auto bytes = sjis::encode(text.toStdString(), &failure);
  if (!bytes) return refuse(b, failure.character);
  transit(b.field, [&] { settings_.setText(b.field.text(), std::move(*bytes)); });
}

void FieldBinder::userEditedLines(Binding& b) {
  Memo& m = b.memo;
  const ListField f = b.field.list();
  const QStringList now = memoLines(m.widget->toPlainText());
  const std::vector<std::string>& held = settings_.lines(f);

  // Lines before and after the edited stretch keep their bytes; only the
  // lines in between are encoded again.
  qsizetype prefix = 0;
  const qsizetype maxCommon = held.size() == static_cast<std::size_t>(m.shown.size())
                                  ? std::min(now.size(), m.shown.size())
                                  : 0;
  while (prefix < maxCommon && now[prefix] == m.shown[prefix]) ++prefix;
  qsizetype suffix = 0;
  while (suffix < maxCommon - prefix &&
         now[now.size() - 1 - suffix] == m.shown[m.shown.size() - 1 - suffix])
    ++suffix;

  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(now.size()));
  lines.insert(lines.end(), held.begin(), held.begin() + prefix);
  for (qsizetype i = prefix; i < now.size() - suffix; ++i) {
    sjis::EncodeFailure failure;
    auto bytes = sjis::encode(now[i].toStdString(), &failure);
    if (!bytes) return refuse(b, failure.character);
    lines.push_back(std::move(*bytes));
  }
  lines.insert(lines.end(), held.end() - suffix, held.end());

  m.shown = now;
  transit(b.field, [&] { settings_.setLines(f, std::move(lines)); });
}

void FieldBinder::programChanged() {
  if (program_) program_->setText(fromUtf8(pathToUtf8(settings_.program())));
}

void FieldBinder::fieldChanged(FieldRef f) {
  if (inTransit(f)) return;
  if (Binding* b = find(f)) show(*b);
}

}  // namespace velquin::ui
