// velquin.com on Windows: it takes no Qt option (those are velquin.exe's),
// and starts velquin.exe beside it with the same arguments, without waiting
// for the window.

#include <filesystem>
#include <string>

#include "app_texts.h"
#include "console_output.h"
#include "front_main.h"
#include "settings/platform/paths.h"
#include "settings/platform/windows_api.h"

namespace velquin::app::front {
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

}  // namespace

const QtOptions kQtOptions = QtOptions::Refused;

void prepareAction(const CommandLine&, char**) {}

// The window is the author's now: velquin.com ends at once.
int startWindowProgram(char**) {
  std::wstring program = ownPath();
  program.erase(program.find_last_of(L"\\/") + 1);
  program += L"velquin.exe";
  std::wstring command = L"\"" + program + L"\"" + argumentsAsGiven();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    printText(texts::commandLineError(
                  texts::windowProgramNotStarted(pathToUtf8(std::filesystem::path(program)))),
              true);
    return 2;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

}  // namespace velquin::app::front
