#include "form2.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <string_view>

#include "check_marks.h"
#include "form2_texts.h"
#include "form_preview.h"
#include "settings/commands/window_commands.h"
#include "settings/record/settings_rules.h"
#include "settings/text/messages.h"
#include "ui/common/file_drop.h"
#include "ui/common/hints.h"
#include "ui/common/text.h"
#include "ui/common/window_look.h"
#include "ui_form2.h"

namespace velquin::ui {
namespace {

namespace texts = form2_texts;

// Tabs as wide as their captions with a small margin, so that the six
// captions stand side by side in one row, and low enough that the pages keep
// room for the controls at their bottom edge.
class CompactTabStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_TabBarTabHSpace) return 12;
    if (metric == PM_TabBarTabVSpace) return 6;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

// A help label keeps the width of the layout and takes the height its text
// needs.
void showHelp(QLabel* label, std::string_view text) {
  label->setText(fromUtf8(text));
  label->resize(label->width(), label->heightForWidth(label->width()));
}

}  // namespace

TForm2::TForm2(InstallSettings& settings, UserPrompts& prompts, Checker& checker, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      prompts_(prompts),
      checker_(checker),
      binder_(settings, prompts),
      ui_(std::make_unique<Ui::TForm2>()) {
  // A fixed frame with the close box only: no minimise, maximise or help box.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::CustomizeWindowHint);
  ui_->setupUi(this);
  setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  applyWindowLook(this);
  QTabBar* tabBar = ui_->PageControl1->tabBar();
  auto* tabStyle = new CompactTabStyle;
  tabStyle->setParent(tabBar);
  tabBar->setStyle(tabStyle);
  connect(ui_->ButtonOK, &QPushButton::clicked, this, [this] { ButtonOKClick(); });
  connect(ui_->ButtonPreview, &QPushButton::clicked, this, [this] { ButtonPreviewClick(); });

  binder_.bind(this);
  // Files dropped on the file list join it as the folder scan writes them;
  // the other lists take no files (dropped text they take as ever).
  for (QPlainTextEdit* memo : findChildren<QPlainTextEdit*>()) {
    FileDrop::install(
        memo, memo != ui_->MemoFiles ? FileDrop::Take()
                                     : [this](const std::vector<std::filesystem::path>& paths) {
                                         runFilesDropCommand(settings_, prompts_, paths);
                                       });
  }
  // The fix of the check's warning about the folder's files that the list
  // lacks, beside Qt's own editing actions.
  addUnlisted_ = new QAction(fromUtf8(messages::ship::kAddUnlisted), this);
  addUnlisted_->setObjectName(QStringLiteral("ActionAddUnlisted"));
  connect(addUnlisted_, &QAction::triggered, this,
          [this] { runAddUnlistedFilesCommand(settings_, checker_); });
  ui_->MemoFiles->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ui_->MemoFiles, &QWidget::customContextMenuRequested, this, &TForm2::showFilesMenu);
  marks_ = std::make_unique<CheckMarks>(checker, this, ui_->PageControl1);
  collectDependents();
  settings_.addListener(this);
  applyEnablingRules();
}

TForm2::~TForm2() { settings_.removeListener(this); }

// A control whose value means something only while an optional part of the
// settings is in use (kFields), and the labels that name it (their buddy).
void TForm2::collectDependents() {
  for (const FieldInfo& info : kFields) {
    if (info.part == OptionalPart::None) continue;
    const QString name = fromUtf8(info.control);
    auto* control = findChild<QWidget*>(name);
    if (!control) continue;
    QList<QWidget*> widgets{control};
    for (QLabel* label : findChildren<QLabel*>())
      if (label->buddy() == control) widgets << label;
    dependents_.push_back({info.field, widgets});
  }
}

// Every enabled state follows from the record as it stands, whatever changed
// it (the author, the reset on a new program, the loading of a settings
// file), also while the dialog is hidden. A field of a part not in use is
// greyed out with its labels; its value stays as it is.
void TForm2::applyEnablingRules() {
  for (const auto& [field, widgets] : dependents_) {
    const bool on = isEditable(settings_, field);
    for (QWidget* w : widgets) w->setEnabled(on);
  }
}

void TForm2::showFilesMenu(const QPoint& pos) {
  QPlainTextEdit* memo = ui_->MemoFiles;
  QMenu* menu = memoContextMenu(memo, pos);
  menu->addSeparator();
  addUnlisted_->setEnabled(!checker_.unlistedFiles(1).empty());
  menu->addAction(addUnlisted_);
  menu->popup(memo->viewport()->mapToGlobal(pos));
}

void TForm2::showEvent(QShowEvent* event) {
  // A window system's own show events (restoring a minimised window) are no
  // new showing of the dialog.
  if (!event->spontaneous()) FormShow();
  QDialog::showEvent(event);
}

void TForm2::keyPressEvent(QKeyEvent* event) {
  // Escape would close the dialog; the author closes it with 閉じる or the
  // close box only, so that a stray key press never hides the pages.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TForm2::fieldChanged(FieldRef) { applyEnablingRules(); }

// Every showing starts on the file page and puts the help texts and the
// longer hints in place; values and enabled states stay as they are.
void TForm2::FormShow() {
  ui_->PageControl1->setCurrentIndex(0);

  showHelp(ui_->Label5, texts::kHelp1);
  showHelp(ui_->Label7, texts::kHelp2);
  showHelp(ui_->Label1, texts::kHelp3);
  showHelp(ui_->Label10, texts::kHelp4);
  showHelp(ui_->Label11, texts::kHelp5);
  showHelp(ui_->Label13, texts::kHelp6);
  showHelp(ui_->Label14, texts::kHelp7);
  showHelp(ui_->Label15, texts::kHelp8);
  showHelp(ui_->Label20, texts::kHelp9);

  for (const auto& [control, text] : texts::kHints)
    if (auto* w = findChild<QWidget*>(fromUtf8(control))) setHint(w, fromUtf8(text));
}

// Closing keeps everything: the controls are the settings themselves.
void TForm2::ButtonOKClick() { close(); }

// The file and the installation as they stand, in a window of their own; the
// record stays as it is.
void TForm2::ButtonPreviewClick() {
  TFormPreview preview(settings_, checker_, this);
  preview.exec();
}

}  // namespace velquin::ui
