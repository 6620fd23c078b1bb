#pragma once

// Every field of the settings record, in one table: its kind, the control
// that edits it, how messages name it, where the settings file keeps it, the
// optional part of the settings it belongs to, and its start-up value.
//
// The record, the reset, the writer, the loading, Create and both windows
// read these facts from here; nothing else states them. The table's order is
// the order of the windows, which is also the order in which the reset sets
// the fields and in which the settings file holds their entries.
//
// Adding a field: add its enumerator below and its row to kFields (the
// static_asserts at the end refuse a missing or misplaced row), put its
// control into the window's .ui file under the same name, and test it.

#include <array>
#include <cstddef>
#include <string_view>

namespace velquin {

// The record's fields by kind; each enumerator is the name of its control.
// EditProgram is no field here: it is a path on disk, kept as a native path.

// Single-line texts (Shift-JIS bytes).
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

// Lists of lines (each line Shift-JIS bytes without a line break); all start
// empty.
enum class ListField {
  MemoFiles,
  MemoGroupItem,
  MemoStartupItem,
  MemoDesktopItem,
  MemoRmDir,
  MemoUninstallRegKey,
};

// Radio groups: the value is the selected item's index, -1 for none.
enum class IndexField {
  RadioGroupFileDel,
  RadioGroupUninstallAll,
  RadioGroupUninstallRebootDlg,
  RadioGroupNotAdmin,
};

// Sets of radio buttons; each option is one button with a code for the file.
enum class ChoiceField {
  RBAllUsers,
  RadioButtonStart,
  RadioButtonStartup,
  RadioButtonDesktop,
};

// Check boxes.
enum class CheckField {
  CheckBox1,  // the uninstall shortcut in the start-menu group
};

// The options of the sets of radio buttons, set by set.
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

enum class FieldKind { Text, Lines, Index, Choice, Check };

// One field of any kind.
struct FieldRef {
  FieldKind kind;
  int id;  // the enumerator's value within its kind

  constexpr FieldRef(TextField f) : kind(FieldKind::Text), id(static_cast<int>(f)) {}
  constexpr FieldRef(ListField f) : kind(FieldKind::Lines), id(static_cast<int>(f)) {}
  constexpr FieldRef(IndexField f) : kind(FieldKind::Index), id(static_cast<int>(f)) {}
  constexpr FieldRef(ChoiceField f) : kind(FieldKind::Choice), id(static_cast<int>(f)) {}
  constexpr FieldRef(CheckField f) : kind(FieldKind::Check), id(static_cast<int>(f)) {}

