#pragma once

// The check before shipping: what the engine will not find in the
// distribution folder, or will read otherwise than the author wrote it. The
// tool writes what the author typed whatever this check says; it only shows
// the findings (the dialog's marks, `velquin --check`).
//
// Errors: the engine will fail or do something else than the author wrote.
// Warnings: probably not what the author meant.
//
// Values are read as the engine's profile reader reads them: blanks at the
// ends of a value and one pair of quotes around it are dropped (and warned
// about). File names compare as Windows compares them, without regard to
// letter case, and are found as Windows resolves them (".\a.exe" is
// "a.exe", with a warning that names the usual form). An entry that begins
// with a placeholder (%WINDIR%, any %VARIABLE%) or names an absolute folder
// (\dir, C:\dir, \\server) is never looked for: where the engine takes it
// from is the engine's business.
//
// The lines of a list are checked one by one against a ShipCheckContext, so
// that the checker (checker.h) can check again only the lines an edit
// changed.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/platform/folder_scan.h"
#include "settings/record/install_settings.h"

namespace velquin {

enum class Weight { Error, Warning };

struct Finding {
  FieldRef field;
  // For a line of a list: its index among the list's lines (empty lines
  // counted) and its Item number in the file (empty lines left out). For a
  // single-line field or the list as a whole: no line and item 0.
  std::optional<std::size_t> line;
  int item = 0;
  Weight weight = Weight::Error;
  std::string text;  // UTF-8

  bool operator==(const Finding&) const = default;
};

// A finding of the program to distribute (EditProgram), which is no field of
// the record and no entry of the settings file: it has no place in the file.
struct ProgramFinding {
  Weight weight = Weight::Error;
  std::string text;  // UTF-8

  bool operator==(const ProgramFinding&) const = default;
};

// What the lines are checked against: the files of the distribution folder
// and the files that the file list installs, with how often each line of the
// file list stands in it. An edit of the file list tells it the lines that
// went and came (removeFileLine, addFileLine), at the cost of those lines.
class ShipCheckContext {
 public:
  // `folderFiles`: the folder scan's lines (every file of the distribution
  // folder, relative, with backslashes, Shift-JIS), each found as Windows
  // resolves its name too ("memo.txt." is the file "memo.txt" names);
  // `aliases`: the scan's folders reached again through links, whose files
  // are named either way; `unwritable`: the scan's files whose names the
  // settings file cannot hold (UTF-8). It holds no file lines until it is
  // given MemoFiles (addFileLines).
  ShipCheckContext(std::vector<std::string> folderFiles, std::string_view iniFileName,
                   std::vector<FolderAlias> aliases = {}, std::vector<std::string> unwritable = {});
  // The same of a folder scan (its sizes are not kept).
  ShipCheckContext(FolderScan scan, std::string_view iniFileName);
  // It holds views of its own strings.
  ShipCheckContext(const ShipCheckContext&) = delete;
  ShipCheckContext& operator=(const ShipCheckContext&) = delete;

  // What a line of the file list that came or went changed beyond itself.
  struct FileLineChange {
    bool copies = false;     // the other lines that install its file now do so alone, or not
    bool installed = false;  // a name became installed or is no longer: shortcut
                             // lines, Program and the list as a whole may change
  };
  FileLineChange addFileLine(std::string_view line);
  FileLineChange removeFileLine(std::string_view line);
  // Every line of a list, as addFileLine each.
  void addFileLines(const std::vector<std::string>& lines);
  // Asks the memory early for what counting or checking the lines after
  // `lines[i]` will read (their text, where their names stand), so that a
  // caller that goes through a long list in order, calling this before each
  // line, waits no more for the memory.
  void prefetch(const std::vector<std::string>& lines, std::size_t i) const;

  // The engine's file name (EngineBaseName followed by ".exe") and IniFileName.
  const std::string& engineFile() const { return engine_; }
  const std::string& iniFile() const { return ini_; }

  // What is known of a name (letter case aside, and resolved as Windows
  // resolves it: resolvedName, entry_parts.h).
  struct Known {
    bool inFolder = false;          // a file of the distribution folder, relative to it
    bool aside = false;             // in the folder, but never to be listed (see below)
    std::uint32_t installedBy = 0;  // lines of the file list that install it
  };
  Known about(std::string_view nameOrLine) const;
  bool inFolder(std::string_view name) const { return about(name).inFolder; }
  // The file of the distribution folder that a name reaches, found as
  // about() finds it: its place among the folder's files as they were given;
  // none for a name that is no file of the folder.
  std::optional<std::size_t> folderFileOf(std::string_view name) const;
  // A file that the engine installs: a name of the file list, the engine's
  // file or the settings file, relative to the install folder.
  bool installs(std::string_view name) const;

