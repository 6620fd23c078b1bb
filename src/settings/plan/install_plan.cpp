#include "settings/plan/install_plan.h"

#include <algorithm>
#include <array>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "settings/format/settings_file_reader.h"
#include "settings/format/settings_format.h"
#include "settings/format/settings_writer.h"
#include "settings/platform/folder_scan.h"
#include "settings/platform/paths.h"
#include "settings/record/settings_rules.h"
#include "settings/text/messages.h"
#include "settings/text/names.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

// What the plan says where the meanings of the entries say nothing.
constexpr std::string_view kNotDescribed = "説明のない指定です（インストーラの扱いは不明）";
constexpr std::string_view kNone = "なし";
constexpr std::string_view kAddedByCreate = "（作成時に追加）";
constexpr std::string_view kInstallFolder = "〈インストール先〉";

std::string shown(std::string_view sjisText) { return sjis::decodeForDisplay(sjisText); }

// The value as the engine's profile reader gives it: blanks at its ends and
// one pair of quotes around it dropped.
std::string_view engineValue(std::string_view v) {
  v = SettingsFileReader::trimBlanks(v);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return v;
}

// The comma-separated parts of a value (a comma is never the second byte of
// a double-byte character); missing parts are empty, further ones ignored.
template <std::size_t N>
std::array<std::optional<std::string_view>, N> splitParts(std::string_view v) {
  std::array<std::optional<std::string_view>, N> parts;
  std::optional<std::string_view> rest = v;
  for (auto& part : parts) {
    if (!rest) break;
    const std::size_t comma = rest->find(',');
    part = rest->substr(0, comma);
    rest = comma == std::string_view::npos ? std::nullopt : std::optional(rest->substr(comma + 1));
  }
  return parts;
}

std::string sectionSource(Section section) {
  return "[" + std::string(kSections[static_cast<std::size_t>(section)].name) + "]";
}
std::string keySource(Section section, std::string_view key) {
  return sectionSource(section) + " " + std::string(key);
}
std::string itemSource(Section section, int number) {
  return keySource(section, std::string(kItemKey) + std::to_string(number));
}
std::string fieldSource(FieldRef field) {
  const FieldInfo& info = fieldInfo(field);
  return keySource(info.section, info.key);
}

bool isDriveAbsolute(std::string_view name) {
  if (name.size() < 2) return false;
  const auto c = static_cast<unsigned char>(name.front() | 0x20);
  return name.size() >= 2 && name[1] == ':' && c >= 'a' && c <= 'z';
}

bool isRelative(std::string_view name) {
  return !name.empty() && name.front() != '%' && name.front() != '\\' && name.front() != '/' &&
         !isDriveAbsolute(name);
}

// Where a name of [Files], [RmDir] or a shortcut lands: below the
// installation folder, below the folder a placeholder names, or where an
// absolute name says.
std::string targetOf(std::string_view name) {
  if (name.empty()) return "";
  if (name.front() == '%') {
    const std::size_t close = name.find('%', 1);
    if (close == std::string_view::npos || close == 1)
      return shown(name) + "（" + std::string(kNotDescribed) + "）";
    const std::string_view variable = name.substr(1, close - 1);
    std::string folder;
    if (variable == "WINDIR") {
      folder = "Windowsディレクトリ";
    } else if (variable == "SYSTEMDIR") {
      folder = "Windowsのシステムディレクトリ";
    } else if (variable == "COMMONPROG") {
      folder = "Common Filesディレクトリ";
    } else if (variable == "MYDOCUMENTS") {
      folder = "マイ ドキュメント";
    } else if (variable == "TEMPLATES") {
      folder = "テンプレート";
    } else {
      folder = "環境変数 " + shown(variable);
    }
    return "〈" + folder + "〉" + shown(name.substr(close + 1));
  }
  if (!isRelative(name)) return shown(name);
  return std::string(kInstallFolder) + "\\" + shown(name);
}

std::string digitText(std::string_view digit) { return "「" + shown(digit) + "」"; }

