#pragma once

// The tool's own texts (UTF-8). Lines of one message are joined with a single CR.

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
    "インストーラ本体が同梱されていないか、インストーラ本体のファイル名が間違っています。\r"
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
    "起動時に指定できるのは、配布プログラム（.exe ファイル）１つだけです。\r"
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

}  // namespace velquin::messages
