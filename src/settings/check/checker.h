#pragma once

// The check before shipping, kept up to date as the settings change: it holds
// the files of the distribution folder and the findings of every field and of
// every line, listens to the record, and checks again only what an edit
// reaches: the lines that changed, and the lines and fields whose findings
// depend on them (a file line listed twice and its copies; the shortcuts and
// the program to run when a file becomes installed or no longer is; a whole
// list when a part goes in or out of use). It then tells its listeners which
// fields' findings changed. The program to distribute is checked with the
// folder: a new folder or a new program tells them findingsReset. The rules
// themselves are in ship_check.h.
//
// The windows' marks and `velquin --check` read the same checker.
//
// Until it is given the folder's files, and again after a new program is
// chosen, it finds nothing. readFolderAgain gives it the folder as it is now,
// when that differs from what it holds. The files are checked against when
// they are first asked about, so that a window can show itself before the
// check of a long list.

#include <array>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/check/ship_check.h"
#include "settings/record/install_settings.h"

namespace velquin {

struct FindingCounts {
  std::size_t errors = 0;
  std::size_t warnings = 0;
  FindingCounts& operator+=(const FindingCounts& o) {
    errors += o.errors;
    warnings += o.warnings;
    return *this;
  }
  bool operator==(const FindingCounts&) const = default;
};

class CheckListener {
 public:
  virtual ~CheckListener() = default;
  // The findings of the field changed: a single-line field's, a list's own,
  // or those of lines of the list (or its lines moved).
  virtual void findingsChanged(FieldRef) {}
  // Everything may differ: the checker was given the folder's files, or lost
  // them with a new program.
  virtual void findingsReset() {}
};

class Checker : private SettingsListener {
 public:
  explicit Checker(InstallSettings& settings);
  ~Checker() override;
  Checker(const Checker&) = delete;
  Checker& operator=(const Checker&) = delete;

  void addListener(CheckListener* listener);
  void removeListener(CheckListener* listener);

  // The files of the distribution folder as the folder scan writes them
  // (relative, with backslashes, Shift-JIS; the engine's file included) and
  // the settings file's name: from now on everything is checked against them.
  // The folder's `aliases` (folder_scan.h) name its files as well; its
  // `unwritable` files (UTF-8) are those no line can list.
  void setFolderFiles(std::vector<std::string> files, std::string_view iniFileName,
                      std::vector<FolderAlias> aliases = {},
                      std::vector<std::string> unwritable = {});
  // The same with the folder's names already taken in: a context made of
  // the folder alone, without file lines (made, say, on a thread of its own
  // while the settings file loads).
  void setFolder(std::unique_ptr<ShipCheckContext> folder);
  bool hasFolderFiles() const { return context_ || pending_; }
  // Whether the checker holds this scan's files, aliases and unwritable
  // files, given with this settings file's name (false while it holds none).
  bool holdsFolder(const FolderScan& scan, std::string_view iniFileName) const;
  // The settings file's name the folder's files were given with, and those
  // files (none while it holds none).
  std::string_view folderIniFileName() const;
  // The folder's names as the check looks them up (none while it holds no
  // folder).
  const ShipCheckContext* folder() const {
    ensureChecked();
    return context_.get();
  }
  const std::vector<std::string>& folderFiles() const;
  // The folder's files whose names the settings file cannot hold (UTF-8;
  // none while it holds none): the list's own warning names each.
  const std::vector<std::string>& unwritableFiles() const;

  // The findings of a single-line field, of the list's line `line`, and of
  // the list as a whole (checkFileList: with a warning on each of the first
  // `unlistedNamed` unlisted files). A stored finding carries no line and no
  // Item number: lines move.
  const std::vector<Finding>& findingsOf(TextField field) const;
  const std::vector<Finding>& findingsOf(ListField list, std::size_t line) const;
  std::vector<Finding> listFindings(ListField list, std::size_t unlistedNamed = SIZE_MAX) const;
  // The findings of the program to distribute (EditProgram), which the
  // settings file does not hold: findings() leaves them out, and the command
  // line, which has no program, finds none. They follow the folder as the
  // checker is given it (readFolderAgain).
  const std::vector<ProgramFinding>& programFindings() const {
    ensureChecked();
    return program_;
  }
  // Errors and warnings of a field, its lines and its own findings included
  // (a warning for each unlisted or unwritable file, counted without naming
  // them).
  FindingCounts counts(FieldRef field) const;

