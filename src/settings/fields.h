#pragma once

// The fields of the settings record, named after the controls that edit them.

#include <array>
#include <string_view>

namespace velquin {

// Single-line texts (Shift-JIS bytes). EditProgram is not among them: it is a
// path on disk and kept as a native path.
enum class TextField {
  EditName,
  EditIniName,
  EditInstallTitle,
  EditInstallTextFail,
  EditInstallDir,
  EditInstallDirReg,
  EditInstallProgram,
  EditInstallMessage,
  EditGroupInfo,
  EditGroupName,
  EditStartupInfo,
  EditDesktopInfo,
  EditUninstallKey,
  EditUninstallName,
  EditUninstallTitle,
};
inline constexpr int kTextFieldCount = 15;

// Lists of lines (each line Shift-JIS bytes without a line break).
enum class ListField {
  MemoFiles,
  MemoGroupItem,
  MemoStartupItem,
  MemoDesktopItem,
  MemoRmDir,
  MemoUninstallRegKey,
};
inline constexpr int kListFieldCount = 6;

// Radio groups: the value is the selected item's index, -1 for none.
enum class IndexField {
  RadioGroupFileDel,
  RadioGroupUninstallAll,
  RadioGroupUninstallRebootDlg,
  RadioGroupNotAdmin,
};
inline constexpr int kIndexFieldCount = 4;

// Sets of radio buttons; each option is one button with a code for the file.
enum class ChoiceField {
  RBAllUsers,
  RadioButtonStart,
  RadioButtonStartup,
  RadioButtonDesktop,
};
inline constexpr int kChoiceFieldCount = 4;

enum class Option {
  RBAllUsersNoCheck,
  RBAllUsersCheck,
  RBAllUsersKotei,
  RBAllUsersMishiyo,
  RadioButtonStartCheck,
  RadioButtonStartNoCheck,
  RadioButtonStartMuko,
  RadioButtonStartupCheck,
  RadioButtonStartupNoCheck,
  RadioButtonStartupMuko,
  RadioButtonDesktopCheck,
  RadioButtonDesktopNocheck,
  RadioButtonDesktopMuko,
};
inline constexpr int kOptionCount = 13;

struct OptionInfo {
  Option option;
  ChoiceField choice;
  int code;               // the number the settings file stores
  std::string_view name;  // the control's name
  std::string_view caption;
};

inline constexpr std::array<OptionInfo, kOptionCount> kOptions{{
    {Option::RBAllUsersNoCheck, ChoiceField::RBAllUsers, 0, "RBAllUsersNoCheck", "チェックせず"},
    {Option::RBAllUsersCheck, ChoiceField::RBAllUsers, 1, "RBAllUsersCheck", "チェック有り"},
    {Option::RBAllUsersKotei, ChoiceField::RBAllUsers, 2, "RBAllUsersKotei",
     "チェック固定（チェックがはずせなくなる）"},
    {Option::RBAllUsersMishiyo, ChoiceField::RBAllUsers, -1, "RBAllUsersMishiyo", "使わない"},
    {Option::RadioButtonStartCheck, ChoiceField::RadioButtonStart, 1, "RadioButtonStartCheck",
     "チェックをつける"},
    {Option::RadioButtonStartNoCheck, ChoiceField::RadioButtonStart, 0, "RadioButtonStartNoCheck",
     "チェックをつけない"},
    {Option::RadioButtonStartMuko, ChoiceField::RadioButtonStart, -1, "RadioButtonStartMuko",
     "無効化"},
    {Option::RadioButtonStartupCheck, ChoiceField::RadioButtonStartup, 1, "RadioButtonStartupCheck",
     "チェックをつける"},
    {Option::RadioButtonStartupNoCheck, ChoiceField::RadioButtonStartup, 0,
     "RadioButtonStartupNoCheck", "チェックをつけない"},
    {Option::RadioButtonStartupMuko, ChoiceField::RadioButtonStartup, -1, "RadioButtonStartupMuko",
     "無効化"},
    {Option::RadioButtonDesktopCheck, ChoiceField::RadioButtonDesktop, 1, "RadioButtonDesktopCheck",
     "チェックをつける"},
    {Option::RadioButtonDesktopNocheck, ChoiceField::RadioButtonDesktop, 0,
     "RadioButtonDesktopNocheck", "チェックをつけない"},
    {Option::RadioButtonDesktopMuko, ChoiceField::RadioButtonDesktop, -1, "RadioButtonDesktopMuko",
     "無効化"},
}};

constexpr const OptionInfo& optionInfo(Option o) { return kOptions[static_cast<int>(o)]; }
constexpr ChoiceField choiceOf(Option o) { return optionInfo(o).choice; }
constexpr int codeOf(Option o) { return optionInfo(o).code; }

// The option of `choice` whose code is `code`, or false when none has it.
constexpr bool optionForCode(ChoiceField choice, int code, Option& out) {
  for (const auto& info : kOptions) {
    if (info.choice == choice && info.code == code) {
      out = info.option;
      return true;
    }
  }
  return false;
}

// Number of items of each radio group.
constexpr int itemCount(IndexField f) {
  switch (f) {
    case IndexField::RadioGroupFileDel: return 2;
    case IndexField::RadioGroupUninstallAll: return 3;
    case IndexField::RadioGroupUninstallRebootDlg: return 2;
    case IndexField::RadioGroupNotAdmin: return 2;
  }
  return 0;
}

std::string_view fieldName(TextField f);
std::string_view fieldName(ListField f);
std::string_view fieldName(IndexField f);

// How a field is named to the user in a message: the caption of its label
// or, where it has none of its own, of its page.
std::string_view fieldCaption(TextField f);
std::string_view fieldCaption(ListField f);

}  // namespace velquin
