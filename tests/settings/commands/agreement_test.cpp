// Details, `velquin --check`, `velquin --plan` and the dialog's checker read
// a settings file and the distribution folder one way: on random folders
// (sub-folders, Japanese names, a folder link, a dangling link, letter case)
// and random settings files (as Create writes them, by hand without Create's
// two entries, with a gap or a repeat, saved as UTF-8), with random edits in
// between, they name the same installed files and the same findings on the
// same lines, and Details gives back what Create wrote.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <sstream>

#include "settings/check/checker.h"
#include "settings/check/file_check.h"
#include "settings/commands/check_command.h"
#include "settings/commands/create_command.h"
#include "settings/commands/details_command.h"
#include "settings/commands/plan_command.h"
#include "settings/format/settings_writer.h"
#include "settings/platform/paths.h"
#include "settings/test_support.h"
#include "settings/text/lines.h"
#include "settings/text/messages.h"
#include "settings/text/names.h"

namespace velquin {
namespace {

namespace fs = std::filesystem;
using L = ListField;
using Lines = std::vector<std::string>;
using Placed = std::multiset<std::string>;  // "LINE E" or "LINE W"

std::string placed(std::size_t line, Weight weight) {
  return std::to_string(line) + (weight == Weight::Error ? " E" : " W");
}

// The findings of `velquin --check`'s report, by line and weight.
Placed reported(const std::string& report) {
  Placed out;
  std::istringstream in(report);
  const std::string error = ": " + std::string(messages::ship::kError) + ":";
  for (std::string line; std::getline(in, line);) {
    const std::size_t at =
        line.find(": " + std::string(messages::ship::kError) + ":") != std::string::npos
            ? line.find(error)
            : line.find(": " + std::string(messages::ship::kWarning) + ":");
    if (at == std::string::npos || line.starts_with(" ")) continue;
    const std::size_t colon = line.rfind(':', at - 1);
    std::size_t number = 0;
    if (colon != std::string::npos) number = std::strtoul(line.c_str() + colon + 1, nullptr, 10);
    out.insert(placed(
        number, line.compare(at, error.size(), error) == 0 ? Weight::Error : Weight::Warning));
  }
  return out;
}

// The file's own findings and the record's, placed in it as the check places
// them (a radio group's missing choice where the file names its entry
// already stands once). A file Create wrote has none of its own beyond what
// the record shows.
Placed expected(const SettingsFile& file, const std::vector<Finding>& record, bool created) {
  Placed out;
  std::set<std::size_t> ownLines;
  std::vector<FileFinding> own;
  if (!created) {
    own = checkFileForm(file.reader().text(), file.conversion());
    for (FileFinding& f : checkFileEntries(file)) own.push_back(std::move(f));
  }
  for (const FileFinding& f : own) {
    out.insert(placed(f.line, f.weight));
    ownLines.insert(f.line);
  }
  for (const Finding& f : record) {
    const FileFinding at = placeInFile(f, file);
    if (f.field.kind == FieldKind::Index && ownLines.count(at.line) > 0) continue;
    out.insert(placed(at.line, at.weight));
  }
  return out;
}

// The installed files `velquin --plan` lists, each with whether it says the
// folder lacks it, and how many findings it shows.
struct PlanFiles {
  Lines files;  // each name, with " (missing)" where the plan says the folder lacks it
  std::size_t findings = 0;
};
PlanFiles planned(const std::string& plan) {
  PlanFiles out;
  std::istringstream in(plan);
  for (std::string line; std::getline(in, line);) {
    if (line.find("※ ") != std::string::npos) ++out.findings;
    if (line.find("← [Files] Item") == std::string::npos) continue;
    const std::size_t start = line.find_first_not_of(' ');
    const std::string name = line.substr(start, line.find("：") - start);
    if (line.find(" 行目  ← ") != std::string::npos) continue;  // a finding of no item
    const bool missing = line.find("配布フォルダにありません") != std::string::npos;
    out.files.push_back(name + (missing ? " (missing)" : ""));
  }
  return out;
}

// A random distribution folder, and the lines a file list may hold for it.
struct Folder {
  test::TempDir dir;
  Lines lines;  // Shift-JIS: files of the folder, named in ways Windows finds them