// A radio group's index in words, or the plan's note for one the meanings
// do not know.
std::string indexText(int index, std::initializer_list<std::string_view> words) {
  if (index < 0 || static_cast<std::size_t>(index) >= words.size())
    return std::to_string(index) + "：" + std::string(kNotDescribed);
  return std::string(words.begin()[index]);
}

// A check box of the engine in words, by its code.
std::string boxState(int code) {
  switch (code) {
    case -1: return "表示しない";
    case 0: return "チェックなしで表示";
    case 1: return "チェック付きで表示";
    case 2: return "チェック付きで固定（はずせない）";
    default: return std::to_string(code) + "：" + std::string(kNotDescribed);
  }
}

std::string overwriteText(std::optional<std::string_view> mode) {
  if (!mode || mode->empty()) return "上書きする（省略時は 1）";
  if (*mode == "0") return "上書きしない";
  if (*mode == "1") return "上書きする";
  if (*mode == "2") return "コピー元が新しいときのみ上書き";
  return "上書き" + digitText(*mode) + "：" + std::string(kNotDescribed);
}

std::string groupingDigits(std::uintmax_t n) {
  const std::string digits = std::to_string(n);
  // Appended, not inserted: an insertion sets off a false warning of GCC 12
  // at -O3.
  const std::size_t lead = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
  std::string grouped = digits.substr(0, lead);
  for (std::size_t i = lead; i < digits.size(); i += 3) grouped.append(",").append(digits, i, 3);
  return grouped;
}

class PlanMaker {
 public:
  PlanMaker(const InstallSettings& settings, std::string_view iniFileName, const PlanFolder& folder)
      : s_(settings), ini_(iniFileName), engine_(engineFileName(iniFileName)), folder_(folder) {
    byName_.reserve(folder.files.size());
    for (std::size_t i = 0; i < folder.files.size(); ++i)
      byName_.emplace(nameKey(folder.files[i]), i);
  }

  InstallPlan make() {
    InstallPlan plan;
    plan.groups.push_back(application());
    plan.groups.push_back(installFolder());
    plan.groups.push_back(files());
    plan.groups.push_back(beforeAndAfter());
    plan.groups.push_back(checkBoxes());
    plan.groups.push_back(shortcuts());
    plan.groups.push_back(uninstall());
    return plan;
  }

 private:
  using T = TextField;

  // A name as Windows finds it in the folder: any letter case, a slash for
  // a backslash.
  static std::string nameKey(std::string_view name) {
    std::string key = foldCase(name);
    std::replace(key.begin(), key.end(), '/', '\\');
    return key;
  }

  std::string text(T field) const { return shown(engineValue(s_.text(field))); }

  PlanItem textItem(std::string label, T field, std::string value) const {
    PlanItem item{std::move(label), std::move(value)};
    item.source = fieldSource(field);
    item.field = field;
    return item;
  }

  PlanItem application() const {
    PlanItem group{"アプリケーション"};
    group.children.push_back(textItem("名前", T::EditName, text(T::EditName)));
    group.children.push_back(textItem("インストール時のウィンドウタイトル", T::EditInstallTitle,
                                      text(T::EditInstallTitle)));
    return group;
  }

