#include "settings/text/messages.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "settings/text/sjis.h"

namespace velquin::messages {

std::string more(std::size_t count) { return "ほか " + std::to_string(count) + " 件"; }

std::string oneLine(std::string_view text) {
  constexpr std::string_view kFullStop = "。";
  // U+2028, U+2029 and U+0085 break a line too where a text is shown.
  constexpr std::string_view kBreaks[] = {"\r\n", "\r", "\n", "\u2028", "\u2029", "\xC2\x85"};
  // Most texts hold none: not even the first byte of one.
  if (text.find_first_of("\r\n\xE2\xC2") == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto* brk = std::find_if(std::begin(kBreaks), std::end(kBreaks), [&](std::string_view b) {
      return text.substr(i).starts_with(b);
    });
    if (brk == std::end(kBreaks)) {
      out += text[i++];
      continue;
    }
    i += brk->size();
    if (!std::string_view(out).ends_with(kFullStop) && !out.empty() && i < text.size()) out += ' ';
  }
  return out;
}

std::string created(std::string_view iniFileNameUtf8) {
  return "iniファイル(" + std::string(iniFileNameUtf8) + ")を作成しました。";
}

std::string cannotCreate(std::string_view pathUtf8) {
  return "ファイル " + std::string(pathUtf8) + " を作成できません";
}

std::string createdWithErrors(const std::vector<std::string>& firstErrors, std::size_t total) {
  std::string text = "作成したiniファイルには、インストール時に問題となるエラーが " +
                     std::to_string(total) + " 件あります。";
  const std::size_t shown = std::min({firstErrors.size(), total, kMaxErrorsShown});
  for (std::size_t i = 0; i < shown; ++i) text += "\n" + firstErrors[i];
  if (total > shown) text += "\n…ほか " + std::to_string(total - shown) + " 件";
  return text + "\n「詳細設定」で確認してください。";
}

std::string fileChangedLoad(std::string_view pathUtf8) {
  return "設定ファイル " + std::string(pathUtf8) +
         " は、最後に読み込むか作成したあとで、ほかのプログラムによって変更されています。\n"
         "変更されたファイルを読み込みますか？\n"
         "「はい」: ファイルを読み込みます。そのあとの編集は破棄されます。\n"
         "「いいえ」: 編集中の設定をそのまま残します。";
}

std::string unreadFileLoad(std::string_view pathUtf8) {
  return "設定ファイル " + std::string(pathUtf8) +
         " は、まだ読み込んでいません。編集中の設定は保存されていません。\n"
         "このファイルを読み込みますか？\n"
         "「はい」: ファイルを読み込みます。編集中の設定は破棄されます。\n"
         "「いいえ」: 編集中の設定をそのまま残します。ファイルは読み込みません。";
}

std::string fileChangedReplace(std::string_view pathUtf8) {
  return "設定ファイル " + std::string(pathUtf8) +
         " は、最後に読み込むか作成したあとで、ほかのプログラムによって変更されています。\n"
         "上書きしますか？";
}

std::string typedOrFile(std::string_view pathUtf8, const std::vector<TypedValue>& values) {
  std::string text = "入力した値と、設定ファイル " + std::string(pathUtf8) + " の値が違います。";
  for (const TypedValue& v : values)
    text += "\n「" + v.caption + "」\n  入力した値: " + v.typed + "\n  ファイルの値: " + v.inFile;
  return text +
         "\n入力した値を使いますか？\n「はい」: 入力した値を使います。\n"
         "「いいえ」: 設定ファイルの値を使います。";
}

std::string linesNotKept(const std::vector<LineNotKept>& lines) {
  std::string text =
      "設定ファイルの次の行は、「作成」ボタンを押すと、このままでは書き込まれません"
      "（コメント、番号の抜け、重複、使えない値、不明な名前など）。";
  const std::size_t shown = std::min(lines.size(), kMaxNamesShown);
  for (std::size_t i = 0; i < shown; ++i) {
    text.append("\n")
        .append(std::to_string(lines[i].line))
        .append(" 行目：")
        .append(lines[i].entry);
    text.append(" → ").append(lines[i].becomes.empty() ? "書き込まれません" : lines[i].becomes);
  }
  if (lines.size() > shown) text += "\n" + more(lines.size() - shown);
  return text;
}

std::string programNotFound(std::string_view path) {
  return "ファイル「" + std::string(path) + "」が見つかりません。";
}

std::string programIsAFolder(std::string_view path) {
  return "「" + std::string(path) +
         "」はフォルダです。\n配布プログラムのファイルを指定してください。";
}

std::string programNotExe(std::string_view path) {
  return "「" + std::string(path) +
         "」はプログラムファイル(*.exe)"
         "ではありません。\n配布プログラムのファイルを指定してください。";
}

std::string dropBeforeProgram(std::string_view path) {
  return "「" + std::string(path) +
         "」を追加できません。\n先に「参照」ボタンで配布プログラムを指定してください。";
}

std::string dropOutside(std::string_view path, std::string_view distDir) {
  return "「" + std::string(path) + "」は配布プログラムのフォルダ(" + std::string(distDir) +
         ")の中にないため、追加できません。";
}

std::string notShiftJis(std::string_view fieldCaption, char32_t character) {
  return "「" + std::string(fieldCaption) + "」に Shift-JIS で表せない文字「" +
         sjis::characterToUtf8(character) +
         "」が入力されました。\nこの文字は設定ファイルに書き込めないため、入力を取り消しました。";
}

std::string loneByteDropped(std::string_view fieldCaption) {
  return "「" + std::string(fieldCaption) + "」の文字として読めないバイト「" +
         std::string(sjis::kNoCharacter) +
         "」を取り除きました。\nすぐ後ろが変わると、後ろの文字と合わせて別の文字として読まれる"
         "ためです。";
}

std::string namesNotShiftJis(const std::vector<std::string>& namesUtf8) {
  std::string text = "次のファイルは名前を Shift-JIS で表せないため、一覧に加えませんでした。";
  const std::size_t shown = std::min(namesUtf8.size(), kMaxNamesShown);
  for (std::size_t i = 0; i < shown; ++i) text += "\n" + namesUtf8[i];
  if (namesUtf8.size() > shown) text += "\n" + more(namesUtf8.size() - shown);
  return text;
}

std::string settingsFileConverted(std::string_view encodingName,
                                  const std::vector<char32_t>& notShiftJis) {
  std::string text = "設定ファイルは " + std::string(encodingName) +
                     " で保存されています。\n「作成」ボタンを押すと、Shift-JIS で書き込みます。";
  if (notShiftJis.empty()) return text;
  text += "\n次の文字は Shift-JIS で表せないため、「?」に置き換えました。";
  const std::size_t shown = std::min(notShiftJis.size(), kMaxNamesShown);
  for (std::size_t i = 0; i < shown; ++i) {
    char code[16];
    std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(notShiftJis[i]));
    text += "\n「" + sjis::characterToUtf8(notShiftJis[i]) + "」(U+" + code + ")";
  }
  if (notShiftJis.size() > shown)
    text += "\nほか " + std::to_string(notShiftJis.size() - shown) + " 文字";
  return text;
}

