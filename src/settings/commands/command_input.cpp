#include "settings/commands/command_input.h"

#include <algorithm>
#include <system_error>

#include "settings/commands/check_command.h"
#include "settings/format/settings_loader.h"
#include "settings/platform/paths.h"
#include "settings/text/messages.h"

namespace velquin {
namespace {

// The findings of the settings loaded from the file, placed in it. A radio
// group's missing choice comes of an entry the file's own check has named
// already, with the value as the file holds it.
void addRecordFindings(const std::vector<Finding>& record, const SettingsFile& file,
                       std::vector<FileFinding>& findings) {
  const std::size_t own = findings.size();
  for (const Finding& f : record) {
    FileFinding placed = placeInFile(f, file);
    if (f.field.kind == FieldKind::Index &&
        std::any_of(findings.begin(), findings.begin() + static_cast<std::ptrdiff_t>(own),
                    [&](const FileFinding& o) {
                      return o.line == placed.line &&
                             SettingsFileReader::sameName(o.key, placed.key);
                    }))
      continue;
    findings.push_back(std::move(placed));
  }
}

// A file that is blank is the check's to report (the engine reads nothing
// of it); any other file is a settings file when it holds a section the
// engine reads, whatever else is wrong with it.
bool holdsSettings(const SettingsFile& file) {
  const std::string& text = file.reader().text();
  if (text.find_first_not_of(" \t\r\n") == std::string::npos) return true;
  const std::vector<SettingsFileReader::SectionAt> sections = file.reader().sections();
  return std::any_of(sections.begin(), sections.end(),
                     [](const SettingsFileReader::SectionAt& s) { return knownSection(s.name); });
}

}  // namespace

CommandInput::~CommandInput() = default;

CommandInput::Folder CommandInput::scan(const std::filesystem::path& folder,
                                        const std::string& iniFileName, Sizes sizes) {
  FolderScan scan = sizes == Sizes::With ? scanFolderWithSizes(folder) : scanFolder(folder);
  std::vector<std::uint64_t> fileSizes = std::move(scan.sizes);
  return {std::make_unique<ShipCheckContext>(std::move(scan), iniFileName), std::move(fileSizes)};
}

std::unique_ptr<CommandInput> CommandInput::read(const std::filesystem::path& given, Sizes sizes,
                                                 std::string& error) {
  std::unique_ptr<CommandInput> in(new CommandInput);
  in->path_ = settingsFileOf(given);
  in->shown_ = shownSettingsPath(given, in->path_);
  std::error_code ec;
  if (!std::filesystem::exists(in->path_, ec)) {
    error = messages::ship::notThere(in->shown_);
    return nullptr;
  }
  const std::optional<std::string> iniFileName = readableSettingsFileName(in->path_);
  if (!iniFileName) {
    error = messages::ship::cannotRead(in->shown_);
    return nullptr;
  }
  in->ini_ = *iniFileName;
  // The folder is read, and its names taken in, while the settings file is
  // read and loaded: on a long list each takes about as long as the other.
  // (Where no thread can be started, the folder is read when it is needed.)
  in->folder_ = std::async(std::launch::async | std::launch::deferred,
                           [folder = in->path_.parent_path(), ini = in->ini_, sizes] {
                             return scan(folder, ini, sizes);
                           });
  in->file_ = std::make_unique<const SettingsFile>(SettingsFile::read(in->path_, in->ini_));
  if (!holdsSettings(*in->file_)) {
    error = messages::ship::notASettingsFile(in->shown_);
    return nullptr;
  }
  in->settings_ = std::make_unique<InstallSettings>();
  in->settings_->setText(TextField::EditIniName, in->ini_);
  loadSettings(*in->settings_, *in->file_);
  return in;
}

void CommandInput::takeFolder() {
  if (checker_) return;
  Folder folder = folder_.get();
  sizes_ = std::move(folder.sizes);
  checker_ = std::make_unique<Checker>(*settings_);
  checker_->setFolder(std::move(folder.names));
}

Checker& CommandInput::checker() {
  takeFolder();
  return *checker_;
}

const std::vector<std::uint64_t>& CommandInput::sizes() {
  takeFolder();
  return sizes_;
}

const std::vector<FileFinding>& CommandInput::findings() {
  if (findings_) return *findings_;
  std::vector<FileFinding> found = checkFileForm(file_->reader().text(), file_->conversion());
  for (FileFinding& f : checkFileEntries(*file_)) found.push_back(std::move(f));
  addRecordFindings(checker().findings(), *file_, found);
  std::stable_sort(found.begin(), found.end(),
                   [](const FileFinding& a, const FileFinding& b) { return a.line < b.line; });
  return findings_.emplace(std::move(found));
}

}  // namespace velquin
