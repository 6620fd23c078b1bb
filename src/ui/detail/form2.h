#pragma once

// The detailed-settings dialog: six pages for everything the main window does
// not hold (files, install options, start menu, startup, desktop, uninstall).
//
// It is built once at start-up, hidden, and shown modally by the Details
// command as often as the author likes. Its controls are the live values of
// the settings record: there is nothing to confirm or throw away, and closing
// keeps every value and enabled state.
//
// A control whose value only matters when another option is in use is
// disabled while that option is not in use. The dialog follows the record's
// change notifications for this, so the rules hold whoever changes the source
// (the author, the reset on a new program, the loading of a settings file),
// also while the dialog is hidden.

#include <QDialog>

#include "settings/install_settings.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace velquin::ui {

class FieldBinder;

class TForm2 : public QDialog, private SettingsListener {
  Q_OBJECT
 public:
  TForm2(InstallSettings& settings, FieldBinder& binder, QWidget* parent = nullptr);
  ~TForm2() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Record notifications that drive the enabling rules.
  void textChanged(TextField f) override;
  void optionClicked(Option o) override;

  // Event handlers, named after the control and the event.
  void FormShow();
  void ButtonOKClick();
  void EditInstallDirChange();
  void RadioButtonStartCheckClick();
  void RadioButtonStartNoCheckClick();
  void RadioButtonStartMukoClick();
  void RadioButtonStartupCheckClick();
  void RadioButtonStartupNoCheckClick();
  void RadioButtonStartupMukoClick();
  void RadioButtonDesktopCheckClick();
  void RadioButtonDesktopNocheckClick();
  void RadioButtonDesktopMukoClick();
  void EditUninstallKeyChange();

  void buildFilesPage();
  void buildInstallPage();
  void buildStartMenuPage();
  void buildStartupPage();
  void buildDesktopPage();
  void buildUninstallPage();
  void bindFields(FieldBinder& binder);
  void applyRulesForCurrentValues();

  InstallSettings& settings_;

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
  QButtonGroup* fileDelItems_ = nullptr;
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
  QButtonGroup* uninstallAllItems_ = nullptr;
  QLabel* Label19 = nullptr;
  QGroupBox* RadioGroupUninstallRebootDlg = nullptr;
  QButtonGroup* rebootDlgItems_ = nullptr;
  QLabel* Label25 = nullptr;
  QGroupBox* RadioGroupNotAdmin = nullptr;
  QButtonGroup* notAdminItems_ = nullptr;
  QLabel* Label24 = nullptr;
  QPlainTextEdit* MemoRmDir = nullptr;
  QLabel* Label20 = nullptr;
  QPlainTextEdit* MemoUninstallRegKey = nullptr;
};

}  // namespace velquin::ui