  PlanItem installFolder() const {
    PlanItem group{"インストール先"};
    if (!inUse(s_, OptionalPart::InstallDir)) {
      group.children.push_back({"初期値",
                                "指定なし：インストール先を指定しない方のダイアログを表示し、"
                                "インストール先はユーザーが選びます"});
      return group;
    }
    const std::string_view dir = engineValue(s_.text(T::EditInstallDir));
    std::string where;
    // A backslash may be the second byte of a character (ソ is 83 5C).
    const bool plain = !dir.empty() && dir.find_first_of("/:%") == std::string_view::npos &&
                       !sjis::containsAtCharBoundary(dir, "\\");
    const bool atRoot = !dir.empty() && dir.front() == '\\' && dir.size() > 1 &&
                        dir.find_first_of(":%/", 1) == std::string_view::npos && dir[1] != '\\';
    if (plain) {
      where = "〈Program Files〉\\" + shown(dir) + "（例：C:\\Program Files\\" + shown(dir) + "）";
    } else if (atRoot) {
      where = "〈システムドライブのルート〉" + shown(dir) + "（例：C:" + shown(dir) + "）";
    } else {
      where = shown(dir) + "（" + std::string(kNotDescribed) + "）";
    }
    group.children.push_back(textItem("初期値", T::EditInstallDir, where));

    const std::string reg = text(T::EditInstallDirReg);
    group.children.push_back(
        textItem("選ばれたフォルダの保存先", T::EditInstallDirReg,
                 reg.empty() ? std::string(kNone)
                             : reg + " の値 InstallDir（次回はここから初期値を読みます）"));

    PlanItem del{"インストール後のインストール元ファイル",
                 indexText(s_.index(IndexField::RadioGroupFileDel), {"削除しない", "削除する"})};
    del.source = fieldSource(IndexField::RadioGroupFileDel);
    group.children.push_back(std::move(del));
    return group;
  }

  // One entry of [Files]: its target, overwrite rule and size.
  PlanItem fileItem(std::string_view raw, int number, std::string_view note,
                    std::optional<std::uintmax_t> knownSize = std::nullopt) {
    const auto [name, mode] = splitParts<2>(engineValue(raw));
    PlanItem item{shown(*name), targetOf(*name) + "、" + overwriteText(mode)};
    item.source = itemSource(Section::Files, number);
    if (!note.empty()) item.value += "、" + std::string(note);
    if (knownSize) {
      item.size = knownSize;
    } else if (!isRelative(*name)) {
      item.value += "、コピー元：" + std::string(kNotDescribed);
    } else if (const auto it = byName_.find(nameKey(*name)); it != byName_.end()) {
      item.size = folder_.sizeOf ? folder_.sizeOf(folder_.files[it->second]) : std::nullopt;
    } else {
      item.value += "、配布フォルダにありません";
    }
    if (item.size) {
      total_ += *item.size;
    } else {
      ++unknownSizes_;
    }
    return item;
  }

