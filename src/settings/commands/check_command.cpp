#include "settings/commands/check_command.h"

#include <algorithm>
#include <fstream>
#include <future>
#include <memory>
#include <system_error>

#include "settings/check/checker.h"
#include "settings/check/file_check.h"
#include "settings/format/file_encoding.h"
#include "settings/format/settings_file_reader.h"
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

CheckCommandResult runCheckCommand(const std::filesystem::path& given, CheckOptions options) {
  const std::filesystem::path path = settingsFileOf(given);
  // Findings name the file as the command line did.
  const std::string shownPath =
      pathToUtf8(path.filename() == given.filename() ? given : given / path.filename());
  const std::optional<std::string> iniFileName = readableSettingsFileName(path);
  if (!iniFileName) return {2, messages::ship::cannotRead(pathToUtf8(path)) + "\n"};

  // The folder is read, and its names taken in, while the settings file is
  // read and loaded: on a long list each takes about as long as the other.
  // (Where no thread can be started, the folder is read when it is needed.)
  std::future<std::unique_ptr<ShipCheckContext>> folder =
      std::async(std::launch::async | std::launch::deferred, [&path, &iniFileName] {
        FolderScan scan = scanFolder(path.parent_path());
        return std::make_unique<ShipCheckContext>(std::move(scan.lines), *iniFileName,
                                                  std::vector<std::string>(),
                                                  std::move(scan.aliases));
      });
  SettingsFileText text = settingsFileText(SettingsFileReader::fileBytes(path));
  std::vector<FileFinding> findings = checkFileForm(text.sjis, text.conversion);
  auto reader = std::make_unique<const SettingsFileReader>(
      SettingsFileReader::fromBytes(std::move(text.sjis)));
  const std::string engineFile = engineFileName(*iniFileName);

  auto settings = std::make_unique<InstallSettings>();
  loadSettings(*settings, *reader);
  // Without the two entries Create adds, every entry of [Files] is one of
  // the author's, and each is checked.
  if (!filesEndInAddedEntries(*reader, engineFile, *iniFileName)) {
    const std::string_view files = kSections[static_cast<std::size_t>(Section::Files)].name;
    settings->setLines(ListField::MemoFiles,
                       reader->readItems(files, itemsRead(*reader, files, Section::Files)));
  }
  for (FileFinding& f : checkFileEntries(*reader, engineFile, *iniFileName))
    findings.push_back(std::move(f));

  auto checker = std::make_unique<Checker>(*settings);
  checker->setFolder(folder.get());
  for (const Finding& f : checker->findings()) findings.push_back(placeInFile(f, *reader));
  const bool error = std::any_of(findings.begin(), findings.end(),
                                 [](const FileFinding& f) { return f.weight == Weight::Error; });
  const bool fails = error || (options.strict && !findings.empty());
  if (options.processEnds) {
    keepUntilProcessEnds(std::move(checker));
    keepUntilProcessEnds(std::move(settings));
    keepUntilProcessEnds(std::move(reader));
  }
  return {fails ? 1 : 0, checkReport(shownPath, std::move(findings))};
}

}  // namespace velquin