  explicit Folder(std::mt19937& random) {
    add("app.exe");
    if (random() % 4 != 0) add("Rivo.exe");
    const std::array<std::string_view, 5> places = {"", "sub/", "sub/deep/", "データ/", "Sub2/"};
    const std::size_t count = 3 + random() % 12;
    for (std::size_t i = 0; i < count; ++i) {
      const std::string place(places[random() % places.size()]);
      add(place + (random() % 3 == 0 ? "説明" : "f") + std::to_string(i) +
          (random() % 2 ? ".txt" : ".DLL"));
    }
    std::error_code ec;
    if (random() % 2 && fs::exists(dir / "sub")) {
      fs::create_directory_symlink("sub", dir / "lnk", ec);
      const std::size_t listed = lines.size();
      for (std::size_t i = 0; i < listed && !ec; ++i)
        if (lines[i].starts_with("sub\\")) lines.push_back("lnk\\" + lines[i].substr(4));
    }
    fs::create_symlink("nowhere.chm", dir / "dead.chm", ec);
    lines.push_back("dead.chm");
    lines.push_back("gone.txt");
    // The engine's own entry is Create's (the loading takes it out of the
    // list wherever it stands); the author's lines name it otherwise.
    std::erase_if(lines, [](const std::string& l) { return equalsIgnoringCase(l, "Rivo.exe"); });
  }
  void add(const std::string& utf8) {
    fs::create_directories((dir / pathFromUtf8(utf8)).parent_path());
    test::writeBytes(dir / pathFromUtf8(utf8), "x");
    std::string line = test::sj(utf8);
    std::replace(line.begin(), line.end(), '/', '\\');
    lines.push_back(line);
    std::string upper = line;  // ASCII letters alone: a Shift-JIS trail byte may be one
    if (sjis::isAscii(upper))
      std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      });
    lines.push_back(upper);
    lines.push_back(".\\" + line);  // a form Windows resolves
  }
};

void randomSettings(std::mt19937& random, InstallSettings& s, const Lines& from) {
  s.setText(TextField::EditName, "App");
  s.setText(TextField::EditInstallTitle, "T");
  Lines files(1 + random() % 8);
  for (std::string& f : files) f = from[random() % from.size()] + (random() % 4 ? "" : ",0");
  s.setLines(L::MemoFiles, files);
  if (random() % 2) {
    s.setText(TextField::EditInstallDir, "App");
    s.setIndex(IndexField::RadioGroupFileDel, static_cast<int>(random() % 3) - 1);
  }
  if (random() % 2) {
    s.select(Option::RadioButtonStartCheck);
    s.setLines(L::MemoGroupItem, {"S," + from[random() % from.size()], "T,gone.exe"});
  }
}

// `text` with what a hand or another editor leaves in a file: a comment, a
// value cut at a NUL byte, the engine's entries first with another digit,
// the author's own shortcut that holds the uninstall shortcut's marker.
std::string byHand(std::mt19937& random, std::string text) {
  const auto insertAfter = [&text](std::string_view after, std::string_view what) {
    const std::size_t at = text.find(after);
    if (at != std::string::npos) text.insert(at + after.size(), what);
  };
  const auto lineOf = [&text](std::string_view key, std::size_t from) {
    const std::size_t at = text.find(key, from);
    return at == std::string::npos ? std::string()
                                   : text.substr(at, text.find("\r\n", at) + 2 - at);
  };
  switch (random() % 5) {
    case 0: insertAfter("[Install]\r\n", "; saved by hand\r\n"); break;
    case 1: insertAfter("Name = App", std::string("\0 Deluxe", 8)); break;
    case 2: {  // the engine's entries first, the author's numbered after them
      const std::size_t files = text.find("[Files]\r\n") + 9;
      const std::size_t group = text.find("[Group]");
      std::string list =
          "Item1 = Rivo.exe," + std::to_string(random() % 3) + "\r\nItem2 = Rivo.ini\r\n";
      std::size_t n = 3;
      for (std::size_t at = files; at < group;) {
        const std::size_t end = text.find("\r\n", at) + 2;
        const std::string_view line(text.data() + at, end - at);
        const std::string_view value = line.substr(line.find(" = ") + 3);
        if (!value.starts_with("Rivo."))
          list += "Item" + std::to_string(n++) + " = " + std::string(value);
        at = end;
      }
      text.replace(files, group - files, list);
      break;
    }
    case 3: {  // the author's last shortcut
      const std::size_t group = text.find("[Group]"), end = text.find("[Startup]");
      if (lineOf("Value = ", group) != "Value = 1\r\n") break;
      std::size_t items = 0;
      for (std::size_t at = text.find("\nItem", group); at < end; at = text.find("\nItem", at + 1))
        ++items;
      text.insert(end, "Item" + std::to_string(items + 1) + " = " +
                           test::sj("Appのアンインストール,unins.exe") + "\r\n");
      break;
    }
    default: insertAfter("[Desktop]\r\n", "[Extra]\r\nKey = v\r\n"); break;
  }
  return text;
}

