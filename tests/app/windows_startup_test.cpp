// velquin.exe as an author starts it on Windows: on the real windows platform
// plug-in, it shows its main window with the application title and a client
// area of 424 × 235 (asked of Windows itself, from outside the program), in
// the tool's Japanese face, and ends when that window is closed.

#include <gtest/gtest.h>

#include <string>

#include "settings/platform/windows_api.h"
#include "ui/common/tool_faces.h"

namespace {

// velquin.exe started as from Explorer (the platform its own choice), or,
// with `quit`, the window program with its hook, which VELQUIN_QUIT_AFTER_SHOW
// tells when to end; its output goes into a pipe.
struct Velquin {
  explicit Velquin(const wchar_t* quit) {
    const wchar_t* program = quit ? VELQUIN_PROBED_EXECUTABLE_W : VELQUIN_EXECUTABLE_W;
    SetEnvironmentVariableW(L"QT_QPA_PLATFORM", nullptr);
    SetEnvironmentVariableW(L"VELQUIN_QUIT_AFTER_SHOW", quit);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE write = nullptr;
    CreatePipe(&output, &write, &inherit, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\"";
    started = CreateProcessW(program, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                             nullptr, &startup, &process);
    CloseHandle(write);
  }
  ~Velquin() {
    if (started) TerminateProcess(process.hProcess, 1);  // a no-op once it has ended
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(output);
  }
  // The exit code, or STILL_ACTIVE after `ms` milliseconds.
  DWORD exitCode(DWORD ms) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, ms) == WAIT_OBJECT_0)
      GetExitCodeProcess(process.hProcess, &code);
    return code;
  }
  std::string readAll() {
    std::string text;
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(output, buffer, sizeof buffer, &got, nullptr) && got > 0)
      text.append(buffer, got);
    return text;
  }

  bool started = false;
  PROCESS_INFORMATION process{};
  HANDLE output = nullptr;
};

TEST(WindowsStartup, ShowsTheMainWindowWithTitleAndClientSize) {
  Velquin velquin(nullptr);
  ASSERT_TRUE(velquin.started) << GetLastError();
  // The visible top-level window of the process that no other window owns.
  std::pair<DWORD, HWND> search{velquin.process.dwProcessId, nullptr};
  for (int i = 0; i < 200 && !search.second && velquin.exitCode(100) == STILL_ACTIVE; ++i) {
    EnumWindows(
        [](HWND window, LPARAM found) {
          auto* s = reinterpret_cast<std::pair<DWORD, HWND>*>(found);
          DWORD process = 0;
          GetWindowThreadProcessId(window, &process);
          if (process == s->first && IsWindowVisible(window) && !GetWindow(window, GW_OWNER))
            s->second = window;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
  }
  ASSERT_NE(search.second, nullptr) << "no main window within 20 s";
  wchar_t title[64] = {};
  GetWindowTextW(search.second, title, 64);
  EXPECT_EQ(std::wstring(title), L"Velquin");
  RECT client{};
  ASSERT_TRUE(GetClientRect(search.second, &client));
  EXPECT_EQ(client.right - client.left, 424);
  EXPECT_EQ(client.bottom - client.top, 235);
  // Nothing was edited: closing the window ends the program without a question.
  PostMessageW(search.second, WM_CLOSE, 0, 0);
  EXPECT_EQ(velquin.exitCode(15000), 0u);
}

TEST(WindowsStartup, CaptionsAndButtonsInTheToolsJapaneseFace) {
  // What the platform really gave: MS P Gothic where it is installed, else
  // the proportional stand-in, at the pixel sizes of the layout.
  Velquin velquin(L"fonts");
  ASSERT_TRUE(velquin.started) << GetLastError();
  const std::string output = velquin.readAll();
  EXPECT_EQ(velquin.exitCode(20000), 0u);
  bool matched = false;
  for (const std::string_view face : velquin::ui::kToolFaces)
    matched = matched || output == "shown Velquin 424x235\r\nLabel1 " + std::string(face) +
                                       " 13px\r\nButtonSansho " + std::string(face) +
                                       " 12px bold\r\n";
  EXPECT_TRUE(matched) << output;
}

}  // namespace
