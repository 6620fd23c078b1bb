#include "qt_prompts.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QLineEdit>

#include "app_texts.h"
#include "message_box.h"
#include "settings/platform/paths.h"
#include "ui/common/text.h"

namespace velquin::app {
namespace {

// In Qt's own dialog (where the system's is not used), the list of names
// completing the typed one stays open when Enter takes the name, and takes
// the next click; this closes it. The dialog's controls are there once it is
// shown.
class CompletionClosesOnEnter : public QObject {
 public:
  explicit CompletionClosesOnEnter(QFileDialog& dialog) : QObject(&dialog) {
    dialog.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    auto* name = watched->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!name || name == name_) return false;
    name_ = name;
    connect(name, &QLineEdit::returnPressed, this, [name] {
      if (QCompleter* completer = name->completer()) completer->popup()->hide();
    });
    return false;
  }

 private:
  QLineEdit* name_ = nullptr;
};

}  // namespace

void configureProgramDialog(QFileDialog& dialog) {
  dialog.setObjectName(QStringLiteral("OpenDialog1"));
  dialog.setWindowTitle(ui::fromUtf8(texts::kProgramDialogTitle));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // The author may type a name that is not there yet: the program is often
  // built after its settings.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(ui::fromUtf8(texts::kProgramFilter));
  dialog.setSizeGripEnabled(true);
  new CompletionClosesOnEnter(dialog);
}

void QtPrompts::showInformation(const std::string& text) {
  MessageBox(BoxKind::Information, ui::fromUtf8(text), window_).ask();
}

UserPrompts::Answer QtPrompts::confirm(const std::string& text) {
  return MessageBox(BoxKind::Confirmation, ui::fromUtf8(text), window_).ask();
}

void QtPrompts::showError(const std::string& text) {
  MessageBox(BoxKind::Error, ui::fromUtf8(text), window_).ask();
}

std::optional<std::filesystem::path> QtPrompts::chooseProgramFile() {
  if (!openDialog1_) {
    openDialog1_ = new QFileDialog(window_);
    configureProgramDialog(*openDialog1_);
  }
  if (!lastChosen_.isEmpty()) openDialog1_->selectFile(lastChosen_);
  if (openDialog1_->exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = openDialog1_->selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  lastChosen_ = files.first();
  return pathFromUtf8(QDir::toNativeSeparators(lastChosen_).toStdString());
}

void QtPrompts::focusField(TextField field) {
  // Only a control of the main window itself: the dialog's controls are
  // hidden with it.
  if (!window_) return;
  for (QWidget* control : window_->findChildren<QWidget*>(ui::fromUtf8(fieldName(field))))
    if (control->window() == window_) control->setFocus();
}

}  // namespace velquin::app