namespace ship {

std::string notInFolder(std::string_view name) {
  return "ファイル「" + std::string(name) + "」が配布フォルダにありません。";
}

std::string programNotInFolder(std::string_view name) {
  return "配布プログラム「" + std::string(name) + "」が配布フォルダにありません。";
}

std::string notInstalled(std::string_view name) {
  return "ファイル「" + std::string(name) + "」はインストールするファイルにありません。";
}

std::string iconNotInstalled(std::string_view name) {
  return "アイコンファイル「" + std::string(name) + "」はインストールするファイルにありません。";
}

std::string badOverwriteMode(std::string_view mode) {
  return "カンマの後の「" + std::string(mode) +
         "」は上書きの指定（半角の 0、1、2 のいずれか）ではありません。";
}

std::string badSubfolderMode(std::string_view mode) {
  return "カンマの後の「" + std::string(mode) +
         "」はサブディレクトリの指定（半角の 0 または 1）ではありません。";
}

std::string badIconNumber(std::string_view number) {
  return "アイコン番号「" + std::string(number) + "」は 0 から始まる半角の番号ではありません。";
}

std::string notListed(std::string_view name) {
  return "「" + std::string(name) +
         "」は配布フォルダにありますが、インストールするファイルにありません。";
}

std::string notListable(std::string_view name) {
  return "「" + std::string(name) +
         "」は配布フォルダにありますが、名前を設定ファイルに書けないため、インストールするファイル"
         "に"
         "入れられません。";
}

std::string unusualName(std::string_view written, std::string_view usual) {
  std::string text = "「";
  text.append(written).append("」は「").append(usual);
  return text.append(
      "」と書くのが普通です。インストーラは見つけますが、同じファイルだと気づきにくい書き方です。");
}

// Built by appending: a literal before a temporary string sets off a false
// warning of GCC 12 at -O3.
std::string unknownSection(std::string_view name, std::string_view meant) {
  std::string text = "[";
  text.append(name).append("] はインストーラが使わないセクションです。");
  if (!meant.empty()) text.append("[").append(meant).append("] の書き間違いではありませんか。");
  return text;
}

std::string unknownKey(std::string_view key, std::string_view meant) {
  std::string text(key);
  text.append(" はインストーラが使わないキーです。");
  if (!meant.empty()) text.append(meant).append(" の書き間違いではありませんか。");
  return text;
}

std::string badCode(std::string_view key, std::string_view value, const std::vector<int>& allowed) {
  std::string text(key);
  text.append(" の値「").append(value).append("」はインストーラが使えない値です。使える値は ");
  for (std::size_t i = 0; i < allowed.size(); ++i)
    text.append(i == 0 ? "" : "、").append(std::to_string(allowed[i]));
  return text.append(" です。");
}

namespace {
std::string gap(int missing) {
  std::string text = "Item";
  return text.append(std::to_string(missing))
      .append(" がありません。番号が抜けているため、インストーラは");
}
}  // namespace

std::string numberMissing(int missing) {
  return gap(missing).append("この番号を空の行として読みます。");
}

std::string unreadAfterGap(int missing) { return gap(missing).append("この行を読みません。"); }

std::string repeatedSection(std::string_view name, std::size_t firstLine) {
  const std::string line = std::to_string(firstLine);
  std::string text = "[";
  text.append(name).append("] は ").append(line).append(" 行目にもあります。インストーラは ");
  return text.append(line).append(
      " 行目のセクションだけを読み、ここから次のセクションまでを読みません。");
}

std::string repeatedKey(std::string_view key, std::size_t firstLine) {
  const std::string line = std::to_string(firstLine);
  std::string text(key);
  text.append(" は ").append(line).append(" 行目にもあります。インストーラは ");
  return text.append(line).append(" 行目の値を読み、この行を読みません。");
}

std::string withoutAddedEntries(std::string_view engineEntry, std::string_view iniEntry) {
  std::string listed, named;
  if (!engineEntry.empty()) {
    listed.append("インストーラ本体（").append(engineEntry).append("）");
    named = "インストーラ本体";
  }
  if (!iniEntry.empty()) {
    listed.append(listed.empty() ? " " : "と ").append("iniファイル（").append(iniEntry);
    listed.append("）");
    named.append(named.empty() ? "" : "と ").append("iniファイル");
  }
  return "インストーラが読む行に、「作成」で追加される" + listed + "がありません。" + named +
         "はインストールされません。";
}

std::string counts(std::size_t errors, std::size_t warnings) {
  return std::string(kError) + " " + std::to_string(errors) + " 件、" + std::string(kWarning) +
         " " + std::to_string(warnings) + " 件";
}

std::string notThere(std::string_view path) {
  return "「" + std::string(path) + "」がありません。";
}

std::string cannotRead(std::string_view path) {
  return "設定ファイル「" + std::string(path) + "」を読み込めません。";
}

std::string notASettingsFile(std::string_view path) {
  return "「" + std::string(path) + "」は設定ファイルではありません。";
}

}  // namespace ship