  PlanItem files() {
    PlanItem group{"インストールするファイル"};
    group.field = ListField::MemoFiles;
    group.source = sectionSource(Section::Files);
    const std::vector<std::string>& lines = s_.lines(ListField::MemoFiles);
    int number = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].empty()) continue;
      PlanItem item = fileItem(lines[i], ++number, {});
      item.field = ListField::MemoFiles;
      item.line = i;
      group.children.push_back(std::move(item));
    }
    group.children.push_back(
        fileItem(engine_ + ",2", ++number, "インストーラ本体" + std::string(kAddedByCreate)));
    group.children.push_back(fileItem(ini_, ++number,
                                      "この設定ファイル" + std::string(kAddedByCreate),
                                      composeSettingsFile(s_, ini_).size()));
    filesListed_ = number;
    group.value = std::to_string(number) + " 個";
    if (unknownSizes_ > 0) group.value += "、サイズ不明 " + std::to_string(unknownSizes_) + " 個";
    group.size = total_;
    return group;
  }

  PlanItem beforeAndAfter() const {
    PlanItem group{"インストールの前後"};
    const std::string textFile = text(T::EditInstallTextFail);
    group.children.push_back(textItem("最初に表示するテキストファイル", T::EditInstallTextFail,
                                      textFile.empty() ? std::string(kNone) : textFile));

    const auto [file, parameters] = splitParts<2>(engineValue(s_.text(T::EditInstallProgram)));
    std::string run(kNone);
    if (!file->empty()) {
      run = isRelative(*file) ? std::string(kInstallFolder) + "\\" + shown(*file)
                              : shown(*file) + "（" + std::string(kNotDescribed) + "）";
      run += " を関連付けで開く";
      if (parameters) run += "、パラメータ " + shown(*parameters);
    }
    group.children.push_back(textItem("完了後に開くファイル", T::EditInstallProgram, run));

    const std::string message = text(T::EditInstallMessage);
    group.children.push_back(
        textItem("完了メッセージ", T::EditInstallMessage,
                 message.empty() ? "インストールが完了しました。（既定）" : message));
    return group;
  }

  PlanItem checkBoxes() const {
    PlanItem group{"ユーザーに見えるチェックボックス"};
    struct Box {
      std::string_view caption;
      ChoiceField choice;
      std::optional<TextField> info;
    };
    for (const Box& box : {Box{"スタートメニューにプログラムグループを登録",
                               ChoiceField::RadioButtonStart, T::EditGroupInfo},
                           Box{"スタートアップにプログラムを登録", ChoiceField::RadioButtonStartup,
                               T::EditStartupInfo},
                           Box{"デスクトップにショートカットを登録",
                               ChoiceField::RadioButtonDesktop, T::EditDesktopInfo},
                           Box{"All Users にショートカットを登録", ChoiceField::RBAllUsers, {}}}) {
      const int code = s_.code(box.choice);
      PlanItem item{std::string(box.caption), boxState(code)};
      item.source = fieldSource(box.choice);
      if (!box.info && code != kNotUsedCode)
        item.value += "（Windows 2000/XP 以降のみ。Windows 9x では無視）";
      if (box.info && code != kNotUsedCode) {
        const std::string info = text(*box.info);
        item.children.push_back(
            textItem("ポップアップヘルプ", *box.info, info.empty() ? std::string(kNone) : info));
      }
      group.children.push_back(std::move(item));
    }
    return group;
  }

  PlanItem shortcut(std::string_view raw, Section section, int number) const {
    const auto [name, file, parameters, iconFile, iconNumber] = splitParts<5>(engineValue(raw));
    PlanItem item{name->empty() ? "（名前なし）" : shown(*name)};
    item.value = file && !file->empty() ? targetOf(*file) : "（ファイルなし）";
    item.value += "、パラメータ ";
    item.value += parameters && !parameters->empty() ? shown(*parameters) : std::string(kNone);
    item.value += "、アイコン ";
    const bool hasFile = iconFile && !iconFile->empty();
    const bool hasNumber = iconNumber && !iconNumber->empty();
    if (hasFile && hasNumber) {
      item.value += targetOf(*iconFile) + " の " + shown(*iconNumber) + " 番";
    } else if (hasFile) {
      item.value += targetOf(*iconFile) + "（番号の指定なし）";
    } else if (hasNumber) {
      item.value += "ファイル自身の " + shown(*iconNumber) + " 番";
    } else {
      item.value += "指定なし";
    }
    item.source = itemSource(section, number);
    return item;
  }

  // The shortcut lines of `list`, numbered from Item1 in `section`.
  int addShortcuts(PlanItem& place, ListField list, Section section) const {
    const std::vector<std::string>& lines = s_.lines(list);
    int number = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].empty()) continue;
      PlanItem item = shortcut(lines[i], section, ++number);
      item.field = list;
      item.line = i;
      place.children.push_back(std::move(item));
    }
    return number;
  }

  PlanItem shortcuts() const {
    PlanItem group{"ショートカット（チェックボックスにチェックがあるとき作成）"};
    if (inUse(s_, OptionalPart::StartMenu)) {
      const std::string name = text(T::EditGroupName);
      PlanItem start = textItem("スタートメニュー", T::EditGroupName,
                                "〈プログラム〉\\" + (name.empty() ? "（グループ名なし）" : name));
      const int count = addShortcuts(start, ListField::MemoGroupItem, Section::Group);
      if (s_.checked(CheckField::CheckBox1)) {
        PlanItem uninstaller = shortcut(
            s_.text(T::EditName) + std::string(kUninstallShortcutSuffix) + "," + engine_ + ",/r",
            Section::Group, count + 1);
        uninstaller.value += std::string(kAddedByCreate);
        uninstaller.field = CheckField::CheckBox1;
        start.children.push_back(std::move(uninstaller));
      }
      group.children.push_back(std::move(start));
    }
    struct Place {
      OptionalPart part;
      std::string_view label;
      ListField list;
      Section section;
    };
    for (const Place& p : {Place{OptionalPart::Startup, "スタートアップ",
                                 ListField::MemoStartupItem, Section::Startup},
                           Place{OptionalPart::Desktop, "デスクトップ", ListField::MemoDesktopItem,
                                 Section::Desktop}}) {
      if (!inUse(s_, p.part)) continue;
      PlanItem place{std::string(p.label)};
      place.source = sectionSource(p.section);
      addShortcuts(place, p.list, p.section);
      if (place.children.empty()) place.value = std::string(kNone);
      group.children.push_back(std::move(place));
    }
    if (group.children.empty()) group.value = std::string(kNone);
    return group;
  }

  PlanItem uninstall() const {
    PlanItem group{"アンインストール"};
    const bool registered = inUse(s_, OptionalPart::Uninstall);
    if (registered) {
      group.children.push_back(textItem("「アプリケーションの追加と削除」のキー",
                                        T::EditUninstallKey, text(T::EditUninstallKey)));
      group.children.push_back(
          textItem("一覧に表示される名前", T::EditUninstallName, text(T::EditUninstallName)));
      group.children.push_back(
          textItem("ダイアログのタイトル", T::EditUninstallTitle, text(T::EditUninstallTitle)));
    } else {
      group.children.push_back(
          {"「アプリケーションの追加と削除」", "登録しない（キーの指定なし）"});
    }

    PlanItem removed{"削除するもの"};
    PlanItem listed{"インストールしたファイル", std::to_string(filesListed_) + " 個"};
    listed.source = sectionSource(Section::Files);
    removed.children.push_back(std::move(listed));
    if (registered) {
      PlanItem folder{
          "インストール先フォルダ",
          indexText(s_.index(IndexField::RadioGroupUninstallAll),
                    {"ファイルのみ削除", "すべて削除", "サブフォルダも含めてすべて削除"})};
      folder.source = fieldSource(IndexField::RadioGroupUninstallAll);
      removed.children.push_back(std::move(folder));
    }
    const std::vector<std::string>& dirs = s_.lines(ListField::MemoRmDir);
    int number = 0;
    for (std::size_t i = 0; i < dirs.size(); ++i) {
      if (dirs[i].empty()) continue;
      const auto [dir, mode] = splitParts<2>(engineValue(dirs[i]));
      PlanItem item{"フォルダ " + shown(*dir), targetOf(*dir)};
      if (!mode || mode->empty()) {
        item.value += "、サブフォルダは探索しない（省略時は 0）";
      } else if (*mode == "0") {
        item.value += "、サブフォルダは探索しない";
      } else if (*mode == "1") {
        item.value += "、サブフォルダも削除";
      } else {
        item.value += "、" + digitText(*mode) + "：" + std::string(kNotDescribed);
      }
      item.source = itemSource(Section::RmDir, ++number);
      item.field = ListField::MemoRmDir;
      item.line = i;
      removed.children.push_back(std::move(item));
    }
    const std::vector<std::string>& keys = s_.lines(ListField::MemoUninstallRegKey);
    number = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (keys[i].empty()) continue;
      PlanItem item{"レジストリキー", shown(engineValue(keys[i])) + "（サブキーも含めて削除）"};
      item.source = itemSource(Section::RegKey, ++number);
      item.field = ListField::MemoUninstallRegKey;
      item.line = i;
      removed.children.push_back(std::move(item));
    }
    group.children.push_back(std::move(removed));

    if (registered) {
      PlanItem reboot{
          "完了後のダイアログ",
          indexText(s_.index(IndexField::RadioGroupUninstallRebootDlg),
                    {"「完了しました」のダイアログのみ", "Windows を再起動するか確認する"})};
      reboot.source = fieldSource(IndexField::RadioGroupUninstallRebootDlg);
      group.children.push_back(std::move(reboot));
      PlanItem admin{"管理者以外のユーザー（Windows 2000/XP）",
                     indexText(s_.index(IndexField::RadioGroupNotAdmin),
                               {"アンインストーラを実行できない",
                                "実行できる（ユーザー個別のショートカットと、インストール先を"
                                "保存した HKEY_CURRENT_USER のキーだけを削除）"})};
      admin.source = fieldSource(IndexField::RadioGroupNotAdmin);
      group.children.push_back(std::move(admin));
    }
    return group;
  }

  const InstallSettings& s_;
  std::string ini_;
  std::string engine_;
  const PlanFolder& folder_;
  std::unordered_map<std::string, std::size_t> byName_;
  std::uintmax_t total_ = 0;
  int unknownSizes_ = 0;
  int filesListed_ = 0;
};

