// velquin.com, the console companion of velquin.exe on Windows.
//
// velquin.exe is a window program: cmd and PowerShell neither wait for it nor
// get its exit code. velquin.com is a console program beside it, which cmd
// finds first when "velquin" is typed (.COM comes before .EXE), and answers
// the command line's actions itself, with the same texts and exit codes. Any
// other command line starts velquin.exe beside it with the same arguments,
// without waiting for the window.

#include <optional>
#include <string>

#include "arguments.h"
#include "command_line.h"
#include "console_output.h"
#include "settings/platform/paths.h"
#include "settings/platform/windows_api.h"

namespace {

// The command line after the program's own name, exactly as given (quotes
// and spaces kept), read by the rule the system reads that name by: up to
// the closing quote, or up to the first space or tab.
std::wstring argumentsAsGiven() {
  const wchar_t* p = GetCommandLineW();
  if (*p == L'"') {
    ++p;
    while (*p && *p != L'"') ++p;
    if (*p) ++p;
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  return p;
}

std::wstring ownPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

// Starts velquin.exe beside this program with the same arguments and ends
// without waiting for it: the window is the author's now.
int startWindow() {
  std::wstring program = ownPath();
  program.erase(program.find_last_of(L"\\/") + 1);
  program += L"velquin.exe";
  std::wstring command = L"\"" + program + L"\"" + argumentsAsGiven();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    velquin::app::printText("velquin: ウィンドウのプログラム「" +
                                velquin::pathToUtf8(std::filesystem::path(program)) +
                                "」を起動できません。\n",
                            true);
    return 2;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const velquin::app::CommandLine commandLine =
      velquin::app::readCommandLine(velquin::app::commandLineArguments(argc, argv));
  if (const std::optional<int> exitCode =
          velquin::app::runCommandLineAction(commandLine, velquin::app::printText))
    return *exitCode;
  return startWindow();
}
