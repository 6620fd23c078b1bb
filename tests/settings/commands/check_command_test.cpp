// `velquin --check` on random valid distribution folders: a file Create would
// write gives no error, and each kind of fault planted into it is named.

#include "settings/commands/check_command.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <sstream>

#include "settings/format/settings_writer.h"
#include "settings/platform/paths.h"
#include "settings/test_support.h"
#include "settings/text/messages.h"

namespace velquin {
namespace {

namespace fs = std::filesystem;
namespace m = messages::ship;
using test::sj;
using L = ListField;
using T = TextField;

// A folder with its files, and the settings of a file Create would write.
struct Release {
  test::TempDir dir;
  InstallSettings settings;
  std::vector<std::string> files;  // as listed

  explicit Release(std::mt19937& random) {
    const auto pick = [&random](auto... options) {
      const std::array all{options...};
      return all[random() % all.size()];
    };
    const std::size_t count = 2 + random() % 20;
    for (std::size_t i = 0; i < count; ++i) {
      const std::string name = std::string(pick("", "sub\\", "sub\\deep\\", "data\\")) + "f" +
                               std::to_string(i) + pick(".txt", ".dll", ".exe");
      add(name);
      files.push_back(name + pick("", "", ",0", ",1", ",2"));
    }
#ifndef _WIN32
    // A folder and a link to it inside the folder name the same files.
    add("zdocs\\manual.txt");
    fs::create_directory_symlink("zdocs", dir / "adocs");
    files.push_back(pick("zdocs\\manual.txt", "adocs\\manual.txt"));
#endif
    test::writeBytes(dir / "Rivo.exe", "engine");
    settings.setText(T::EditName, sj(pick("Tessaly", "テサリー", "ソフト表示")));
    settings.setText(T::EditInstallTitle, sj("セットアップ"));
    settings.setLines(L::MemoFiles, files);
    settings.select(pick(Option::RBAllUsersNoCheck, Option::RBAllUsersCheck,
                         Option::RBAllUsersKotei, Option::RBAllUsersMishiyo));
    settings.select(pick(Option::RadioButtonStartCheck, Option::RadioButtonStartMuko));
    settings.setText(T::EditGroupName, "Tessaly");
    settings.setLines(L::MemoGroupItem, {"Tessaly," + files[0].substr(0, files[0].find(','))});
    settings.select(pick(Option::RadioButtonDesktopNocheck, Option::RadioButtonDesktopMuko));
    settings.setText(T::EditUninstallKey, pick("", "Tessaly"));
    settings.setLines(L::MemoRmDir, {pick("", "%MYDOCUMENTS%\\Tessaly,1")});
  }