// The item that `finding` concerns, at any depth.
PlanItem* itemOf(std::vector<PlanItem>& items, const Finding& finding) {
  for (PlanItem& item : items) {
    if (item.field == finding.field && item.line == finding.line) return &item;
    if (PlanItem* inner = itemOf(item.children, finding)) return inner;
  }
  return nullptr;
}

void addLines(std::string& out, std::string_view text, const std::string& indent) {
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    out += text.substr(start, end - start);
    out += '\n';
    if (end == std::string_view::npos) return;
    out += indent;
    start = end + 1;
  }
}

void addItem(std::string& out, const PlanItem& item, std::size_t depth) {
  const std::string indent(2 * depth, ' ');
  out += indent + itemText(item) + "\n";
  for (const Finding& f : item.findings) {
    out += indent + "  ※ ";
    out += f.weight == Weight::Error ? messages::ship::kError : messages::ship::kWarning;
    out += "：";
    addLines(out, f.text, indent + "    ");
  }
  for (const PlanItem& child : item.children) addItem(out, child, depth + 1);
}

}  // namespace

PlanFolder readPlanFolder(const std::filesystem::path& distDir) {
  PlanFolder folder;
  FolderScan scan = scanFolder(distDir);
  folder.files = std::move(scan.lines);
  folder.aliases = std::move(scan.aliases);
  folder.sizeOf = [distDir](std::string_view file) -> std::optional<std::uintmax_t> {
    std::optional<std::string> utf8 = sjis::decode(file);
    if (!utf8) return std::nullopt;
    std::replace(utf8->begin(), utf8->end(), '\\', '/');
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(distDir / pathFromUtf8(*utf8), ec);
    if (ec) return std::nullopt;
    return size;
  };
  return folder;
}

