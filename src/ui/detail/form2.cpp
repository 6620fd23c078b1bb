#include "form2.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "form2_texts.h"
#include "help_label.h"
#include "settings/settings_rules.h"
#include "ui/common/hints.h"
#include "ui/common/text.h"
#include "ui/common/tool_font.h"

namespace velquin::ui {
namespace {

namespace texts = form2_texts;

// Pixel heights of the dialog's face: the dialog itself, and the four lists
// of files and shortcuts, which get a larger size so that long paths read well.
constexpr int kDialogPixels = 12;
constexpr int kListMemoPixels = 15;

QWidget* newPage(QTabWidget* tabs, const char* name, const QString& caption) {
  auto* page = new QWidget;
  page->setObjectName(QLatin1String(name));
  tabs->addTab(page, caption);
  return page;
}

// Labels are maroon; a disabled one keeps the style's greyed colour.
void placeLabel(QLabel* label, const char* name, int x, int y) {
  label->setObjectName(QLatin1String(name));
  label->setTextFormat(Qt::PlainText);
  QPalette p = label->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive})
    p.setColor(group, QPalette::WindowText, QColor(128, 0, 0));
  label->setPalette(p);
  label->move(x, y);
}

// A plain label is one line and as large as its text.
QLabel* newLabel(QWidget* page, const char* name, int x, int y, const QString& text) {
  auto* label = new QLabel(text, page);
  placeLabel(label, name, x, y);
  label->adjustSize();
  return label;
}

QLabel* newHelpLabel(QWidget* page, const char* name, int x, int y) {
  auto* label = new HelpLabel(page);
  placeLabel(label, name, x, y);
  label->setWordWrap(true);
  return label;
}

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

void showHelp(QLabel* label, int width, std::string_view text) {
  label->resize(width, label->height());
  label->setText(crToLineFeed(fromUtf8(text)));
  label->resize(width, label->heightForWidth(width));
}

QLineEdit* newEdit(QWidget* page, const char* name, QRect place) {
  auto* edit = new QLineEdit(page);
  edit->setObjectName(QLatin1String(name));
  edit->setGeometry(place);
  return edit;
}

// One line is one entry: no wrapping, both scroll bars always there, and the
// Tab key moves on to the next control rather than typing a tab into a list.
QPlainTextEdit* newMemo(QWidget* page, const char* name, QRect place, int pixels) {
  auto* memo = new QPlainTextEdit(page);
  memo->setObjectName(QLatin1String(name));
  memo->setGeometry(place);
  memo->setFont(toolFont(pixels));
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setTabChangesFocus(true);
  return memo;
}

QRadioButton* newRadio(QWidget* page, const char* name, const QString& text, QRect place) {
  auto* button = new QRadioButton(text, page);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(place);
  return button;
}

// A framed set of options without a title (the label above it names it).
// The items fill the columns one after the other, top to bottom, so that
// with three items in two columns the third stands alone on the right.
QGroupBox* newRadioGroup(QWidget* page, const char* name, QRect place, int columns,
                         const QStringList& items) {
  auto* box = new QGroupBox(page);
  box->setObjectName(QLatin1String(name));
  box->setGeometry(place);
  const int count = static_cast<int>(items.size());
  const int rows = (count + columns - 1) / columns;
  QList<QRadioButton*> buttons;
  QList<int> needed(columns, 0);
  for (int i = 0; i < count; ++i) {
    auto* button = new QRadioButton(items[i], box);
    button->setObjectName(QStringLiteral("%1Item%2").arg(QLatin1String(name)).arg(i));
    buttons << button;
    needed[i / rows] = std::max(needed[i / rows], button->sizeHint().width());
  }

  // The rows share the inside of the frame evenly. The columns are of equal
  // width when every caption fits; otherwise each column gets what its
  // captions need and an equal share of the rest, so that no caption is cut.
  constexpr int kMargin = 6;
  const int inner = place.width() - 2 * kMargin;
  QList<int> widths(columns, inner / columns);
  int total = 0;
  for (int w : needed) total += w;
  if (std::any_of(needed.begin(), needed.end(), [&](int w) { return w > inner / columns; }) &&
      total <= inner) {
    for (int c = 0; c < columns; ++c) widths[c] = needed[c] + (inner - total) / columns;
  }
  const int rowHeight = (place.height() - 2 * kMargin + 4) / rows;
  const int buttonHeight = std::min(rowHeight, 17);
  int left = kMargin;
  for (int c = 0; c < columns; ++c) {
    for (int r = 0; r < rows && c * rows + r < count; ++r) {
      const int top = kMargin - 2 + r * rowHeight + (rowHeight - buttonHeight) / 2;
      buttons[c * rows + r]->setGeometry(left, top, widths[c], buttonHeight);
    }
    left += widths[c];
  }
  return box;
}