  constexpr TextField text() const { return static_cast<TextField>(id); }
  constexpr ListField list() const { return static_cast<ListField>(id); }
  constexpr IndexField index() const { return static_cast<IndexField>(id); }
  constexpr ChoiceField choice() const { return static_cast<ChoiceField>(id); }
  constexpr CheckField check() const { return static_cast<CheckField>(id); }
  friend constexpr bool operator==(FieldRef, FieldRef) = default;
};

// The sections of the settings file, in the order the file holds them.
enum class Section {
  Application,
  Install,
  Files,
  Group,
  Startup,
  Desktop,
  Uninstall,
  RmDir,
  RegKey
};

enum class SectionPresence {
  Always,              // always in the file
  WhileUninstallUsed,  // only while the uninstall registration is in use
  WhileListHasLines,   // only while its list holds a line (an empty line counts)
};

struct SectionInfo {
  Section section;
  std::string_view name;
  SectionPresence presence;
};

inline constexpr auto kSections = std::to_array<SectionInfo>({
    {Section::Application, "Application", SectionPresence::Always},
    {Section::Install, "Install", SectionPresence::Always},
    {Section::Files, "Files", SectionPresence::Always},
    {Section::Group, "Group", SectionPresence::Always},
    {Section::Startup, "Startup", SectionPresence::Always},
    {Section::Desktop, "Desktop", SectionPresence::Always},
    {Section::Uninstall, "Uninstall", SectionPresence::WhileUninstallUsed},
    {Section::RmDir, "RmDir", SectionPresence::WhileListHasLines},
    {Section::RegKey, "RegKey", SectionPresence::WhileListHasLines},
});

// Parts of the settings that the installer uses only when the author turns
// them on. A field of such a part is written to the file, and can be edited
// in the dialog, only while its part is in use; whether it is in use is
// decided by one field (see settings_rules.h).
enum class OptionalPart {
  None,        // the field is always in use
  InstallDir,  // an install directory is given
  StartMenu,   // the installer offers the start-menu group
  Startup,     // the installer offers startup shortcuts
  Desktop,     // the installer offers desktop shortcuts
  Uninstall,   // the application is registered for uninstalling
};

struct PartInfo {
  OptionalPart part;
  FieldRef decidedBy;  // a text in use when not empty, or a choice in use unless "not used" (-1)
};

inline constexpr auto kParts = std::to_array<PartInfo>({
    {OptionalPart::InstallDir, TextField::EditInstallDir},
    {OptionalPart::StartMenu, ChoiceField::RadioButtonStart},
    {OptionalPart::Startup, ChoiceField::RadioButtonStartup},
    {OptionalPart::Desktop, ChoiceField::RadioButtonDesktop},
    {OptionalPart::Uninstall, TextField::EditUninstallKey},
});

// The row of an optional part; none for the fields of no part.
constexpr const PartInfo* partInfo(OptionalPart part) {
  for (const PartInfo& p : kParts)
    if (p.part == part) return &p;
  return nullptr;
}

// The code a choice's "not used" option writes.
inline constexpr int kNotUsedCode = -1;

struct FieldInfo {
  FieldRef field;
  std::string_view control;  // the control's objectName, which is also the field's name
  // How a message names a text or a list: the caption of its label or, where
  // it has none of its own, of its page.
  std::string_view caption = {};
  // Where the file keeps it. A list is kept as the numbered entries (Item1,
  // Item2, ...) of its section; a field with no key of its own (EditIniName,
  // CheckBox1) is written by the writer's own rules.
  Section section = Section::Application;
  std::string_view key = {};
  OptionalPart part = OptionalPart::None;
  // Start-up value, which the reset gives again: a text's bytes, a radio
  // group's index, a choice's option, a check's state. Lists start empty.
  std::string_view startText = {};
  int startIndex = 0;
  Option startOption = Option::RBAllUsersNoCheck;
  bool startChecked = false;
  int itemCount = 0;  // a radio group's number of items
};

// A row names its field once: the enumerator and the control's objectName
// are the same word.
#define VELQUIN_FIELD(kind, name) .field = kind::name, .control = #name

inline constexpr auto kFields = std::to_array<FieldInfo>({
    // The main window.
    {VELQUIN_FIELD(TextField, EditName), .caption = "アプリケーションの名前",
     .section = Section::Application, .key = "Name"},
    {VELQUIN_FIELD(TextField, EditIniName), .caption = "ini ファイルの名前",
     .startText = "Rivo.ini"},
    {VELQUIN_FIELD(TextField, EditInstallTitle), .caption = "インストール時のウィンドウタイトル",
     .section = Section::Install, .key = "Title"},
    // Page インストール.
    {VELQUIN_FIELD(TextField, EditInstallTextFail),
     .caption = "インストール時に最初に表示するテキストファイルの名前", .section = Section::Install,
     .key = "TextFile"},
    {VELQUIN_FIELD(TextField, EditInstallDir), .caption = "インストール先ディレクトリの初期値",
     .section = Section::Install, .key = "InstallDir", .part = OptionalPart::InstallDir},
    {VELQUIN_FIELD(TextField, EditInstallDirReg),
     .caption = "ユーザーが指定したインストール先ディレクトリを保存するレジストリのキー",
     .section = Section::Install, .key = "InstallDirReg", .part = OptionalPart::InstallDir},
    {VELQUIN_FIELD(IndexField, RadioGroupFileDel), .section = Section::Install,
     .key = "IsFileDelAfterInst", .part = OptionalPart::InstallDir, .startIndex = 1,
     .itemCount = 2},
    {VELQUIN_FIELD(TextField, EditInstallProgram),
     .caption = "インストール完了後に実行するファイルの名前", .section = Section::Install,
     .key = "Program"},
    {VELQUIN_FIELD(ChoiceField, RBAllUsers), .section = Section::Install, .key = "AllUsers",
     .startOption = Option::RBAllUsersMishiyo},
    {VELQUIN_FIELD(TextField, EditInstallMessage),
     .caption = "インストール完了後に表示させるメッセージ", .section = Section::Install,
     .key = "Message"},
    // Page ファイル.
    {VELQUIN_FIELD(ListField, MemoFiles), .caption = "インストールするファイル",
     .section = Section::Files},
    // Page スタートメニュー.
    {VELQUIN_FIELD(ChoiceField, RadioButtonStart), .section = Section::Group, .key = "Value",
     .startOption = Option::RadioButtonStartMuko},
    {VELQUIN_FIELD(TextField, EditGroupInfo),
     .caption = "スタートメニュー：ポップアップヘルプで表示する説明書き", .section = Section::Group,
     .key = "Info", .part = OptionalPart::StartMenu},
    {VELQUIN_FIELD(TextField, EditGroupName),
     .caption = "スタートメニューの「プログラム」内に作成するグループの名前",
     .section = Section::Group, .key = "GroupName", .part = OptionalPart::StartMenu},
    {VELQUIN_FIELD(ListField, MemoGroupItem), .caption = "スタートメニューのショートカット",
     .section = Section::Group, .part = OptionalPart::StartMenu},
    {VELQUIN_FIELD(CheckField, CheckBox1), .section = Section::Group,
     .part = OptionalPart::StartMenu},
    // Page スタートアップ.
    {VELQUIN_FIELD(ChoiceField, RadioButtonStartup), .section = Section::Startup, .key = "Value",
     .startOption = Option::RadioButtonStartupMuko},
    {VELQUIN_FIELD(TextField, EditStartupInfo),
     .caption = "スタートアップ：ポップアップヘルプで表示する説明書き", .section = Section::Startup,
     .key = "Info", .part = OptionalPart::Startup},
    {VELQUIN_FIELD(ListField, MemoStartupItem), .caption = "スタートアップのショートカット",
     .section = Section::Startup, .part = OptionalPart::Startup},
    // Page デスクトップ.
    {VELQUIN_FIELD(ChoiceField, RadioButtonDesktop), .section = Section::Desktop, .key = "Value",
     .startOption = Option::RadioButtonDesktopMuko},
    {VELQUIN_FIELD(TextField, EditDesktopInfo),
     .caption = "デスクトップ：ポップアップヘルプで表示する説明書き", .section = Section::Desktop,
     .key = "Info", .part = OptionalPart::Desktop},
    {VELQUIN_FIELD(ListField, MemoDesktopItem), .caption = "デスクトップのショートカット",
     .section = Section::Desktop, .part = OptionalPart::Desktop},
    // Page アンインストール.
    {VELQUIN_FIELD(TextField, EditUninstallKey),
     .caption = "「アプリケーションの追加と削除」に登録するキー名", .section = Section::Uninstall,
     .key = "Key", .part = OptionalPart::Uninstall},
    {VELQUIN_FIELD(TextField, EditUninstallName),
     .caption = "「アプリケーションの追加と削除」のリストに実際に表示される名前",
     .section = Section::Uninstall, .key = "Name", .part = OptionalPart::Uninstall},
    {VELQUIN_FIELD(TextField, EditUninstallTitle),
     .caption = "アンインストール時のダイアログで表示するウィンドウタイトル",
     .section = Section::Uninstall, .key = "Title", .part = OptionalPart::Uninstall},
    {VELQUIN_FIELD(IndexField, RadioGroupUninstallAll), .section = Section::Uninstall,
     .key = "AllDelete", .part = OptionalPart::Uninstall, .startIndex = 2, .itemCount = 3},
    {VELQUIN_FIELD(IndexField, RadioGroupUninstallRebootDlg), .section = Section::Uninstall,
     .key = "RebootDlg", .part = OptionalPart::Uninstall, .startIndex = 1, .itemCount = 2},
    {VELQUIN_FIELD(IndexField, RadioGroupNotAdmin), .section = Section::Uninstall,
     .key = "NotAdmin", .part = OptionalPart::Uninstall, .startIndex = 0, .itemCount = 2},
    {VELQUIN_FIELD(ListField, MemoRmDir), .caption = "アンインストール時に削除するディレクトリ",
     .section = Section::RmDir},
    {VELQUIN_FIELD(ListField, MemoUninstallRegKey),
     .caption = "アンインストール時に削除するレジストリのキー", .section = Section::RegKey},
});
#undef VELQUIN_FIELD

struct OptionInfo {
  Option option;
  ChoiceField choice;
  int code;                  // the number the settings file stores
  std::string_view control;  // the radio button's objectName
};

// An option's enumerator is its radio button's objectName.
#define VELQUIN_OPTION(name, choice, code) \
  { Option::name, ChoiceField::choice, code, #name }

inline constexpr auto kOptions = std::to_array<OptionInfo>({
    VELQUIN_OPTION(RBAllUsersNoCheck, RBAllUsers, 0),
    VELQUIN_OPTION(RBAllUsersCheck, RBAllUsers, 1),
    VELQUIN_OPTION(RBAllUsersKotei, RBAllUsers, 2),
    VELQUIN_OPTION(RBAllUsersMishiyo, RBAllUsers, kNotUsedCode),
    VELQUIN_OPTION(RadioButtonStartCheck, RadioButtonStart, 1),
    VELQUIN_OPTION(RadioButtonStartNoCheck, RadioButtonStart, 0),
    VELQUIN_OPTION(RadioButtonStartMuko, RadioButtonStart, kNotUsedCode),
    VELQUIN_OPTION(RadioButtonStartupCheck, RadioButtonStartup, 1),
    VELQUIN_OPTION(RadioButtonStartupNoCheck, RadioButtonStartup, 0),
    VELQUIN_OPTION(RadioButtonStartupMuko, RadioButtonStartup, kNotUsedCode),
    VELQUIN_OPTION(RadioButtonDesktopCheck, RadioButtonDesktop, 1),
    VELQUIN_OPTION(RadioButtonDesktopNocheck, RadioButtonDesktop, 0),
    VELQUIN_OPTION(RadioButtonDesktopMuko, RadioButtonDesktop, kNotUsedCode),
});
#undef VELQUIN_OPTION

namespace detail {

constexpr std::size_t countOf(FieldKind kind) {
  std::size_t n = 0;
  for (const auto& f : kFields) n += f.field.kind == kind ? 1 : 0;
  return n;
}

// The row of each field of `kind`, by its enumerator's value.
template <FieldKind kind>
constexpr auto rowsOf() {
  std::array<std::size_t, countOf(kind)> rows{};
  for (std::size_t i = 0; i < kFields.size(); ++i)
    if (kFields[i].field.kind == kind) rows[static_cast<std::size_t>(kFields[i].field.id)] = i;
  return rows;
}

// Every enumerator of every kind has exactly one row, and the rows of one
// kind come in the order of its enumerators.
constexpr bool everyFieldOnceInOrder() {
  for (FieldKind kind :
       {FieldKind::Text, FieldKind::Lines, FieldKind::Index, FieldKind::Choice, FieldKind::Check}) {
    int next = 0;
    for (const auto& f : kFields) {
      if (f.field.kind != kind) continue;
      if (f.field.id != next++) return false;
    }
  }
  return true;
}

constexpr bool optionsInOrder() {
  for (std::size_t i = 0; i < kOptions.size(); ++i)
    if (static_cast<std::size_t>(kOptions[i].option) != i) return false;
  return true;
}

constexpr bool sectionsInOrder() {
  for (std::size_t i = 0; i < kSections.size(); ++i)
    if (static_cast<std::size_t>(kSections[i].section) != i) return false;
  return true;
}

template <FieldKind kind>
inline constexpr auto kRows = rowsOf<kind>();

// Messages name every text and list by its caption.
constexpr bool textsAndListsHaveCaptions() {
  for (const auto& f : kFields)
    if ((f.field.kind == FieldKind::Text || f.field.kind == FieldKind::Lines) && f.caption.empty())
      return false;
  return true;
}

}  // namespace detail

inline constexpr int kTextFieldCount = static_cast<int>(detail::countOf(FieldKind::Text));
inline constexpr int kListFieldCount = static_cast<int>(detail::countOf(FieldKind::Lines));
inline constexpr int kIndexFieldCount = static_cast<int>(detail::countOf(FieldKind::Index));
inline constexpr int kChoiceFieldCount = static_cast<int>(detail::countOf(FieldKind::Choice));
inline constexpr int kCheckFieldCount = static_cast<int>(detail::countOf(FieldKind::Check));

static_assert(detail::everyFieldOnceInOrder(),
              "kFields must list each field once, each kind in the order of its enumerators");
// The last enumerator of each kind has its row (a row forgotten at the end
// would leave the kind one short).
static_assert(kTextFieldCount == static_cast<int>(TextField::EditUninstallTitle) + 1);
static_assert(kListFieldCount == static_cast<int>(ListField::MemoUninstallRegKey) + 1);
static_assert(kIndexFieldCount == static_cast<int>(IndexField::RadioGroupNotAdmin) + 1);
static_assert(kChoiceFieldCount == static_cast<int>(ChoiceField::RadioButtonDesktop) + 1);
static_assert(kCheckFieldCount == static_cast<int>(CheckField::CheckBox1) + 1);
static_assert(detail::optionsInOrder(), "kOptions must follow the order of Option");
static_assert(static_cast<int>(Option::RadioButtonDesktopMuko) + 1 ==
              static_cast<int>(kOptions.size()));
static_assert(detail::sectionsInOrder(), "kSections must follow the order of Section");
static_assert(detail::textsAndListsHaveCaptions());

constexpr const FieldInfo& fieldInfo(FieldRef f) {
  switch (f.kind) {
    case FieldKind::Text: return kFields[detail::kRows<FieldKind::Text>[f.id]];
    case FieldKind::Lines: return kFields[detail::kRows<FieldKind::Lines>[f.id]];
    case FieldKind::Index: return kFields[detail::kRows<FieldKind::Index>[f.id]];
    case FieldKind::Choice: return kFields[detail::kRows<FieldKind::Choice>[f.id]];
    case FieldKind::Check: break;
  }
  return kFields[detail::kRows<FieldKind::Check>[f.id]];
}

constexpr const OptionInfo& optionInfo(Option o) { return kOptions[static_cast<std::size_t>(o)]; }
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

constexpr int itemCount(IndexField f) { return fieldInfo(f).itemCount; }

namespace detail {
// A choice starts on one of its own options.
constexpr bool choicesStartOnTheirOwnOptions() {
  for (const auto& f : kFields)
    if (f.field.kind == FieldKind::Choice && choiceOf(f.startOption) != f.field.choice())
      return false;
  return true;
}
}  // namespace detail
static_assert(detail::choicesStartOnTheirOwnOptions(),
              "a choice's startOption must be one of that choice's options");
constexpr std::string_view fieldName(FieldRef f) { return fieldInfo(f).control; }
constexpr std::string_view fieldCaption(FieldRef f) { return fieldInfo(f).caption; }

}  // namespace velquin