InstallPlan makeInstallPlan(const InstallSettings& settings, std::string_view iniFileName,
                            const PlanFolder& folder, const std::vector<Finding>& findings) {
  InstallPlan plan = PlanMaker(settings, iniFileName, folder).make();
  PlanItem others{"その他の指摘"};
  for (const Finding& f : findings) {
    if (PlanItem* place = itemOf(plan.groups, f)) {
      place->findings.push_back(f);
    } else {
      const std::string_view caption = fieldCaption(f.field);
      PlanItem item{std::string(caption.empty() ? fieldName(f.field) : caption)};
      item.source =
          f.item > 0 ? itemSource(fieldInfo(f.field).section, f.item) : fieldSource(f.field);
      item.findings.push_back(f);
      others.children.push_back(std::move(item));
    }
  }
  if (!others.children.empty()) plan.groups.push_back(std::move(others));
  return plan;
}

std::string sizeText(std::uintmax_t bytes) { return groupingDigits(bytes) + " バイト"; }

std::string itemText(const PlanItem& item) {
  std::string text = item.label;
  if (!item.value.empty()) text += "：" + item.value;
  if (item.size) text += "、" + sizeText(*item.size);
  if (!item.source.empty()) text += "  ← " + item.source;
  return text;
}

std::string planText(const InstallPlan& plan) {
  std::string text;
  for (const PlanItem& group : plan.groups) addItem(text, group, 0);
  return text;
}

}  // namespace velquin