  void add(const std::string& line) {
    std::string native = line;
    std::replace(native.begin(), native.end(), '\\', '/');
    fs::create_directories((dir / native).parent_path());
    test::writeBytes(dir / native, "x");
  }
  std::string text() const { return composeSettingsFile(settings, "Rivo.ini"); }
  CheckCommandResult check(const std::string& bytes) const {
    test::writeBytes(dir / "Rivo.ini", bytes);
    return runCheckCommand(dir.path());
  }
};

std::string replaced(std::string text, std::string_view from, std::string_view to) {
  const std::size_t at = text.find(from);
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The first file listed again, with another overwrite mode.
std::string listedTwice(Release& r) {
  const std::string first = r.files[0].substr(0, r.files[0].find(','));
  r.settings.appendLines(L::MemoFiles, {first + ",1"});
  std::string text = r.text();
  r.settings.setLines(L::MemoFiles, r.files);
  return text;
}

std::string utf8(std::string_view sjisText) { return sjis::decode(sjisText).value(); }

TEST(CheckCommand, RandomReleasesAreCleanAndEachPlantedFaultIsNamed) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    std::mt19937 random(seed);
    Release r(random);
    const std::string clean = r.text();
    const CheckCommandResult ok = r.check(clean);
    ASSERT_EQ(ok.exitCode, 0) << "seed " << seed << "\n" << ok.text;

    const std::size_t files = r.files.size();
    const std::string lastItem = "Item" + std::to_string(files) + " = " + r.files.back() + "\r\n";
    const std::string ends = "Item" + std::to_string(files + 1) + " = Rivo.exe,2\r\nItem" +
                             std::to_string(files + 2) + " = Rivo.ini\r\n";
    struct Fault {
      std::string bytes;
      std::string named;
      int exitCode = 1;
    };
    std::mt19937 noise(seed);
    std::string randomBytes(300, '\0');
    for (char& c : randomBytes) c = static_cast<char>(noise());
    const std::vector<Fault> faults = {
        {utf8(clean), std::string(m::kFileUtf8)},
        {"\xEF\xBB\xBF" + utf8(clean), std::string(m::kFileUtf8WithMark)},
        {"", std::string(m::kFileEmpty)},
        {clean + randomBytes, std::string(m::kFileBinary)},
        // Without the entries Create adds, the last entries are the author's.
        {replaced(replaced(clean, ends, ""), lastItem,
                  "Item" + std::to_string(files) + " = missing.dll\r\n"),
         m::notInFolder("missing.dll")},
        {replaced(clean, ends, ""), m::withoutAddedEntries("Rivo.exe,2", "Rivo.ini"), 0},
        {replaced(clean, "Item1 = ", "Item0 = "), m::numberMissing(1)},
        {replaced(clean, "[Desktop]", "[Desktpo]"), m::unknownSection("Desktpo", "Desktop"), 0},
        {replaced(clean, "Title = ", "Tilte = "), m::unknownKey("Tilte", "Title"), 0},
        {replaced(clean, "AllUsers = ", "AllUsers = 7"), "AllUsers の値"},
        {replaced(clean, "Title = ", "Title = \x85\x40"), std::string(m::kNotShiftJisBytes)},
        {listedTwice(r), std::string(m::kListedTwice), 0},
    };
    for (const Fault& f : faults) {
      const CheckCommandResult found = r.check(f.bytes);
      EXPECT_NE(found.text.find(f.named), std::string::npos)
          << "seed " << seed << ", planted: " << f.named << "\n"
          << found.text;
      EXPECT_EQ(found.exitCode, f.exitCode) << "seed " << seed << ", planted: " << f.named;
    }
    // The engine's own file gone from the folder.
    fs::remove(r.dir / "Rivo.exe");
    const CheckCommandResult noEngine = r.check(clean);
    const std::string_view engineMissing = messages::kEngineMissing;
    EXPECT_NE(noEngine.text.find(engineMissing.substr(0, engineMissing.find('\n'))),
              std::string::npos)
        << noEngine.text;
    EXPECT_EQ(noEngine.exitCode, 1);
  }
}

// Every finding of a damaged file stands on one line that a problem matcher
// reads, and the counts count those lines.
TEST(CheckCommand, EachFindingOfADamagedFileStandsOnOneLine) {
  test::TempDir dir;
  test::writeBytes(dir / "Rivo.exe", "x");
  for (int i = 0; i < 3; ++i) test::writeBytes(dir / ("f" + std::to_string(i) + ".txt"), "x");
#ifndef _WIN32
  test::writeBytes(dir / "two\nlines.txt", "x");  // a name only the system allows
#endif
  std::mt19937 noise(7);
  std::string randomBytes(400, '\0');
  for (char& c : randomBytes) c = static_cast<char>(noise());
  const std::vector<std::string> files = {
      "[Files]\r\n" + randomBytes,
      std::string("\xFF\xFE[\0F\0i\0l\0e\0s\0]\0\r\0\n\0", 20),
      "\xEF\xBB\xBF[Files]\r\nItem1 = f0.txt\r\n",
      "[Files]\r\nItem1 = f0.txt\r\nItem3 = a\r\nItem4 = b\r\n[Files]\r\nItem1 = c\r\n"
      "[Startup]\r\nItem2 = x,y\r\n",
  };
  const std::regex finding("^.+?(:\\d+)?: (エラー|警告): .*$");
  for (const std::string& bytes : files) {
    test::writeBytes(dir / "Rivo.ini", bytes);
    const std::string report = runCheckCommand(dir.path()).text;
    std::istringstream in(report);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_GE(lines.size(), 2u) << report;
    std::size_t errors = 0;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
      std::smatch m;
      ASSERT_TRUE(std::regex_match(lines[i], m, finding)) << report;
      errors += m[2] == "エラー" ? 1 : 0;
    }
    EXPECT_EQ(lines.back(), m::counts(errors, lines.size() - 1 - errors)) << report;
  }
}