// The page's Tab-key order; a radio group takes its place with its items.
void setPageTabOrder(std::initializer_list<QWidget*> order) {
  QWidget* previous = nullptr;
  for (QWidget* w : order) {
    QList<QWidget*> chain{w};
    if (qobject_cast<QGroupBox*>(w)) {
      chain.clear();
      for (auto* b : w->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) chain << b;
    }
    for (QWidget* c : chain) {
      if (previous) QWidget::setTabOrder(previous, c);
      previous = c;
    }
  }
}

}  // namespace

TForm2::TForm2(InstallSettings& settings, FieldBinder::Inform inform, QWidget* parent)
    : QDialog(parent), settings_(settings), binder_(settings, std::move(inform)) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("詳細設定"));
  // A fixed frame with the close box only: no minimise, maximise or help box.
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::CustomizeWindowHint);
  setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  setFont(toolFont(kDialogPixels));
  setFixedSize(536, 528);
  move(211, 14);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setGeometry(8, 0, 513, 505);
  auto* tabStyle = new CompactTabStyle;
  tabStyle->setParent(PageControl1->tabBar());
  PageControl1->tabBar()->setStyle(tabStyle);
  buildFilesPage();
  buildInstallPage();
  buildStartMenuPage();
  buildStartupPage();
  buildDesktopPage();
  buildUninstallPage();

  ButtonOK = new QPushButton(QStringLiteral("閉じる"), this);
  ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
  QFont bold = ButtonOK->font();
  bold.setBold(true);
  ButtonOK->setFont(bold);
  ButtonOK->setGeometry(32, 505, 65, 23);
  // Enter must not close the dialog while the author types into a field.
  ButtonOK->setAutoDefault(false);
  ButtonOK->setDefault(false);
  connect(ButtonOK, &QPushButton::clicked, this, [this] { ButtonOKClick(); });
  QWidget::setTabOrder(PageControl1, ButtonOK);

  // Each label names the control below it; the enabling rules grey a label
  // out with its control.
  const std::pair<QLabel*, QWidget*> buddies[] = {
      {Label5, MemoFiles},
      {Label2, EditInstallTextFail},
      {Label21, EditInstallDir},
      {Label22, EditInstallDirReg},
      {Label23, RadioGroupFileDel},
      {Label3, EditInstallProgram},
      {Label26, EditInstallMessage},
      {Label7, EditGroupInfo},
      {Label8, EditGroupName},
      {Label1, MemoGroupItem},
      {Label10, EditStartupInfo},
      {Label11, MemoStartupItem},
      {Label13, EditDesktopInfo},
      {Label14, MemoDesktopItem},
      {Label15, EditUninstallKey},
      {Label16, EditUninstallName},
      {Label17, EditUninstallTitle},
      {Label18, RadioGroupUninstallAll},
      {Label19, RadioGroupUninstallRebootDlg},
      {Label25, RadioGroupNotAdmin},
      {Label24, MemoRmDir},
      {Label20, MemoUninstallRegKey},
  };
  for (const auto& [label, control] : buddies) label->setBuddy(control);

  binder_.bind(this);
  collectDependents();
  settings_.addListener(this);
  applyEnablingRules();
}

TForm2::~TForm2() { settings_.removeListener(this); }

void TForm2::buildFilesPage() {
  TabSheet2 = newPage(PageControl1, "TabSheet2", QStringLiteral("ファイル"));
  Label5 = newHelpLabel(TabSheet2, "Label5", 8, 8);
  MemoFiles = newMemo(TabSheet2, "MemoFiles", {8, 224, 465, 225}, kListMemoPixels);
  setHint(MemoFiles, fromUtf8(texts::kHintMemoFiles));
}

