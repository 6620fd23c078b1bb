#include "settings/commands/file_drops.h"

#include <gtest/gtest.h>

#include "settings/check/checker.h"
#include "settings/commands/window_commands.h"
#include "settings/platform/folder_scan.h"
#include "settings/platform/paths.h"
#include "settings/test_support.h"
#include "settings/text/messages.h"

namespace velquin {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using test::sj;

void touch(const fs::path& p) {
  fs::create_directories(p.parent_path());
  test::writeBytes(p, "x");
}

TEST(ProgramFile, OneExistingExeFileOnly) {
  test::TempDir dir;
  touch(dir / "app.EXE");
  touch(dir / "readme.txt");
  fs::create_directory(dir / "tools.exe");
  EXPECT_EQ(programRefusal({dir / "app.EXE"}), std::nullopt);
  EXPECT_EQ(programRefusal({dir / "app.EXE", dir / "readme.txt"}),
            std::string(messages::kOneProgramOnly));
  EXPECT_EQ(programRefusal({}), std::string(messages::kOneProgramOnly));
  EXPECT_EQ(programRefusal({dir / "gone.exe"}),
            messages::programNotFound(pathToUtf8(dir / "gone.exe")));
  EXPECT_EQ(programRefusal({dir / "tools.exe"}),
            messages::programIsAFolder(pathToUtf8(dir / "tools.exe")));
  EXPECT_EQ(programRefusal({dir / "readme.txt"}),
            messages::programNotExe(pathToUtf8(dir / "readme.txt")));
}

class FileDrops : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"app.exe", "Rivo.exe", "Rivo.ini", "readme.txt", "sub/a.txt",
                          "sub/deeper/b.txt", "sub/c.txt", "sub/Rivo.exe"})
      touch(dir / f);
    s.setProgram(dir / "app.exe");
  }
  DroppedFiles drop(const std::vector<fs::path>& items) { return listDroppedFiles(s, items); }

  test::TempDir dir;
  InstallSettings s;
};

// A folder adds its files as the folder scan lists them; the engine and the
// settings file at the top are left out (their copies further down are the
// author's).
TEST_F(FileDrops, InsideItemsBecomeLinesAsTheScanWritesThem) {
  Lines sub;
  for (const auto& l : scanFolder(dir.path()).lines)
    if (l.starts_with("sub\\")) sub.push_back(l);
  ASSERT_EQ(sub.size(), 4u);

  const DroppedFiles d =
      drop({dir / "readme.txt", dir / "sub", dir / "Rivo.exe", dir / "RIVO.INI"});
  EXPECT_TRUE(d.refusal.empty());
  Lines expected{"readme.txt"};
  expected.insert(expected.end(), sub.begin(), sub.end());
  EXPECT_EQ(d.lines, expected);

  // The distribution folder itself, and a file named through a detour.
  EXPECT_EQ(drop({dir.path()}).lines.size(), 6u);
  EXPECT_EQ(drop({dir / "sub" / ".." / "readme.txt"}).lines, Lines{"readme.txt"});
}

TEST_F(FileDrops, OutsideOrBeforeAProgramIsRefusedWhole) {
  test::TempDir other;
  touch(other / "x.txt");
  const DroppedFiles d = drop({dir / "readme.txt", other / "x.txt"});
  EXPECT_TRUE(d.lines.empty());
  EXPECT_EQ(d.refusal, messages::dropOutside(pathToUtf8(other / "x.txt"), pathToUtf8(s.distDir())));
  // A folder whose name merely begins like the distribution folder's.
  fs::path sibling = dir.path();
  sibling += "2";
  touch(sibling / "y.txt");
  EXPECT_FALSE(drop({sibling / "y.txt"}).refusal.empty());
  fs::remove_all(sibling);

  InstallSettings fresh;
  const DroppedFiles none = listDroppedFiles(fresh, {dir / "readme.txt"});
  EXPECT_TRUE(none.lines.empty());
  EXPECT_EQ(none.refusal, messages::dropBeforeProgram(pathToUtf8(dir / "readme.txt")));
}

