// DistDir, and writing the settings file, with native Windows paths: drive
// letters, backslashes, names outside the ANSI code page, file attributes and
// files that another program holds open.
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "settings/commands/create_command.h"
#include "settings/commands/file_drops.h"
#include "settings/platform/file_replace.h"
#include "settings/platform/file_replace_impl.h"
#include "settings/platform/paths.h"
#include "settings/platform/windows_api.h"
#include "settings/test_support.h"
#include "settings/text/messages.h"
#include "symlinks.h"

namespace velquin {
namespace {

using test::sj;

TEST(WindowsDistDir, SettingsAndEngineFilesStandInIt) {
  InstallSettings s;
  s.setProgram(L"C:\\dist\\app.exe");
  EXPECT_EQ(s.distDir().native(), L"C:\\dist\\");
  EXPECT_EQ(s.settingsFilePath("Rivo.ini").native(), L"C:\\dist\\Rivo.ini");
  EXPECT_EQ(s.enginePath("Rivo.ini").native(), L"C:\\dist\\Rivo.exe");
  // A Shift-JIS name becomes the same wide name that Explorer shows.
  s.setProgram(L"C:\\app.exe");
  EXPECT_EQ(s.settingsFilePath(sj("設定ソ.ini")).native(), L"C:\\設定ソ.ini");
  EXPECT_EQ(s.enginePath(sj("設定ソ.ini")).native(), L"C:\\設定ソ.exe");
}

// Holds a file open the way an editor does: others may read it, nobody may
// replace or delete it.
class OpenHandle {
 public:
  explicit OpenHandle(const std::filesystem::path& p)
      : h_(CreateFileW(p.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~OpenHandle() {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  OpenHandle(const OpenHandle&) = delete;
  OpenHandle& operator=(const OpenHandle&) = delete;
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE h_;
};

int entriesIn(const std::filesystem::path& folder) {
  int n = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

class WindowsCreate : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = dir.path() / L"配布ソフト";  // no character of the ANSI code page here
    std::filesystem::create_directory(folder);
    s.setProgram(folder / L"app.exe");
    s.setText(TextField::EditName, "Velquin");
    s.setText(TextField::EditInstallTitle, "Title");
    s.setLines(ListField::MemoFiles, {"a.txt"});
    s.setSettingsSaved(false);
  }
  std::filesystem::path iniPath() const { return folder / L"Rivo.ini"; }
  std::string creationError() const {
    return "ファイル " + pathToUtf8(iniPath()) + " を作成できません";
  }

  test::TempDir dir;
  std::filesystem::path folder;
  InstallSettings s;
  test::RecordingPrompts prompts;
};

TEST_F(WindowsCreate, WritesIntoFolderWithJapaneseName) {
  EXPECT_EQ(runCreateCommand(s, prompts), CreateResult::Written);
  EXPECT_TRUE(test::readBytes(iniPath()).starts_with("[Application]\r\nName = Velquin\r\n"));
  EXPECT_EQ(entriesIn(folder), 1);
  EXPECT_TRUE(s.settingsSaved());
}

TEST_F(WindowsCreate, ReadOnlyAttributeKeepsTheFile) {
  test::writeBytes(iniPath(), "old");
  ASSERT_TRUE(SetFileAttributesW(iniPath().c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(runCreateCommand(s, prompts), CreateResult::Failed);
  EXPECT_EQ(prompts.log, std::vector<std::string>{"error: " + creationError() + ".\n" +
                                                  std::string(messages::kNoWritePermission)});
  EXPECT_EQ(test::readBytes(iniPath()), "old");
  EXPECT_TRUE(GetFileAttributesW(iniPath().c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(entriesIn(folder), 1);
  EXPECT_FALSE(s.settingsSaved());
  SetFileAttributesW(iniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(WindowsCreate, FileOpenInAnotherProgramIsLeftWhole) {
  test::writeBytes(iniPath(), "old");
  {
    OpenHandle editor(iniPath());
    ASSERT_TRUE(editor.valid());
    EXPECT_EQ(runCreateCommand(s, prompts), CreateResult::Failed);
    EXPECT_EQ(prompts.log, std::vector<std::string>{"error: " + creationError() + ".\n" +
                                                    std::string(messages::kFileInUse)});
    EXPECT_FALSE(s.settingsSaved());
  }
  EXPECT_EQ(test::readBytes(iniPath()), "old");
  EXPECT_EQ(entriesIn(folder), 1);  // no temporary file left behind
  // Once the other program lets go, the same command writes the file.
  EXPECT_EQ(runCreateCommand(s, prompts), CreateResult::Written);
  EXPECT_TRUE(test::readBytes(iniPath()).starts_with("[Application]"));
}

TEST(WindowsReplaceFile, KeepsNoTemporaryFileWhenTheFolderIsGone) {
  test::TempDir dir;
  const auto target = dir / "gone" / "Rivo.ini";
  EXPECT_EQ(replaceFileWhole(target, "x"), ReplaceStatus::CannotCreate);
  EXPECT_EQ(entriesIn(dir.path()), 0);
}

// A settings file linked to a shared copy: the copy is written and the link
// stays.
TEST(WindowsReplaceFile, WritesWhereALinkedFileLeads) {
  test::TempDir dir;
  std::filesystem::create_directories(dir / L"dist");
  std::filesystem::create_directories(dir / L"shared");
  test::writeBytes(dir / L"shared" / L"Rivo.ini", "old");
  const test::Symlink link(L"..\\shared\\Rivo.ini", dir / L"dist" / L"Rivo.ini", false);
  if (!link.made()) GTEST_SKIP() << "no symbolic links can be made here";
  EXPECT_EQ(replaceFileWhole(dir / L"dist" / L"Rivo.ini", "new"), ReplaceStatus::Replaced);
  EXPECT_EQ(test::readBytes(dir / L"shared" / L"Rivo.ini"), "new");
}

// A link to a shared settings file not written yet is written where it
// leads, as its reparse data says. Wine shows a Unix link to no file as no
// file at all and makes no Windows links, so the reading of that data is
// tested here, on data as the system gives it: the tag, the length, the
// offsets and lengths of the name followed and the name shown, the flags
// (1: relative to the link's folder), then the two names.
std::string linkData(std::uint32_t tag, std::wstring_view followed, std::wstring_view shown,
                     std::uint32_t flags) {
  using W = wchar_t;
  const W f = W(followed.size() * 2), n = W(shown.size() * 2);
  std::wstring units{W(tag), W(tag >> 16), W(12 + f + n), 0, 0, f, f, n, W(flags), 0};
  units.append(followed).append(shown);
  return {reinterpret_cast<const char*>(units.data()), units.size() * 2};
}

TEST(WindowsReplaceFile, ReadsWhereALinkLeadsFromItsData) {
  using file_replace_impl::symbolicLinkTarget;
  const std::filesystem::path link = L"C:\\dist\\Rivo.ini";
  EXPECT_EQ(symbolicLinkTarget(link, linkData(IO_REPARSE_TAG_SYMLINK, L"..\\shared\\Rivo.ini",
                                              L"..\\shared\\Rivo.ini", 1)),
            std::filesystem::path(L"C:\\shared\\Rivo.ini"));
  EXPECT_EQ(symbolicLinkTarget(link, linkData(IO_REPARSE_TAG_SYMLINK, L"\\??\\D:\\s\\Rivo.ini",
                                              L"D:\\s\\Rivo.ini", 0)),
            std::filesystem::path(L"D:\\s\\Rivo.ini"));
  EXPECT_EQ(symbolicLinkTarget(link, linkData(IO_REPARSE_TAG_SYMLINK,
                                              L"\\??\\UNC\\server\\share\\Rivo.ini", L"", 0)),
            std::filesystem::path(L"\\\\server\\share\\Rivo.ini"));
  // A junction is no link to a file; data cut short is nothing.
  EXPECT_FALSE(
      symbolicLinkTarget(link, linkData(IO_REPARSE_TAG_MOUNT_POINT, L"\\??\\D:\\s", L"D:\\s", 0)));
  EXPECT_FALSE(symbolicLinkTarget(
      link, linkData(IO_REPARSE_TAG_SYMLINK, L"..\\shared\\Rivo.ini", L"", 1).substr(0, 30)));
}

std::filesystem::path shortPathOf(const std::filesystem::path& p) {
  wchar_t buf[MAX_PATH];
  const DWORD n = GetShortPathNameW(p.c_str(), buf, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::filesystem::path(std::wstring(buf, n)) : p;
}

std::filesystem::path lowerCase(const std::filesystem::path& p) {
  std::wstring s = p.native();
  CharLowerBuffW(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

// The distribution folder in another letter case or by its short name is the
// folder all the same, and a drop gives the names as the folder holds them.
TEST(WindowsDrops, AnySpellingOfTheFolderIsTheFolder) {
  test::TempDir dir;
  const auto folder = dir / L"Dist Folder";
  std::filesystem::create_directories(folder / L"sub");
  for (const wchar_t* f : {L"app.exe", L"Read Me First.txt", L"sub\\a.txt"})
    test::writeBytes(folder / f, "x");
  struct Case {
    std::filesystem::path program, item;
    std::string line;
  };
  const Case cases[] = {
      {lowerCase(folder / L"app.exe"), folder / L"sub" / L"a.txt", "sub\\a.txt"},
      {shortPathOf(folder / L"app.exe"), folder / L"Read Me First.txt", "Read Me First.txt"},
      {folder / L"app.exe", shortPathOf(folder / L"Read Me First.txt"), "Read Me First.txt"},
      {folder / L"app.exe", lowerCase(folder) / L"SUB" / L"A.TXT", "sub\\a.txt"},
  };
  for (const auto& [program, item, line] : cases) {
    InstallSettings s;
    s.setProgram(program);
    const DroppedFiles d = listDroppedFiles(s, {item});
    EXPECT_EQ(d.refusal, "") << item.string();
    EXPECT_EQ(d.lines, std::vector<std::string>{line}) << item.string();
  }
}

}  // namespace
}  // namespace velquin
