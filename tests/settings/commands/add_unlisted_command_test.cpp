#include "settings/commands/add_unlisted_command.h"

#include <gtest/gtest.h>

#include "settings/commands/check_command.h"
#include "settings/format/settings_writer.h"
#include "settings/platform/folder_scan.h"
#include "settings/platform/paths.h"
#include "settings/test_support.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

namespace fs = std::filesystem;
using test::sj;

std::string replaced(std::string text, std::string_view from, std::string_view to) {
  const std::size_t at = text.find(from);
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// A release: the program, the engine, a new DLL, and a settings file Create
// wrote before the DLL came.
struct Release {
  test::TempDir dir;
  fs::path ini = dir / "Rivo.ini";
  std::string shown = pathToUtf8(ini);
  std::string clean;

  Release() {
    InstallSettings s;
    s.setText(TextField::EditName, sj("テサリー"));
    s.setText(TextField::EditInstallTitle, "Setup");
    s.setLines(ListField::MemoFiles, {"app.exe"});
    clean = composeSettingsFile(s, "Rivo.ini");
    for (const char* name : {"app.exe", "Rivo.exe", "new.dll"}) test::writeBytes(dir / name, "x");
    test::writeBytes(ini, clean);
  }
  // The clean file with `files` after app.exe.
  std::string with(const std::vector<std::string>& files) const {
    std::string entries;
    std::size_t item = 1;
    for (const std::string& f : files)
      entries += "Item" + std::to_string(++item) + " = " + f + "\r\n";
    entries += "Item" + std::to_string(++item) + " = Rivo.exe,2\r\n";
    entries += "Item" + std::to_string(++item) + " = Rivo.ini\r\n";
    return replaced(clean, "Item2 = Rivo.exe,2\r\nItem3 = Rivo.ini\r\n", entries);
  }
  // "PATH:LINE" of `entry` in `text`.
  std::string placeOf(const std::string& text, std::string_view entry) const {
    const auto before = text.substr(0, text.find(entry));
    return shown + ":" + std::to_string(std::count(before.begin(), before.end(), '\n') + 1);
  }
};

// The round trip of a release script: the strict check fails on the new
// files, the command adds them (in the scan's order) before the engine's two
// entries, and the check passes. Run again, it has nothing to add and leaves
// the file as it is.
TEST(AddUnlistedCommand, AddsWhatTheStrictCheckMissesAndTheCheckPasses) {
  Release r;
  fs::create_directory(r.dir / "sub");
  test::writeBytes(r.dir / "sub" / pathFromUtf8("説明.txt"), "x");
  EXPECT_EQ(runCheckCommand(r.dir.path(), {.strict = true}).exitCode, 1);
  std::vector<std::string> added;
  for (const std::string& line : scanFolder(r.dir.path()).lines)
    if (line == "new.dll" || line == "sub\\" + sj("説明.txt")) added.push_back(line);

  const AddUnlistedResult result = runAddUnlistedCommand(r.dir.path());
  const std::string written = r.with(added);
  EXPECT_EQ(test::readBytes(r.ini), written);
  std::string output;
  for (std::size_t i = 0; i < added.size(); ++i) {
    const std::string entry = "Item" + std::to_string(i + 2) + " = ";
    output += r.placeOf(written, entry) + ": [Files] " + entry + sjis::decodeForDisplay(added[i]) +
              " を追加しました。\n";
  }
  EXPECT_EQ(result.output, output);
  EXPECT_EQ(result.errors, "");
  EXPECT_EQ(result.exitCode, 0);
  const CheckCommandResult check = runCheckCommand(r.ini, {.strict = true});
  EXPECT_EQ(check.text, "エラー 0 件、警告 0 件\n");
  EXPECT_EQ(check.exitCode, 0);

  const auto time = fs::last_write_time(r.ini);
  const AddUnlistedResult again = runAddUnlistedCommand(r.dir / "app.exe");
  EXPECT_EQ(again.output, r.shown + ": 一覧にないファイルはありません。\n");
  EXPECT_EQ(again.exitCode, 0);
  EXPECT_EQ(fs::last_write_time(r.ini), time);
}

// A name Windows resolves otherwise is added as Windows finds it, and the
// check then passes; a name the settings file cannot hold (here decomposed,
// as macOS writes it) is named as left out, also when nothing else is added.
TEST(AddUnlistedCommand, AddsNamesAsWindowsFindsThemAndTellsOfTheOthers) {
  Release r;
  fs::remove(r.dir / "new.dll");
  test::writeBytes(r.dir / "memo.txt.", "x");
  test::writeBytes(r.dir / pathFromUtf8("カ\u3099イト\u3099.pdf"), "x");
  const std::string leftOut =
      r.shown +
      ": 「カ\u3099イト\u3099.pdf」は名前を設定ファイルに書けないため、追加しませんでした。\n";

  const AddUnlistedResult result = runAddUnlistedCommand(r.ini);
  EXPECT_EQ(result.output, r.shown + ":11: [Files] Item2 = memo.txt を追加しました。\n" + leftOut);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(test::readBytes(r.ini), r.with({"memo.txt"}));
  const CheckCommandResult check = runCheckCommand(r.ini);
  EXPECT_EQ(check.text,
            r.shown +
                ":9: 警告: [Files]: 「カ\u3099イト\u3099.pdf」は配布フォルダにありますが、"
                "名前を設定ファイルに書けないため、インストールするファイルに入れられません。\n"
                "エラー 0 件、警告 1 件\n");
  EXPECT_EQ(check.exitCode, 0);

  const AddUnlistedResult again = runAddUnlistedCommand(r.ini);
  EXPECT_EQ(again.output, leftOut);
  EXPECT_EQ(again.exitCode, 0);
}

// Blanks, letter case and line breaks, which the engine reads alike, are
// written as Create writes them, and so is a file list without the two
// entries Create adds.
TEST(AddUnlistedCommand, WritesALooseFileAsCreateDoes) {
  Release r;
  std::string loose = replaced(replaced(r.clean, "[Files]", " [files] "),
                               "Item2 = Rivo.exe,2\r\nItem3 = Rivo.ini\r\n", "");
  for (std::size_t at; (at = loose.find(" = ")) != std::string::npos;) loose.replace(at, 3, "=");
  std::erase(loose, '\r');
  test::writeBytes(r.ini, "\n" + loose);
  EXPECT_EQ(runAddUnlistedCommand(r.ini).exitCode, 0);
  EXPECT_EQ(test::readBytes(r.ini), r.with({"new.dll"}));
}

// A file that Create would not write back whole, that is not Shift-JIS, or
// that cannot be written is left as it is (bytes and time), the first line
// concerned named, when there is a file to add; one that cannot be read is
// named as the check names it.
TEST(AddUnlistedCommand, LeavesWhatItCannotWriteBack) {
  Release r;
  const std::string files = "[Files]\r\n";
  const struct {
    std::string bytes;
    std::string_view entry;  // the line named, in `bytes`
    std::string why = "この行は「作成」で書き戻せません。先に直すか消してください。";
    bool readOnly = false;
  } cases[] = {
      {replaced(r.clean, files, files + "; kept\r\n"), "; kept"},
      {replaced(r.clean, files, files + "Item1 = b.txt\r\n"), "Item1 = app.exe"},
      {replaced(r.clean, "Rivo.exe,2", "Rivo.exe,1"), "Item2 = Rivo.exe"},
      {replaced(r.clean, "[Files]", "[Files] x"), "[Files]"},
      {"\xEF\xBB\xBF" + r.clean, "",
       "先頭に BOM（バイト順マーク）のある UTF-8 "
       "で保存されています。インストーラは最初のセクションを"
       "見つけられず、日本語も文字化けします。Shift-JIS で保存し直すか、Velquin で読み込んで"
       "「作成」し直してください。"},
      {r.clean, "", "ファイル " + r.shown + " を作成できません. 書き込む権限がありません。", true},
  };
  for (const auto& c : cases) {
    test::writeBytes(r.ini, c.bytes);
    if (c.readOnly) fs::permissions(r.ini, fs::perms::owner_read);
    const auto time = fs::last_write_time(r.ini);
    const AddUnlistedResult result = runAddUnlistedCommand(r.ini);
    const std::string place = c.entry.empty() ? r.shown : r.placeOf(c.bytes, c.entry);
    EXPECT_EQ(result.errors, place + ": エラー: 追加しませんでした。" + c.why + "\n");
    EXPECT_EQ(std::count(result.errors.begin(), result.errors.end(), '\n'), 1);
    EXPECT_EQ(result.output, "");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(test::readBytes(r.ini), c.bytes);
    EXPECT_EQ(fs::last_write_time(r.ini), time);
  }
  // With nothing to add, nothing is refused.
  fs::remove(r.dir / "new.dll");
  fs::permissions(r.ini, fs::perms::owner_all);
  test::writeBytes(r.ini, cases[0].bytes);
  EXPECT_EQ(runAddUnlistedCommand(r.ini).output, r.shown + ": 一覧にないファイルはありません。\n");
  fs::remove(r.ini);
  EXPECT_EQ(runAddUnlistedCommand(r.dir.path()).errors, "「" + r.shown + "」がありません。\n");
}

}  // namespace
}  // namespace velquin