// A release script's strict check fails on a warning alone; the plain check
// lets it stand.
TEST(CheckCommand, StrictFailsOnAWarningAlone) {
  test::TempDir dir;
  test::writeBytes(dir / "app.exe", "x");
  test::writeBytes(dir / "Rivo.exe", "x");
  test::writeBytes(dir / "Rivo.ini",
                   "[Application]\r\nName = App\r\n[Install]\r\nTitle = T\r\nTextFile = \r\n"
                   "Program = \r\nAllUsers = -1\r\nMessage = \r\n[Files]\r\nItem1 = app.exe\r\n"
                   "Item2 = Rivo.exe,2\r\nItem3 = Rivo.ini\r\n[Group]\r\nValue = -1\r\n");
  EXPECT_EQ(runCheckCommand(dir.path(), {.strict = true}).exitCode, 0);

  test::writeBytes(dir / "notes.txt", "not listed");
  const CheckCommandResult plain = runCheckCommand(dir.path());
  EXPECT_EQ(plain.exitCode, 0);
  EXPECT_NE(plain.text.find(m::counts(0, 1)), std::string::npos) << plain.text;
  EXPECT_EQ(runCheckCommand(dir.path(), {.strict = true}).exitCode, 1);
}

// A file whose name the settings file cannot hold is a warning of its own,
// which the strict check fails on; a name Windows resolves otherwise is the
// file the list's usual name installs.
TEST(CheckCommand, TellsOfEveryFolderName) {
  test::TempDir dir;
  for (const char* name : {"app.exe", "Rivo.exe", "résumé.pdf"})
    test::writeBytes(dir / pathFromUtf8(name), "x");
  test::writeBytes(dir / "memo.txt.", "x");  // Windows itself makes it memo.txt
  test::writeBytes(dir / "Rivo.ini",
                   "[Application]\r\nName = App\r\n[Install]\r\nTitle = T\r\n[Files]\r\n"
                   "Item1 = app.exe\r\nItem2 = memo.txt\r\nItem3 = Rivo.exe,2\r\n"
                   "Item4 = Rivo.ini\r\n[Group]\r\nValue = -1\r\n");
  const CheckCommandResult result = runCheckCommand(dir.path(), {.strict = true});
  EXPECT_EQ(result.text, pathToUtf8(dir / "Rivo.ini") +
                             ":5: 警告: [Files]: 「résumé.pdf」は配布フォルダにありますが、"
                             "名前を設定ファイルに書けないため、インストールするファイルに入れられ"
                             "ません。\nエラー 0 件、警告 1 件\n");
  EXPECT_EQ(result.exitCode, 1);
}

// The findings name the file as the command line reached it, and a radio
// group without a choice is named once, with the value the file holds.
TEST(CheckCommand, NamesTheFileAsGivenAndEachEntryOnce) {
  test::TempDir dir;
  test::writeBytes(dir / "app.exe", "x");
  test::writeBytes(dir / "Rivo.exe", "x");
  test::writeBytes(
      dir / "Rivo.ini",
      "[Application]\r\nName = App\r\n[Install]\r\nTitle = T\r\n"
      "InstallDir = App\r\nIsFileDelAfterInst = -5\r\n[Files]\r\nItem1 = app.exe\r\nItem2 = \r\n"
      "Item3 = Rivo.exe,2\r\nItem4 = Rivo.ini\r\n[Group]\r\nValue = -1\r\n");
  const CheckCommandResult result = runCheckCommand(dir / "app.exe");
  const std::string shown = pathToUtf8(dir / "Rivo.ini");
  EXPECT_EQ(result.text,
            shown + ":6: " + std::string(m::kError) + ": [Install] IsFileDelAfterInst: " +
                m::badCode("IsFileDelAfterInst", "-5", {0, 1}) + "\n" + m::counts(1, 0) + "\n");
}

}  // namespace
}  // namespace velquin
