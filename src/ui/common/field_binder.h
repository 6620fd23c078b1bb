#pragma once

// Binds the editing controls of both windows to the settings record.
//
// The record holds the bytes that go into the settings file; a control shows
// them decoded. A user's edit is encoded and stored at once; a change of the
// record (the reset, loading, Create removing empty lines) is shown at once.
// A value keeps its exact bytes until the user edits it, and in a list only
// the lines the user touched are encoded again. A character that code page
// 932 cannot hold is not taken: the user is told which field it was typed
// into and the control goes back to the value the record holds.

#include <QHash>
#include <QObject>
#include <QStringList>
#include <functional>
#include <vector>

#include "settings/install_settings.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace velquin::ui {

class FieldBinder : public QObject, public SettingsListener {
  Q_OBJECT
 public:
  using Inform = std::function<void(const QString&)>;

  FieldBinder(InstallSettings& settings, Inform inform, QObject* parent = nullptr);
  ~FieldBinder() override;

  void bindProgram(QLineEdit* edit);  // shows EditProgram; the user cannot edit it
  void bindText(QLineEdit* edit, TextField field);
  void bindLines(QPlainTextEdit* memo, ListField field);
  // The buttons of the group have the ids 0, 1, ... of the items.
  void bindIndex(QButtonGroup* group, IndexField field);
  void bindOption(QRadioButton* button, Option option);
  void bindCheckBox1(QCheckBox* box);

  // SettingsListener
  void programChanged() override;
  void textChanged(TextField f) override;
  void linesChanged(ListField f) override;
  void indexChanged(IndexField f) override;
  void optionClicked(Option o) override;
  void checkChanged() override;

 private:
  struct Memo {
    QPlainTextEdit* widget = nullptr;
    QStringList shown;  // the record's lines as shown, one per line
  };

  void userEditedText(TextField f, const QString& text);
  void userEditedLines(ListField f);
  void showText(TextField f);
  void showLines(ListField f);
  void showIndex(IndexField f);
  void showChoice(ChoiceField c);

  InstallSettings& settings_;
  Inform inform_;
  QLineEdit* program_ = nullptr;
  QHash<int, QLineEdit*> texts_;
  QHash<int, Memo> memos_;
  QHash<int, QButtonGroup*> groups_;
  QHash<int, QRadioButton*> options_;
  QCheckBox* checkBox1_ = nullptr;
  int applyingUserEdit_ = -1;  // the list field whose user edit is being stored
};

// Code page 932 bytes shown as text, and the lines of a memo as a list.
QString fromSjis(const std::string& bytes);
QStringList memoLines(const QString& memoText);
QString memoText(const QStringList& lines);

}  // namespace velquin::ui