void TForm2::buildInstallPage() {
  QWidget* p = TabSheet1 = newPage(PageControl1, "TabSheet1", QStringLiteral("インストール"));
  Label2 = newLabel(p, "Label2", 16, 8,
                    QStringLiteral("インストール時に最初に表示するテキストファイルの名前"));
  EditInstallTextFail = newEdit(p, "EditInstallTextFail", {16, 24, 481, 20});
  setHint(EditInstallTextFail, fromUtf8(texts::kHintEditInstallTextFail));
  Label21 = newLabel(p, "Label21", 16, 56, QStringLiteral("インストール先ディレクトリの初期値"));
  EditInstallDir = newEdit(p, "EditInstallDir", {16, 72, 481, 20});
  Label22 = newLabel(
      p, "Label22", 16, 104,
      QStringLiteral("ユーザーが指定したインストール先ディレクトリを保存するレジストリのキー"));
  EditInstallDirReg = newEdit(p, "EditInstallDirReg", {16, 120, 481, 20});
  Label23 = newLabel(p, "Label23", 16, 152,
                     QStringLiteral("インストール完了後にインストール元のファイルを"));
  RadioGroupFileDel = newRadioGroup(p, "RadioGroupFileDel", {16, 168, 313, 49}, 1,
                                    {QStringLiteral("削除しない"), QStringLiteral("削除する")});
  Label3 =
      newLabel(p, "Label3", 16, 232, QStringLiteral("インストール完了後に実行するファイルの名前"));
  EditInstallProgram = newEdit(p, "EditInstallProgram", {16, 248, 481, 20});
  Label4 = newLabel(
      p, "Label4", 16, 280,
      QStringLiteral("All Users にショートカットを登録(Wimdows2000/XP以降の環境でのみ有効)"));
  RBAllUsersNoCheck =
      newRadio(p, "RBAllUsersNoCheck", QStringLiteral("チェックせず"), {32, 296, 81, 17});
  RBAllUsersCheck =
      newRadio(p, "RBAllUsersCheck", QStringLiteral("チェック有り"), {32, 312, 113, 17});
  RBAllUsersKotei =
      newRadio(p, "RBAllUsersKotei", QStringLiteral("チェック固定（チェックがはずせなくなる）"),
               {32, 328, 249, 17});
  RBAllUsersMishiyo =
      newRadio(p, "RBAllUsersMishiyo", QStringLiteral("使わない"), {32, 344, 289, 17});
  Label26 =
      newLabel(p, "Label26", 16, 376, QStringLiteral("インストール完了後に表示させるメッセージ"));
  EditInstallMessage = newEdit(p, "EditInstallMessage", {16, 392, 481, 20});

  setPageTabOrder({EditInstallTextFail, EditInstallProgram, RBAllUsersNoCheck, RBAllUsersCheck,
                   RBAllUsersKotei, RBAllUsersMishiyo, EditInstallDir, EditInstallDirReg,
                   RadioGroupFileDel, EditInstallMessage});
}

void TForm2::buildStartMenuPage() {
  QWidget* p = TabSheet3 = newPage(PageControl1, "TabSheet3", QStringLiteral("スタートメニュー"));
  Label6 = newLabel(
      p, "Label6", 8, 8,
      QStringLiteral(
          "インストール時「スタートメニューにプログラムグループを登録」チェックボックスに"));
  RadioButtonStartCheck =
      newRadio(p, "RadioButtonStartCheck", QStringLiteral("チェックをつける"), {32, 24, 121, 17});
  RadioButtonStartNoCheck = newRadio(p, "RadioButtonStartNoCheck",
                                     QStringLiteral("チェックをつけない"), {160, 24, 129, 17});
  RadioButtonStartMuko =
      newRadio(p, "RadioButtonStartMuko", QStringLiteral("無効化"), {304, 24, 137, 17});
  Label7 = newHelpLabel(p, "Label7", 8, 64);
  EditGroupInfo = newEdit(p, "EditGroupInfo", {16, 96, 481, 20});
  setHint(EditGroupInfo, fromUtf8(texts::kHintEditGroupInfo));
  Label8 = newLabel(p, "Label8", 8, 128,
                    QStringLiteral("スタートメニューの「プログラム」内に作成するグループの名前"));
  EditGroupName = newEdit(p, "EditGroupName", {16, 144, 481, 20});
  setHint(EditGroupName, fromUtf8(texts::kHintEditGroupName));
  Label1 = newHelpLabel(p, "Label1", 8, 176);
  MemoGroupItem = newMemo(p, "MemoGroupItem", {16, 264, 481, 161}, kListMemoPixels);
  CheckBox1 = new QCheckBox(QStringLiteral("アンインストールのショートカットを作成する"), p);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->setGeometry(24, 432, 449, 17);

  setPageTabOrder({RadioButtonStartCheck, RadioButtonStartNoCheck, EditGroupInfo, EditGroupName,
                   MemoGroupItem, CheckBox1, RadioButtonStartMuko});
}

