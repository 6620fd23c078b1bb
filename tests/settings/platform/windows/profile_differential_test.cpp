// The settings file reader against the platform's own profile functions
// (GetPrivateProfileStringA, GetPrivateProfileIntA) on the same files: the
// files Create writes and hand-written ones. Wherever the loading rules do
// not say otherwise, both must give the same texts, key lists and sections.
//
// Deliberate differences (each is pinned down in DeliberateDifferences below):
// - Long values: the profile function returns at most 2047 bytes (a buffer of
//   2048); the reader returns the whole value.
// - Long key lists: the profile function lists names into 16384 bytes and
//   cuts the rest; the reader lists every key.
// - Numbers: GetPrivateProfileIntA reads the leading digits and ignores what
//   follows ("2a" is 2, "$2" is 0); the reader takes only a value that is a
//   number as a whole, decimal or hexadecimal ("$2", "0x2", "x2" are 2), and
//   gives the default otherwise ("2a"). Plain decimal numbers agree.
// - Quotes: the profile function drops one pair of quotes around a value
//   ("a b" reads as a b); the reader keeps every byte between the blanks.
// - A key written twice in one section: the profile function lists it twice;
//   the reader lists it once. Both read the first value.
//
// The profile functions read the file in the ANSI code page, so the tests need
// the Japanese one (932), as on the authors' Windows; scripts/test-windows runs
// them under a Japanese locale.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/format/settings_file_reader.h"
#include "settings/platform/windows_api.h"
#include "settings/test_support.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

using test::sj;

std::string profileText(const std::string& file, const std::string& section,
                        const std::string& key) {
  char buf[2048];
  const DWORD n =
      GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buf, sizeof buf, file.c_str());
  return std::string(buf, n);
}

std::vector<std::string> splitAtNul(const std::vector<char>& buf, DWORD n) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < n;) {
    const std::string name(buf.data() + i);
    if (name.empty()) break;
    out.push_back(name);
    i += name.size() + 1;
  }
  return out;
}

std::vector<std::string> profileKeys(const std::string& file, const std::string& section) {
  std::vector<char> buf(16384);
  const DWORD n = GetPrivateProfileStringA(section.c_str(), nullptr, "", buf.data(),
                                           static_cast<DWORD>(buf.size()), file.c_str());
  return splitAtNul(buf, n);
}

std::vector<std::string> profileSections(const std::string& file) {
  std::vector<char> buf(65536);
  const DWORD n =
      GetPrivateProfileSectionNamesA(buf.data(), static_cast<DWORD>(buf.size()), file.c_str());
  return splitAtNul(buf, n);
}

// ASCII letters in the other case, second bytes of characters untouched.
std::string otherCase(std::string name) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto b = static_cast<unsigned char>(name[i]);
    if (sjis::isLeadByte(b))
      ++i;
    else if (b >= 'a' && b <= 'z')
      name[i] = static_cast<char>(b - 'a' + 'A');
    else if (b >= 'A' && b <= 'Z')
      name[i] = static_cast<char>(b - 'A' + 'a');
  }
  return name;
}

std::string lowered(const std::string& name) {
  std::string out = otherCase(name);
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto b = static_cast<unsigned char>(name[i]);
    if (sjis::isLeadByte(b))
      ++i;
    else if (b >= 'A' && b <= 'Z')
      out[i] = static_cast<char>(b - 'A' + 'a');
    else
      out[i] = name[i];
  }
  return out;
}

// The profile's key list with a repeated name named once, where it first stands.
std::vector<std::string> onceEach(const std::vector<std::string>& keys) {
  std::vector<std::string> out, seen;
  for (const auto& k : keys) {
    if (std::find(seen.begin(), seen.end(), lowered(k)) != seen.end()) continue;
    seen.push_back(lowered(k));
    out.push_back(k);
  }
  return out;
}

