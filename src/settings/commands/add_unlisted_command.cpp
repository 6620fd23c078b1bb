#include "settings/commands/add_unlisted_command.h"

#include <memory>
#include <optional>
#include <vector>

#include "settings/check/checker.h"
#include "settings/check/file_check.h"
#include "settings/commands/command_input.h"
#include "settings/commands/create_command.h"
#include "settings/commands/window_commands.h"
#include "settings/format/round_trip.h"
#include "settings/format/settings_file.h"
#include "settings/format/settings_writer.h"
#include "settings/text/messages.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

AddUnlistedResult notAdded(std::string_view place, std::string_view why) {
  return {2, {}, messages::unlisted::notAdded(place, why) + "\n"};
}

std::string placeOf(std::string_view shown, std::size_t line) {
  return std::string(shown) + ":" + std::to_string(line);
}

// Why the settings loaded from the file cannot be written over it, if so.
std::optional<AddUnlistedResult> refusal(const SettingsFile& file, const InstallSettings& loaded,
                                         std::string_view shown) {
  const std::vector<FileFinding> form = checkFileForm(file.reader().text(), file.conversion());
  if (!form.empty()) return notAdded(shown, form.front().text);
  if (const std::vector<NotKept> lost = notKept(file, loaded); !lost.empty())
    return notAdded(placeOf(shown, lost.front().line), messages::unlisted::kNotWrittenBack);
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

AddUnlistedResult runAddUnlistedCommand(CommandInput& input) {
  const SettingsFile& file = input.file();
  InstallSettings& s = input.settings();
  const std::string& shown = input.shown();
  // Whether Create gives back what the file holds is asked of the settings
  // as loaded, before any file is added to them.
  std::optional<AddUnlistedResult> refused = refusal(file, s, shown);

  const std::size_t added = runAddUnlistedFilesCommand(s, input.checker());
  const std::string notListable = notListableReport(input.checker(), shown);
  if (added == 0 && !notListable.empty()) return {0, notListable, {}};
  if (added == 0) return {0, messages::unlisted::nothingToAdd(shown) + "\n", {}};
  if (refused) return *refused;

  const std::string text = textToCreate(s, input.iniFileName());
  if (SettingsFileReader::fileBytes(input.path()) != file.bytes())
    return notAdded(shown, messages::unlisted::kChangedSinceRead);
  if (const std::optional<std::string> failure = writeSettingsText(s, input.path(), text))
    return notAdded(shown, *failure);
  return {0, addedReport(s, added, text, input.iniFileName(), shown) + notListable, {}};
}

AddUnlistedResult runAddUnlistedCommand(const std::filesystem::path& path) {
  std::string error;
  const std::unique_ptr<CommandInput> input =
      CommandInput::read(path, CommandInput::Sizes::Without, error);
  if (!input) return {2, {}, error + "\n"};
  return runAddUnlistedCommand(*input);
}

}  // namespace velquin