// A file a line installs already (its overwrite mode, quotes and blanks
// aside, named in any letter case or as Windows resolves it), or that the
// drop gives twice, is added once; the others are added.
TEST_F(FileDrops, FilesTheListHoldsAreNotAddedAgain) {
  s.setLines(ListField::MemoFiles, {"README.TXT,2", " \"Sub/A.txt\"", "\xFB\xFC.txt"});
  EXPECT_EQ(linesToAdd(s, {"\xEE\xE0.txt", "readme.txt,2"}), Lines{"readme.txt,2"});
  // Each as Windows resolves its name.
  EXPECT_EQ(linesToAdd(s, {"readme.txt.", "new.txt .", "new.txt"}), Lines{"new.txt"});
  Lines expected{"sub\\c.txt"};
  for (const auto& l : scanFolder(dir / "sub", std::string("sub\\")).lines)
    if (l != "sub\\a.txt" && l != "sub\\c.txt") expected.push_back(l);
  ASSERT_EQ(expected.size(), 3u);
  EXPECT_EQ(drop({dir / "readme.txt", dir / "sub" / "c.txt", dir / "sub"}).lines, expected);
}

// The fix of the check's warning: the folder's files the list lacks join it
// as a drop of the whole folder would add them.
TEST_F(FileDrops, UnlistedFilesAreAddedAsADropAddsThem) {
  s.setLines(ListField::MemoFiles, {"README.TXT", "sub\\a.txt"});
  Checker checker(s);
  checker.setFolderFiles(scanFolder(dir.path()).lines, "Rivo.ini");
  Lines now = s.lines(ListField::MemoFiles);
  for (const std::string& l : drop({dir.path()}).lines) now.push_back(l);
  EXPECT_EQ(runAddUnlistedFilesCommand(s, checker), 4u);  // app.exe and three under sub
  EXPECT_EQ(s.lines(ListField::MemoFiles), now);
  EXPECT_EQ(runAddUnlistedFilesCommand(s, checker), 0u);
}

#ifndef _WIN32
// As the folder scan lists them: a link in the folder (or reached through
// another spelling of it) is named as the link, wherever it leads.
TEST_F(FileDrops, LinksKeepTheirOwnNames) {
  test::TempDir other;
  touch(other / "outside.txt");
  fs::create_symlink("sub/a.txt", dir / "current.dll");
  fs::create_symlink(other / "outside.txt", dir / "license.txt");
  fs::create_directory_symlink("sub/deeper", dir / "latest");
  fs::create_directory_symlink(dir.path(), other / "alias");
  fs::create_directory_symlink(other.path(), dir / "ext");
  const std::pair<fs::path, Lines> cases[] = {
      {dir / "ext" / "outside.txt", {"ext\\outside.txt"}},
      {dir / "current.dll", {"current.dll"}},
      {dir / "license.txt", {"license.txt"}},
      {dir / "latest", {"latest\\b.txt"}},
      {other / "alias" / "current.dll", {"current.dll"}},
  };
  for (const auto& [item, lines] : cases) {
    const DroppedFiles d = drop({item});
    EXPECT_EQ(d.refusal, "") << item;
    EXPECT_EQ(d.lines, lines) << item;
  }
  // A link to the distribution folder itself is that folder.
  EXPECT_EQ(drop({other / "alias"}).lines, drop({dir.path()}).lines);
}

// As the scan reports them: left out and named, the rest added.
TEST_F(FileDrops, NamesCodePage932CannotHoldAreReported) {
  touch(dir / "sub" / pathFromUtf8("表\u2014.txt"));
  touch(dir / pathFromUtf8("\U0001F600") / "z.txt");
  const DroppedFiles d = drop(
      {dir / "sub", dir / pathFromUtf8("\U0001F600"), dir / "sub" / pathFromUtf8("表\u2014.txt")});
  EXPECT_TRUE(d.refusal.empty());
  EXPECT_EQ(d.lines.size(), 4u);
  EXPECT_EQ(d.unwritable, (Lines{"sub\\表\u2014.txt", "\U0001F600\\z.txt", "sub\\表\u2014.txt"}));
}
#endif

}  // namespace
}  // namespace velquin