bool isPlainDecimal(const std::string& text) {
  std::size_t i = text.starts_with('-') ? 1 : 0;
  if (i == text.size() || text.size() - i > 9) return false;  // stays in 32 bits
  return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(i), text.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

class ProfileDifferential : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetACP(), 932u) << "needs the Japanese ANSI code page (under Wine: "
                                 "LC_ALL=ja_JP.UTF-8)";
  }

  // Writes the bytes to a file of its own (the profile functions keep files
  // they have read) and returns its path.
  std::filesystem::path write(const std::string& bytes) {
    auto path = dir / ("case" + std::to_string(++count_) + ".ini");
    test::writeBytes(path, bytes);
    return path;
  }

  // Compares every section the profile function finds (and `moreSections`),
  // in the file's letter case and the other, every key of them (and
  // `moreKeys`), and a section and a key that are not there.
  void expectSameReading(const std::string& bytes, std::vector<std::string> moreSections = {},
                         std::vector<std::string> moreKeys = {}) {
    const auto path = write(bytes);
    const std::string file = path.string();
    const SettingsFileReader reader = SettingsFileReader::fromBytes(test::readBytes(path));

    std::vector<std::string> sections = profileSections(file);
    ASSERT_FALSE(sections.empty());
    sections.insert(sections.end(), moreSections.begin(), moreSections.end());
    sections.push_back("NoSuchSection");
    const std::size_t named = sections.size();
    for (std::size_t i = 0; i < named; ++i) sections.push_back(otherCase(sections[i]));

    for (const auto& section : sections) {
      SCOPED_TRACE("[" + section + "]");
      const std::vector<std::string> keys = profileKeys(file, section);
      EXPECT_EQ(reader.readKeys(section), onceEach(keys));
      EXPECT_EQ(reader.hasSection(section), !keys.empty());

      std::vector<std::string> probes = keys;
      probes.insert(probes.end(), moreKeys.begin(), moreKeys.end());
      probes.push_back("NoSuchKey");
      const std::size_t given = probes.size();
      for (std::size_t i = 0; i < given; ++i) probes.push_back(otherCase(probes[i]));
      for (const auto& key : probes) {
        SCOPED_TRACE(key);
        const std::string text = profileText(file, section, key);
        EXPECT_EQ(reader.readText(section, key), text);
        if (text.empty() || isPlainDecimal(text)) {
          const int number = static_cast<int>(
              GetPrivateProfileIntA(section.c_str(), key.c_str(), -7, file.c_str()));
          EXPECT_EQ(reader.readNumber(section, key, -7), number);
        }
      }
    }
  }

  test::TempDir dir;

 private:
  int count_ = 0;
};

TEST_F(ProfileDifferential, FilesThatCreateWrites) {
  for (const char* name : {"minimal.ini", "setup_variant.ini", "worked_example.ini"}) {
    SCOPED_TRACE(name);
    const std::string bytes = test::readBytes(test::goldenFile(name));
    ASSERT_FALSE(bytes.empty());
    expectSameReading(bytes, {"Uninstall", "RmDir", "RegKey"}, {"Item1", "Item9", "Value"});
  }
}

TEST_F(ProfileDifferential, BlanksAndLetterCase) {
  expectSameReading(
      "  [ Install ]  \r\n"
      "  Title   =   two  words  \r\n"
      "\tTextFile\t=\tReadMe.txt\t\r\n"
      "PROGRAM = a.exe,/x=1\r\n"
      "allusers=2\r\n"
      "Message =    \r\n"
      "[files]\r\n"
      "item1 = Tessaly.exe\r\n"
      "ITEM2 = help\\Tessaly.hlp,2\r\n",
      {"INSTALL", "install", "Files"}, {"title", "AllUsers", "Item1", "Item2"});
}

TEST_F(ProfileDifferential, KeysWithoutValueAndLinesWithoutEquals) {
  expectSameReading(
      "[Install]\r\n"
      "Program =\r\n"
      "Message=\r\n"
      "InstallDir\r\n"
      "a line that names no value\r\n"
      "AllUsers = \r\n"
      "[Empty]\r\n"
      "[Only text]\r\n"
      "no equals here\r\n"
      "[Group]\r\n"
      "Value = -1\r\n",
      {"Empty", "Only text"}, {"InstallDir", "Item1"});
}

TEST_F(ProfileDifferential, RepeatedKeysAndSections) {
  expectSameReading(
      "[Application]\r\n"
      "Name = first\r\n"
      "NAME = second\r\n"
      "[Group]\r\n"
      "Value = 1\r\n"
      "Item1 = a\r\n"
      "[application]\r\n"
      "Name = third\r\n"
      "Other = x\r\n"
      "[Group]\r\n"
      "Item2 = b\r\n",
      {}, {"Other", "Item2"});
}