  // The folder's files that the file list does not install (the first
  // `limit` of them), as the list's own warning names them; none before the
  // checker has the folder's files.
  std::vector<std::string> unlistedFiles(std::size_t limit = SIZE_MAX) const {
    ensureChecked();
    return context_ ? context_->unlistedFiles(limit) : std::vector<std::string>();
  }
  std::size_t unlistedCount() const {
    ensureChecked();
    return context_ ? context_->unlistedCount() : 0;
  }

  // Every finding in the order of the file: section by section, and in each
  // the fields in the order of their entries, the lines of a list in order
  // with their index and Item number; the unlisted files, then the
  // unwritable ones, close [Files], one finding each (the first
  // `unlistedNamed` of each: Create's report, which names errors alone, asks
  // for none).
  std::vector<Finding> findings(std::size_t unlistedNamed = SIZE_MAX) const;

 private:
  struct List {
    bool written = false;
    // Each line's findings; none held for a line without any (most lines).
    std::vector<std::unique_ptr<std::vector<Finding>>> lines;
    FindingCounts counts;  // of the lines
  };

  // SettingsListener
  void programChanged() override;
  void fieldChanged(FieldRef f) override;
  void linesChanged(const LinesChange& change) override;

  // What a change of the file list reached beyond its own lines: the lines
  // now listed once where twice or the reverse (views of the change's lines
  // or of the record's), and whether a name became installed or no longer is.
  struct FileLinesReach {
    std::vector<std::string_view> copies;
    bool installed = false;
  };
  void moveLineFindings(const LinesChange& change);
  FileLinesReach countFileLines(const LinesChange& change);
  // The shortcuts and the program to run, when the installed names changed.
  void checkWhatNamesInstalledFiles();

  // Builds the context from the files given, when they wait, and checks all.
  void ensureChecked() const;
  void checkAll();
  // Checks every line again; true when any line's findings changed.
  bool checkList(ListField list);
  // Checks one line again; true when its findings changed.
  bool checkLine(ListField list, std::size_t line);
  // The same without the list's counts (lines apart may be checked at
  // once): whether the line's findings changed, and their counts before
  // and after.
  struct LineCheck {
    bool changed = false;
    FindingCounts before, after;
  };
  LineCheck recheck(ListField list, std::size_t line);
  // Lines [begin, end) checked again: whether any changed, and their counts.
  struct LinesCheck {
    bool changed = false;
    FindingCounts counts;
  };
  LinesCheck checkLines(ListField list, std::size_t begin, std::size_t end);
  bool checkText(TextField field);
  void tell(FieldRef field);

  InstallSettings& settings_;
  std::unique_ptr<ShipCheckContext> context_;
  struct Pending {
    std::unique_ptr<ShipCheckContext> folder;  // made already, or to be made of:
    std::vector<std::string> files;
    std::string iniFileName;
    std::vector<FolderAlias> aliases;
    std::vector<std::string> unwritable;
  };
  std::optional<Pending> pending_;
  std::array<std::vector<Finding>, kTextFieldCount> texts_;
  std::vector<ProgramFinding> program_;
  std::array<List, kListFieldCount> lists_;
  std::vector<CheckListener*> listeners_;
};

// Reads the distribution folder again and gives the checker its files, when
// they, the folder's aliases or the files it cannot list differ from those
// it holds (so that an unchanged folder costs one scan and no check): true
// when it did. Nothing happens while the checker holds no folder. The files
// are taken with `iniFileName`, or with the name they were last given with.
bool readFolderAgain(Checker& checker, const std::filesystem::path& folder,
                     std::optional<std::string_view> iniFileName = std::nullopt);

}  // namespace velquin
