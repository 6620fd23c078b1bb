#include "settings/commands/check_command.h"

#include <algorithm>
#include <fstream>
#include <future>
#include <memory>
#include <system_error>

#include "settings/check/checker.h"
#include "settings/check/file_check.h"
#include "settings/format/settings_file.h"
#include "settings/format/settings_loader.h"
#include "settings/platform/folder_scan.h"
#include "settings/platform/paths.h"
#include "settings/text/messages.h"
#include "settings/text/names.h"

namespace velquin {
namespace {

// Never freed, and reachable until the process ends (no leak).
template <class T>
void keepUntilProcessEnds(std::unique_ptr<T> part) {
  static auto* const kept = new std::vector<const void*>;
  kept->push_back(part.release());
}

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

}  // namespace

std::filesystem::path settingsFileOf(const std::filesystem::path& given) {
  std::error_code ec;
  std::filesystem::path path = std::filesystem::absolute(given, ec);
  if (ec) path = given;
  const std::filesystem::path usualName = pathFromUtf8(fieldInfo(TextField::EditIniName).startText);
  if (std::filesystem::is_directory(path, ec)) return path / usualName;
  if (equalsIgnoringCase(pathToUtf8(path.extension()), ".exe"))
    return path.parent_path() / usualName;
  return path;
}

std::optional<std::string> readableSettingsFileName(const std::filesystem::path& path) {
  std::optional<std::string> name = lineName(pathToUtf8(path.filename()));
  if (!name || !fileExists(path) || !std::ifstream(path, std::ios::binary)) return std::nullopt;
  return name;
}

std::string shownSettingsPath(const std::filesystem::path& given,
                              const std::filesystem::path& path) {
  if (path.filename() == given.filename()) return pathToUtf8(given);
  // A folder, or a program beside which the file stands.
  std::error_code ec;
  const bool folder = std::filesystem::is_directory(given, ec);
  return pathToUtf8((folder ? given : given.parent_path()) / path.filename());
}

CheckCommandResult runCheckCommand(const std::filesystem::path& given, CheckOptions options) {
  const std::filesystem::path path = settingsFileOf(given);
  const std::optional<std::string> iniFileName = readableSettingsFileName(path);
  if (!iniFileName) return {2, messages::ship::cannotRead(pathToUtf8(path)) + "\n"};

  // The folder is read, and its names taken in, while the settings file is
  // read and loaded: on a long list each takes about as long as the other.
  // (Where no thread can be started, the folder is read when it is needed.)
  std::future<std::unique_ptr<ShipCheckContext>> folder =
      std::async(std::launch::async | std::launch::deferred, [&path, &iniFileName] {
        return std::make_unique<ShipCheckContext>(scanFolder(path.parent_path()), *iniFileName);
      });
  auto file = std::make_unique<const SettingsFile>(SettingsFile::read(path, *iniFileName));
  std::vector<FileFinding> findings = checkFileForm(file->reader().text(), file->conversion());
  auto settings = std::make_unique<InstallSettings>();
  loadSettings(*settings, *file);
  for (FileFinding& f : checkFileEntries(*file)) findings.push_back(std::move(f));

  auto checker = std::make_unique<Checker>(*settings);
  checker->setFolder(folder.get());
  addRecordFindings(checker->findings(), *file, findings);
  const bool error = std::any_of(findings.begin(), findings.end(),
                                 [](const FileFinding& f) { return f.weight == Weight::Error; });
  const bool fails = error || (options.strict && !findings.empty());
  if (options.processEnds) {
    keepUntilProcessEnds(std::move(checker));
    keepUntilProcessEnds(std::move(settings));
    keepUntilProcessEnds(std::move(file));
  }
  return {fails ? 1 : 0, checkReport(shownSettingsPath(given, path), std::move(findings))};
}

}  // namespace velquin
