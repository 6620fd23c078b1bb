#pragma once

// Every text the programs of the tool show of their own (UTF-8), each
// written once: the command line's usage, refusals and failures, and the
// words of the message boxes and the program file dialog. What the core's
// commands say is the core's (settings/text/messages.h). No Qt, so that the
// programs without Qt share these texts.

#include <string>
#include <string_view>

namespace velquin::app::texts {

// A line the command line prints on the error output of its own: the
// program's name before it, as compilers print theirs, and its end.
std::string commandLineError(std::string_view line);

// Why a command line is refused (commandLineError prints each).
std::string unknownOption(std::string_view argument);
std::string twoActions(std::string_view first, std::string_view second);
std::string pathMissing(std::string_view option);
std::string pathTwice(std::string_view option, std::string_view extra);
std::string noPathTaken(std::string_view option, std::string_view extra);
std::string strictAlone();
// A Qt option given with an action, which opens no window; given to the
// console companion velquin.com, which opens none either; without its value.
std::string qtOptionWithAction(std::string_view qtOption, std::string_view option);
std::string qtOptionOfTheWindow(std::string_view qtOption);
std::string qtOptionWithoutValue(std::string_view qtOption);

// The usage: its first lines, which a refusal repeats with kSeeHelp after
// them, and the whole of it, which --help prints.
extern const std::string_view kSynopsis;
inline constexpr std::string_view kSeeHelp = "詳しくは velquin --help を参照してください。\n";
std::string usage();
std::string version(std::string_view number);

// What keeps a program from doing what it was asked.
inline constexpr std::string_view kOutputNotWritten = "結果を標準出力に書き込めません。";
inline constexpr std::string_view kNoDisplay =
    "ウィンドウを開く画面に接続できません。--check、--plan と --add-unlisted "
    "は画面なしで使えます。";
std::string windowProgramNotStarted(std::string_view programUtf8);

// The message boxes' captions and buttons, and the program file dialog.
inline constexpr std::string_view kConfirmationTitle = "確認";
inline constexpr std::string_view kYes = "はい(&Y)";
inline constexpr std::string_view kNo = "いいえ(&N)";
inline constexpr std::string_view kCancel = "キャンセル";
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kProgramDialogTitle = "配布プログラムの指定";
// The whole text is the description shown; the pattern in its last
// parentheses is what the list shows.
inline constexpr std::string_view kProgramFilter = "プログラムファイル(*.exe)";

}  // namespace velquin::app::texts
