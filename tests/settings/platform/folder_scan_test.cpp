#include "settings/platform/folder_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "settings/platform/paths.h"
#include "settings/test_support.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace velquin {
namespace {

namespace fs = std::filesystem;
using test::sj;
using Lines = std::vector<std::string>;

void touch(const fs::path& p) {
  fs::create_directories(p.parent_path());
  test::writeBytes(p, "x");
}

std::multiset<std::string> asSet(const Lines& lines) { return {lines.begin(), lines.end()}; }

// The lines under each folder prefix stand together (depth-first), and every
// line stands once.
void expectDepthFirst(const Lines& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (std::size_t cut = lines[i].find('\\'); cut != std::string::npos;
         cut = lines[i].find('\\', cut + 1)) {
      const std::string prefix = lines[i].substr(0, cut + 1);
      std::size_t first = lines.size(), last = 0, count = 0;
      for (std::size_t k = 0; k < lines.size(); ++k) {
        if (lines[k].starts_with(prefix)) {
          first = std::min(first, k);
          last = k;
          ++count;
        }
      }
      EXPECT_EQ(last - first + 1, count) << "lines of " << prefix << " are split up";
    }
  }
}

TEST(FolderScan, NestedFoldersWithBackslashesAndTheirOwnPrefixes) {
  test::TempDir dir;
  touch(dir / "app.exe");
  touch(dir / "readme.txt");
  touch(dir / "help" / "help.hlp");
  touch(dir / "help" / "img" / "a.bmp");
  touch(dir / "sub" / "deeper" / "x.txt");
  touch(dir / "sub" / "y.txt");
  touch(dir / "sub" / "a" / "1.txt");
  touch(dir / "sub" / "b" / "2.txt");
  touch(dir / "sub" / "b" / "3.txt");
  fs::create_directories(dir / "empty" / "emptier");
  touch(dir / ".hidden");
  touch(dir / "Makefile");

  const FolderScan scan = scanFolder(dir.path());
  EXPECT_EQ(asSet(scan.lines), (std::multiset<std::string>{
                                   "app.exe", "readme.txt", "help\\help.hlp", "help\\img\\a.bmp",
                                   "sub\\deeper\\x.txt", "sub\\y.txt", "sub\\a\\1.txt",
                                   "sub\\b\\2.txt", "sub\\b\\3.txt", ".hidden", "Makefile"}));
  expectDepthFirst(scan.lines);
  EXPECT_TRUE(scan.unwritable.empty());
}

TEST(FolderScan, OrderIsTheFileSystemsOwn) {
  // One entry per folder leaves the file system no choice of order.
  test::TempDir dir;
  touch(dir / "a" / "b" / "c" / "deep.txt");
  EXPECT_EQ(scanFolder(dir.path()).lines, Lines{"a\\b\\c\\deep.txt"});
  // Within one folder, the scan keeps the order the folder lists.
  test::TempDir flat;
  for (int i = 0; i < 50; ++i) touch(flat / ("f" + std::to_string(i)));
  Lines listed;
  for (const auto& e : fs::directory_iterator(flat.path()))
    listed.push_back(e.path().filename().string());
  EXPECT_EQ(scanFolder(flat.path()).lines, listed);
}

TEST(FolderScan, EmptyOrMissingFolderGivesNothing) {
  test::TempDir dir;
  EXPECT_TRUE(scanFolder(dir.path()).lines.empty());
  EXPECT_TRUE(scanFolder(dir / "missing").lines.empty());
}

#ifndef _WIN32
// A folder that cannot be read adds nothing, and the scan goes on past it.
// Root reads every folder, so the scan runs in a child that has given root up.
TEST(FolderScan, UnreadableFolderIsPassedOver) {
  test::TempDir dir;
  touch(dir / "a" / "x.txt");
  touch(dir / "b" / "hidden.txt");
  touch(dir / "c" / "y.txt");
  fs::permissions(dir / "b", fs::perms::none);
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(out[0]);
    if (geteuid() == 0 && setuid(65534) != 0) _exit(2);
    std::string listed;
    for (const auto& l : scanFolder(dir.path()).lines) listed += l + "\n";
    _exit(write(out[1], listed.data(), listed.size()) == static_cast<ssize_t>(listed.size()) ? 0
                                                                                             : 3);
  }
  close(out[1]);
  std::string listed;
  char buf[256];
  for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;)
    listed.append(buf, static_cast<std::size_t>(n));
  close(out[0]);
  int status = 0;
  waitpid(child, &status, 0);
  fs::permissions(dir / "b", fs::perms::owner_all);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  std::istringstream lines(listed);
  Lines got;
  for (std::string l; std::getline(lines, l);) got.push_back(l);
  EXPECT_EQ(asSet(got), (std::multiset<std::string>{"a\\x.txt", "c\\y.txt"}));
}
#endif

