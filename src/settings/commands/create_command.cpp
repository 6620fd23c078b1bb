#include "settings/commands/create_command.h"

#include "settings/format/settings_file_reader.h"
#include "settings/format/settings_writer.h"
#include "settings/platform/file_replace.h"
#include "settings/platform/paths.h"
#include "settings/record/settings_rules.h"
#include "settings/text/messages.h"
#include "settings/text/names.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

// An error as the author finds it: a line of a list by its section and Item
// number, anything else by the field's name in the dialog.
std::string placed(const Finding& f) {
  const FieldInfo& info = fieldInfo(f.field);
  std::string where;
  if (f.item > 0) {
    // Appended: a literal before a temporary string sets off a false warning
    // of GCC 12 at -O3.
    where.append("[")
        .append(kSections[static_cast<std::size_t>(info.section)].name)
        .append("] Item")
        .append(std::to_string(f.item));
  } else {
    where = info.caption.empty() ? info.control : info.caption;
  }
  std::string text = where + ": ";
  for (const char ch : f.text) text += ch == '\n' ? std::string("\n  ") : std::string(1, ch);
  return text;
}

// The errors of the file just written, when the check finds any: the check
// of the distribution folder as it is now, as `velquin --check` would make it.
void reportErrors(Checker& checker, const InstallSettings& s, std::string_view iniFileName,
                  UserPrompts& prompts) {
  readFolderAgain(checker, s.distDir(), iniFileName);
  std::vector<std::string> first;
  std::size_t errors = 0;
  for (const Finding& f : checker.findings(0)) {
    // The entry of the engine's file (the list's own finding with an Item
    // number): Create has just looked for that file itself, and warned.
    const bool engineEntry = f.field == FieldRef(ListField::MemoFiles) && !f.line && f.item > 0;
    if (f.weight != Weight::Error || engineEntry) continue;
    if (++errors <= messages::kMaxErrorsShown) first.push_back(placed(f));
  }
  if (errors > 0) prompts.showInformation(messages::createdWithErrors(first, errors));
}

// True when the settings file on disk is not what the tool last read or
// wrote there: another program changed it, or made it where Details found
// none. A file the tool has not looked at since the program was chosen is
// replaced as always.
bool changedOnDisk(const InstallSettings& s, const std::filesystem::path& target) {
  const auto& seen = s.fileSeen();
  if (!seen || seen->path != target || !fileExists(target)) return false;
  return !seen->existed || SettingsFileReader::fileBytes(target) != seen->bytes;
}

// Create's own text of a failed write, then the system's reason.
std::string writeFailure(std::string text, ReplaceFailure why) {
  std::string_view reason = messages::kWriteRefused;
  switch (why) {
    case ReplaceFailure::NoPermission: reason = messages::kNoWritePermission; break;
    case ReplaceFailure::NoFolder: reason = messages::kFolderMissing; break;
    case ReplaceFailure::DiskFull: reason = messages::kDiskFull; break;
    case ReplaceFailure::InUse: reason = messages::kFileInUse; break;
    case ReplaceFailure::IsAFolder: reason = messages::kFolderInTheWay; break;
    case ReplaceFailure::None:
    case ReplaceFailure::Other: break;
  }
  return text.append("\n").append(reason);
}

}  // namespace

std::optional<std::string> takeIniFileName(const InstallSettings& s, UserPrompts& prompts) {
  const std::string& name = s.text(TextField::EditIniName);
  const std::string_view refusal = name.empty()             ? messages::kIniNameMissing
                                   : !isPlainFileName(name) ? messages::kIniNameNotAFileName
                                                            : std::string_view();
  if (!refusal.empty()) {
    prompts.showInformation(std::string(refusal));
    prompts.focusField(TextField::EditIniName);
    return std::nullopt;
  }
  return name;
}

std::string textToCreate(InstallSettings& s, std::string_view iniFileName) {
  // The text is composed before the lists lose their empty lines: a folder or
  // registry list of nothing but empty lines still gives its section header.
  std::string text = composeSettingsFile(s, iniFileName);

  // Empty lines go from exactly the lists that the file takes entries from;
  // the windows show the lists without them from now on.
  for (const FieldInfo& f : kFields)
    if (f.field.kind == FieldKind::Lines && isWritten(s, f.field))
      s.removeEmptyLines(f.field.list());
  return text;
}

std::optional<std::string> writeSettingsText(InstallSettings& s,
                                             const std::filesystem::path& target,
                                             const std::string& text) {
  ReplaceFailure why = ReplaceFailure::None;
  switch (replaceFileWhole(target, text, &why)) {
    case ReplaceStatus::Replaced: break;
    case ReplaceStatus::CannotCreate:
      return writeFailure(messages::cannotCreate(pathToUtf8(target)) + '.', why);
    case ReplaceStatus::WriteFailed:
      return writeFailure(std::string(messages::kWriteError) + '.', why);
  }
  s.fileWritten(target, text);
  return std::nullopt;
}

CreateResult runCreateCommand(InstallSettings& s, UserPrompts& prompts, Checker* checker) {
  using T = TextField;
  constexpr CreateResult refused = CreateResult::Refused;

  if (s.program().empty() || s.text(T::EditInstallTitle).empty() || s.text(T::EditName).empty()) {
    prompts.showInformation(std::string(messages::kFillMainFields));
    return refused;
  }
  const std::optional<std::string> iniFileName = takeIniFileName(s, prompts);
  if (!iniFileName) return refused;

  if (s.lines(ListField::MemoFiles).empty()) {
    prompts.showInformation(std::string(messages::kNoFileList));
    return refused;
  }

  // Another program's version of the file is replaced only when the author
  // says so; otherwise nothing changes, and the settings stay unsaved.
  const std::filesystem::path target = s.settingsFilePath(*iniFileName);
  if (changedOnDisk(s, target) &&
      prompts.confirm(messages::fileChangedReplace(pathToUtf8(target))) != UserPrompts::Answer::Yes)
    return refused;

  const std::string text = textToCreate(s, *iniFileName);
  if (const std::optional<std::string> failure = writeSettingsText(s, target, text)) {
    prompts.showError(*failure);
    return CreateResult::Failed;
  }
  prompts.showInformation(messages::created(sjis::decodeForDisplay(*iniFileName)));
  s.setSettingsSaved(true);
  if (!fileExists(s.enginePath(*iniFileName)))
    prompts.showInformation(std::string(messages::kEngineMissing));
  if (checker) reportErrors(*checker, s, *iniFileName, prompts);
  return CreateResult::Written;
}

}  // namespace velquin
