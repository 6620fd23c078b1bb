#include "start_up.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <string_view>

#include "settings/commands/check_command.h"
#include "settings/commands/plan_command.h"
#include "settings/commands/window_commands.h"
#include "settings/platform/paths.h"
#include "settings/record/install_settings.h"

#ifdef _WIN32
#include "settings/platform/windows_api.h"
// CommandLineToArgvW, from the shell's part, which the wrapper leaves out.
#include <shellapi.h>
#endif

namespace velquin::app {
namespace {

// Argument `i` as a native path. On Windows argv is in the system's code
// page, which may not hold every character of a path; the wide command line
// does.
std::filesystem::path argumentPath(int argc, char** argv, int i) {
#ifdef _WIN32
  int count = 0;
  if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
    std::filesystem::path path;
    if (count == argc) path = wide[i];
    LocalFree(wide);
    if (!path.empty()) return path;
  }
  return std::filesystem::path(QString::fromLocal8Bit(argv[i]).toStdWString());
#else
  (void)argc;
  return std::filesystem::path(argv[i]);
#endif
}

}  // namespace

CommandLine readCommandLine(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    if (arg == "--help" || arg == "-h") return {CommandLine::Action::PrintHelp, {}};
    if (arg == "--version") return {CommandLine::Action::PrintVersion, {}};
  }
  if (argc >= 2 && std::string_view(argv[1]) == "--check") {
    if (argc != 3) return {CommandLine::Action::Misused, {}};
    return {CommandLine::Action::Check, argumentPath(argc, argv, 2)};
  }
  if (argc >= 2 && std::string_view(argv[1]) == "--plan") {
    if (argc != 3) return {CommandLine::Action::Misused, {}};
    return {CommandLine::Action::Plan, argumentPath(argc, argv, 2)};
  }
  return {};
}

std::string usageText() {
  return "使い方: velquin [配布プログラム.exe]\n"
         "        velquin --check 設定ファイル|配布プログラム.exe\n"
         "        velquin --plan 設定ファイル|配布プログラム.exe\n"
         "Rivo インストーラの設定ファイルを作成します。配布プログラムを指定すると、"
         "そのプログラムを選んだ状態で起動します。\n"
         "  --help     この説明を表示して終了します\n"
         "  --version  バージョンを表示して終了します\n"
         "  --check    設定ファイル（配布プログラムを指定したときは同じフォルダの Rivo.ini）を"
         "配布フォルダと照らし合わせて検査し、見つかった問題を表示して終了します。"
         "終了コードはエラーがあれば 1、なければ 0、設定ファイルを読み込めなければ 2 です\n"
         "  --plan     設定ファイルのとおりにインストールしたときの内容（インストール先、ファイル、"
         "ショートカット、アンインストール）を表示して終了します\n";
}

std::string versionText() { return "Velquin " VELQUIN_VERSION "\n"; }

void printText(const std::string& utf8, bool toErrorOutput) {
#ifdef _WIN32
  const DWORD which = toErrorOutput ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
  HANDLE out = GetStdHandle(which);
  if (!out || out == INVALID_HANDLE_VALUE) {
    // No output of its own: the console of the program that started it.
    if (AttachConsole(ATTACH_PARENT_PROCESS)) out = GetStdHandle(which);
  }
  DWORD mode = 0;
  if (out && out != INVALID_HANDLE_VALUE && GetConsoleMode(out, &mode)) {
    const std::wstring text = QString::fromStdString(utf8).toStdWString();
    DWORD written = 0;
    WriteConsoleW(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
#endif
  std::fputs(utf8.c_str(), toErrorOutput ? stderr : stdout);
  std::fflush(toErrorOutput ? stderr : stdout);
}

int runCheckFromCommandLine(const std::filesystem::path& path) {
  const CheckCommandResult result = runCheckCommand(path);
  printText(result.text, result.exitCode == 2);
  return result.exitCode;
}

int runPlanFromCommandLine(const std::filesystem::path& path) {
  const PlanCommandResult result = runPlanCommand(path);
  printText(result.text, result.exitCode != 0);
  return result.exitCode;
}

void chooseProgramFromCommandLine(const QStringList& arguments, InstallSettings& settings,
                                  UserPrompts& prompts) {
  // The program is kept as a full path, as the file dialog gives it.
  std::vector<std::filesystem::path> paths;
  for (const QString& argument : arguments)
    paths.push_back(pathFromUtf8(
        QDir::toNativeSeparators(QFileInfo(argument).absoluteFilePath()).toStdString()));
  runProgramArgumentsCommand(settings, prompts, paths);
}

bool installJapaneseQtTexts(QApplication& app) {
  auto* translator = new QTranslator(&app);
  for (const QString& folder :
       {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
    if (translator->load(QStringLiteral("qtbase_ja"), folder)) {
      QApplication::installTranslator(translator);
      return true;
    }
  }
  delete translator;
  return false;
}

}  // namespace velquin::app
