#include "command_line.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <string_view>
#include <vector>

#include "settings/commands/add_unlisted_command.h"
#include "settings/commands/check_command.h"
#include "settings/commands/command_input.h"
#include "settings/commands/plan_command.h"
#include "settings/platform/paths.h"

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
    {"--add-unlisted", CommandLine::Action::AddUnlisted},
};

constexpr std::string_view kStrict = "--strict";

// The refusals of a misused command line.
std::string unknownOption(std::string_view argument) {
  return "「" + std::string(argument) + "」は velquin のオプションではありません。";
}
std::string twoActions(std::string_view first, std::string_view second) {
  return std::string(first) + " と " + std::string(second) + " は一緒に指定できません。";
}
std::string pathMissing(std::string_view option) {
  return std::string(option) +
         " の後に、設定ファイル、配布フォルダまたは配布プログラムを 1 つ指定してください。";
}
std::string pathTwice(std::string_view option, std::string_view extra) {
  return std::string(option) + " に指定できるパスは 1 つだけです（「" + std::string(extra) +
         "」は余分です）。";
}
std::string strictAlone() { return "--strict は --check と一緒に指定してください。"; }

CommandLine only(CommandLine::Action action) {
  CommandLine line;
  line.action = action;
  return line;
}

// The usage's first lines, which a refusal repeats.
constexpr std::string_view kSynopsis =
    "使い方: velquin [配布プログラム.exe]\n"
    "        velquin --check 設定ファイル|配布フォルダ|配布プログラム.exe [--strict]\n"
    "        velquin --plan 設定ファイル|配布フォルダ|配布プログラム.exe\n"
    "        velquin --add-unlisted 設定ファイル|配布フォルダ|配布プログラム.exe\n";

}  // namespace

CommandLine readCommandLine(const std::vector<std::filesystem::path>& arguments) {
  std::vector<std::string> texts;
  std::transform(arguments.begin(), arguments.end(), std::back_inserter(texts), pathToUtf8);
  for (const std::string& text : texts) {
    if (text == "--help" || text == "-h" || text == "/?")
      return only(CommandLine::Action::PrintHelp);
    if (text == "--version") return only(CommandLine::Action::PrintVersion);
  }

  // An action with its path, and --strict, in any order; paths alone are
  // the window's (the program to choose).
  CommandLine line;
  const PathAction* action = nullptr;
  std::vector<std::filesystem::path> paths;
  const auto refused = [](std::string why) {
    CommandLine misused = only(CommandLine::Action::Misused);
    misused.refusal = std::move(why);
    return misused;
  };
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const auto given = std::find_if(std::begin(kPathActions), std::end(kPathActions),
                                    [&](const PathAction& a) { return a.option == texts[i]; });
    if (given != std::end(kPathActions)) {
      if (action) return refused(twoActions(action->option, given->option));
      action = given;
    } else if (texts[i] == kStrict) {
      line.strict = true;
    } else if (texts[i].starts_with("-")) {
      return refused(unknownOption(texts[i]));
    } else {
      paths.push_back(arguments[i]);
    }
  }
  if (!action && !line.strict) {
    line.programs = std::move(paths);
    return line;
  }
  if (!action || action->action != CommandLine::Action::Check) {
    if (line.strict) return refused(strictAlone());
  }
  if (paths.empty()) return refused(pathMissing(action->option));
  if (paths.size() > 1) return refused(pathTwice(action->option, pathToUtf8(paths[1])));
  line.action = action->action;
  line.path = paths.front();
  return line;
}

