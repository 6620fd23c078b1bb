// `velquin --plan` on a folder on disk: the plan finds the files as the check
// does, and gives the settings file's own size.

#include "settings/commands/plan_command.h"

#include <gtest/gtest.h>

#include "settings/commands/check_command.h"
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

// The plan tells what the engine reads of the file's bytes, and shows the
// check's findings of them, one for each line of the check's report.
TEST(PlanCommand, DescribesTheBytesTheEngineReadsWithTheChecksFindings) {
  struct Case {
    std::string file;
    std::vector<std::string> shows, hides;
  };
  const Case cases[] = {
      {"[Files]\r\nItem1 = a.txt\r\nItem2 = x.txt\r\nItem4 = b.txt\r\nItem5 = Rivo.exe,2\r\n"
       "Item6 = Rivo.ini\r\n",
       {"  b.txt：", "← [Files] Item4\n", "Item3 がありません。"},
       {"Rivo.ini："}},
      {"[Files]\r\nItem1 = a.txt\r\n", {"  a.txt："}, {"Rivo.exe：", "Rivo.ini："}},
      {"[Install]\r\nInstallDir = App\r\nIsFileDelAfterInst = 9\r\nAllUsers = 5\r\n",
       {"インストール後のインストール元ファイル：9", "All Users にショートカットを登録：5"},
       {"削除する  ←"}},
      {"[Application]\r\nName = 家計簿\r\n",
       {"名前：" + sjis::decodeForDisplay("家計簿")},
       {"名前：家計簿"}},
      {"\xEF\xBB\xBF[Application]\r\nName = Tool\r\n", {}, {"Tool"}},
      {"[Application]\r\nName = Tool\r\n[Group]\r\nValue = 1\r\nItem1 = " +
           test::sj("Toolのアンインストール,unins.exe") + "\r\n",
       {"Toolのアンインストール：〈インストール先〉\\unins.exe"},
       {"パラメータ /r"}},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    test::writeBytes(dir / "Rivo.ini", c.file);
    const std::string plan = runPlanCommand(dir.path()).text;
    for (const std::string& text : c.shows) EXPECT_NE(plan.find(text), std::string::npos) << plan;
    for (const std::string& text : c.hides) EXPECT_EQ(plan.find(text), std::string::npos) << plan;
    const std::string report = runCheckCommand(dir.path()).text;
    const auto count = [](const std::string& text, std::string_view what) {
      std::size_t n = 0;
      for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
      return n;
    };
    EXPECT_EQ(count(plan, "※ "), count(report, "\n") - 1) << plan << report;
  }
}

}  // namespace
}  // namespace velquin
