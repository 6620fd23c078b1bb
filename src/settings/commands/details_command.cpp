#include "settings/commands/details_command.h"

#include <algorithm>

#include "settings/commands/create_command.h"
#include "settings/format/file_encoding.h"
#include "settings/format/settings_file.h"
#include "settings/format/settings_loader.h"
#include "settings/platform/folder_scan.h"
#include "settings/platform/paths.h"
#include "settings/text/messages.h"
#include "settings/text/names.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

// Said once, when the file is read: another editor's encoding, and what the
// settings could not take.
void tellWhatWasRead(const SettingsFile& file, UserPrompts& prompts) {
  const FileConversion& conversion = file.conversion();
  if (conversion.encoding != FileEncoding::ShiftJis)
    prompts.showInformation(
        messages::settingsFileConverted(encodingName(conversion.encoding), conversion.notShiftJis));
  const std::vector<SettingsFile::NotLoaded> notLoaded = file.notLoaded();
  if (notLoaded.empty()) return;
  std::vector<messages::LineEntry> entries;
  entries.reserve(notLoaded.size());
  for (const SettingsFile::NotLoaded& n : notLoaded) {
    std::string entry = "[" + n.section + "]";
    if (!n.entry.empty()) entry += " " + n.entry;
    entries.push_back({n.line, sjis::decodeForDisplay(entry)});
  }
  prompts.showInformation(messages::entriesNotLoaded(entries));
}

}  // namespace

DetailsResult runDetailsCommand(InstallSettings& s, UserPrompts& prompts) {
  DetailsResult result;
  if (s.program().empty()) {
    prompts.showInformation(std::string(messages::kProgramMissing));
    return result;
  }
  const std::optional<std::string> iniFileName = takeIniFileName(s, prompts);
  if (!iniFileName) return result;
  result.iniFileName = *iniFileName;

  if (const auto path = s.settingsFilePath(*iniFileName); fileExists(path)) {
    // Read again only when it is new to the tool, or changed since the tool
    // last read or wrote it: else the settings as they stand hold edits that
    // reading would throw away.
    const SettingsFile file = SettingsFile::read(path, *iniFileName);
    const auto& seen = s.fileSeen();
    if (!seen || seen->path != path || seen->bytes != file.bytes()) {
      loadSettings(s, file);
      s.fileRead(path, std::string(file.bytes()));
      result.loaded = true;
      tellWhatWasRead(file, prompts);
    }
  } else if (s.lines(ListField::MemoFiles).empty()) {
    // The engine installs itself through the entry Create adds, so its own
    // file in the distribution folder is not one of the author's files. Only
    // the folder's own copy is meant: a file of that name in a sub-folder is
    // the author's.
    FolderScan scan = scanFolder(s.distDir());
    result.folderFiles = scan.lines;
    result.folderAliases = scan.aliases;
    result.scanned = true;
    const std::string engine = engineFileName(*iniFileName);
    const auto it = std::find_if(scan.lines.begin(), scan.lines.end(), [&](const std::string& l) {
      return equalsIgnoringCase(l, engine);
    });
    if (it != scan.lines.end()) scan.lines.erase(it);
    s.appendLines(ListField::MemoFiles, std::move(scan.lines));
    if (!scan.unwritable.empty())
      prompts.showInformation(messages::namesNotShiftJis(scan.unwritable));
  }

  if (!result.scanned) {
    FolderScan scan = scanFolder(s.distDir());
    result.folderFiles = std::move(scan.lines);
    result.folderAliases = std::move(scan.aliases);
  }
  s.setSettingsSaved(false);
  result.outcome = DetailsOutcome::ShowDialog;
  return result;
}

}  // namespace velquin
