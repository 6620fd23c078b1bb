#include <gtest/gtest.h>

#include <memory>

#include "settings/check/checker.h"
#include "settings/format/settings_file_reader.h"
#include "settings/format/settings_loader.h"
#include "settings/test_support.h"
#include "settings/text/messages.h"

namespace velquin {
namespace {

using test::sj;
using T = TextField;
using L = ListField;
using Lines = std::vector<std::string>;
namespace m = messages::ship;

// A finding as "E text" or "W text".
std::string E(std::string_view text) { return "E " + std::string(text); }
std::string W(std::string_view text) { return "W " + std::string(text); }
Lines seen(const std::vector<Finding>& findings) {
  Lines out;
  for (const Finding& f : findings)
    out.push_back(f.weight == Weight::Error ? E(f.text) : W(f.text));
  return out;
}

const Lines kFolder = {"Tessaly.exe",      "ReadMe.txt", "help\\Tessaly.hlp", "a,b.txt",
                       sj("Ｔｅｓｔ.txt"), "Rivo.exe",   "Rivo.ini"};

// The folder's context given the file list `lines`, as the checker gives it.
std::unique_ptr<ShipCheckContext> contextOf(Lines folder, std::string_view ini, const Lines& lines,
                                            std::vector<FolderAlias> aliases = {},
                                            Lines unwritable = {}) {
  auto context = std::make_unique<ShipCheckContext>(std::move(folder), ini, std::move(aliases),
                                                    std::move(unwritable));
  context->addFileLines(lines);
  return context;
}

struct LineCase {
  std::string line;
  Lines expected;
};

// Each line alone in its list, with the file list {Tessaly.exe, help\Tessaly.hlp}
// (or, for the file list, the line itself).
void expectLines(ListField list, const std::vector<LineCase>& cases) {
  for (const LineCase& c : cases) {
    const auto context =
        contextOf(kFolder, "Rivo.ini",
                  list == L::MemoFiles ? Lines{c.line} : Lines{"Tessaly.exe", "help\\Tessaly.hlp"});
    std::vector<Finding> out;
    checkListLine(*context, list, c.line, out);
    EXPECT_EQ(seen(out), c.expected) << c.line;
  }
}

TEST(ShipCheck, FileListLines) {
  expectLines(L::MemoFiles, {
                                {"Tessaly.exe", {}},
                                {"tessaly.EXE", {}},
                                {sj("ｔｅｓＴ.TXT"), {}},
                                {"help/Tessaly.hlp,2", {}},
                                {"ReadMe.txt,0", {}},
                                {"ReadMe.txt,", {}},
                                {"%WINDIR%\\x.dll", {}},
                                {"%SYS%\\x.dll,1", {}},
                                {"C:\\tools\\x.dll", {}},
                                {"\\x.dll", {}},
                                {"gone.txt", {E(m::notInFolder("gone.txt"))}},
                                {sj("ReadMe.txt,２"), {E(m::badOverwriteMode("２"))}},
                                {"a,b.txt", {E(m::kCommaInFileName)}},
                                {"a,b.txt,2", {E(m::kCommaInFileName)}},
                                {"Rivo.exe,2", {W(m::kAddedByTheTool)}},
                                {"rivo.INI", {W(m::kAddedByTheTool)}},
                                {" ReadMe.txt", {W(m::kBlankAtEnds)}},
                                {"\"ReadMe.txt\"", {W(m::kInQuotes)}},
                            });
}

// A name in a form Windows resolves is the folder's file, with a warning
// that names the usual form; the line's bytes stay as written.
TEST(ShipCheck, FileNamesInAFormWindowsResolves) {
  const auto unusual = [](std::string_view written, std::string_view usual) {
    return Lines{W(m::unusualName(written, usual))};
  };
  expectLines(
      L::MemoFiles,
      {
          {".\\Tessaly.exe", unusual(".\\Tessaly.exe", "Tessaly.exe")},
          {"help\\\\Tessaly.hlp", unusual("help\\\\Tessaly.hlp", "help\\Tessaly.hlp")},
          {"ReadMe.txt ,2", unusual("ReadMe.txt ", "ReadMe.txt")},
          {"ReadMe.txt.", unusual("ReadMe.txt.", "ReadMe.txt")},
          {"help\\..\\ReadMe.txt", unusual("help\\..\\ReadMe.txt", "ReadMe.txt")},
          {".\\.\\Rivo.exe", {unusual(".\\.\\Rivo.exe", "Rivo.exe")[0], W(m::kAddedByTheTool)}},
          // ソ ends in the byte of a backslash, which separates nothing
          {sj("ソ\\Tessaly.exe"), {E(m::notInFolder("ソ\\Tessaly.exe"))}},
          {"..\\ReadMe.txt", {E(m::notInFolder("..\\ReadMe.txt"))}},
          {".\\gone.txt", {E(m::notInFolder(".\\gone.txt"))}},
      });
  expectLines(L::MemoGroupItem,
              {{"Velquin,.\\Tessaly.exe", unusual(".\\Tessaly.exe", "Tessaly.exe")}});
  // The usual form and the unusual one install the same file, once.
  const auto context = contextOf({"app.exe", "b.txt"}, "Rivo.ini", {".\\app.exe", "b.txt ,2"});
  EXPECT_EQ(context->unlistedCount(), 0u);
  EXPECT_TRUE(context->addFileLine("app.exe").copies);
  EXPECT_EQ(context->folderFileOf("b.txt."), 1u);
}

TEST(ShipCheck, FileListedTwiceAndTheEditThatEndsIt) {
  const auto context =
      contextOf(kFolder, "Rivo.ini", {"ReadMe.txt", "Tessaly.exe", "readme.TXT,0"});
  std::vector<Finding> out;
  checkListLine(*context, L::MemoFiles, "ReadMe.txt", out);
  EXPECT_EQ(seen(out), Lines{W(m::kListedTwice)});

  EXPECT_TRUE(context->removeFileLine("readme.TXT,0").copies);
  out.clear();
  checkListLine(*context, L::MemoFiles, "ReadMe.txt", out);
  EXPECT_TRUE(out.empty());
  const auto change = context->removeFileLine("ReadMe.txt");
  EXPECT_TRUE(change.installed);
  EXPECT_FALSE(change.copies);
  EXPECT_FALSE(context->installs("readme.txt"));
}

TEST(ShipCheck, ShortcutLines) {
  expectLines(L::MemoGroupItem,
              {
                  {"Velquin,Tessaly.exe", {}},
                  {"Velquin,tessaly.exe,/p,help\\Tessaly.hlp,0", {}},
                  {"Velquin,Rivo.exe,/r", {}},
                  {"Velquin,%WINDIR%\\notepad.exe,,,12", {}},
                  {sj("ソフト,Tessaly.exe"), {}},  // ソ ends in the byte of a backslash
                  {"Velquin", {E(m::kShortcutNeedsNameAndFile)}},
                  {",Tessaly.exe", {E(m::kShortcutNeedsNameAndFile)}},
                  {"Vel:quin,Tessaly.exe", {E(m::kShortcutNameCharacter)}},
                  {"Velquin,Other.exe", {W(m::notInstalled("Other.exe"))}},
                  {"Velquin,Tessaly.exe,,icons.dll", {W(m::iconNotInstalled("icons.dll"))}},
                  {"Velquin,Tessaly.exe,,,-1", {E(m::badIconNumber("-1"))}},
                  {sj("Velquin,Tessaly.exe,,,１"), {E(m::badIconNumber("１"))}},
              });
}

TEST(ShipCheck, FolderAndRegistryLists) {
  expectLines(L::MemoRmDir, {
                                {"%MYDOCUMENTS%\\Tessaly,1", {}},
                                {"Tessaly,0", {}},
                                {"Tessaly", {}},
                                {"Tessaly,2", {E(m::badSubfolderMode("2"))}},
                            });
  expectLines(L::MemoUninstallRegKey, {
                                          {"HKEY_CURRENT_USER\\Software\\Tessaly", {}},
                                          {"hkey_classes_root\\.tsy", {}},
                                          {"HKEY_USERS\\x", {E(m::kRegKeyRoot)}},
                                          {"HKCU\\Software\\Tessaly", {E(m::kRegKeyRoot)}},
                                          {"HKEY_CURRENT_USER", {E(m::kRegKeyRoot)}},
                                      });
}

TEST(ShipCheck, SingleLineFields) {
  struct Case {
    T field;
    std::string value;
    Lines expected;
  };
  const std::vector<Case> cases = {
      {T::EditInstallTextFail, "ReadMe.txt", {}},
      {T::EditInstallTextFail, "gone.txt", {E(m::notInFolder("gone.txt"))}},
      {T::EditInstallProgram, "Tessaly.exe,/s", {}},
      {T::EditInstallProgram, "Rivo.exe", {}},
      {T::EditInstallProgram, "Other.exe,/s", {W(m::notInstalled("Other.exe"))}},
      {T::EditInstallDirReg, "", {}},
      {T::EditInstallDirReg, "HKEY_LOCAL_MACHINE\\Software\\Tessaly", {}},
      {T::EditInstallDirReg, "HKEY_CLASSES_ROOT\\Tessaly", {E(m::kInstallDirRegRoot)}},
      {T::EditGroupName, sj("ソフト"), {}},
      {T::EditGroupName, "Vel/quin", {E(m::kGroupNameCharacter)}},
      {T::EditGroupName, "Vel\\quin", {W(m::kGroupNameBackslash)}},
      {T::EditInstallMessage, "OK\x85\x40", {E(m::kNotShiftJisBytes)}},
      {T::EditInstallMessage, "Done ", {W(m::kBlankAtEnds)}},
      {T::EditName, "'Velquin'", {W(m::kInQuotes)}},
  };
  const auto context = contextOf(kFolder, "Rivo.ini", {"Tessaly.exe"});
  for (const Case& c : cases) {
    InstallSettings s;
    s.setText(T::EditInstallDir, "Tessaly");
    s.select(Option::RadioButtonStartCheck);
    s.setText(c.field, c.value);
    std::vector<Finding> out;
    checkTextField(s, *context, c.field, out);
    EXPECT_EQ(seen(out), c.expected) << c.value;
  }
}

TEST(ShipCheck, TheFileListAsAWhole) {
  const auto context =
      contextOf({"app.exe", "new.txt", "rivo.EXE", "Rivo.ini", "~1A2B3C4", "sub\\Rivo.exe"},
                "Rivo.ini", {"app.exe,2"});
  const auto whole = [&context] {
    std::vector<Finding> out;
    checkFileList(*context, 1, out);
    return seen(out);
  };
  EXPECT_EQ(whole(), (Lines{W(m::notListed("new.txt")), W(m::notListed("sub\\Rivo.exe"))}));
  std::vector<Finding> first;
  checkFileList(*context, 1, first, 1);
  EXPECT_EQ(seen(first), Lines{W(m::notListed("new.txt"))});
  EXPECT_TRUE(context->addFileLine("NEW.txt").installed);
  context->addFileLine("sub/Rivo.exe");
  EXPECT_EQ(whole(), Lines{});

  std::vector<Finding> out;
  checkFileList(*contextOf({"app.exe"}, "Setup.ini", {"app.exe"}), 3, out);
  ASSERT_EQ(seen(out), Lines{E(messages::oneLine(messages::kEngineMissing))});
  EXPECT_EQ(out[0].item, 4);  // the entry Create adds for Setup.exe
}

// A folder's file whose name Windows resolves otherwise (blanks and dots at a
// part's end, which a system other than Windows may keep) is the file its
// resolved name reaches, through a link's name too; a name given twice that
// way is one file, named once.
TEST(ShipCheck, FolderNamesAreFoundAsWindowsResolvesThem) {
  const auto context =
      contextOf({"memo.txt.", "Memo.txt", "note.txt ", "docs.\\a.txt", "Rivo.exe."}, "Rivo.ini",
                {"memo.txt", "lnk\\a.txt"}, {{"lnk. \\", "docs.\\"}});
  std::vector<Finding> out;
  checkListLine(*context, L::MemoFiles, "docs\\a.txt,2", out);
  EXPECT_EQ(seen(out), Lines{});
  EXPECT_EQ(context->folderFileOf("note.txt"), 2u);
  EXPECT_EQ(context->unlistedFiles(), Lines{"note.txt "});
  EXPECT_TRUE(context->removeFileLine("memo.txt").installed);
  EXPECT_EQ(context->unlistedFiles(), (Lines{"memo.txt.", "note.txt "}));
}

// The folder's files that no line can name are each a warning on the list,
// after the unlisted ones, as many at most as these are named.
TEST(ShipCheck, FilesNoLineCanNameAreEachAWarning) {
  const auto context = contextOf({"app.exe", "new.txt", "Rivo.exe"}, "Rivo.ini", {"app.exe"}, {},
                                 {"résumé.pdf", "sub\\😀.txt"});
  const auto whole = [&context](std::size_t named) {
    std::vector<Finding> out;
    checkFileList(*context, 1, out, named);
    return seen(out);
  };
  const Lines resume = {W(m::notListed("new.txt")),
                        "W 「résumé.pdf」は配布フォルダにありますが、名前を設定ファイルに書けない"
                        "ため、インストールするファイルに入れられません。"};
  EXPECT_EQ(whole(1), resume);
  EXPECT_EQ(whole(SIZE_MAX).size(), 3u);
  EXPECT_TRUE(whole(SIZE_MAX)[2].starts_with("W 「sub\\😀.txt」"));
  EXPECT_EQ(whole(0), Lines{});
}

// The whole check in the order of the file, with Item numbers that leave the
// empty lines out, and nothing from a part that is not in use.
TEST(ShipCheck, WholeCheckInTheOrderOfTheFile) {
  InstallSettings s;
  s.setLines(L::MemoFiles, {"a.txt", "", "gone.txt"});
  s.setText(T::EditInstallMessage, " ");
  s.setLines(L::MemoGroupItem, {"no file"});         // the start menu is not in use
  s.setText(T::EditInstallDirReg, "HKEY_USERS\\x");  // nor is the install folder
  Checker checker(s);
  checker.setFolderFiles({"a.txt", "Rivo.exe"}, "Rivo.ini");
  const std::vector<Finding> findings = checker.findings();
  ASSERT_EQ(seen(findings), (Lines{W(m::kBlankAtEnds), E(m::notInFolder("gone.txt"))}));
  EXPECT_EQ(findings[1].field, FieldRef(L::MemoFiles));
  EXPECT_EQ(findings[1].line, 2u);
  EXPECT_EQ(findings[1].item, 2);
}

TEST(ShipCheck, WorkedExampleHasNoFinding) {
  InstallSettings s;
  loadSettings(s, SettingsFile::fromText(test::readBytes(test::goldenFile("worked_example.ini"))));
  Checker checker(s);
  checker.setFolderFiles({"Tessaly.exe", "ReadMe.txt", "help\\Tessaly.hlp", "Rivo.exe", "Rivo.ini"},
                         "Rivo.ini");
  EXPECT_EQ(seen(checker.findings()), Lines{});
}

// A radio group without a choice (a code out of range in a loaded file) is
// written as -1, which the engine cannot use; one the file leaves out is not
// checked.
TEST(ShipCheck, RadioGroupWithoutAChoice) {
  InstallSettings s;
  s.setText(T::EditInstallDir, "App");
  s.setIndex(IndexField::RadioGroupFileDel, -1);
  s.setIndex(IndexField::RadioGroupNotAdmin, -1);  // no uninstall registration: not written
  Checker checker(s);
  checker.setFolderFiles({"Rivo.exe"}, "Rivo.ini");
  const std::vector<Finding> findings = checker.findings();
  ASSERT_EQ(seen(findings), Lines{E(m::kNoItemChosen)});
  EXPECT_EQ(findings[0].field, FieldRef(IndexField::RadioGroupFileDel));
  EXPECT_EQ(checker.counts(IndexField::RadioGroupFileDel), (FindingCounts{1, 0}));
}

}  // namespace
}  // namespace velquin
