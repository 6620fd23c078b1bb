#include "form1.h"

#include <QCloseEvent>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

#include "settings/details_command.h"
#include "settings/file_drops.h"
#include "settings/messages.h"
#include "settings/paths.h"
#include "ui/common/file_drop.h"
#include "ui/common/hints.h"
#include "ui/common/text.h"
#include "ui/common/window_look.h"
#include "ui_form1.h"

namespace velquin::ui {

TForm1::TForm1(InstallSettings& settings, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      settings_(settings),
      dialogs_(dialogs),
      binder_(settings, [&dialogs](const QString& text) { dialogs.showInformation(text); }),
      ui_(std::make_unique<Ui::TForm1>()) {
  ui_->setupUi(this);
  applyWindowLook(this);

  binder_.bind(this);
  // Anywhere on the window, over a field too, a dropped file is a program.
  const auto dropped = [this](const std::vector<std::filesystem::path>& paths) {
    programDropped(paths);
  };
  FileDrop::install(this, dropped);
  for (QLineEdit* edit : findChildren<QLineEdit*>()) FileDrop::install(edit, dropped);

  connect(ui_->ButtonSansho, &QPushButton::clicked, this, &TForm1::ButtonSanshoClick);
  connect(ui_->ButtonShosai, &QPushButton::clicked, this, &TForm1::ButtonShosaiClick);
  connect(ui_->ButtonSakusei, &QPushButton::clicked, this, &TForm1::ButtonSakuseiClick);
  ui_->EditProgram->setFocus();

  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
  // A freshly started tool has nothing to save.
  settings_.setSettingsSaved(true);
  installHintTiming();
  setHint(ui_->EditIniName,
          QStringLiteral("設定ファイルのファイル名を Rivo.ini "
                         "以外に変更した場合は、ファイル名のみ入力してください。\r"
                         "（なお、その場合はインストーラ本体のファイル名も設定ファイルと同じ名前に"
                         "してください。\r"
                         "＜例．設定ファイルが「setup.ini」の場合はインストーラ本体は「setup.exe」"
                         "＞）\r"
                         "例．setup.ini"));
}

void TForm1::Prompts::showInformation(const std::string& text) {
  form_.dialogs_.showInformation(fromUtf8(text));
}

void TForm1::Prompts::focusField(TextField field) {
  // The dialog's fields are not on this window.
  if (auto* control = form_.findChild<QWidget*>(fromUtf8(fieldName(field)))) control->setFocus();
}

CreateResult TForm1::runCreate() {
  const CreateOutcome outcome = runCreateCommand(settings_, prompts_);
  if (outcome.result == CreateResult::Failed)
    dialogs_.showError(fromUtf8(outcome.error) + QLatin1Char('.'));
  return outcome.result;
}

void TForm1::ButtonSakuseiClick() { runCreate(); }

bool TForm1::mayChooseAnotherProgram() {
  if (settings_.program().empty() || settings_.settingsSaved()) return true;
  switch (dialogs_.confirm(fromUtf8(messages::kSaveQuestion))) {
    case Dialogs::Answer::Yes:
      // Yes means "keep my settings": unless they are now in the file, the
      // author has to see why before another program resets them.
      return runCreate() == CreateResult::Written;
    case Dialogs::Answer::No: settings_.setSettingsSaved(true); return true;
    case Dialogs::Answer::Cancel: return false;
  }
  return false;
}

void TForm1::ButtonSanshoClick() {
  if (!mayChooseAnotherProgram()) return;
  const std::optional<QString> chosen = dialogs_.chooseProgramFile();
  if (!chosen) return;
  // A path that differs from the held one, even in letter case only, resets
  // every setting; the very same path changes nothing.
  settings_.setProgram(pathFromUtf8(chosen->toStdString()));
}

// A program dropped on the window is chosen as 参照 chooses it; what cannot
// be the program is refused before anything is asked or changed.
void TForm1::programDropped(const std::vector<std::filesystem::path>& paths) {
  if (const auto refusal = programRefusal(paths)) {
    dialogs_.showInformation(fromUtf8(*refusal));
    return;
  }
  if (!mayChooseAnotherProgram()) return;
  settings_.setProgram(paths.front());
}

void TForm1::ButtonShosaiClick() {
  // The checks, the loading or the folder scan, and marking the settings
  // unsaved happen in the command; the dialog's result is not used.
  if (runDetailsCommand(settings_, prompts_) == DetailsOutcome::ShowDialog && form2_)
    if (QDialog* form2 = form2_()) form2->exec();
}

bool TForm1::FormCloseQuery() {
  if (settings_.settingsSaved()) return true;
  switch (dialogs_.confirm(fromUtf8(messages::kSaveQuestion))) {
    case Dialogs::Answer::Yes:
      // Refused or failed: the window stays open with the settings.
      return runCreate() == CreateResult::Written;
    case Dialogs::Answer::No: return true;
    case Dialogs::Answer::Cancel: return false;
  }
  return false;
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (FormCloseQuery())
    event->accept();
  else
    event->ignore();
}

void TForm1::commitData(QSessionManager& manager) {
#ifndef QT_NO_SESSIONMANAGER
  // Without leave to interact no question can be asked; the session ends.
  if (!manager.allowsInteraction()) return;
  if (!FormCloseQuery()) manager.cancel();
#else
  Q_UNUSED(manager);
#endif
}

}  // namespace velquin::ui
