#include "form1.h"

#include <QCloseEvent>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

#include "settings/commands/create_command.h"
#include "settings/commands/details_command.h"
#include "settings/commands/window_commands.h"
#include "ui/common/file_drop.h"
#include "ui/common/hints.h"
#include "ui/common/window_look.h"
#include "ui_form1.h"

namespace velquin::ui {

TForm1::TForm1(InstallSettings& settings, UserPrompts& prompts, Checker& checker, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      settings_(settings),
      prompts_(prompts),
      checker_(checker),
      binder_(settings, prompts),
      folderWatch_(checker, settings),
      ui_(std::make_unique<Ui::TForm1>()) {
  ui_->setupUi(this);
  applyWindowLook(this);

  binder_.bind(this);
  marks_ = std::make_unique<MainMarks>(checker_, this);
  // Anywhere on the window, over a field too, a dropped file is a program.
  const auto dropped = [this](const std::vector<std::filesystem::path>& paths) {
    runProgramDropCommand(settings_, prompts_, paths, &checker_);
  };
  FileDrop::install(this, dropped);
  for (QLineEdit* edit : findChildren<QLineEdit*>()) FileDrop::install(edit, dropped);

  connect(ui_->ButtonSansho, &QPushButton::clicked, this, &TForm1::ButtonSanshoClick);
  connect(ui_->ButtonShosai, &QPushButton::clicked, this, &TForm1::ButtonShosaiClick);
  connect(ui_->ButtonSakusei, &QPushButton::clicked, this, &TForm1::ButtonSakuseiClick);
  ui_->EditProgram->setFocus();
  folderWatch_.followActivationOf(this);

  FormCreate();
}

TForm1::~TForm1() { settings_.removeListener(this); }

void TForm1::FormCreate() {
  // A freshly started tool has nothing to save.
  settings_.setSettingsSaved(true);
  settings_.addListener(this);
  showSaved();
  installHints();
}

void TForm1::settingsSavedChanged() { showSaved(); }

void TForm1::showSaved() { setWindowModified(!settings_.settingsSaved()); }

void TForm1::ButtonSakuseiClick() { runCreateCommand(settings_, prompts_, &checker_); }

void TForm1::ButtonSanshoClick() { runBrowseCommand(settings_, prompts_, &checker_); }

void TForm1::ButtonShosaiClick() {
  DetailsResult details = runDetailsCommand(settings_, prompts_);
  if (details.outcome != DetailsOutcome::ShowDialog) return;
  checker_.setFolderFiles(std::move(details.folderFiles), details.iniFileName,
                          std::move(details.folderAliases), std::move(details.folderUnwritable));
  folderWatch_.readSoon();
  // The dialog's result is not used: its controls are the settings.
  if (QDialog* form2 = form2_ ? form2_() : nullptr) {
    marks_->markAfterPaintOf(form2);  // painted first, then checked
    folderWatch_.followActivationOf(form2);
    form2->exec();
  }
}

bool TForm1::FormCloseQuery() { return runCloseQuery(settings_, prompts_, &checker_); }

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
