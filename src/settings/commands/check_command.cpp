#include "settings/commands/check_command.h"

#include <algorithm>
#include <fstream>
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

  SettingsFileText text = settingsFileText(SettingsFileReader::fileBytes(path));
  std::vector<FileFinding> findings = checkFileForm(text.sjis, text.conversion);
  const SettingsFileReader reader = SettingsFileReader::fromBytes(std::move(text.sjis));
  const std::string engineFile = engineFileName(*iniFileName);

  InstallSettings settings;
  loadSettings(settings, reader);
  // Without the two entries Create adds, every entry of [Files] is one of
  // the author's, and each is checked.
  if (!filesEndInAddedEntries(reader, engineFile, *iniFileName)) {
    const std::string_view files = kSections[static_cast<std::size_t>(Section::Files)].name;
    settings.setLines(ListField::MemoFiles,
                      reader.readItems(files, itemsRead(reader, files, Section::Files)));
  }
  Checker checker(settings);
  FolderScan scan = scanFolder(path.parent_path());
  checker.setFolderFiles(std::move(scan.lines), *iniFileName, std::move(scan.aliases));

  for (FileFinding& f : checkFileEntries(reader, engineFile, *iniFileName))
    findings.push_back(std::move(f));
  for (const Finding& f : checker.findings()) findings.push_back(placeInFile(f, reader));
  const bool error = std::any_of(findings.begin(), findings.end(),
                                 [](const FileFinding& f) { return f.weight == Weight::Error; });
  const bool fails = error || (options.strict && !findings.empty());
  return {fails ? 1 : 0, checkReport(shownPath, std::move(findings))};
}

}  // namespace velquin
