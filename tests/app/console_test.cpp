// velquin.com as a release script on Windows runs it: a batch file in cmd,
// on a console, typing "velquin" in the folder of velquin.com and velquin.exe.
// cmd waits for it, gets its exit code in ERRORLEVEL, and a redirected report
// is in the code page chcp set. Anything else starts the window.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "settings/platform/windows_api.h"
#include "settings/test_support.h"
#include "settings/text/messages.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

namespace fs = std::filesystem;

// Runs `command` from `folder`, in a console of its own when `console`;
// gives its exit code, or STILL_ACTIVE when it has not ended within 20 s.
DWORD run(std::wstring command, const fs::path& folder = {}, DWORD console = 0) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, console, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &process))
    return 0xFFFFFFFF;
  DWORD exitCode = STILL_ACTIVE;
  if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0)
    GetExitCodeProcess(process.hProcess, &exitCode);
  else
    TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exitCode;
}

TEST(ConsoleCompanion, BatchFileGetsTheExitCodeAndTheReportInTheConsolesCodePage) {
  test::TempDir dir;
  const fs::path dist = dir / "dist", out = dir / "out.txt", level = dir / "level.txt";
  fs::create_directories(dist);
  test::writeBytes(dist / "app.exe", "x");
  test::writeBytes(dist / "Rivo.exe", "x");
  test::writeBytes(dist / "Rivo.ini",
                   "[Application]\r\nName = App\r\n[Install]\r\nTitle = T\r\nTextFile = \r\n"
                   "Program = \r\nAllUsers = -1\r\nMessage = \r\n[Files]\r\nItem1 = app.exe\r\n"
                   "Item2 = gone.txt\r\nItem3 = Rivo.exe,2\r\nItem4 = Rivo.ini\r\n[Group]\r\n"
                   "Value = -1\r\n");
  // "velquin" typed in the folder of velquin.com and velquin.exe.
  const auto checkInBatch = [&](int codePage) {
    test::writeBytes(dir / "release.cmd", "@echo off\r\nchcp " + std::to_string(codePage) +
                                              " > nul\r\nvelquin --check \"" + dist.string() +
                                              "\" > \"" + out.string() + "\"\r\n> \"" +
                                              level.string() +
                                              "\" echo %ERRORLEVEL%\r\nexit /b %ERRORLEVEL%\r\n");
    return run(L"cmd.exe /c \"" + (dir / "release.cmd").native() + L"\"",
               fs::path(VELQUIN_CONSOLE_W).parent_path(), CREATE_NEW_CONSOLE);
  };

  EXPECT_EQ(checkInBatch(932), 1u);
  EXPECT_EQ(test::readBytes(level), "1\r\n");
  const std::string report = test::readBytes(out);
  EXPECT_NE(report.find(*sjis::encode(messages::ship::notInFolder("gone.txt"))), std::string::npos)
      << report;

  test::writeBytes(dist / "gone.txt", "x");
  EXPECT_EQ(checkInBatch(65001), 0u);
  EXPECT_EQ(test::readBytes(level), "0\r\n");
  EXPECT_EQ(test::readBytes(out), messages::ship::counts(0, 0) + "\r\n");
}

// Any other command line is the window's: velquin.com starts velquin.exe
// beside it and ends at once, while the window stays.
TEST(ConsoleCompanion, StartsTheWindowAndEndsWithoutWaitingForIt) {
  EXPECT_EQ(run(L"\"" VELQUIN_CONSOLE_W L"\""), 0u);
  HWND window = nullptr;
  for (int i = 0; i < 200 && !window; ++i, Sleep(100)) {
    window = FindWindowW(nullptr, L"Velquin");
    if (window && !IsWindowVisible(window)) window = nullptr;
  }
  ASSERT_NE(window, nullptr) << "no window of velquin.exe within 20 s";
  DWORD windowProcess = 0;
  GetWindowThreadProcessId(window, &windowProcess);
  if (const HANDLE velquin = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, windowProcess)) {
    TerminateProcess(velquin, 0);
    WaitForSingleObject(velquin, 5000);
    CloseHandle(velquin);
  }
}

}  // namespace
}  // namespace velquin