void TForm2::buildStartupPage() {
  QWidget* p = TabSheet5 = newPage(PageControl1, "TabSheet5", QStringLiteral("スタートアップ"));
  Label9 = newLabel(
      p, "Label9", 8, 8,
      QStringLiteral("インストール時、「スタートアップにプログラムを登録」チェックボックスに"));
  RadioButtonStartupCheck =
      newRadio(p, "RadioButtonStartupCheck", QStringLiteral("チェックをつける"), {32, 24, 129, 17});
  RadioButtonStartupNoCheck = newRadio(p, "RadioButtonStartupNoCheck",
                                       QStringLiteral("チェックをつけない"), {152, 24, 113, 17});
  RadioButtonStartupMuko =
      newRadio(p, "RadioButtonStartupMuko", QStringLiteral("無効化"), {280, 24, 137, 17});
  Label10 = newHelpLabel(p, "Label10", 8, 64);
  EditStartupInfo = newEdit(p, "EditStartupInfo", {24, 96, 465, 20});
  setHint(EditStartupInfo, fromUtf8(texts::kHintEditStartupInfo));
  Label11 = newHelpLabel(p, "Label11", 8, 128);
  MemoStartupItem = newMemo(p, "MemoStartupItem", {24, 216, 465, 233}, kListMemoPixels);
  setHint(MemoStartupItem, fromUtf8(texts::kHintMemoStartupItem));

  setPageTabOrder({RadioButtonStartupCheck, RadioButtonStartupNoCheck, EditStartupInfo,
                   MemoStartupItem, RadioButtonStartupMuko});
}

void TForm2::buildDesktopPage() {
  QWidget* p = TabSheet6 = newPage(PageControl1, "TabSheet6", QStringLiteral("デスクトップ"));
  Label12 = newLabel(
      p, "Label12", 8, 8,
      QStringLiteral("インストール時「デスクトップにショートカットを登録」チェックボックスに"));
  RadioButtonDesktopCheck =
      newRadio(p, "RadioButtonDesktopCheck", QStringLiteral("チェックをつける"), {24, 24, 113, 17});
  RadioButtonDesktopNocheck = newRadio(p, "RadioButtonDesktopNocheck",
                                       QStringLiteral("チェックをつけない"), {152, 24, 121, 17});
  RadioButtonDesktopMuko =
      newRadio(p, "RadioButtonDesktopMuko", QStringLiteral("無効化"), {288, 24, 105, 17});
  Label13 = newHelpLabel(p, "Label13", 8, 64);
  EditDesktopInfo = newEdit(p, "EditDesktopInfo", {32, 96, 465, 20});
  setHint(EditDesktopInfo, fromUtf8(texts::kHintEditDesktopInfo));
  Label14 = newHelpLabel(p, "Label14", 8, 128);
  MemoDesktopItem = newMemo(p, "MemoDesktopItem", {32, 224, 457, 225}, kListMemoPixels);
  setHint(MemoDesktopItem, fromUtf8(texts::kHintMemoDesktopItem));

  // The "don't check" button comes first in the Tab order on this page.
  setPageTabOrder({RadioButtonDesktopNocheck, RadioButtonDesktopCheck, EditDesktopInfo,
                   MemoDesktopItem, RadioButtonDesktopMuko});
}

