#include "form1.h"

#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

#include "settings/details_command.h"
#include "settings/messages.h"
#include "settings/paths.h"
#include "ui/common/app_title.h"
#include "ui/common/hints.h"
#include "ui/common/text.h"
#include "ui/common/tool_font.h"

namespace velquin::ui {
namespace {

// The layout is in pixels at 96 dpi.
constexpr int kClientWidth = 424;
constexpr int kClientHeight = 235;
constexpr QPoint kWindowPosition{198, 107};

const QColor kLabelColour{128, 0, 0};  // maroon
const QColor kCreateColour{255, 0, 0};

template <class W>
W* place(QWidget* parent, const char* name, QRect geometry) {
  auto* w = new W(parent);
  w->setObjectName(QLatin1String(name));
  w->setGeometry(geometry);
  return w;
}

QLabel* label(QWidget* parent, const char* name, QRect geometry, const QString& caption,
              int pixelHeight) {
  auto* l = place<QLabel>(parent, name, geometry);
  l->setText(caption);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QFont font = parent->font();
  font.setPixelSize(pixelHeight);
  l->setFont(font);
  QPalette palette = l->palette();
  palette.setColor(QPalette::WindowText, kLabelColour);
  l->setPalette(palette);
  // A label is as wide as its caption: where the fallback font runs wider
  // than the one the layout was drawn with, it grows to the right rather than
  // cut the caption short.
  const int needed = l->sizeHint().width();
  if (needed > geometry.width()) l->resize(needed, geometry.height());
  return l;
}

QPushButton* button(QWidget* parent, const char* name, QRect geometry, const QString& caption,
                    int pixelHeight, const QColor& colour) {
  auto* b = place<QPushButton>(parent, name, geometry);
  b->setText(caption);
  // No button answers Enter: the author types in the fields and Enter must
  // not run a command by surprise.
  b->setAutoDefault(false);
  b->setDefault(false);
  QFont font = parent->font();
  font.setPixelSize(pixelHeight);
  font.setBold(true);
  b->setFont(font);
  QPalette palette = b->palette();
  palette.setColor(QPalette::ButtonText, colour);
  b->setPalette(palette);
  return b;
}

}  // namespace

TForm1::TForm1(InstallSettings& settings, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      settings_(settings),
      dialogs_(dialogs),
      binder_(settings, [&dialogs](const QString& text) { dialogs.showInformation(text); }) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(appTitle());
  setFont(toolFont(12));
  setFixedSize(kClientWidth, kClientHeight);
  move(kWindowPosition);

  buildControls();

  binder_.bind(this);

  connect(ButtonSansho, &QPushButton::clicked, this, &TForm1::ButtonSanshoClick);
  connect(ButtonShosai, &QPushButton::clicked, this, &TForm1::ButtonShosaiClick);
  connect(ButtonSakusei, &QPushButton::clicked, this, &TForm1::ButtonSakuseiClick);

  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::buildControls() {
  const QColor text = palette().color(QPalette::WindowText);

  EditProgram = place<QLineEdit>(this, "EditProgram", {24, 24, 321, 20});
  setHint(EditProgram,
          QStringLiteral("「参照」ボタンを押して配布プログラムファイル名を絶対パスで指定します。"));
  Label1 = label(this, "Label1", {24, 8, 83, 13}, QStringLiteral("配布プログラム"), 13);

  ButtonSansho = button(this, "ButtonSansho", {360, 24, 49, 25}, QStringLiteral("参照"), 12, text);
  ButtonShosai =
      button(this, "ButtonShosai", {40, 192, 65, 33}, QStringLiteral("詳細設定"), 12, text);
  ButtonSakusei =
      button(this, "ButtonSakusei", {144, 192, 65, 33}, QStringLiteral("作成"), 13, kCreateColour);

  Label2 = label(this, "Label2", {24, 144, 174, 12},
                 QStringLiteral("インストール時のウィンドウタイトル"), 12);
  EditInstallTitle = place<QLineEdit>(this, "EditInstallTitle", {24, 160, 385, 20});
  setHint(EditInstallTitle, QStringLiteral("例、Velquinのインストール"));

  Label3 = label(this, "Label3", {24, 48, 119, 12}, QStringLiteral("アプリケーションの名前"), 12);
  EditName = place<QLineEdit>(this, "EditName", {24, 64, 385, 20});
  setHint(EditName, QStringLiteral("例、Velquin"));

  EditIniName = place<QLineEdit>(this, "EditIniName", {24, 112, 385, 20});
  Label4 = label(this, "Label4", {24, 96, 238, 12},
                 QStringLiteral("ini ファイルの名前（Rivo.ini 以外の場合は変更）"), 12);

  // After the two lower buttons the order goes to the title field at the
  // bottom, then up to the name and the settings file's name.
  setTabOrder(EditProgram, ButtonSansho);
  setTabOrder(ButtonSansho, ButtonShosai);
  setTabOrder(ButtonShosai, ButtonSakusei);
  setTabOrder(ButtonSakusei, EditInstallTitle);
  setTabOrder(EditInstallTitle, EditName);
  setTabOrder(EditName, EditIniName);
  EditProgram->setFocus();
}

void TForm1::FormCreate() {
  // A freshly started tool has nothing to save.
  settings_.setSettingsSaved(true);
  installHintTiming();
  setHint(EditIniName,
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
  if (auto* control = form_.findChild<QWidget*>(fromUtf8(fieldName(field))))
    control->setFocus();
}

CreateResult TForm1::runCreate() {
  const CreateOutcome outcome = runCreateCommand(settings_, prompts_);
  if (outcome.result == CreateResult::Failed)
    dialogs_.showError(fromUtf8(outcome.error) + QLatin1Char('.'));
  return outcome.result;
}

void TForm1::ButtonSakuseiClick() { runCreate(); }

void TForm1::ButtonSanshoClick() {
  if (!settings_.program().empty() && !settings_.settingsSaved()) {
    switch (dialogs_.confirm(fromUtf8(messages::kSaveQuestion))) {
      case Dialogs::Answer::Yes:
        // Yes means "keep my settings": unless they are now in the file, the
        // author has to see why before another program resets them.
        if (runCreate() != CreateResult::Written) return;
        break;
      case Dialogs::Answer::No: settings_.setSettingsSaved(true); break;
      case Dialogs::Answer::Cancel: return;
    }
  }
  const std::optional<QString> chosen = dialogs_.chooseProgramFile();
  if (!chosen) return;
  // A path that differs from the held one, even in letter case only, resets
  // every setting; the very same path changes nothing.
  settings_.setProgram(pathFromUtf8(chosen->toStdString()));
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
