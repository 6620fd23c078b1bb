#include "settings/commands/details_command.h"

#include <algorithm>

#include "settings/commands/create_command.h"
#include "settings/commands/file_drops.h"
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

// The name and title the author typed since choosing the program that the
// file would replace with other values.
struct Typed {
  TextField field;
  std::string value;
  messages::TypedValue shown;
};
std::vector<Typed> typedOverFile(const InstallSettings& s, const SettingsFile& file) {
  std::vector<Typed> differ;
  for (const TextField field : {TextField::EditName, TextField::EditInstallTitle}) {
    const FieldInfo& info = fieldInfo(field);
    const std::string& typed = s.text(field);
    const std::string inFile =
        file.reader().readText(kSections[static_cast<std::size_t>(info.section)].name, info.key);
    if (typed != info.startText && typed != inFile)
      differ.push_back({field,
                        typed,
                        {std::string(info.caption), sjis::decodeForDisplay(typed),
                         sjis::decodeForDisplay(inFile)}});
  }
  return differ;
}

// Loads the file, keeping the typed name and title when the author says so.
// False when the author cancelled.
bool loadAskingAboutTyped(InstallSettings& s, const std::filesystem::path& path,
                          const SettingsFile& file, UserPrompts& prompts) {
  const std::vector<Typed> typed = typedOverFile(s, file);
  UserPrompts::Answer answer = UserPrompts::Answer::No;
  if (!typed.empty()) {
    std::vector<messages::TypedValue> shown;
    shown.reserve(typed.size());
    for (const Typed& t : typed) shown.push_back(t.shown);
    answer = prompts.confirm(messages::typedOrFile(pathToUtf8(path), shown));
  }
  if (answer == UserPrompts::Answer::Cancel) return false;
  loadSettings(s, file);
  s.fileRead(path, std::string(file.bytes()));
  if (answer == UserPrompts::Answer::Yes)
    for (const Typed& t : typed) s.setText(t.field, t.value);
  tellWhatWasRead(file, prompts);
  return true;
}

// Reads the settings file into the settings when it is new to the tool, or
// changed since the tool last read or wrote it: silently while every
// setting is saved, else only when the author says so (the edits since are
// then dropped), once for each version another program left. Whether it was
// loaded; none when the author cancelled.
std::optional<bool> readSettingsFile(InstallSettings& s, const std::filesystem::path& path,
                                     const SettingsFile& file, UserPrompts& prompts) {
  const auto& seen = s.fileSeen();
  const bool known = seen && seen->path == path;
  if (known && seen->existed && seen->bytes == file.bytes()) return false;
  if (!known) {
    if (!loadAskingAboutTyped(s, path, file, prompts)) return std::nullopt;
    return true;
  }
  if (!s.settingsSaved()) {
    if (seen->keptOver == file.bytes()) return false;
    switch (prompts.confirm(messages::fileChangedLoad(pathToUtf8(path)))) {
      case UserPrompts::Answer::Yes: break;
      case UserPrompts::Answer::No: s.fileKeptOver(std::string(file.bytes())); return false;
      case UserPrompts::Answer::Cancel: return std::nullopt;
    }
  }
  loadSettings(s, file);
  s.fileRead(path, std::string(file.bytes()));
  tellWhatWasRead(file, prompts);
  return true;
}

// The distribution folder scanned into the empty file list.
void scanIntoFileList(InstallSettings& s, std::string_view iniFileName, UserPrompts& prompts,
                      DetailsResult& result) {
  // The engine installs itself through the entry Create adds, so its own
  // file in the distribution folder is not one of the author's files. Only
  // the folder's own copy is meant: a file of that name in a sub-folder is
  // the author's.
  FolderScan scan = scanFolder(s.distDir());
  result.folderFiles = scan.lines;
  result.folderAliases = scan.aliases;
  result.folderUnwritable = scan.unwritable;
  result.scanned = true;
  resolveFolderLines(scan.lines);
  const std::string engine = engineFileName(iniFileName);
  const auto it = std::find_if(scan.lines.begin(), scan.lines.end(),
                               [&](const std::string& l) { return equalsIgnoringCase(l, engine); });
  if (it != scan.lines.end()) scan.lines.erase(it);
  s.appendLines(ListField::MemoFiles, std::move(scan.lines));
  if (!scan.unwritable.empty())
    prompts.showInformation(messages::namesNotShiftJis(scan.unwritable));
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
    const SettingsFile file = SettingsFile::read(path, *iniFileName);
    const std::optional<bool> loaded = readSettingsFile(s, path, file, prompts);
    if (!loaded) return result;
    result.loaded = *loaded;
  } else {
    s.fileAbsent(path);
    if (s.lines(ListField::MemoFiles).empty()) scanIntoFileList(s, *iniFileName, prompts, result);
  }

  if (!result.scanned) {
    FolderScan scan = scanFolder(s.distDir());
    result.folderFiles = std::move(scan.lines);
    result.folderAliases = std::move(scan.aliases);
    result.folderUnwritable = std::move(scan.unwritable);
  }
  s.setSettingsSaved(false);
  result.outcome = DetailsOutcome::ShowDialog;
  return result;
}

}  // namespace velquin