// "ソ" and "表" end in the byte 5C, which is no separator in the line.
TEST(FolderScan, JapaneseNamesBecomeShiftJis) {
  test::TempDir dir;
  touch(dir / pathFromUtf8("ソフト") / pathFromUtf8("表示.txt"));
  touch(dir / pathFromUtf8("①.txt"));
  EXPECT_EQ(asSet(scanFolder(dir.path()).lines),
            (std::multiset<std::string>{sj("ソフト\\表示.txt"), sj("①.txt")}));
}

#ifndef _WIN32
TEST(FolderScan, LinkCyclesEndAndEachFolderIsListedOnce) {
  test::TempDir dir;
  touch(dir / "top.txt");
  touch(dir / "sub" / "in.txt");
  fs::create_directory_symlink("..", dir / "sub" / "up");
  fs::create_directory_symlink(dir / "sub", dir / "sub" / "self");
  fs::create_symlink(dir / "top.txt", dir / "sub" / "linked.txt");

  const FolderScan scan = scanFolder(dir.path());
  EXPECT_EQ(asSet(scan.lines),
            (std::multiset<std::string>{"top.txt", "sub\\in.txt", "sub\\linked.txt"}));
  // The links to folders seen are aliases: their files are those folders' own.
  std::multiset<std::string> aliases;
  for (const FolderAlias& a : scan.aliases) aliases.insert(a.alias + " = " + a.folder);
  EXPECT_EQ(aliases, (std::multiset<std::string>{"sub\\up\\ = ", "sub\\self\\ = sub\\"}));
}

// A link names a file of the folder only when its target is one: a link to
// nothing (or to a link to nothing) is none, and neither is a pipe, directly
// or through a link. The sizes stand beside the lines, a link's being its
// target's.
TEST(FolderScan, OnlyFilesAndLinksToFilesAreListed) {
  test::TempDir dir;
  test::writeBytes(dir / "app.exe", "12345");
  fs::create_symlink(dir / "missing", dir / "help.chm");
  fs::create_symlink(dir / "help.chm", dir / "via_broken.chm");
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
  fs::create_symlink(dir / "pipe", dir / "to_pipe");
  fs::create_directory(dir / "sub");
  test::writeBytes(dir / "sub" / "in.txt", "123");
  fs::create_symlink(dir / "app.exe", dir / "sub" / "linked.exe");

  const FolderScan scan = scanFolderWithSizes(dir.path());
  std::multiset<std::string> listed;
  ASSERT_EQ(scan.sizes.size(), scan.lines.size());
  for (std::size_t i = 0; i < scan.lines.size(); ++i)
    listed.insert(scan.lines[i] + " " + std::to_string(scan.sizes[i]));
  EXPECT_EQ(listed,
            (std::multiset<std::string>{"app.exe 5", "sub\\in.txt 3", "sub\\linked.exe 5"}));
  EXPECT_EQ(asSet(scanFolder(dir.path()).lines),
            (std::multiset<std::string>{"app.exe", "sub\\in.txt", "sub\\linked.exe"}));
}

TEST(FolderScan, NamesShiftJisCannotHoldAreReportedNotListed) {
  test::TempDir dir;
  touch(dir / "ok.txt");
  touch(dir / pathFromUtf8("emoji😀.txt"));
  touch(dir / "two\nlines.txt");
  touch(dir / pathFromUtf8("café") / "menu.txt");
  touch(dir / "sub" / pathFromUtf8("한국어.txt"));
  touch(dir / "sub" / pathFromUtf8("カ\u3099イト\u3099.pdf"));  // decomposed, as macOS writes it
  touch(dir / ". .." / "x.txt");                                // a name Windows resolves to none

  const FolderScan scan = scanFolder(dir.path());
  EXPECT_EQ(scan.lines, Lines{"ok.txt"});
  EXPECT_EQ(asSet(scan.unwritable),
            (std::multiset<std::string>{"emoji😀.txt", "two?lines.txt", "café\\menu.txt",
                                        "sub\\한국어.txt", "sub\\カ\u3099イト\u3099.pdf",
                                        ". ..\\x.txt"}));
}
#endif

// The folders a listing stands in, with those above them; a backslash that
// is a character's second byte (ソ is 83 5C) parts no folder.
TEST(FolderScan, FoldersOfTheLines) {
  EXPECT_EQ(
      foldersOf({"a.txt", "sub\\deep\\x", "sub\\deep\\y", "sub\\z", "\x83\x5C\\w", "\x83\x5Cv"}),
      (std::vector<std::string>{"", "sub\\", "sub\\deep\\", "\x83\x5C\\"}));
}

}  // namespace
}  // namespace velquin
