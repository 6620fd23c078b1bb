#include "field_binder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <limits>

#include "settings/lines.h"
#include "settings/messages.h"
#include "settings/paths.h"
#include "settings/sjis.h"

namespace velquin::ui {

QString fromSjis(const std::string& bytes) {
  return QString::fromStdString(sjis::decodeForDisplay(bytes));
}

QStringList memoLines(const QString& text) {
  // The memo shows every line followed by a line break; the break at the
  // very end starts no further line.
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!text.isEmpty() && text.endsWith(QLatin1Char('\n'))) lines.removeLast();
  if (text.isEmpty()) lines.clear();
  return lines;
}

QString memoText(const QStringList& lines) {
  QString text;
  qsizetype size = 0;
  for (const auto& l : lines) size += l.size() + 1;
  text.reserve(size);
  for (const auto& l : lines) {
    text += l;
    text += QLatin1Char('\n');
  }
  return text;
}

FieldBinder::FieldBinder(InstallSettings& settings, Inform inform, QObject* parent)
    : QObject(parent), settings_(settings), inform_(std::move(inform)) {
  settings_.addListener(this);
}

FieldBinder::~FieldBinder() { settings_.removeListener(this); }

void FieldBinder::bindProgram(QLineEdit* edit) {
  program_ = edit;
  edit->setReadOnly(true);
  programChanged();
}

void FieldBinder::bindText(QLineEdit* edit, TextField f) {
  texts_.insert(static_cast<int>(f), edit);
  // A value read from a file may be longer than a line edit takes by
  // default; it must show whole, or an edit would cut it.
  edit->setMaxLength(std::numeric_limits<int>::max());
  showText(f);
  // textEdited comes from the user only, never from setText.
  connect(edit, &QLineEdit::textEdited, this,
          [this, f](const QString& text) { userEditedText(f, text); });
}

void FieldBinder::bindLines(QPlainTextEdit* memo, ListField f) {
  memos_.insert(static_cast<int>(f), Memo{memo, {}});
  showLines(f);
  connect(memo->document(), &QTextDocument::contentsChanged, this, [this, f] {
    const Memo& m = memos_[static_cast<int>(f)];
    if (!m.widget->signalsBlocked()) userEditedLines(f);
  });
}

void FieldBinder::bindIndex(QButtonGroup* group, IndexField f) {
  groups_.insert(static_cast<int>(f), group);
  showIndex(f);
  connect(group, &QButtonGroup::idToggled, this, [this, f](int id, bool checked) {
    if (checked) settings_.setIndex(f, id);
  });
}

void FieldBinder::bindOption(QRadioButton* button, Option o) {
  options_.insert(static_cast<int>(o), button);
  {
    const QSignalBlocker block(button);
    button->setChecked(settings_.isSelected(o));
  }
  connect(button, &QRadioButton::toggled, this, [this, o](bool checked) {
    if (checked) settings_.select(o);
  });
}

void FieldBinder::bindCheckBox1(QCheckBox* box) {
  checkBox1_ = box;
  checkChanged();
  connect(box, &QCheckBox::toggled, this,
          [this](bool checked) { settings_.setCheckBox1(checked); });
}

void FieldBinder::userEditedText(TextField f, const QString& text) {
  sjis::EncodeFailure failure;
  if (auto bytes = sjis::encode(text.toStdString(), &failure)) {
    settings_.setText(f, std::move(*bytes));
    return;
  }
  showText(f);
  if (inform_)
    inform_(QString::fromStdString(messages::notShiftJis(fieldCaption(f), failure.character)));
}

void FieldBinder::userEditedLines(ListField f) {
  Memo& m = memos_[static_cast<int>(f)];
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
    if (!bytes) {
      showLines(f);
      if (inform_)
        inform_(QString::fromStdString(messages::notShiftJis(fieldCaption(f), failure.character)));
      return;
    }
    lines.push_back(std::move(*bytes));
  }
  lines.insert(lines.end(), held.end() - suffix, held.end());

  m.shown = now;
  applyingUserEdit_ = static_cast<int>(f);
  settings_.setLines(f, std::move(lines));
  applyingUserEdit_ = -1;
}

void FieldBinder::showText(TextField f) {
  QLineEdit* edit = texts_.value(static_cast<int>(f));
  if (!edit) return;
  const QString text = fromSjis(settings_.text(f));
  if (edit->text() != text) edit->setText(text);
}

void FieldBinder::showLines(ListField f) {
  auto it = memos_.find(static_cast<int>(f));
  if (it == memos_.end()) return;
  // One conversion for the whole list: a memo may hold tens of thousands of lines.
  const QString text = fromSjis(joinLines(settings_.lines(f), "\n"));
  it->shown = memoLines(text);
  if (it->widget->toPlainText() == text) return;
  const QSignalBlocker block(it->widget);
  it->widget->setPlainText(text);
}

void FieldBinder::showIndex(IndexField f) {
  QButtonGroup* group = groups_.value(static_cast<int>(f));
  if (!group) return;
  const QSignalBlocker block(group);
  const int index = settings_.index(f);
  if (QAbstractButton* b = group->button(index)) {
    b->setChecked(true);
  } else if (QAbstractButton* checked = group->checkedButton()) {
    // No item selected: an exclusive group cannot uncheck its last button.
    group->setExclusive(false);
    checked->setChecked(false);
    group->setExclusive(true);
  }
}

void FieldBinder::showChoice(ChoiceField c) {
  for (const auto& info : kOptions) {
    if (info.choice != c) continue;
    if (QRadioButton* b = options_.value(static_cast<int>(info.option))) {
      const QSignalBlocker block(b);
      b->setChecked(settings_.isSelected(info.option));
    }
  }
}

void FieldBinder::programChanged() {
  if (!program_) return;
  const QString text = QString::fromStdString(pathToUtf8(settings_.program()));
  if (program_->text() != text) program_->setText(text);
}

void FieldBinder::textChanged(TextField f) { showText(f); }

void FieldBinder::linesChanged(ListField f) {
  if (applyingUserEdit_ != static_cast<int>(f)) showLines(f);
}

void FieldBinder::indexChanged(IndexField f) { showIndex(f); }

void FieldBinder::optionClicked(Option o) { showChoice(choiceOf(o)); }

void FieldBinder::checkChanged() {
  if (!checkBox1_) return;
  const QSignalBlocker block(checkBox1_);
  checkBox1_->setChecked(settings_.checkBox1());
}

}  // namespace velquin::ui
