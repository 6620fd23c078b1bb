#include "command_line.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "settings/commands/check_command.h"
#include "settings/commands/plan_command.h"
#include "settings/platform/paths.h"

#ifdef _WIN32
#include "settings/platform/windows_api.h"
// CommandLineToArgvW, from the shell's part, which the wrapper leaves out.
#include <shellapi.h>
#endif

namespace velquin::app {
namespace {

// The actions that take one path, by their option.
struct PathAction {
  std::string_view option;
  CommandLine::Action action;
};
constexpr PathAction kPathActions[] = {
    {"--check", CommandLine::Action::Check},
    {"--plan", CommandLine::Action::Plan},
};

constexpr std::string_view kStrict = "--strict";

}  // namespace

std::vector<std::filesystem::path> commandLineArguments(int argc, char** argv) {
  std::vector<std::filesystem::path> arguments;
#ifdef _WIN32
  int count = 0;
  if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
    if (count == argc) arguments.assign(wide + 1, wide + count);
    LocalFree(wide);
    if (count == argc) return arguments;
  }
  // The code page's text, should the wide command line not match argv.
  for (int i = 1; i < argc; ++i) {
    const int size = MultiByteToWideChar(CP_ACP, 0, argv[i], -1, nullptr, 0);
    std::wstring wide(size > 0 ? static_cast<std::size_t>(size) : 1u, L'\0');
    MultiByteToWideChar(CP_ACP, 0, argv[i], -1, wide.data(), size);
    wide.resize(wide.size() - 1);
    arguments.emplace_back(std::move(wide));
  }
#else
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
#endif
  return arguments;
}

CommandLine readCommandLine(const std::vector<std::filesystem::path>& arguments) {
  std::vector<std::string> texts;
  std::transform(arguments.begin(), arguments.end(), std::back_inserter(texts), pathToUtf8);
  for (const std::string& text : texts) {
    if (text == "--help" || text == "-h") return {CommandLine::Action::PrintHelp, {}, false};
    if (text == "--version") return {CommandLine::Action::PrintVersion, {}, false};
  }

  // An action with its path, and --strict, in any order; anything else is
  // the window's (a program, or Qt's own options).
  CommandLine line;
  std::vector<std::filesystem::path> paths;
  bool actionGiven = false;
  bool misused = false;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const auto action = std::find_if(std::begin(kPathActions), std::end(kPathActions),
                                     [&](const PathAction& a) { return a.option == texts[i]; });
    if (action != std::end(kPathActions)) {
      misused = misused || actionGiven;
      actionGiven = true;
      line.action = action->action;
    } else if (texts[i] == kStrict) {
      line.strict = true;
    } else {
      misused = misused || texts[i].starts_with("--");
      paths.push_back(arguments[i]);
    }
  }
  if (!actionGiven && !line.strict) return {};
  if (misused || !actionGiven || paths.size() != 1 ||
      (line.strict && line.action != CommandLine::Action::Check))
    return {CommandLine::Action::Misused, {}, false};
  line.path = paths.front();
  return line;
}

std::string usageText() {
  return "使い方: velquin [配布プログラム.exe]\n"
         "        velquin --check 設定ファイル|配布フォルダ|配布プログラム.exe [--strict]\n"
         "        velquin --plan 設定ファイル|配布フォルダ|配布プログラム.exe\n"
         "Rivo インストーラの設定ファイルを作成します。配布プログラムを指定すると、"
         "そのプログラムを選んだ状態で起動します。\n"
         "  --help     この説明を表示して終了します\n"
         "  --version  バージョンを表示して終了します\n"
         "  --check    設定ファイルを配布フォルダと照らし合わせて検査し、"
         "見つかった問題を表示して終了します。"
         "フォルダや配布プログラムを指定したときは、そのフォルダの Rivo.ini を検査します\n"
         "  --strict   --check で、警告も失敗とします（パスの前でも後でも構いません）\n"
         "  --plan     設定ファイルのとおりにインストールしたときの内容（インストール先、ファイル、"
         "ショートカット、アンインストール）を表示して終了します。"
         "終了コードは 0、設定ファイルを読み込めなければ 2 です\n"
         "--check の出力は問題ごとに 1 行で、最後の行がエラーと警告の件数です:\n"
         "  パス:行: エラー: [セクション] ItemN: 内容\n"
         "  パス:行: 警告: [セクション] キー: 内容\n"
         "行を示せない問題は「パス: 」で始まります。\n"
         "終了コード: 0 エラーなし（--strict では警告もなし）、1 エラーあり（--strict では"
         "警告も）、2 設定ファイルを読み込めない、またはコマンドラインの誤り\n"
         "Windows のコマンドプロンプトや PowerShell では velquin.com がこれを受け持ちます"
         "（velquin と入力すれば velquin.exe より先に選ばれます）。"
         "終了を待って終了コードを返し、日本語はコンソールの文字コードで表示します。\n";
}

std::string versionText() { return "Velquin " VELQUIN_VERSION "\n"; }

std::optional<int> runCommandLineAction(const CommandLine& commandLine, const PrintText& print) {
  switch (commandLine.action) {
    case CommandLine::Action::Run: return std::nullopt;
    case CommandLine::Action::PrintHelp: print(usageText(), false); return 0;
    case CommandLine::Action::PrintVersion: print(versionText(), false); return 0;
    case CommandLine::Action::Check: {
      const CheckCommandResult result =
          runCheckCommand(commandLine.path, {.strict = commandLine.strict, .processEnds = true});
      print(result.text, result.exitCode == 2);
      return result.exitCode;
    }
    case CommandLine::Action::Plan: {
      const PlanCommandResult result = runPlanCommand(commandLine.path, true);
      print(result.text, result.exitCode != 0);
      return result.exitCode;
    }
    case CommandLine::Action::Misused: print(usageText(), true); return 2;
  }
  return 2;
}

}  // namespace velquin::app
