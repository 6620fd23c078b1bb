#pragma once

// The detailed-settings dialog: six pages for everything the main window does
// not hold (files, install options, start menu, startup, desktop, uninstall).
//
// It is built once at start-up, hidden, and shown modally by the Details
// command as often as the author likes. Its controls are the live values of
// the settings record: there is nothing to confirm or throw away, and closing
// keeps every value and enabled state.
//
// A control whose value only matters while an optional part of the settings
// is in use (an install directory, the start-menu group, startup or desktop
// shortcuts, the uninstall registration) is disabled while it is not. The
// states follow from the record whenever it changes, whoever changed it.

#include <QDialog>
#include <QList>
#include <utility>
#include <vector>

#include "settings/install_settings.h"
#include "ui/common/field_binder.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace velquin::ui {

class TForm2 : public QDialog, private SettingsListener {
  Q_OBJECT
 public:
  // `inform` shows the refusal of a character that code page 932 cannot hold.
  TForm2(InstallSettings& settings, FieldBinder::Inform inform, QWidget* parent = nullptr);
  ~TForm2() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void fieldChanged(FieldRef f) override;

  void FormShow();
  void ButtonOKClick();

  void buildFilesPage();
  void buildInstallPage();
  void buildStartMenuPage();
  void buildStartupPage();
  void buildDesktopPage();
  void buildUninstallPage();
  void collectDependents();
  void applyEnablingRules();

  InstallSettings& settings_;
  FieldBinder binder_;
  std::vector<std::pair<FieldRef, QList<QWidget*>>> dependents_;

  QTabWidget* PageControl1 = nullptr;
  QPushButton* ButtonOK = nullptr;

  // Page 1, ファイル
  QWidget* TabSheet2 = nullptr;
  QLabel* Label5 = nullptr;
  QPlainTextEdit* MemoFiles = nullptr;

  // Page 2, インストール
  QWidget* TabSheet1 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* EditInstallTextFail = nullptr;
  QLabel* Label21 = nullptr;
  QLineEdit* EditInstallDir = nullptr;
  QLabel* Label22 = nullptr;
  QLineEdit* EditInstallDirReg = nullptr;
  QLabel* Label23 = nullptr;
  QGroupBox* RadioGroupFileDel = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* EditInstallProgram = nullptr;
  QLabel* Label4 = nullptr;
  QRadioButton* RBAllUsersNoCheck = nullptr;
  QRadioButton* RBAllUsersCheck = nullptr;
  QRadioButton* RBAllUsersKotei = nullptr;
  QRadioButton* RBAllUsersMishiyo = nullptr;
  QLabel* Label26 = nullptr;
  QLineEdit* EditInstallMessage = nullptr;

  // Page 3, スタートメニュー
  QWidget* TabSheet3 = nullptr;
  QLabel* Label6 = nullptr;
  QRadioButton* RadioButtonStartCheck = nullptr;
  QRadioButton* RadioButtonStartNoCheck = nullptr;
  QRadioButton* RadioButtonStartMuko = nullptr;
  QLabel* Label7 = nullptr;
  QLineEdit* EditGroupInfo = nullptr;
  QLabel* Label8 = nullptr;
  QLineEdit* EditGroupName = nullptr;
  QLabel* Label1 = nullptr;
  QPlainTextEdit* MemoGroupItem = nullptr;
  QCheckBox* CheckBox1 = nullptr;

  // Page 4, スタートアップ
  QWidget* TabSheet5 = nullptr;
  QLabel* Label9 = nullptr;
  QRadioButton* RadioButtonStartupCheck = nullptr;
  QRadioButton* RadioButtonStartupNoCheck = nullptr;
  QRadioButton* RadioButtonStartupMuko = nullptr;
  QLabel* Label10 = nullptr;
  QLineEdit* EditStartupInfo = nullptr;
  QLabel* Label11 = nullptr;
  QPlainTextEdit* MemoStartupItem = nullptr;

  // Page 5, デスクトップ
  QWidget* TabSheet6 = nullptr;
  QLabel* Label12 = nullptr;
  QRadioButton* RadioButtonDesktopCheck = nullptr;
  QRadioButton* RadioButtonDesktopNocheck = nullptr;
  QRadioButton* RadioButtonDesktopMuko = nullptr;
  QLabel* Label13 = nullptr;
  QLineEdit* EditDesktopInfo = nullptr;
  QLabel* Label14 = nullptr;
  QPlainTextEdit* MemoDesktopItem = nullptr;

  // Page 6, アンインストール
  QWidget* TabSheet4 = nullptr;
  QLabel* Label15 = nullptr;
  QLineEdit* EditUninstallKey = nullptr;
  QLabel* Label16 = nullptr;
  QLineEdit* EditUninstallName = nullptr;
  QLabel* Label17 = nullptr;
  QLineEdit* EditUninstallTitle = nullptr;
  QLabel* Label18 = nullptr;
  QGroupBox* RadioGroupUninstallAll = nullptr;
  QLabel* Label19 = nullptr;
  QGroupBox* RadioGroupUninstallRebootDlg = nullptr;
  QLabel* Label25 = nullptr;
  QGroupBox* RadioGroupNotAdmin = nullptr;
  QLabel* Label24 = nullptr;
  QPlainTextEdit* MemoRmDir = nullptr;
  QLabel* Label20 = nullptr;
  QPlainTextEdit* MemoUninstallRegKey = nullptr;
};

}  // namespace velquin::ui