std::string usageText() {
  return std::string(kSynopsis) +
         "Rivo インストーラの設定ファイルを作成します。配布プログラムを指定すると、"
         "そのプログラムを選んだ状態で起動します。\n"
         "  --help     この説明を表示して終了します（-h、Windows では /? も同じ）\n"
         "  --version  バージョンを表示して終了します\n"
         "  --check    設定ファイルを配布フォルダと照らし合わせて検査し、"
         "見つかった問題を表示して終了します。"
         "フォルダや配布プログラムを指定したときは、そのフォルダの Rivo.ini を検査します\n"
         "  --strict   --check で、警告も失敗とします（パスの前でも後でも構いません）\n"
         "  --plan     設定ファイルのとおりにインストールしたときの内容（インストール先、ファイル、"
         "ショートカット、アンインストール）を表示して終了します。"
         "終了コードは 0、設定ファイルを読み込めなければ 2 です\n"
         "  --add-unlisted  配布フォルダにあってインストールするファイルにないファイルを、"
         "詳細設定の「一覧にないファイルを追加」と「作成」のとおりに設定ファイルへ追加し、"
         "追加したファイルを 1 行ずつ表示して終了します。終了コードは 0、設定ファイルを"
         "読み込めないか書き込めないとき、また「作成」で書き戻せない行があるときは 2 で、"
         "ファイルは変わりません\n"
         "--check の出力は問題ごとに 1 行で、最後の行がエラーと警告の件数です:\n"
         "  パス:行: エラー: [セクション] ItemN: 内容\n"
         "  パス:行: 警告: [セクション] キー: 内容\n"
         "行を示せない問題は「パス: 」で始まります。\n"
         "終了コード: 0 エラーなし（--strict では警告もなし）、1 エラーあり（--strict では"
         "警告も）、2 設定ファイルを読み込めない、またはコマンドラインの誤り\n"
         "Windows のコマンドプロンプトや PowerShell では velquin.com がこれを受け持ちます"
         "（velquin と入力すれば velquin.exe より先に選ばれます）。"
         "終了を待って終了コードを返します。\n"
         "ファイルやパイプへの出力は、Windows では Shift-JIS（コード ページ 932）と CR LF、"
         "Linux では UTF-8 と LF です。\n";
}

std::string versionText() { return "Velquin " VELQUIN_VERSION "\n"; }

namespace {

// What the action reads of its path, or none when it cannot be read (which
// is printed). It is left for the end of the process to take back whole,
// instead of being freed block by block: a check of a long list holds
// hundreds of thousands of blocks. (Never freed, and reachable until the
// process ends: no leak.)
CommandInput* inputOf(const CommandLine& commandLine, CommandInput::Sizes sizes,
                      const PrintText& print) {
  static auto* const kept = new std::vector<std::unique_ptr<CommandInput>>;
  std::string error;
  std::unique_ptr<CommandInput> input = CommandInput::read(commandLine.path, sizes, error);
  if (!input) {
    print(error + "\n", true);
    return nullptr;
  }
  return kept->emplace_back(std::move(input)).get();
}

}  // namespace

std::optional<int> runCommandLineAction(const CommandLine& commandLine, const PrintText& print) {
  switch (commandLine.action) {
    case CommandLine::Action::Run: return std::nullopt;
    case CommandLine::Action::PrintHelp: print(usageText(), false); return 0;
    case CommandLine::Action::PrintVersion: print(versionText(), false); return 0;
    case CommandLine::Action::Check: {
      CommandInput* input = inputOf(commandLine, CommandInput::Sizes::Without, print);
      if (!input) return 2;
      const CheckCommandResult result = runCheckCommand(*input, {.strict = commandLine.strict});
      print(result.text, false);
      return result.exitCode;
    }
    case CommandLine::Action::Plan: {
      CommandInput* input = inputOf(commandLine, CommandInput::Sizes::With, print);
      if (!input) return 2;
      print(runPlanCommand(*input).text, false);
      return 0;
    }
    case CommandLine::Action::AddUnlisted: {
      CommandInput* input = inputOf(commandLine, CommandInput::Sizes::Without, print);
      if (!input) return 2;
      const AddUnlistedResult result = runAddUnlistedCommand(*input);
      if (!result.output.empty()) print(result.output, false);
      if (!result.errors.empty()) print(result.errors, true);
      return result.exitCode;
    }
    case CommandLine::Action::Misused:
      print("velquin: " + commandLine.refusal + "\n" + std::string(kSynopsis) +
                "詳しくは velquin --help を参照してください。\n",
            true);
      return 2;
  }
  return 2;
}

}  // namespace velquin::app
