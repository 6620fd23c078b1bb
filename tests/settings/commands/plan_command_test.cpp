// `velquin --plan` on a folder on disk: the plan finds the files as the check
// does, and gives the settings file's own size.

#include "settings/commands/plan_command.h"

#include <gtest/gtest.h>

#include "settings/test_support.h"

namespace velquin {
namespace {

namespace fs = std::filesystem;

// Rivo.ini as an author may have saved it: comments and blank lines that
// Create would not write, so that its size is its own.
constexpr std::string_view kSettingsFile =
    "; saved by hand\r\n[Application]\r\nName = Tessaly\r\n\r\n[Install]\r\nTitle = T\r\n"
    "[Files]\r\nItem1 = lib\\x.dll\r\nItem2 = Rivo.exe,2\r\nItem3 = Rivo.ini\r\n";

TEST(PlanCommand, FilesThroughLinkedFoldersAndTheSettingsFileAsItIsOnDisk) {
  test::TempDir dir;
  test::writeBytes(dir / "Rivo.exe", "engine");
  test::writeBytes(dir / "Rivo.ini", std::string(kSettingsFile));
#ifndef _WIN32
  // lib\x.dll is the file real\x.dll, reached through a link to its folder.
  fs::create_directories(dir / "real");
  test::writeBytes(dir / "real" / "x.dll", "dll");
  fs::create_directory_symlink("real", dir / "lib");
#else
  fs::create_directories(dir / "lib");
  test::writeBytes(dir / "lib" / "x.dll", "dll");
#endif
  const PlanCommandResult result = runPlanCommand(dir.path());
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_NE(result.text.find("  lib\\x.dll：〈インストール先〉\\lib\\x.dll、上書きする（省略時は "
                             "1）、3 バイト  ← [Files] Item1\n"),
            std::string::npos)
      << result.text;
  EXPECT_NE(result.text.find("  Rivo.ini：〈インストール先〉\\Rivo.ini、上書きする（省略時は 1）、"
                             "この設定ファイル（作成時に追加）、" +
                             std::to_string(kSettingsFile.size()) + " バイト  ← [Files] Item3\n"),
            std::string::npos)
      << result.text;
  EXPECT_NE(result.text.find("インストールするファイル：3 個、" +
                             std::to_string(3 + 6 + kSettingsFile.size()) + " バイト  ← [Files]\n"),
            std::string::npos)
      << result.text;
}

}  // namespace
}  // namespace velquin
