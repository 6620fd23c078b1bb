#include "create_command.h"

#include "file_replace.h"
#include "messages.h"
#include "paths.h"
#include "settings_writer.h"
#include "sjis.h"

namespace velquin {

bool isPlainFileName(std::string_view name) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto b = static_cast<unsigned char>(name[i]);
    if (sjis::isLeadByte(b)) {
      ++i;  // a second byte may be 0x5C or 0x7C and is still part of a character
      continue;
    }
    if (b < 0x20) return false;
    switch (b) {
      case '\\':
      case '/':
      case ':':
      case '*':
      case '?':
      case '"':
      case '<':
      case '>':
      case '|': return false;
      default: break;
    }
  }
  return true;
}

bool takeIniFileName(InstallSettings& s, UserPrompts& prompts) {
  const std::string& name = s.text(TextField::EditIniName);
  const std::string_view refusal = name.empty()             ? messages::kIniNameMissing
                                   : !isPlainFileName(name) ? messages::kIniNameNotAFileName
                                                            : std::string_view();
  if (!refusal.empty()) {
    prompts.showInformation(std::string(refusal));
    prompts.focusField(TextField::EditIniName);
    return false;
  }
  s.setIniFileName(name);
  return true;
}

CreateOutcome runCreateCommand(InstallSettings& s, UserPrompts& prompts) {
  using T = TextField;
  using L = ListField;
  const CreateOutcome refused{CreateResult::Refused, {}};

  if (s.program().empty() || s.text(T::EditInstallTitle).empty() || s.text(T::EditName).empty()) {
    prompts.showInformation(std::string(messages::kFillMainFields));
    return refused;
  }
  if (!takeIniFileName(s, prompts)) return refused;

  if (s.lines(L::MemoFiles).empty()) {
    prompts.showInformation(std::string(messages::kNoFileList));
    return refused;
  }

  // The text is composed before the lists lose their empty lines: a folder or
  // registry list of nothing but empty lines still gives its section header.
  const std::string text = composeSettingsFile(s);

  // Empty lines go from exactly the lists that the file takes entries from;
  // the windows show the lists without them from now on.
  s.removeEmptyLines(L::MemoFiles);
  if (s.code(ChoiceField::RadioButtonStart) != -1) s.removeEmptyLines(L::MemoGroupItem);
  if (s.code(ChoiceField::RadioButtonStartup) != -1) s.removeEmptyLines(L::MemoStartupItem);
  if (s.code(ChoiceField::RadioButtonDesktop) != -1) s.removeEmptyLines(L::MemoDesktopItem);
  if (!s.lines(L::MemoRmDir).empty()) s.removeEmptyLines(L::MemoRmDir);
  if (!s.lines(L::MemoUninstallRegKey).empty()) s.removeEmptyLines(L::MemoUninstallRegKey);

  const std::filesystem::path target = s.settingsFilePath();
  switch (replaceFileWhole(target, text)) {
    case ReplaceStatus::Replaced: break;
    case ReplaceStatus::CannotCreate:
      return {CreateResult::Failed, messages::cannotCreate(pathToUtf8(target))};
    case ReplaceStatus::WriteFailed:
      return {CreateResult::Failed, std::string(messages::kWriteError)};
  }

  prompts.showInformation(messages::created(sjis::decodeForDisplay(s.iniFileName())));
  s.setSettingsSaved(true);
  if (!fileExists(s.enginePath())) prompts.showInformation(std::string(messages::kEngineMissing));
  return {CreateResult::Written, {}};
}

}  // namespace velquin