// The file as Create writes it, or as a hand or another editor left it.
std::string randomFile(std::mt19937& random, const InstallSettings& s) {
  std::string text = composeSettingsFile(s, "Rivo.ini");
  for (std::size_t hands = random() % 3; hands > 0; --hands) text = byHand(random, text);
  const std::size_t files = text.find("[Files]\r\n") + 9;
  const std::size_t group = text.find("[Group]");
  switch (random() % 7) {
    case 0: {  // by hand: without Create's two entries
      std::size_t cut = text.rfind("Item", group);
      cut = text.rfind("Item", cut - 1);
      return text.erase(cut, group - cut);
    }
    case 1: {  // a gap in the numbering
      const std::size_t item = text.find("Item", files);
      return text.erase(item, text.find("\r\n", item) + 2 - item);
    }
    case 2: {  // an entry twice, and a section twice
      const std::size_t item = text.find("Item", files);
      text.insert(group, text.substr(item, text.find("\r\n", item) + 2 - item));
      return text + "[Files]\r\nItem1 = late.txt\r\n";
    }
    case 3: return sjis::decode(text).value_or(text);  // saved as UTF-8
    case 4:                                            // saved as UTF-8 with a byte-order mark
      return "\xEF\xBB\xBF" + sjis::decode(text).value_or(text);
    default: return text;
  }
}

void editRandomly(std::mt19937& random, InstallSettings& s, const Lines& from) {
  const std::size_t size = s.lines(L::MemoFiles).size();
  switch (random() % 5) {
    case 0: s.appendLines(L::MemoFiles, {from[random() % from.size()], ""}); break;
    case 1:
      if (size > 0) s.replaceLines(L::MemoFiles, random() % size, 1, {});
      break;
    case 2:
      if (size > 0)
        s.replaceLines(L::MemoFiles, random() % size, 1, {from[random() % from.size()]});
      break;
    case 3: s.setIndex(IndexField::RadioGroupFileDel, static_cast<int>(random() % 3) - 1); break;
    default: s.setText(TextField::EditInstallDir, random() % 2 ? "App" : ""); break;
  }
}

// The lines of a file that Create's text lacks, as an editor compares them:
// a line is found among the lines of its section in Create's text (each
// there taken once), blanks around "=" and the letter case of names aside.
std::vector<std::size_t> linesCreateLacks(const std::string& file, const std::string& created) {
  const auto normal = [](std::string_view line) {
    line = SettingsFileReader::trimBlanks(line);
    const std::size_t equals = line.find('=');
    if (line.starts_with("[") || equals == std::string_view::npos) return foldAsciiCase(line);
    return foldAsciiCase(SettingsFileReader::trimBlanks(line.substr(0, equals))) + "=" +
           std::string(SettingsFileReader::trimBlanks(line.substr(equals + 1)));
  };
  const auto sectionOf = [](std::string_view line, std::string& section) {
    line = SettingsFileReader::trimBlanks(line);
    if (line.starts_with("[") && line.find(']') != std::string_view::npos)
      section = foldAsciiCase(line.substr(1, line.find(']') - 1));
  };
  std::map<std::string, std::multiset<std::string>> written;
  std::string section;
  for (const std::string& line : splitLines(created)) {
    sectionOf(line, section);
    written[section].insert(normal(line));
  }
  std::vector<std::size_t> lacks;
  section.clear();
  const Lines lines = splitLines(file);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (SettingsFileReader::trimBlanks(lines[i]).empty()) continue;
    sectionOf(lines[i], section);
    std::multiset<std::string>& of = written[section];
    if (const auto found = of.find(normal(lines[i])); found != of.end()) {
      of.erase(found);
    } else {
      lacks.push_back(i + 1);
    }
  }
  return lacks;
}

// The lines Details' box names ("N 行目：..."), and how many it leaves
// unnamed ("ほか N 件").
std::vector<std::size_t> linesNamed(const Lines& boxes, std::size_t& more) {
  std::vector<std::size_t> named;
  more = 0;
  for (const std::string& box : boxes) {
    if (!box.starts_with("設定ファイルの次の行は、「作成」")) continue;
    std::istringstream in(box);
    for (std::string line; std::getline(in, line);) {
      if (line.find(" 行目：") != std::string::npos) named.push_back(std::stoul(line));
      if (line.starts_with("ほか ")) more = std::stoul(line.substr(std::string("ほか ").size()));
    }
  }
  return named;
}

