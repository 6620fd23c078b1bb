// velquin.com as a release script on Windows runs it: a batch file in cmd,
// on a console, typing "velquin" in the folder of velquin.com and velquin.exe.
// cmd waits for it and gets its exit code in ERRORLEVEL; a redirected report
// is in code page 932 with CR LF, whatever chcp set, and velquin.exe writes
// the same bytes. A misused command line fails at once. Anything else starts
// the window.

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

struct Release {
  test::TempDir dir;
  fs::path dist = dir / "dist", out = dir / "out.txt", level = dir / "level.txt";

  Release() {
    fs::create_directories(dist);
    test::writeBytes(dist / "app.exe", "x");
    test::writeBytes(dist / "Rivo.exe", "x");
    test::writeBytes(dist / "Rivo.ini",
                     "[Application]\r\nName = App\r\n[Install]\r\nTitle = T\r\nTextFile = \r\n"
                     "Program = \r\nAllUsers = -1\r\nMessage = \r\n[Files]\r\nItem1 = app.exe\r\n"
                     "Item2 = gone.txt\r\nItem3 = Rivo.exe,2\r\nItem4 = Rivo.ini\r\n[Group]\r\n"
                     "Value = -1\r\n");
  }
  // `arguments` after "velquin" in a batch file, the output redirected.
  DWORD inBatch(const std::string& arguments, int codePage = 932) {
    test::writeBytes(dir / "release.cmd", "@echo off\r\nchcp " + std::to_string(codePage) +
                                              " > nul\r\nvelquin " + arguments + " > \"" +
                                              out.string() + "\" 2>&1\r\n> \"" + level.string() +
                                              "\" echo %ERRORLEVEL%\r\nexit /b %ERRORLEVEL%\r\n");
    return run(L"cmd.exe /c \"" + (dir / "release.cmd").native() + L"\"",
               fs::path(VELQUIN_CONSOLE_W).parent_path(), CREATE_NEW_CONSOLE);
  }
  std::string report(std::string_view lines) const {
    std::string bytes = *sjis::encode(lines);
    for (std::size_t at = 0; (at = bytes.find('\n', at)) != std::string::npos; at += 2)
      bytes.insert(at, 1, '\r');
    return bytes;
  }
};

TEST(ConsoleCompanion, BatchFileGetsTheExitCodeAndTheReportInCodePage932) {
  Release release;
  const std::string missing =
      release.report((release.dist / "Rivo.ini").string() +
                     ":11: エラー: [Files] Item2: " + messages::ship::notInFolder("gone.txt") +
                     "\n" + messages::ship::counts(1, 0) + "\n");
  EXPECT_EQ(release.inBatch("--check \"" + release.dist.string() + "\\Rivo.ini\""), 1u);
  EXPECT_EQ(test::readBytes(release.level), "1\r\n");
  EXPECT_EQ(test::readBytes(release.out), missing);

  // velquin.exe, a window program, writes the same bytes to a file.
  {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const fs::path exeOut = release.dir / "exe.txt";
    const HANDLE file = CreateFileW(exeOut.c_str(), GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = file;
    std::wstring command = L"\"" + fs::path(VELQUIN_CONSOLE_W).replace_extension(".exe").native() +
                           L"\" --check \"" + (release.dist / "Rivo.ini").native() + L"\"";
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                               &startup, &process));
    WaitForSingleObject(process.hProcess, 20000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(file);
    EXPECT_EQ(test::readBytes(exeOut), missing);
  }

  // A folder quoted as "%~dp0" gives it, ending in a backslash; chcp changes
  // nothing.
  test::writeBytes(release.dist / "gone.txt", "x");
  EXPECT_EQ(release.inBatch("--check \"" + release.dist.string() + "\\\" --strict", 65001), 0u);
  EXPECT_EQ(test::readBytes(release.level), "0\r\n");
  EXPECT_EQ(test::readBytes(release.out), release.report(messages::ship::counts(0, 0) + "\n"));
}

// A typo fails the script at once, and /? is the usage, as Windows
// programs take it; neither starts the window.
TEST(ConsoleCompanion, MisusedCommandLineFailsAndSlashQuestionMarkIsTheUsage) {
  Release release;
  EXPECT_EQ(release.inBatch("--chek \"" + release.dist.string() + "\""), 2u);
  EXPECT_EQ(test::readBytes(release.level), "2\r\n");
  EXPECT_EQ(test::readBytes(release.out)
                .rfind(release.report(
                           "velquin: 「--chek」は velquin のオプションではありません。\n使い方: "),
                       0),
            0u)
      << test::readBytes(release.out);

  EXPECT_EQ(release.inBatch("/?"), 0u);
  EXPECT_EQ(test::readBytes(release.out).rfind(release.report("使い方: velquin "), 0), 0u);
  EXPECT_EQ(FindWindowW(nullptr, L"Velquin"), nullptr);
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