namespace unlisted {

std::string added(std::string_view place, std::string_view entry) {
  return std::string(place) + ": " + std::string(entry) + " を追加しました。";
}

std::string nothingToAdd(std::string_view path) {
  return std::string(path) + ": 一覧にないファイルはありません。";
}

std::string notListable(std::string_view path, std::string_view name) {
  return std::string(path) + ": 「" + std::string(name) +
         "」は名前を設定ファイルに書けないため、追加しませんでした。";
}

std::string notAdded(std::string_view place, std::string_view why) {
  std::string text =
      std::string(place) + ": " + std::string(ship::kError) + ": 追加しませんでした。";
  // A sentence ended by a full stop of its own runs on; any other line is
  // set off by a space.
  for (const char c : why)
    text += c != '\n' ? std::string(1, c) : text.ends_with("。") ? std::string() : std::string(" ");
  return text;
}

}  // namespace unlisted

}  // namespace velquin::messages

namespace velquin::messages::plan {
namespace {

std::string joined(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (std::string_view p : parts) size += p.size();
  std::string text;
  text.reserve(size);
  for (std::string_view p : parts) text.append(p);
  return text;
}

}  // namespace

std::string notDescribed(std::string_view value) {
  return joined({value, "（", kNotDescribed, "）"});
}

std::string unknownCode(int code) { return joined({std::to_string(code), "：", kNotDescribed}); }

std::string unknownDigit(std::string_view digit) {
  return joined({"「", digit, "」：", kNotDescribed});
}

std::string findingPlace(std::size_t line) {
  return line == 0 ? std::string("ファイル全体") : std::to_string(line) + " 行目";
}

std::string indexWords(int index, std::span<const std::string_view> words) {
  if (index < 0 || static_cast<std::size_t>(index) >= words.size()) return unknownCode(index);
  return std::string(words[static_cast<std::size_t>(index)]);
}

std::string belowInstallFolder(std::string_view name) {
  std::string text;
  addBelowInstallFolder(text, name);
  return text;
}

void addBelowInstallFolder(std::string& text, std::string_view name) {
  text.append(kInstallFolderMark).append("\\").append(name);
}

std::string belowPlaceholder(std::string_view variable, std::string_view rest) {
  struct Known {
    std::string_view variable, folder;
  };
  static constexpr Known kKnown[] = {{"WINDIR", "Windowsディレクトリ"},
                                     {"SYSTEMDIR", "Windowsのシステムディレクトリ"},
                                     {"COMMONPROG", "Common Filesディレクトリ"},
                                     {"MYDOCUMENTS", "マイ ドキュメント"},
                                     {"TEMPLATES", "テンプレート"}};
  for (const Known& k : kKnown)
    if (k.variable == variable) return joined({"〈", k.folder, "〉", rest});
  return joined({"〈環境変数 ", variable, "〉", rest});
}

std::string underProgramFiles(std::string_view dir) {
  return joined({"〈Program Files〉\\", dir, "（例：C:\\Program Files\\", dir, "）"});
}

std::string atSystemDriveRoot(std::string_view dir) {
  return joined({"〈システムドライブのルート〉", dir, "（例：C:", dir, "）"});
}

std::string dirRegValue(std::string_view key) {
  if (key.empty()) return std::string(kNone);
  return joined({key, " の値 InstallDir（次回はここから初期値を読みます）"});
}

std::string fileCount(std::size_t files) { return std::to_string(files) + " 個"; }

std::string unknownSizes(std::size_t files) {
  return "サイズ不明 " + std::to_string(files) + " 個";
}

std::string size(std::uintmax_t bytes) {
  std::string text;
  addSize(text, bytes);
  return text;
}

void addSize(std::string& text, std::uintmax_t bytes) {
  char digits[24];
  const auto n =
      static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, bytes).ptr - digits);
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  text.append(" バイト");
}

