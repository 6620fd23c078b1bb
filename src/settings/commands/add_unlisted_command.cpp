#include "settings/commands/add_unlisted_command.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "settings/check/checker.h"
#include "settings/check/file_check.h"
#include "settings/commands/check_command.h"
#include "settings/commands/create_command.h"
#include "settings/commands/window_commands.h"
#include "settings/format/settings_file.h"
#include "settings/format/settings_loader.h"
#include "settings/format/settings_writer.h"
#include "settings/platform/folder_scan.h"
#include "settings/platform/paths.h"
#include "settings/text/lines.h"
#include "settings/text/messages.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

using Reader = SettingsFileReader;

AddUnlistedResult notAdded(std::string_view place, std::string_view why) {
  return {2, {}, messages::unlisted::notAdded(place, why) + "\n"};
}

std::string placeOf(std::string_view shown, std::size_t line) {
  return std::string(shown) + ":" + std::to_string(line);
}

// The first line that the reader reads nothing of, or of which it drops
// text: a comment, a line without "=" or without a key, an entry before the
// first section, text after a section's "]"; 0 when there is none.
std::size_t firstLineIgnored(const Reader& r) {
  const std::vector<std::string> lines = splitLines(r.text());
  enum Read : char { Nothing, Entry, Header };
  std::vector<char> read(lines.size() + 1, Nothing);
  for (const Reader::SectionAt& at : r.sections()) {
    read[at.line] = Header;
    r.forEachEntry(at.name, [&](const Reader::EntryAt& e) { read[e.line] = Entry; });
  }
  for (const Reader::RepeatAt& at : r.repeats()) read[at.line] = at.key.empty() ? Header : Entry;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = Reader::trimBlanks(lines[i]);
    if (line.empty()) continue;
    if (read[i + 1] == Nothing || (read[i + 1] == Header && !line.ends_with(']'))) return i + 1;
  }
  return 0;
}

// The first entry of a known section that `written` lacks, or holds with
// another value; 0 when there is none. (An unknown section is the loading's.)
std::size_t firstEntryChanged(const Reader& r, const Reader& written) {
  std::size_t first = 0;
  for (const Reader::SectionAt& at : r.sections()) {
    if (!knownSection(at.name)) continue;
    r.forEachEntry(at.name, [&](const Reader::EntryAt& e) {
      if ((first == 0 || e.line < first) &&
          (!written.keyIndex(at.name, e.key) || written.readText(at.name, e.key) != e.value))
        first = e.line;
    });
  }
  return first;
}

// The first line of the file that Create, writing the settings loaded from
// it, would not give back; 0 when it gives back every one.
std::size_t firstLineNotWrittenBack(const SettingsFile& file, const InstallSettings& loaded) {
  const SettingsFile written =
      SettingsFile::fromText(composeSettingsFile(loaded, file.iniFile()), file.iniFile());
  std::vector<std::size_t> lines = {firstLineIgnored(file.reader()),
                                    firstEntryChanged(file.reader(), written.reader())};
  if (const std::vector<SettingsFile::NotLoaded> n = file.notLoaded(); !n.empty())
    lines.push_back(n.front().line);
  std::erase(lines, std::size_t{0});
  return lines.empty() ? 0 : *std::min_element(lines.begin(), lines.end());
}

// Why the settings loaded from the file cannot be written over it, if so.
std::optional<AddUnlistedResult> refusal(const SettingsFile& file, const InstallSettings& loaded,
                                         std::string_view shown) {
  const std::vector<FileFinding> form = checkFileForm(file.reader().text(), file.conversion());
  if (!form.empty()) return notAdded(shown, form.front().text);
  if (const std::size_t line = firstLineNotWrittenBack(file, loaded))
    return notAdded(placeOf(shown, line), messages::unlisted::kNotWrittenBack);
  return std::nullopt;
}

// The last `added` files of the list, as the file written holds them.
std::string addedReport(const InstallSettings& s, std::size_t added, const std::string& text,
                        std::string_view iniFileName, std::string_view shown) {
  const SettingsFile written = SettingsFile::fromText(text, iniFileName);
  const std::string_view files = kSections[static_cast<std::size_t>(Section::Files)].name;
  const std::vector<std::string>& lines = s.lines(ListField::MemoFiles);
  std::string report;
  for (std::size_t item = lines.size() - added + 1; item <= lines.size(); ++item) {
    const std::string key = itemKey(item);
    std::string entry = "[";
    entry.append(files).append("] ").append(key).append(" = ").append(lines[item - 1]);
    report += messages::unlisted::added(placeOf(shown, written.reader().lineOf(files, key)),
                                        sjis::decodeForDisplay(entry)) +
              "\n";
  }
  return report;
}

// A line for each of the folder's files that no line can list.
std::string notListableReport(const Checker& checker, std::string_view shown) {
  std::string report;
  for (const std::string& name : checker.unwritableFiles())
    report += messages::unlisted::notListable(shown, name) + "\n";
  return report;
}

}  // namespace

AddUnlistedResult runAddUnlistedCommand(const std::filesystem::path& given) {
  const std::filesystem::path path = settingsFileOf(given);
  const std::optional<std::string> iniFileName = readableSettingsFileName(path);
  if (!iniFileName) return {2, {}, messages::ship::cannotRead(pathToUtf8(path)) + "\n"};
  const std::string shown = shownSettingsPath(given, path);

  const SettingsFile file = SettingsFile::read(path, *iniFileName);
  InstallSettings s;
  s.setText(TextField::EditIniName, *iniFileName);
  loadSettings(s, file);
  // Whether Create gives back what the file holds is asked of the settings
  // as loaded, before any file is added to them.
  std::optional<AddUnlistedResult> refused = refusal(file, s, shown);

  Checker checker(s);
  checker.setFolder(
      std::make_unique<ShipCheckContext>(scanFolder(path.parent_path()), *iniFileName));
  const std::size_t added = runAddUnlistedFilesCommand(s, checker);
  const std::string notListable = notListableReport(checker, shown);
  if (added == 0 && !notListable.empty()) return {0, notListable, {}};
  if (added == 0) return {0, messages::unlisted::nothingToAdd(shown) + "\n", {}};
  if (refused) return *refused;

  const std::string text = textToCreate(s, *iniFileName);
  if (SettingsFileReader::fileBytes(path) != file.bytes())
    return notAdded(shown, messages::unlisted::kChangedSinceRead);
  if (const std::optional<std::string> failure = writeSettingsText(s, path, text))
    return notAdded(shown, *failure);
  return {0, addedReport(s, added, text, *iniFileName, shown) + notListable, {}};
}

}  // namespace velquin