void TForm2::buildUninstallPage() {
  QWidget* p = TabSheet4 = newPage(PageControl1, "TabSheet4", QStringLiteral("アンインストール"));
  Label15 = newHelpLabel(p, "Label15", 8, 8);
  EditUninstallKey = newEdit(p, "EditUninstallKey", {24, 32, 457, 20});
  Label16 =
      newLabel(p, "Label16", 8, 56,
               QStringLiteral("「アプリケーションの追加と削除」のリストに実際に表示される名前"));
  EditUninstallName = newEdit(p, "EditUninstallName", {24, 72, 457, 20});
  setHint(EditUninstallName, fromUtf8(texts::kHintEditUninstallName));
  Label17 = newLabel(p, "Label17", 8, 96,
                     QStringLiteral("アンインストール時のダイアログで表示するウィンドウタイトル"));
  EditUninstallTitle = newEdit(p, "EditUninstallTitle", {24, 112, 457, 20});
  setHint(EditUninstallTitle, fromUtf8(texts::kHintEditUninstallTitle));
  Label18 = newLabel(p, "Label18", 8, 136,
                     QStringLiteral("アンインストール時に、インストール先のディレクトリを"));
  RadioGroupUninstallAll =
      newRadioGroup(p, "RadioGroupUninstallAll", {8, 152, 489, 41}, 2,
                    {QStringLiteral("削除しない（ファイルのみ削除）"), QStringLiteral("すべて削除"),
                     QStringLiteral("サブディレクトリも含めてすべて削除")});
  Label19 = newLabel(p, "Label19", 8, 200, QStringLiteral("アンインストール完了後のダイアログ"));
  RadioGroupUninstallRebootDlg =
      newRadioGroup(p, "RadioGroupUninstallRebootDlg", {8, 216, 497, 33}, 2,
                    {QStringLiteral("「完了しました」というダイアログのみ"),
                     QStringLiteral("Windows を再起動するか確認するダイアログ")});
  Label25 = newLabel(
      p, "Label25", 8, 256,
      QStringLiteral("Windows2000/XPで管理者(Administrators)以外のユーザがアンインストーラを"));
  RadioGroupNotAdmin =
      newRadioGroup(p, "RadioGroupNotAdmin", {8, 272, 489, 33}, 2,
                    {QStringLiteral("実行できない"), QStringLiteral("実行できる")});
  Label24 = newLabel(
      p, "Label24", 8, 312,
      QStringLiteral("アンインストール時に削除したいディレクトリを改行区切りで入力してください。"));
  MemoRmDir = newMemo(p, "MemoRmDir", {24, 328, 449, 49}, kDialogPixels);
  Label20 = newHelpLabel(p, "Label20", 8, 379);
  MemoUninstallRegKey = newMemo(p, "MemoUninstallRegKey", {24, 432, 449, 49}, kDialogPixels);
  setHint(MemoUninstallRegKey, fromUtf8(texts::kHintMemoUninstallRegKey));

  setPageTabOrder({EditUninstallKey, EditUninstallName, EditUninstallTitle, RadioGroupUninstallAll,
                   RadioGroupUninstallRebootDlg, MemoUninstallRegKey, MemoRmDir,
                   RadioGroupNotAdmin});
}

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
  PageControl1->setCurrentIndex(0);

  showHelp(Label5, 489, texts::kHelp1);
  showHelp(Label7, 489, texts::kHelp2);
  showHelp(Label1, 492, texts::kHelp3);
  showHelp(Label10, 440, texts::kHelp4);
  showHelp(Label11, 492, texts::kHelp5);
  showHelp(Label13, 440, texts::kHelp6);
  showHelp(Label14, 492, texts::kHelp7);
  showHelp(Label15, 492, texts::kHelp8);
  showHelp(Label20, 492, texts::kHelp9);

  setHint(EditInstallDir, fromUtf8(texts::kHintEditInstallDir));
  setHint(EditInstallDirReg, fromUtf8(texts::kHintEditInstallDirReg));
  setHint(RadioGroupFileDel, fromUtf8(texts::kHintRadioGroupFileDel));
  setHint(EditInstallProgram, fromUtf8(texts::kHintEditInstallProgram));
  setHint(RBAllUsersNoCheck, fromUtf8(texts::kHintRBAllUsersNoCheck));
  for (QRadioButton* b : {RBAllUsersCheck, RBAllUsersKotei, RBAllUsersMishiyo}) {
    b->setToolTip(RBAllUsersNoCheck->toolTip());
    b->setToolTipDuration(RBAllUsersNoCheck->toolTipDuration());
  }
  setHint(EditInstallMessage, fromUtf8(texts::kHintEditInstallMessage));
  setHint(MemoGroupItem, fromUtf8(texts::kHintMemoGroupItem));
  setHint(EditUninstallKey, fromUtf8(texts::kHintEditUninstallKey));
  setHint(MemoRmDir, fromUtf8(texts::kHintMemoRmDir));
  setHint(RadioGroupNotAdmin, fromUtf8(texts::kHintRadioGroupNotAdmin));
}

// Closing keeps everything: the controls are the settings themselves.
void TForm2::ButtonOKClick() { close(); }

}  // namespace velquin::ui
