#pragma once

// What `velquin --check`, `velquin --plan` and `velquin --add-unlisted` read,
// read once for the command: the settings file a command-line PATH names
// (settingsFileOf), its bytes read once, the settings loaded from them as
// Details loads them, and the distribution folder beside it scanned once,
// on a thread of its own while the file is read and loaded (with each
// file's size for the plan). The check's findings of the file on that
// folder are made once, when first asked, and every command that states
// what the check finds asks them here: the plan and the check cannot
// disagree.
//
// The command line keeps what it read until the process ends, which takes
// it back whole (a check of a long list holds hundreds of thousands of
// blocks).

#include <cstdint>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/check/checker.h"
#include "settings/check/file_check.h"
#include "settings/format/settings_file.h"
#include "settings/platform/folder_scan.h"
#include "settings/record/install_settings.h"

namespace velquin {

class CommandInput {
 public:
  enum class Sizes { Without, With };
  // The input of a command given `path`; none, and `error` says why (one
  // line without its end, the file named as shownSettingsPath names it),
  // when there is nothing at the path, when the file cannot be read, or when
  // it holds no section the engine reads (no settings file; a blank file is
  // read, and the check says what the engine makes of it).
  static std::unique_ptr<CommandInput> read(const std::filesystem::path& given, Sizes sizes,
                                            std::string& error);
  ~CommandInput();
  CommandInput(const CommandInput&) = delete;
  CommandInput& operator=(const CommandInput&) = delete;

  // The settings file, and how a report names it (shownSettingsPath).
  const std::filesystem::path& path() const { return path_; }
  const std::string& shown() const { return shown_; }
  const std::string& iniFileName() const { return ini_; }
  const SettingsFile& file() const { return *file_; }
  // The settings loaded from the file, its name in EditIniName.
  InstallSettings& settings() { return *settings_; }
  // The check of those settings, holding the folder's files.
  Checker& checker();
  // Each folder file's size, in the scan's order (Sizes::With only).
  const std::vector<std::uint64_t>& sizes();
  // The check's findings of the file on its folder, in the order of their
  // lines: the file's form and entries (file_check.h) and those of the
  // settings loaded from it, placed at their lines.
  const std::vector<FileFinding>& findings();

 private:
  CommandInput() = default;
  void takeFolder();

  std::filesystem::path path_;
  std::string shown_;
  std::string ini_;
  std::unique_ptr<const SettingsFile> file_;
  std::unique_ptr<InstallSettings> settings_;
  std::unique_ptr<Checker> checker_;
  struct Folder {
    std::unique_ptr<ShipCheckContext> names;
    std::vector<std::uint64_t> sizes;
  };
  static Folder scan(const std::filesystem::path& folder, const std::string& iniFileName,
                     Sizes sizes);
  std::future<Folder> folder_;
  std::vector<std::uint64_t> sizes_;
  std::optional<std::vector<FileFinding>> findings_;
};

}  // namespace velquin
