#include "settings/check/checker.h"

#include <gtest/gtest.h>

#include <random>

#include "settings/platform/folder_scan.h"
#include "settings/platform/paths.h"
#include "settings/record/settings_rules.h"
#include "settings/test_support.h"

namespace velquin {
namespace {

using L = ListField;
using T = TextField;
using Lines = std::vector<std::string>;

const Lines kFolder = {"a.txt", "b.txt", "B.TXT", "sub\\c.txt", "d.txt.", "Rivo.exe", "Rivo.ini"};
// A link in the folder to its folder sub: lnk\c.txt is sub\c.txt.
const std::vector<FolderAlias> kAliases = {{"lnk\\", "sub\\"}};
// Files whose names the settings file cannot hold.
const Lines kUnwritable = {"résumé.pdf", "sub\\😀.txt"};

std::vector<FieldRef> changedFields;
struct Recorder : CheckListener {
  void findingsChanged(FieldRef f) override { changedFields.push_back(f); }
};

// Random edits as the author and the commands make them (typing, pasting,
// removing lines, a whole new list, Create's removal of empty lines, parts
// going in and out of use) from a few names, so that lines come and go
// twice (also under a folder link's name), names become installed and no
// longer are, and lists start and end.
// After each, what the checker kept is what a checker that starts afresh
// finds (given the folder either way), and the counts are those of the
// findings.
TEST(Checker, KeepsWhatAWholeCheckFindsThroughRandomEdits) {
  Lines names = {"a.txt",   "A.TXT", "b.txt,2", "sub/c.txt", "gone.txt",   "d.txt",
                 "a.txt,9", "",      " b.txt",  "Rivo.exe",  "LNK\\c.txt", "D.TXT. "};
  for (int i = 0; i < 24; ++i) names.push_back("n" + std::to_string(i));  // for the name table
  const Lines shortcuts = {"S,a.txt", "S,gone.txt", "S,b.txt,,sub\\c.txt,0", "S", ""};
  std::mt19937 random(20261209);
  const auto pick = [&](const Lines& from) { return from[random() % from.size()]; };
  const auto some = [&](const Lines& from, std::size_t most) {
    Lines lines(random() % (most + 1));
    for (auto& l : lines) l = pick(from);
    return lines;
  };

  InstallSettings s;
  Checker kept(s);
  Recorder recorder;
  kept.addListener(&recorder);
  kept.setFolderFiles(kFolder, "Rivo.ini", kAliases, kUnwritable);
  for (int step = 0; step < 600; ++step) {
    const auto list = random() % 3 == 0 ? L::MemoGroupItem : L::MemoFiles;
    const Lines& from = list == L::MemoFiles ? names : shortcuts;
    const std::size_t size = s.lines(list).size();
    switch (random() % 8) {
      case 0: s.setLines(list, some(from, 6)); break;
      case 1: s.appendLines(list, some(from, 3)); break;
      case 2: s.removeEmptyLines(list); break;
      case 3:
        s.select(random() % 2 ? Option::RadioButtonStartCheck : Option::RadioButtonStartMuko);
        break;
      case 4: s.setText(T::EditInstallProgram, pick(names)); break;
      default: {
        const std::size_t first = size == 0 ? 0 : random() % (size + 1);
        s.replaceLines(list, first, random() % 3, some(from, 2));
      }
    }
    Checker fresh(s);
    if (step % 2 == 0) {
      fresh.setFolderFiles(kFolder, "Rivo.ini", kAliases, kUnwritable);
    } else {  // the folder's names taken in apart, as the check command does
      fresh.setFolder(
          std::make_unique<ShipCheckContext>(kFolder, "Rivo.ini", kAliases, kUnwritable));
    }
    const std::vector<Finding> now = fresh.findings();
    ASSERT_EQ(kept.findings(), now) << "step " << step;
    FindingCounts counts;
    for (const Finding& f : now) ++(f.weight == Weight::Error ? counts.errors : counts.warnings);
    FindingCounts keptCounts;
    for (const FieldInfo& info : kFields)
      if (isWritten(s, info.field)) keptCounts += kept.counts(info.field);
    ASSERT_EQ(keptCounts, counts) << "step " << step;
  }
  kept.removeListener(&recorder);
}

// The folder read again is given to the checker only when its files,
// aliases or files it cannot list differ from those it holds, and not before
// it holds a folder.
TEST(Checker, TakesTheFolderReadAgainWhenItChanged) {
  test::TempDir dir;
  test::writeBytes(dir / "a.txt", "x");
  InstallSettings s;
  s.setLines(L::MemoFiles, {"a.txt", "b.txt"});
  Checker checker(s);
  EXPECT_FALSE(readFolderAgain(checker, dir.path()));
  EXPECT_FALSE(checker.hasFolderFiles());
  checker.setFolderFiles({"a.txt"}, "Rivo.ini");
  EXPECT_FALSE(readFolderAgain(checker, dir.path()));
  EXPECT_EQ(checker.counts(L::MemoFiles), (FindingCounts{2, 0}));  // b.txt, the engine's file

  test::writeBytes(dir / "b.txt", "x");
  EXPECT_TRUE(readFolderAgain(checker, dir.path()));
  EXPECT_EQ(checker.counts(L::MemoFiles), (FindingCounts{1, 0}));
  EXPECT_FALSE(readFolderAgain(checker, dir.path()));
  EXPECT_TRUE(readFolderAgain(checker, dir.path(), "setup.ini"));
  EXPECT_EQ(checker.folderIniFileName(), "setup.ini");

  test::writeBytes(dir / pathFromUtf8("résumé.pdf"), "x");
  EXPECT_TRUE(readFolderAgain(checker, dir.path()));
  EXPECT_EQ(checker.counts(L::MemoFiles), (FindingCounts{1, 1}));
  EXPECT_EQ(checker.unwritableFiles(), Lines{"résumé.pdf"});
  EXPECT_FALSE(readFolderAgain(checker, dir.path()));
}

// The program to distribute is looked for in the folder the checker holds,
// as the scan names it (under its line, or among the names no line holds):
// deleted since Details, it is named once the folder is read again. The
// settings file does not hold it, so no finding of the file names it.
TEST(Checker, NamesTheProgramGoneFromTheFolder) {
  test::TempDir dir;
  test::writeBytes(dir / "app.exe", "MZ");
  InstallSettings s;
  s.setProgram(dir / "app.exe");
  Checker checker(s);
  checker.setFolderFiles(scanFolder(dir.path()).lines, "Rivo.ini");
  EXPECT_TRUE(checker.programFindings().empty());
  std::filesystem::remove(dir / "app.exe");
  EXPECT_TRUE(readFolderAgain(checker, s.distDir()));
  const auto gone = [](const std::string& name) {
    return std::vector<ProgramFinding>{
        {Weight::Error, "配布プログラム「" + name + "」が配布フォルダにありません。"}};
  };
  EXPECT_EQ(checker.programFindings(), gone("app.exe"));
  for (const Finding& f : checker.findings()) EXPECT_EQ(f.text.find("app.exe"), std::string::npos);

  s.setProgram(dir / pathFromUtf8("😀.exe"));       // a name no line can hold
  EXPECT_TRUE(checker.programFindings().empty());  // no folder for this program yet
  checker.setFolderFiles({}, "Rivo.ini", {}, {"😀.exe"});
  EXPECT_TRUE(checker.programFindings().empty());
  checker.setFolderFiles({"app.exe"}, "Rivo.ini");
  EXPECT_EQ(checker.programFindings(), gone("😀.exe"));
}

// A key press in one line checks that line and tells of its list alone; a
// name that becomes installed reaches the shortcuts that name it.
TEST(Checker, TellsWhichFieldsAnEditReached) {
  InstallSettings s;
  s.select(Option::RadioButtonStartCheck);
  s.setLines(L::MemoGroupItem, {"S,b.txt"});
  s.setLines(L::MemoFiles, {"a.txt", "x"});
  Checker checker(s);
  Recorder recorder;
  checker.addListener(&recorder);
  checker.setFolderFiles(kFolder, "Rivo.ini");
  ASSERT_EQ(checker.findingsOf(L::MemoGroupItem, 0).size(), 1u);  // b.txt is not installed

  changedFields.clear();
  s.replaceLines(L::MemoFiles, 1, 1, {"xy"});
  EXPECT_EQ(changedFields, std::vector<FieldRef>{L::MemoFiles});
  changedFields.clear();
  s.replaceLines(L::MemoFiles, 1, 1, {"b.txt"});
  EXPECT_EQ(changedFields, (std::vector<FieldRef>{L::MemoFiles, L::MemoGroupItem}));
  EXPECT_TRUE(checker.findingsOf(L::MemoGroupItem, 0).empty());
  checker.removeListener(&recorder);
}

// A long list is checked in two halves at once: the findings of both stand
// at their lines, and the counts are of both.
TEST(Checker, ChecksALongListWhole) {
  InstallSettings s;
  Lines lines(30000, "a.txt");
  lines[3] = "gone.txt";
  lines[29999] = "also gone.txt";
  s.setLines(L::MemoFiles, lines);
  Checker checker(s);
  checker.setFolderFiles(kFolder, "Rivo.ini");
  EXPECT_EQ(checker.findingsOf(L::MemoFiles, 3).size(), 1u);
  EXPECT_EQ(checker.findingsOf(L::MemoFiles, 29999).size(), 1u);
  const FindingCounts counts = checker.counts(L::MemoFiles);
  EXPECT_EQ(counts.errors, 2u);
}

}  // namespace
}  // namespace velquin
