#include "qt_dialogs.h"

#include <QDir>
#include <QFileDialog>

#include "message_box.h"

namespace velquin::app {

void configureProgramDialog(QFileDialog& dialog) {
  dialog.setObjectName(QStringLiteral("OpenDialog1"));
  dialog.setWindowTitle(QStringLiteral("配布プログラムの指定"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // The author may type a name that is not there yet: the program is often
  // built after its settings.
  dialog.setFileMode(QFileDialog::AnyFile);
  // The whole text is the description shown; the pattern in its last
  // parentheses is what the list shows.
  dialog.setNameFilter(QStringLiteral("プログラムファイル(*.exe)"));
  dialog.setSizeGripEnabled(true);
}

void QtDialogs::showInformation(const QString& text) {
  MessageBox(BoxKind::Information, text, window_).ask();
}

ui::Dialogs::Answer QtDialogs::confirm(const QString& text) {
  return MessageBox(BoxKind::Confirmation, text, window_).ask();
}

void QtDialogs::showError(const QString& text) { MessageBox(BoxKind::Error, text, window_).ask(); }

std::optional<QString> QtDialogs::chooseProgramFile() {
  if (!openDialog1_) {
    openDialog1_ = new QFileDialog(window_);
    configureProgramDialog(*openDialog1_);
  }
  if (!lastChosen_.isEmpty()) openDialog1_->selectFile(lastChosen_);
  if (openDialog1_->exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = openDialog1_->selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  lastChosen_ = files.first();
  return QDir::toNativeSeparators(lastChosen_);
}

}  // namespace velquin::app