std::string opened(std::string_view target, std::optional<std::string_view> parameters) {
  std::string text = joined({target, " を関連付けで開く"});
  if (parameters) text.append("、パラメータ ").append(*parameters);
  return text;
}

std::string boxState(int code) {
  switch (code) {
    case -1: return "表示しない";
    case 0: return "チェックなしで表示";
    case 1: return "チェック付きで表示";
    case 2: return "チェック付きで固定（はずせない）";
    default: return unknownCode(code);
  }
}

std::string programsGroup(std::string_view groupName) {
  return joined({"〈プログラム〉\\", groupName.empty() ? "（グループ名なし）" : groupName});
}

std::string shortcut(std::string_view target, std::string_view parameters,
                     std::string_view iconTarget, std::string_view iconNumber) {
  std::string text = joined({target.empty() ? "（ファイルなし）" : target, "、パラメータ ",
                             parameters.empty() ? kNone : parameters, "、アイコン "});
  if (!iconTarget.empty() && !iconNumber.empty()) {
    text.append(joined({iconTarget, " の ", iconNumber, " 番"}));
  } else if (!iconTarget.empty()) {
    text.append(joined({iconTarget, "（番号の指定なし）"}));
  } else if (!iconNumber.empty()) {
    text.append(joined({"ファイル自身の ", iconNumber, " 番"}));
  } else {
    text.append("指定なし");
  }
  return text;
}

std::string removedFolder(std::string_view folder) { return joined({"フォルダ ", folder}); }

std::string removedKey(std::string_view key) { return joined({key, "（サブキーも含めて削除）"}); }

}  // namespace velquin::messages::plan
