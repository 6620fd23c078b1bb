#include "settings/commands/details_command.h"

#include <algorithm>

#include "settings/commands/create_command.h"
#include "settings/commands/file_drops.h"
#include "settings/format/file_encoding.h"
#include "settings/format/round_trip.h"
#include "settings/format/settings_file.h"
#include "settings/format/settings_loader.h"
#include "settings/platform/folder_scan.h"
#include "settings/platform/paths.h"
#include "settings/text/lines.h"
#include "settings/text/messages.h"
#include "settings/text/names.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

// The characters code page 932 cannot hold that Create writes as "?": those
// of the lines it writes back in some form. (A UTF-8 file's lines are its
// text's lines; of a UTF-16 file, every one is named.)
std::vector<char32_t> replacedAndKept(const SettingsFile& file, const std::vector<NotKept>& lost) {
  const FileConversion& conversion = file.conversion();
  if (conversion.encoding != FileEncoding::Utf8 &&
      conversion.encoding != FileEncoding::Utf8WithMark)
    return conversion.notShiftJis;
  std::vector<bool> dropped;
  for (const NotKept& n : lost) {
    if (!n.becomes.empty()) continue;
    if (dropped.size() <= n.line) dropped.resize(n.line + 1);
    dropped[n.line] = true;
  }
  const std::vector<std::string> lines = splitLines(file.bytes());
  std::vector<char32_t> kept;
  for (const char32_t c : conversion.notShiftJis) {
    const std::string utf8 = sjis::characterToUtf8(c);
    for (std::size_t i = 0; i < lines.size(); ++i)
      if ((i + 1 >= dropped.size() || !dropped[i + 1]) &&
          lines[i].find(utf8) != std::string::npos) {
        kept.push_back(c);
        break;
      }
  }
  return kept;
}

// Said once, when the file is read: another editor's encoding, and the lines
// that Create, writing the settings just loaded, will not write back.
void tellWhatWasRead(const SettingsFile& file, const InstallSettings& loaded,
                     UserPrompts& prompts) {
  const FileConversion& conversion = file.conversion();
  const std::vector<NotKept> lost = notKept(file, loaded);
  if (conversion.encoding != FileEncoding::ShiftJis)
    prompts.showInformation(messages::settingsFileConverted(encodingName(conversion.encoding),
                                                            replacedAndKept(file, lost)));
  if (lost.empty()) return;
  std::vector<messages::LineNotKept> lines;
  lines.reserve(lost.size());
  for (const NotKept& n : lost) {
    std::string entry;
    if (!n.section.empty()) entry.append("[").append(n.section).append("] ");
    entry.append(n.text);
    lines.push_back({n.line, sjis::decodeForDisplay(entry), sjis::decodeForDisplay(n.becomes)});
  }
  prompts.showInformation(messages::linesNotKept(lines));
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
  // What Create will not keep is told of the file's own values: the typed
  // ones the author has just chosen over them are no surprise.
  tellWhatWasRead(file, s, prompts);
  if (answer == UserPrompts::Answer::Yes)
    for (const Typed& t : typed) s.setText(t.field, t.value);
  return true;
}

// Reads the settings file into the settings unless the tool has read it as
// it stands (point 4 of details_command.h). Before the first Details or
// Create since the program was chosen, the only edits it can meet are a typed
// name and title; after that, unsaved settings may hold any edit, so the
// author is asked once whether the file replaces them all. Whether it was
// loaded; none when the author cancelled.
std::optional<bool> readSettingsFile(InstallSettings& s, const std::filesystem::path& path,
                                     const SettingsFile& file, UserPrompts& prompts) {
  const auto& seen = s.fileSeen();
  if (!seen) {
    if (!loadAskingAboutTyped(s, path, file, prompts)) return std::nullopt;
    return true;
  }
  const bool read = seen->path == path && seen->existed;
  if (read && seen->bytes == file.bytes()) return false;
  if (!s.settingsSaved()) {
    if (seen->path == path && seen->keptOver == file.bytes()) return false;
    const std::string shown = pathToUtf8(path);
    switch (prompts.confirm(read ? messages::fileChangedLoad(shown)
                                 : messages::unreadFileLoad(shown))) {
      case UserPrompts::Answer::Yes: break;
      case UserPrompts::Answer::No: s.fileKeptOver(path, std::string(file.bytes())); return false;
      case UserPrompts::Answer::Cancel: return std::nullopt;
    }
  }
  loadSettings(s, file);
  s.fileRead(path, std::string(file.bytes()));
  tellWhatWasRead(file, s, prompts);
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
