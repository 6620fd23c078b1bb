#include "settings/platform/file_replace.h"

#include <gtest/gtest.h>

#include "settings/test_support.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#endif

namespace velquin {
namespace {

TEST(ReplaceFileWhole, CreatesAndReplacesLeavingNoTemporaryFile) {
  test::TempDir dir;
  const auto target = dir / "Rivo.ini";
  EXPECT_EQ(replaceFileWhole(target, "one\r\n"), ReplaceStatus::Replaced);
  EXPECT_EQ(test::readBytes(target), "one\r\n");
  EXPECT_EQ(replaceFileWhole(target, ""), ReplaceStatus::Replaced);
  EXPECT_EQ(test::readBytes(target), "");
  EXPECT_EQ(replaceFileWhole(target, "two"), ReplaceStatus::Replaced);
  EXPECT_EQ(test::readBytes(target), "two");
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

// A folder of that name cannot be replaced, and a read-only file is the
// author's way of keeping it.
TEST(ReplaceFileWhole, FolderOrReadOnlyFileIsNotReplaced) {
  test::TempDir dir;
  ReplaceFailure why = ReplaceFailure::None;
  std::filesystem::create_directory(dir / "Rivo.ini");
  EXPECT_EQ(replaceFileWhole(dir / "Rivo.ini", "x", &why), ReplaceStatus::CannotCreate);
  EXPECT_EQ(why, ReplaceFailure::IsAFolder);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "Rivo.ini"));
  test::writeBytes(dir / "Setup.ini", "old");
  std::filesystem::permissions(dir / "Setup.ini", std::filesystem::perms::owner_read);
  EXPECT_EQ(replaceFileWhole(dir / "Setup.ini", "x", &why), ReplaceStatus::CannotCreate);
  EXPECT_EQ(why, ReplaceFailure::NoPermission);
  EXPECT_EQ(test::readBytes(dir / "Setup.ini"), "old");
}

// A folder moved away, or a file where the folder should be, is a missing
// folder; nothing is left behind.
TEST(ReplaceFileWhole, MissingFolderIsSaidSo) {
  test::TempDir dir;
  test::writeBytes(dir / "file", "");
  for (const auto& target : {dir / "gone" / "Rivo.ini", dir / "file" / "Rivo.ini"}) {
    ReplaceFailure why = ReplaceFailure::None;
    EXPECT_EQ(replaceFileWhole(target, "x", &why), ReplaceStatus::CannotCreate) << target;
    EXPECT_EQ(why, ReplaceFailure::NoFolder) << target;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "gone"));
  EXPECT_EQ(test::readBytes(dir / "file"), "");
}

#ifndef _WIN32
TEST(ReplaceFileWhole, FailedWriteKeepsOldFileAndRemovesTemporary) {
  // A file size limit makes the write fail after the temporary file exists,
  // as a full disk would.
  test::TempDir dir;
  const auto target = dir / "Rivo.ini";
  test::writeBytes(target, "old");
  struct rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto* previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 16;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const auto status = replaceFileWhole(target, std::string(4096, 'n'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(status, ReplaceStatus::WriteFailed);
  EXPECT_EQ(test::readBytes(target), "old");
  int entries = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

// Permissions do not bind the superuser, who can write into any folder.
TEST(ReplaceFileWhole, ReadOnlyFolderIsNoPermission) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  test::TempDir dir;
  std::filesystem::permissions(
      dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  ReplaceFailure why = ReplaceFailure::None;
  EXPECT_EQ(replaceFileWhole(dir / "Rivo.ini", "x", &why), ReplaceStatus::CannotCreate);
  EXPECT_EQ(why, ReplaceFailure::NoPermission);
  EXPECT_FALSE(std::filesystem::exists(dir / "Rivo.ini"));
}

TEST(ReplaceFileWhole, KeepsPermissionsOfOldFile) {
  test::TempDir dir;
  const auto target = dir / "Rivo.ini";
  test::writeBytes(target, "old");
  using P = std::filesystem::perms;
  std::filesystem::permissions(target, P::owner_read | P::owner_write | P::others_read);
  EXPECT_EQ(replaceFileWhole(target, "new"), ReplaceStatus::Replaced);
  EXPECT_EQ(std::filesystem::status(target).permissions(),
            P::owner_read | P::owner_write | P::others_read);
}

// A linked settings file (one copy shared by several folders) is written
// where the link leads; the link and the file's permissions stay.
TEST(ReplaceFileWhole, LinkStaysAndItsFileIsReplaced) {
  test::TempDir dir;
  namespace fs = std::filesystem;
  fs::create_directories(dir / "dist");
  fs::create_directories(dir / "shared");
  test::writeBytes(dir / "shared" / "Rivo.ini", "old");
  fs::permissions(dir / "shared" / "Rivo.ini", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("../shared/Rivo.ini", dir / "dist" / "Rivo.ini");
  fs::create_symlink("../shared/New.ini", dir / "dist" / "New.ini");  // not written yet

  for (const char* name : {"Rivo.ini", "New.ini"}) {
    EXPECT_EQ(replaceFileWhole(dir / "dist" / name, "new"), ReplaceStatus::Replaced);
    EXPECT_TRUE(fs::is_symlink(dir / "dist" / name)) << name;
    EXPECT_EQ(test::readBytes(dir / "shared" / name), "new");
  }
  EXPECT_EQ(fs::status(dir / "shared" / "Rivo.ini").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}
#endif

}  // namespace
}  // namespace velquin