// Details' box names exactly the lines of the file that Create, writing the
// settings Details loaded, does not give back.
void expectBoxNamesWhatCreateLacks(const fs::path& ini, const InstallSettings& loaded,
                                   const Lines& boxes, const std::string& where) {
  const SettingsFile file = SettingsFile::read(ini, "Rivo.ini");
  std::vector<std::size_t> lacks =
      linesCreateLacks(file.reader().text(), composeSettingsFile(loaded, "Rivo.ini"));
  std::size_t more = 0;
  const std::vector<std::size_t> named = linesNamed(boxes, more);
  EXPECT_EQ(named.size() + more, lacks.size()) << where;
  lacks.resize(std::min(lacks.size(), named.size()));
  EXPECT_EQ(named, lacks) << where;
}

// What --check, --plan and a fresh checker say of the file on disk, beside
// what the dialog's checker says of the settings Details took from it.
void expectAgreement(const fs::path& ini, const InstallSettings& record, const Checker& dialog,
                     bool created, const std::string& where) {
  const SettingsFile file = SettingsFile::read(ini, "Rivo.ini");
  const std::vector<Finding> findings = dialog.findings();
  const std::string report = runCheckCommand(ini).text;
  EXPECT_EQ(reported(report), expected(file, findings, created)) << where;
  if (created) {
    // The file holds nothing the record cannot show: the dialog's counts
    // are the report's.
    FindingCounts counts;
    for (const FieldInfo& info : kFields) counts += dialog.counts(info.field);
    EXPECT_TRUE(report.ends_with(messages::ship::counts(counts.errors, counts.warnings) + "\n"))
        << where << report;
  }

  // The plan installs what the file lists, Create's two entries where the
  // file lists them, and shows every finding of the check.
  const PlanFiles plan = planned(runPlanCommand(ini).text);
  Lines installed;
  const auto missing = [](const std::vector<Finding>& of, std::string_view text) {
    return std::any_of(of.begin(), of.end(),
                       [&](const Finding& f) { return f.text.find(text) != std::string::npos; })
               ? " (missing)"
               : "";
  };
  const std::vector<std::string>& lines = record.lines(L::MemoFiles);
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (!lines[i].empty())
      installed.push_back(sjis::decodeForDisplay(lines[i].substr(0, lines[i].find(','))) +
                          missing(dialog.findingsOf(L::MemoFiles, i), "配布フォルダにありません"));
  if (file.engineEntry() > 0)
    installed.push_back("Rivo.exe" + std::string(missing(dialog.listFindings(L::MemoFiles),
                                                         messages::kEngineMissing.substr(0, 20))));
  if (file.iniEntry() > 0) installed.push_back("Rivo.ini");
  Lines listed = plan.files;
  std::sort(listed.begin(), listed.end());
  std::sort(installed.begin(), installed.end());
  // The engine reads a file saved in UTF-8 as Shift-JIS: the plan names its
  // files as the engine does, the check says why (its error on the file).
  if (file.conversion().encoding == FileEncoding::ShiftJis) {
    EXPECT_EQ(listed, installed) << where;
  }
  EXPECT_EQ(plan.findings, reported(report).size()) << where;
}

TEST(Agreement, EveryCommandReadsTheFileAndTheFolderAlike) {
  std::mt19937 random(20261209);
  for (int round = 0; round < 30; ++round) {
    const Folder folder(random);
    InstallSettings original;
    randomSettings(random, original, folder.lines);
    const fs::path ini = folder.dir / "Rivo.ini";
    test::writeBytes(ini, randomFile(random, original));

    InstallSettings s;
    s.setProgram(folder.dir / "app.exe");
    test::RecordingPrompts prompts;
    const DetailsResult details = runDetailsCommand(s, prompts);
    Checker dialog(s);
    dialog.setFolderFiles(details.folderFiles, "Rivo.ini", details.folderAliases);
    const std::string where = "round " + std::to_string(round) + "\n" + test::readBytes(ini);
    expectBoxNamesWhatCreateLacks(ini, s, prompts.shown, where);
    expectAgreement(ini, s, dialog, false, where);

    for (int edit = 0; edit < 6; ++edit) {
      editRandomly(random, s, folder.lines);
      Checker fresh(s);
      fresh.setFolderFiles(details.folderFiles, "Rivo.ini", details.folderAliases);
      ASSERT_EQ(dialog.findings(), fresh.findings()) << where << "edit " << edit;
    }
    if (runCreateCommand(s, prompts, &dialog) != CreateResult::Written) continue;
    expectAgreement(ini, s, dialog, true, where + "after Create:\n" + test::readBytes(ini));

    InstallSettings again;
    again.setProgram(folder.dir / "app.exe");
    runDetailsCommand(again, prompts);
    EXPECT_EQ(composeSettingsFile(again, "Rivo.ini"), test::readBytes(ini)) << where;
  }
}

}  // namespace
}  // namespace velquin