  // The folder's files that no line of the file list installs, in the
  // folder scan's order (the first `limit` of them); the engine's file, the
  // settings file and the tool's own temporary files in the folder itself
  // aside.
  std::size_t unlistedCount() const { return unlisted_; }
  std::vector<std::string> unlistedFiles(std::size_t limit = SIZE_MAX) const;
  // The folder's files that no line can list, their names being more than
  // the settings file can hold: UTF-8, in the folder scan's order.
  const std::vector<std::string>& unwritableFiles() const { return unwritable_; }

  // True when two lines of the file list install the same file: their
  // names, taken through the aliases, equal as Windows compares names,
  // whatever their overwrite modes.
  bool installSameFile(std::string_view a, std::string_view b) const;

  // What it was made of.
  const std::vector<std::string>& folderFiles() const { return folder_; }
  const std::vector<FolderAlias>& aliases() const { return aliases_; }

 private:
  // The names, each with what is known of it (a name is a view of one of
  // the folder's names, or of its own copy for a name the folder lacks),
  // found through a table of open addressing: a slot holds the entry's
  // number from 1 (0 when it is free) and the top half of the name's hash,
  // which places it and is compared before the entry is read. A name the
  // folder lacks is forgotten once no line of the file list holds it.
  struct Entry {
    const char* data;
    std::uint32_t size;
    Known known;
    std::uint32_t folderFile = 0;      // for a file of the folder: its place, from 1
    std::unique_ptr<std::string> own;  // the name, when not the folder's
  };
  struct Slot {
    std::uint32_t entry = 0;
    std::uint32_t tag = 0;
  };
  // The slot that holds `key`, or the free one where it would go.
  std::size_t slotOf(std::string_view key, std::uint32_t tag) const;
  std::size_t homeOf(std::uint32_t tag) const;
  // The entry of `key`, added when missing (which may move every other);
  // `keep`: a new key is copied (else it is one of the folder's).
  Entry& entry(std::string_view key, bool keep);
  // Forgets `key` when nothing is known of it any more.
  void forgetIfUnknown(std::string_view key);
  FileLineChange count(std::string_view line, int by);
  // The name under which the folder scan lists the file that `name` reaches
  // through the aliases (`buffer` may hold it).
  std::string_view listedName(std::string_view name, std::string& buffer) const;
  // The entry that a name reaches, or null.
  const Entry* find(std::string_view name) const;

  std::vector<std::string> folder_;
  std::vector<FolderAlias> aliases_;
  std::vector<FolderAlias> resolvedAliases_;  // both names as Windows resolves them
  std::vector<std::string> unwritable_;
  std::string engine_;
  std::string ini_;
  std::vector<Entry> entries_;
  std::vector<Slot> slots_;  // 2^bits_ of them, at most half used
  int bits_ = 0;
  std::size_t unlisted_ = 0;
};

// The name of the file that a line of the file list installs, as the check
// compares it (resolvedName; `buffer` may hold it), without the overwrite
// mode.
std::string_view installedName(std::string_view line, std::string& buffer);

// The findings of one line of `list` (without its place: no line, item 0),
// appended to `out`. An empty line, which the file leaves out, has none; the
// caller checks only the lines of a list that the file holds.
void checkListLine(const ShipCheckContext& context, ListField list, std::string_view line,
                   std::vector<Finding>& out);

// Whether the field's findings depend on which names the file list installs:
// the shortcut lists and the program to run at the end.
bool dependsOnInstalledNames(FieldRef field);

// The findings of a single-line field (none when the file leaves it out).
void checkTextField(const InstallSettings& settings, const ShipCheckContext& context,
                    TextField field, std::vector<Finding>& out);

// The findings of the program to distribute (a native path in the
// distribution folder; none when there is none), appended to `out`: an error
// when the folder lacks it, looked up as the folder scan names it (under its
// line, or among the names no line can hold).
void checkProgram(const ShipCheckContext& context, const std::filesystem::path& program,
                  std::vector<ProgramFinding>& out);

// The findings of a radio group (none when the file leaves it out): no item
// chosen, which Create writes as -1 and the engine cannot use.
void checkIndexField(const InstallSettings& settings, IndexField field, std::vector<Finding>& out);

// The findings of the file list as a whole, appended to `out`: the engine's
// own file missing from the folder (an error on the entry that Create adds
// for it after the list's `writtenLines` lines), a warning on each of the
// folder's files that the list does not install, in the folder's order (the
// first `unlistedNamed` of them: a folder of many files, none listed, need
// not make a finding for each where only a few are shown), and one on each
// of those that no line can list (as many at most).
void checkFileList(const ShipCheckContext& context, std::size_t writtenLines,
                   std::vector<Finding>& out, std::size_t unlistedNamed = SIZE_MAX);

}  // namespace velquin
