// The folder scan on Windows: hidden, system and read-only entries are listed
// like any other, folders are entered whatever their attributes, a folder
// without a real path is listed, and a link back up is not followed. (What
// the scan does on every system, Japanese names included, is tested by the
// core's scan test, which runs here too.)
#include <gtest/gtest.h>

#include <algorithm>

#include "settings/platform/folder_scan.h"
#include "settings/platform/windows_api.h"
#include "settings/test_support.h"
#include "symlinks.h"

namespace velquin {
namespace {

using Lines = std::vector<std::string>;

void touch(const std::filesystem::path& p, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  std::filesystem::create_directories(p.parent_path());
  test::writeBytes(p, "x");
  ASSERT_TRUE(SetFileAttributesW(p.c_str(), attributes)) << p.string();
  if (attributes != FILE_ATTRIBUTE_NORMAL) {
    ASSERT_EQ(GetFileAttributesW(p.c_str()) & attributes, attributes) << p.string();
  }
}

Lines sorted(Lines lines) {
  std::sort(lines.begin(), lines.end());
  return lines;
}

class WindowsScan : public ::testing::Test {
 protected:
  void TearDown() override {
    // Attributes off again, so that the folder can be removed.
    for (auto& e : std::filesystem::recursive_directory_iterator(dir.path()))
      SetFileAttributesW(e.path().c_str(),
                         e.is_directory() ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL);
  }
  test::TempDir dir;
};

TEST_F(WindowsScan, HiddenAndSystemEntriesAreListed) {
  touch(dir / L"app.exe");
  touch(dir / L"hidden.dat", FILE_ATTRIBUTE_HIDDEN);
  touch(dir / L"system.sys", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
  touch(dir / L"readonly.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  touch(dir / L"NODOT");
  touch(dir / L"help" / L"help.hlp");
  touch(dir / L"help" / L"img" / L"a.bmp", FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(SetFileAttributesW((dir / L"help").c_str(), FILE_ATTRIBUTE_DIRECTORY |
                                                              FILE_ATTRIBUTE_HIDDEN |
                                                              FILE_ATTRIBUTE_SYSTEM));
  std::filesystem::create_directory(dir / L"empty");

  const FolderScan scan = scanFolder(dir.path());
  EXPECT_EQ(sorted(scan.lines), sorted({"app.exe", "hidden.dat", "system.sys", "readonly.txt",
                                        "NODOT", "help\\help.hlp", "help\\img\\a.bmp"}));
  EXPECT_TRUE(scan.unwritable.empty());
}

TEST_F(WindowsScan, FolderWithoutRealPathIsStillListed) {
  // A path in the \\?\ form has no real path to be had, as on some network
  // and virtual drives; the distribution folder and its sub-folders are
  // listed all the same.
  touch(dir / L"app.exe");
  touch(dir / L"help" / L"help.hlp");
  const std::filesystem::path prefixed = L"\\\\?\\" + dir.path().native();
  EXPECT_EQ(sorted(scanFolder(prefixed).lines), sorted({"app.exe", "help\\help.hlp"}));
}

// A link back up is a folder already listed, whatever its path: it is listed
// once and not followed.
TEST_F(WindowsScan, LinkBackUpIsListedOnce) {
  touch(dir / L"top.txt");
  touch(dir / L"sub" / L"in.txt");
  const test::Symlink up(L"..", dir / L"sub" / L"up", true);
  if (!up.made()) GTEST_SKIP() << "no symbolic links can be made here";
  EXPECT_EQ(sorted(scanFolder(dir.path()).lines), sorted({"top.txt", "sub\\in.txt"}));
}

}  // namespace
}  // namespace velquin