TEST_F(ProfileDifferential, JapaneseTextAndOddLines) {
  // Second bytes 5C ("ソ", "表") and 5B ("ゼ", "ー") inside names and values,
  // an ideographic space (81 40) at the end of a value, which is no blank;
  // comments, blank lines, entries before the first section, text after a
  // header, lines ending in LF alone and a last line without a line end.
  expectSameReading(sj("ignored = before any section\r\n"
                       "; comment\r\n"
                       "\r\n"
                       "[Group]\r\n"
                       "Info = スタートメニューの「プログラム」内に＜Velquin＞\r\n"
                       "GroupName = ソフト表示　\r\n"
                       "Item1 = Velquinのアンインストール,Rivo.exe,/r\r\n"
                       "[ソフト] trailing text\r\n"
                       "表示 = 表\\示\n"
                       "ゼ = ゼロ\n"
                       "[Uninstall]\r\n"
                       "Title = Velquinのアンインストール"),
                    {sj("ソフト")}, {sj("表示"), sj("ゼ")});
}

TEST_F(ProfileDifferential, DeliberateDifferences) {
  const std::string longValue(3000, 'v');
  std::string bytes = "[Install]\r\nMessage = " + longValue +
                      "\r\n"
                      "AllUsers = 2a\r\n"
                      "IsFileDelAfterInst = $1\r\n"
                      "Program = \"a b.exe\"\r\n"
                      "[Group]\r\nItem1 = a\r\nItem1 = b\r\n"
                      "[Files]\r\n";
  std::vector<std::string> items;
  for (int i = 1; i <= 2500; ++i) {
    items.push_back("Item" + std::to_string(i));
    bytes += items.back() + " = f" + std::to_string(i) + "\r\n";
  }
  const auto path = write(bytes);
  const std::string file = path.string();
  const SettingsFileReader reader = SettingsFileReader::fromBytes(test::readBytes(path));

  EXPECT_EQ(reader.readText("Install", "Message"), longValue);
  EXPECT_EQ(profileText(file, "Install", "Message"), longValue.substr(0, 2047));

  const std::vector<std::string> listed = profileKeys(file, "Files");
  ASSERT_GT(listed.size(), 1000u);
  ASSERT_LT(listed.size(), items.size());
  EXPECT_EQ(reader.readKeys("Files"), items);
  // The profile's list is cut inside the buffer: all but its last name are
  // the reader's first names.
  EXPECT_TRUE(std::equal(listed.begin(), listed.end() - 1, items.begin()));

  EXPECT_EQ(GetPrivateProfileIntA("Install", "AllUsers", -1, file.c_str()), 2u);
  EXPECT_EQ(reader.readNumber("Install", "AllUsers", -1), -1);
  EXPECT_EQ(GetPrivateProfileIntA("Install", "IsFileDelAfterInst", 1, file.c_str()), 0u);
  EXPECT_EQ(reader.readNumber("Install", "IsFileDelAfterInst", 1), 1);

  EXPECT_EQ(profileText(file, "Install", "Program"), "a b.exe");
  EXPECT_EQ(reader.readText("Install", "Program"), "\"a b.exe\"");

  EXPECT_EQ(profileKeys(file, "Group"), (std::vector<std::string>{"Item1", "Item1"}));
  EXPECT_EQ(reader.readKeys("Group"), std::vector<std::string>{"Item1"});
  EXPECT_EQ(reader.readText("Group", "Item1"), profileText(file, "Group", "Item1"));
}

// Headers the way the engine's platform reads them: the name runs to the last
// "]", and a line without "]" is no header.
TEST_F(ProfileDifferential, OddSectionHeadersAgree) {
  const auto path = write("[Rm]Dir]\r\nItem1 = x\r\n[Uninstall\r\nKey = Tessaly\r\n");
  const std::string file = path.string();
  const SettingsFileReader reader = SettingsFileReader::fromBytes(test::readBytes(path));
  for (const char* section : {"Rm]Dir", "Rm", "Uninstall"}) {
    EXPECT_EQ(reader.readKeys(section), profileKeys(file, section)) << section;
    for (const char* key : {"Item1", "Key"})
      EXPECT_EQ(reader.readText(section, key), profileText(file, section, key)) << section << key;
  }
  EXPECT_EQ(reader.readText("Rm]Dir", "Key"), "Tessaly");
}

}  // namespace
}  // namespace velquin
