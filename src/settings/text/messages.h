#pragma once

// The tool's own texts (UTF-8). Lines of one message are joined with a single line feed.

#include <string>
#include <string_view>
#include <vector>

namespace velquin::messages {

inline constexpr std::string_view kFillMainFields =
    "「ini ファイルの名前」以外の各３項目を入力してください。";
inline constexpr std::string_view kIniNameMissing = "iniファイルの名前を指定してください。";
inline constexpr std::string_view kIniNameNotAFileName =
    "iniファイルの名前にはファイル名のみを指定してください。";
inline constexpr std::string_view kNoFileList =
    "「詳細設定」ボタンを押して、インストールするファイル名を確認してください。";
inline constexpr std::string_view kEngineMissing =
    "インストーラ本体が同梱されていないか、インストーラ本体のファイル名が間違っています。\n"
    "確認してください。";
inline constexpr std::string_view kWriteError = "ストリームへの書き込みエラー";
inline constexpr std::string_view kProgramMissing =
    "配布プログラムのファイル名を指定してください。";
inline constexpr std::string_view kSaveQuestion = "設定が変更されています。保存しますか？";

// Refusals of a program named by a drop or on the command line, and of files
// dropped on the file list.
inline constexpr std::string_view kOneProgramOnly =
    "配布プログラムとして指定できるファイルは１つだけです。";
// More than one argument at start-up.
inline constexpr std::string_view kOneArgumentOnly =
    "起動時に指定できるのは、配布プログラム（.exe ファイル）１つだけです。\n"
    "ほかのファイルは「詳細設定」のファイル一覧にドロップしてください。";
std::string programNotFound(std::string_view pathUtf8);
std::string programIsAFolder(std::string_view pathUtf8);
std::string programNotExe(std::string_view pathUtf8);
std::string dropBeforeProgram(std::string_view pathUtf8);
std::string dropOutside(std::string_view pathUtf8, std::string_view distDirUtf8);

// "iniファイル(NAME)を作成しました。"
std::string created(std::string_view iniFileNameUtf8);
// "ファイル PATH を作成できません"
std::string cannotCreate(std::string_view pathUtf8);
// The files that the folder scan left out of the list, one a line: at most
// `kMaxNamesShown`, then how many more there were.
inline constexpr std::size_t kMaxNamesShown = 20;
std::string namesNotShiftJis(const std::vector<std::string>& namesUtf8);
// Names the field that holds a character code page 932 cannot hold.
std::string notShiftJis(std::string_view fieldCaption, char32_t character);

// A settings file saved in another encoding than Shift-JIS, named as below:
// Create will write Shift-JIS, and the characters that Shift-JIS cannot hold
// (at most `kMaxNamesShown`, one a line with its code, then how many more)
// were read as "?".
inline constexpr std::string_view kShiftJis = "Shift-JIS";
inline constexpr std::string_view kUtf8 = "UTF-8";
inline constexpr std::string_view kUtf8WithMark = "BOM 付きの UTF-8";
inline constexpr std::string_view kUtf16Le = "UTF-16 LE";
inline constexpr std::string_view kUtf16Be = "UTF-16 BE";
std::string settingsFileConverted(std::string_view encodingName,
                                  const std::vector<char32_t>& notShiftJis);

// The check before shipping (ship_check.h). Names and values are UTF-8.
namespace ship {
std::string notInFolder(std::string_view nameUtf8);
std::string notInstalled(std::string_view nameUtf8);
std::string iconNotInstalled(std::string_view nameUtf8);
std::string badOverwriteMode(std::string_view modeUtf8);
std::string badSubfolderMode(std::string_view modeUtf8);
std::string badIconNumber(std::string_view numberUtf8);
inline constexpr std::string_view kCommaInFileName =
    "ファイル名にカンマがあります。インストーラはカンマの後を上書きの指定として読みます。";
inline constexpr std::string_view kAddedByTheTool =
    "インストーラ本体とiniファイルは自動で追加されるため、入力しないでください。";
inline constexpr std::string_view kListedTwice = "同じ行が一覧に複数あります。";
inline constexpr std::string_view kShortcutNeedsNameAndFile =
    "ショートカットの名前とファイル名を、カンマで区切って入力してください。";
inline constexpr std::string_view kShortcutNameCharacter =
    "ショートカットの名前に、ファイル名に使えない文字（\\ / : * ? \" < > |）があります。";
inline constexpr std::string_view kGroupNameCharacter =
    "グループの名前に、フォルダ名に使えない文字（\\ / : * ? \" < > |）があります。";
inline constexpr std::string_view kInstallDirRegRoot =
    "指定できるレジストリキーは HKEY_CURRENT_USER および HKEY_LOCAL_MACHINE のキーのみです。";
inline constexpr std::string_view kRegKeyRoot =
    "削除できるレジストリキーは HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT "
    "のキーです。";
inline constexpr std::string_view kBlankAtEnds =
    "値の前後の空白は、インストーラが読むときに取り除かれます。";
inline constexpr std::string_view kInQuotes =
    "値を囲む引用符は、インストーラが読むときに取り除かれます。";
// The files of the distribution folder that the file list does not hold, one
// a line: at most `kMaxNamesShown` of the first names given, then how many
// more of `total` there were.
std::string notListed(const std::vector<std::string>& firstNamesUtf8, std::size_t total);

// The report of `velquin --check`.
inline constexpr std::string_view kError = "エラー";
inline constexpr std::string_view kWarning = "警告";
std::string counts(std::size_t errors, std::size_t warnings);
std::string cannotRead(std::string_view pathUtf8);
}  // namespace ship

}  // namespace velquin::messages
