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

namespace velquin {
namespace {

namespace fs = std::filesystem;

std::string encoded(const std::string& utf8, UINT codePage) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          static_cast<int>(wide.size()))));
  std::string bytes(wide.size() * 3, '\0');
  bytes.resize(static_cast<std::size_t>(
      WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(),
                          static_cast<int>(bytes.size()), nullptr, nullptr)));
  return bytes;
}

struct BatchRun {
  DWORD exitCode = STILL_ACTIVE;
  std::string errorLevel;  // as the batch file echoed it
  std::string report;      // the redirected output's bytes
};

// Runs, in a console of its own, a batch file that sets the code page and
// checks `dist` as a release script would.
BatchRun checkInBatch(const test::TempDir& dir, const fs::path& dist, UINT codePage) {
  const fs::path script = dir / "release.cmd", out = dir / "out.txt", level = dir / "level.txt";
  test::writeBytes(script, "@echo off\r\nchcp " + std::to_string(codePage) +
                               " > nul\r\nvelquin --check \"" + dist.string() + "\" > \"" +
                               out.string() + "\"\r\n> \"" + level.string() +
                               "\" echo %ERRORLEVEL%\r\nexit /b %ERRORLEVEL%\r\n");
  std::wstring command = L"cmd.exe /c \"" + script.native() + L"\"";
  const fs::path folder = fs::path(VELQUIN_CONSOLE_W).parent_path();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  BatchRun run;
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                      folder.c_str(), &startup, &process))
    return run;
  if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0)
    GetExitCodeProcess(process.hProcess, &run.exitCode);
  else
    TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  run.errorLevel = test::readBytes(level);
  run.report = test::readBytes(out);
  return run;
}

TEST(ConsoleCompanion, BatchFileGetsTheExitCodeAndTheReportInTheConsolesCodePage) {
  test::TempDir dir;
  const fs::path dist = dir / "dist";
  fs::create_directories(dist);
  test::writeBytes(dist / "app.exe", "x");
  test::writeBytes(dist / "Rivo.exe", "x");
  test::writeBytes(dist / "Rivo.ini",
                   "[Application]\r\nName = App\r\n[Install]\r\nTitle = T\r\nTextFile = \r\n"
                   "Program = \r\nAllUsers = -1\r\nMessage = \r\n[Files]\r\nItem1 = app.exe\r\n"
                   "Item2 = gone.txt\r\nItem3 = Rivo.exe,2\r\nItem4 = Rivo.ini\r\n[Group]\r\n"
                   "Value = -1\r\n");

  const BatchRun failing = checkInBatch(dir, dist, 932);
  EXPECT_EQ(failing.exitCode, 1u);
  EXPECT_EQ(failing.errorLevel, "1\r\n");
  const std::string missing = messages::ship::notInFolder("gone.txt");
  EXPECT_NE(failing.report.find(encoded(missing, 932)), std::string::npos) << failing.report;

  test::writeBytes(dist / "gone.txt", "x");
  const BatchRun clean = checkInBatch(dir, dist, 65001);
  EXPECT_EQ(clean.exitCode, 0u);
  EXPECT_EQ(clean.errorLevel, "0\r\n");
  EXPECT_EQ(clean.report, messages::ship::counts(0, 0) + "\r\n");
}

// Any other command line is the window's: velquin.com starts velquin.exe
// beside it and ends at once, while the window stays.
TEST(ConsoleCompanion, StartsTheWindowAndEndsWithoutWaitingForIt) {
  std::wstring command = L"\"" VELQUIN_CONSOLE_W L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION companion{};
  ASSERT_TRUE(CreateProcessW(VELQUIN_CONSOLE_W, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &companion));
  DWORD exitCode = STILL_ACTIVE;
  if (WaitForSingleObject(companion.hProcess, 20000) == WAIT_OBJECT_0)
    GetExitCodeProcess(companion.hProcess, &exitCode);
  CloseHandle(companion.hThread);
  CloseHandle(companion.hProcess);
  EXPECT_EQ(exitCode, 0u);

  HWND window = nullptr;
  for (int i = 0; i < 200 && !window; ++i, Sleep(100)) {
    window = FindWindowW(nullptr, L"Velquin");
    if (window && !IsWindowVisible(window)) window = nullptr;
  }
  ASSERT_NE(window, nullptr) << "no window of velquin.exe within 20 s";
  DWORD windowProcess = 0;
  GetWindowThreadProcessId(window, &windowProcess);
  EXPECT_NE(windowProcess, companion.dwProcessId);
  if (const HANDLE velquin = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, windowProcess)) {
    TerminateProcess(velquin, 0);
    WaitForSingleObject(velquin, 5000);
    CloseHandle(velquin);
  }
}

}  // namespace
}  // namespace velquin
