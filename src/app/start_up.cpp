#include "start_up.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "settings/commands/window_commands.h"
#include "settings/platform/paths.h"
#include "settings/record/install_settings.h"

#ifdef _WIN32
#include "settings/platform/windows_api.h"
#endif

namespace velquin::app {

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
