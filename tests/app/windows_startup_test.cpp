// velquin.exe as an author starts it on Windows: on the real windows platform
// plug-in, it shows its main window with the application title and a client
// area of 424 × 235 (asked of Windows itself, from outside the program), in
// the tool's Japanese face, and ends when that window is closed.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

struct Search {
  DWORD process;
  HWND window;
};

// The visible top-level window of the process that no other window owns.
BOOL CALLBACK findMainWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search->process || !IsWindowVisible(window) || GetWindow(window, GW_OWNER))
    return TRUE;
  search->window = window;
  return FALSE;
}

// Starts velquin.exe with the platform it chooses itself, as from Explorer;
// `quitAfterShow` as VELQUIN_QUIT_AFTER_SHOW, and its output into `output`.
PROCESS_INFORMATION startVelquin(const wchar_t* quitAfterShow, HANDLE output = nullptr) {
  SetEnvironmentVariableW(L"QT_QPA_PLATFORM", nullptr);
  SetEnvironmentVariableW(L"VELQUIN_QUIT_AFTER_SHOW", quitAfterShow);
  std::wstring executable = VELQUIN_EXECUTABLE_W;
  std::wstring commandLine = L"\"" + executable + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (output) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  }
  PROCESS_INFORMATION velquin{};
  if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, output != nullptr,
                      0, nullptr, nullptr, &startup, &velquin))
    ADD_FAILURE() << "cannot start velquin.exe: " << GetLastError();
  return velquin;
}

TEST(WindowsStartup, ShowsTheMainWindowWithTitleAndClientSize) {
  PROCESS_INFORMATION velquin = startVelquin(nullptr);
  ASSERT_NE(velquin.hProcess, nullptr);

  Search search{velquin.dwProcessId, nullptr};
  for (int i = 0; i < 200 && !search.window; ++i) {
    EnumWindows(findMainWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.window && WaitForSingleObject(velquin.hProcess, 100) == WAIT_OBJECT_0) break;
  }
  if (!search.window) TerminateProcess(velquin.hProcess, 1);
  ASSERT_NE(search.window, nullptr) << "no main window within 20 s";

  wchar_t title[64] = {};
  GetWindowTextW(search.window, title, 64);
  EXPECT_EQ(std::wstring(title), L"Velquin");
  RECT client{};
  ASSERT_TRUE(GetClientRect(search.window, &client));
  EXPECT_EQ(client.right - client.left, 424);
  EXPECT_EQ(client.bottom - client.top, 235);

  // Nothing was edited: closing the window ends the program without a question.
  PostMessageW(search.window, WM_CLOSE, 0, 0);
  const bool ended = WaitForSingleObject(velquin.hProcess, 15000) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(velquin.hProcess, 1);
  EXPECT_TRUE(ended) << "still running 15 s after its window was closed";
  DWORD exitCode = 1;
  GetExitCodeProcess(velquin.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  CloseHandle(velquin.hThread);
  CloseHandle(velquin.hProcess);
}

TEST(WindowsStartup, CaptionsAndButtonsInTheToolsJapaneseFace) {
  // What the platform really gave: MS P Gothic where it is installed, else
  // the proportional stand-in, at the pixel sizes of the layout.
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  ASSERT_TRUE(CreatePipe(&read, &write, &inherit, 0));
  PROCESS_INFORMATION velquin = startVelquin(L"fonts", write);
  CloseHandle(write);
  ASSERT_NE(velquin.hProcess, nullptr);
  std::string output;
  char buffer[512];
  DWORD got = 0;
  while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0)
    output.append(buffer, got);
  CloseHandle(read);
  ASSERT_EQ(WaitForSingleObject(velquin.hProcess, 20000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(velquin.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  CloseHandle(velquin.hThread);
  CloseHandle(velquin.hProcess);

  bool matched = false;
  for (const char* face : {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPA Pゴシック"}) {
    matched = matched || output == "shown Velquin 424x235\r\nLabel1 " + std::string(face) +
                                       " 13px\r\nButtonSansho " + face + " 12px bold\r\n";
  }
  EXPECT_TRUE(matched) << output;
}

}  // namespace
