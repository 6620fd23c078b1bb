#include "settings/plan/install_plan.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "settings/check/checker.h"
#include "settings/format/settings_file_reader.h"
#include "settings/format/settings_loader.h"
#include "settings/format/settings_writer.h"
#include "settings/record/settings_rules.h"
#include "settings/test_support.h"
#include "settings/text/messages.h"

namespace velquin {
namespace {

using test::sj;

// The worked example's folder, with sizes of its own, as the check sees it.
struct WorkedExampleFolder {
  WorkedExampleFolder()
      : names({"Tessaly.exe", "ReadMe.txt", "help\\Tessaly.hlp", "Rivo.exe", "Rivo.ini"},
              "Rivo.ini") {
    folder.names = &names;
    folder.sizes = {1843200, 4210, 96512, 61440, 17};
  }
  ShipCheckContext names;
  PlanFolder folder;
};

// The text Create writes for the settings, read as the engine reads it, and
// the findings placed in it, as the preview makes its plan.
struct Written {
  Written(const InstallSettings& s, const std::vector<Finding>& findings)
      : file(SettingsFile::fromText(composeSettingsFile(s, "Rivo.ini"))), reading(file) {
    for (const Finding& f : findings)
      placed.push_back(placeInFile(f, file, ItemNumbering::AsWritten));
  }
  const SettingsFile file;
  const EngineReading reading;
  std::vector<FileFinding> placed;
};

std::string planOf(InstallSettings& s) {
  const WorkedExampleFolder example;
  Checker checker(s);
  checker.setFolderFiles({"Tessaly.exe", "ReadMe.txt", "help\\Tessaly.hlp", "Rivo.exe", "Rivo.ini"},
                         "Rivo.ini");
  const Written written(s, checker.findings());
  return planText(makeInstallPlan(written.reading, example.folder, written.placed));
}

void loadWorkedExample(InstallSettings& s) {
  loadSettings(s, SettingsFile::fromText(test::readBytes(test::goldenFile("worked_example.ini"))));
}

TEST(InstallPlan, WorkedExampleAsText) {
  InstallSettings s;
  loadWorkedExample(s);
  EXPECT_EQ(planOf(s), test::readBytes(test::goldenFile("worked_example_plan.txt")));
}

// Where the meanings leave the installation folder open, the plan says so;
// a placeholder and an icon from the target are read as they describe.
// Every field that the file holds has its item in the plan, under its entry's
// name, with every optional part in use: a field added to the table without
// one fails here.
TEST(InstallPlan, EveryFieldTheFileHoldsHasAnItem) {
  InstallSettings s;
  loadWorkedExample(s);
  s.select(Option::RadioButtonStartupCheck);
  s.setLines(ListField::MemoStartupItem, {"Velquin,Tessaly.exe"});
  const WorkedExampleFolder example;
  const Written written(s, {});
  const InstallPlan plan = makeInstallPlan(written.reading, example.folder, {});
  std::vector<const PlanItem*> items;
  const auto walk = [&items](const auto& self, const std::vector<PlanItem>& level) -> void {
    for (const PlanItem& item : level) {
      items.push_back(&item);
      self(self, item.children);
    }
  };
  walk(walk, plan.groups);
  for (const SectionInfo* section : writtenSections(s)) {
    for (const FieldInfo* f : writtenFields(s, section->section)) {
      const std::string source = "[" + std::string(section->name) + "] " + std::string(f->key);
      EXPECT_TRUE(std::any_of(items.begin(), items.end(), [&](const PlanItem* item) {
        return item->field == f->field && (f->key.empty() || item->source == source);
      })) << f->control;
    }
  }
}

TEST(InstallPlan, SaysWhatTheMeaningsSayAndNoMore) {
  struct Row {
    std::string_view installDir;
    std::string_view groupItem;
    std::string_view line;
  };
  const Row rows[] = {
      {"", "",
       "  "
       "初期値：指定なし：インストール先を指定しない方のダイアログを表示し、インストール先はユーザ"
       "ー"
       "が選びます"},
      {"ソフト", "",
       "  初期値：〈Program Files〉\\ソフト（例：C:\\Program Files\\ソフト）  ← [Install] "
       "InstallDir"},
      {"\\Tessaly", "",
       "  初期値：〈システムドライブのルート〉\\Tessaly（例：C:\\Tessaly）  ← [Install] "
       "InstallDir"},
      {"D:\\Apps", "",
       "  初期値：D:\\Apps（説明のない指定です（インストーラの扱いは不明））  ← [Install] "
       "InstallDir"},
      {"Tessaly", "文書,%MYDOCUMENTS%\\Tessaly\\a.txt",
       "    文書：〈マイ ドキュメント〉\\Tessaly\\a.txt、パラメータ なし、アイコン 指定なし  ← "
       "[Group] Item1"},
      {"Tessaly", "Velquin,Tessaly.exe,-x,,1",
       "    Velquin：〈インストール先〉\\Tessaly.exe、パラメータ -x、アイコン ファイル自身の 1 "
       "番  ← [Group] Item1"},
      {"Tessaly", "Velquin,Tessaly.exe,,icon.ico",
       "    Velquin：〈インストール先〉\\Tessaly.exe、パラメータ なし、アイコン "
       "〈インストール先〉\\icon.ico（番号の指定なし）  ← [Group] Item1"},
  };
  for (const Row& row : rows) {
    InstallSettings s;
    loadWorkedExample(s);
    s.setText(TextField::EditInstallDir, sj(row.installDir));
    if (!row.groupItem.empty()) s.setLines(ListField::MemoGroupItem, {sj(row.groupItem)});
    const std::string plan = planOf(s);
    EXPECT_NE(plan.find("\n" + std::string(row.line) + "\n"), std::string::npos) << plan;
    // Without an installation folder the file holds neither its registry
    // key nor what becomes of the source files.
    EXPECT_EQ(plan.find("選ばれたフォルダの保存先") == std::string::npos, row.installDir.empty());
  }
}

TEST(InstallPlan, FindingsStandBelowTheirItemAndDigitsItDoesNotKnowAreSaidSo) {
  InstallSettings s;
  loadWorkedExample(s);
  s.setLines(ListField::MemoFiles, test::sjLines({"Tessaly.exe", "", "gone.txt,3", "readme.TXT"}));
  const std::string plan = planOf(s);
  EXPECT_NE(plan.find("  gone.txt：〈インストール先〉\\gone.txt、上書き「3」：説明のない指定です（"
                      "インストーラの扱いは不明）、配布フォルダにありません  ← [Files] Item2\n"
                      "    ※ エラー："),
            std::string::npos)
      << plan;
  // Found in any letter case; the total leaves out the size it cannot know.
  EXPECT_NE(
      plan.find("  readme.TXT：〈インストール先〉\\readme.TXT、上書きする（省略時は 1）、4,210 "
                "バイト  ← [Files] Item3\n"),
      std::string::npos);
  EXPECT_NE(plan.find("インストールするファイル：5 個、サイズ不明 1 個、"), std::string::npos);
  // The unlisted files' warnings stand below the list, one for each file.
  EXPECT_NE(plan.find("  ← [Files]\n  ※ 警告：" + messages::ship::notListed("help\\Tessaly.hlp") +
                      "\n  Tessaly.exe："),
            std::string::npos)
      << plan;
}

// velquin --plan writes each line of the file list as it describes it, without
// an item per file: the same text as the plan's, whatever the list holds.
TEST(InstallPlan, TextWrittenLineByLineIsThePlansText) {
  struct Case {
    std::vector<std::string> folder;
    std::vector<std::string_view> files;
    bool settingsFileInFolder = true;
    bool folderKnown = true;
  };
  const Case cases[] = {
      // Found, missing, through a folder link, in another letter case, twice,
      // blank lines; the engine and the settings file in the folder.
      {{"a.exe", "real\\x.dll", "Rivo.exe", "Rivo.ini"},
       {"a.exe", "", "gone.txt,3", "lib\\x.dll", "A.EXE", "real\\x.dll,2", ""}},
      // Sizes the plan cannot know; the engine missing; the file Create writes.
      {{"a.exe", "b.txt"}, {"C:\\x.txt", "%WINDIR%\\y.dll,0", "a.exe", "ソフト.txt"}, false},
      // No folder known, and an empty list.
      {{}, {"a.exe"}, false, false},
      {{"Rivo.exe"}, {}},
  };
  const std::vector<FolderAlias> aliases = {{"lib\\", "real\\"}};
  std::size_t lineFindings = 0;
  for (const Case& c : cases) {
    InstallSettings s;
    loadWorkedExample(s);
    std::vector<std::string> files;
    for (std::string_view f : c.files) files.push_back(sj(f));
    s.setLines(ListField::MemoFiles, files);
    Checker checker(s);
    checker.setFolderFiles(c.folder, "Rivo.ini", aliases);
    Written written(s, checker.findings());
    // A finding on a line of no item stands among the others, and lines'
    // findings may come in any order.
    written.placed.push_back({1000, Weight::Warning, "Files", "Item99", "on no item's line"});
    std::reverse(written.placed.begin(), written.placed.end());
    for (const FileFinding& f : written.placed) lineFindings += f.key.starts_with("Item");
    const ShipCheckContext names(c.folder, "Rivo.ini", aliases);
    PlanFolder folder{c.folderKnown ? &names : nullptr, {}, c.settingsFileInFolder};
    for (std::size_t i = 0; i < c.folder.size(); ++i) folder.sizes.push_back(1000 * i + 7);
    EXPECT_EQ(installPlanText(written.reading, folder, written.placed),
              planText(makeInstallPlan(written.reading, folder, written.placed)));
  }
  EXPECT_GE(lineFindings, 4u);
}

}  // namespace
}  // namespace velquin
