// velquin.com, the console companion of velquin.exe on Windows.
//
// velquin.exe is a window program: cmd and PowerShell neither wait for it nor
// get its exit code. velquin.com is a console program beside it, which cmd
// finds first when "velquin" is typed (.COM comes before .EXE), and answers
// the command line's actions itself, with the same texts and exit codes. Any
// other command line starts velquin.exe beside it with the same arguments,
// without waiting for the window.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>

#include "command_line.h"
#include "settings/platform/windows_api.h"

namespace {

std::wstring wideFromUtf8(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

// On a console the text goes in UTF-16, so that Japanese shows whatever the
// console's code page. Redirected to a file or a pipe, it is written in the
// console's output code page (932 on a Japanese Windows, or what chcp set),
// with CR LF, as the other console programs write there.
void printToConsole(const std::string& utf8, bool toErrorOutput) {
  const HANDLE out = GetStdHandle(toErrorOutput ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  if (!out || out == INVALID_HANDLE_VALUE) return;
  const std::wstring text = wideFromUtf8(utf8);
  DWORD mode = 0;
  if (GetConsoleMode(out, &mode)) {
    // In pieces, as older consoles refuse long writes; a piece never ends
    // between the two halves of a character outside the BMP.
    for (std::size_t done = 0; done < text.size();) {
      std::size_t piece = std::min<std::size_t>(text.size() - done, 8192);
      if (done + piece < text.size() && IS_HIGH_SURROGATE(text[done + piece - 1])) --piece;
      DWORD written = 0;
      if (!WriteConsoleW(out, text.data() + done, static_cast<DWORD>(piece), &written, nullptr) ||
          written == 0)
        return;
      done += written;
    }
    return;
  }
  std::wstring lines;
  lines.reserve(text.size() + text.size() / 16);
  for (const wchar_t c : text) {
    if (c == L'\n') lines += L'\r';
    lines += c;
  }
  UINT codePage = GetConsoleOutputCP();
  if (codePage == 0) codePage = GetACP();  // no console at all
  const int size = WideCharToMultiByte(codePage, 0, lines.data(), static_cast<int>(lines.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, lines.data(), static_cast<int>(lines.size()), bytes.data(), size,
                      nullptr, nullptr);
  for (std::size_t done = 0; done < bytes.size();) {
    DWORD written = 0;
    if (!WriteFile(out, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written,
                   nullptr) ||
        written == 0)
      return;
    done += written;
  }
}

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
    const int size = WideCharToMultiByte(
        CP_UTF8, 0, program.data(), static_cast<int>(program.size()), nullptr, 0, nullptr, nullptr);
    std::string name(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, program.data(), static_cast<int>(program.size()), name.data(),
                        size, nullptr, nullptr);
    printToConsole("「" + name + "」を起動できません。\n", true);
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
          velquin::app::runCommandLineAction(commandLine, printToConsole))
    return *exitCode;
  return startWindow();
}
