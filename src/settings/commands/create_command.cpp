#include "settings/commands/create_command.h"

#include "settings/format/settings_writer.h"
#include "settings/platform/file_replace.h"
#include "settings/platform/paths.h"
#include "settings/record/settings_rules.h"
#include "settings/text/messages.h"
#include "settings/text/names.h"
#include "settings/text/sjis.h"

namespace velquin {

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

CreateResult runCreateCommand(InstallSettings& s, UserPrompts& prompts) {
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

  // The text is composed before the lists lose their empty lines: a folder or
  // registry list of nothing but empty lines still gives its section header.
  const std::string text = composeSettingsFile(s, *iniFileName);

  // Empty lines go from exactly the lists that the file takes entries from;
  // the windows show the lists without them from now on.
  for (const FieldInfo& f : kFields)
    if (f.field.kind == FieldKind::Lines && isWritten(s, f.field))
      s.removeEmptyLines(f.field.list());

  const std::filesystem::path target = s.settingsFilePath(*iniFileName);
  switch (replaceFileWhole(target, text)) {
    case ReplaceStatus::Replaced: break;
    case ReplaceStatus::CannotCreate:
      prompts.showError(messages::cannotCreate(pathToUtf8(target)) + '.');
      return CreateResult::Failed;
    case ReplaceStatus::WriteFailed:
      prompts.showError(std::string(messages::kWriteError) + '.');
      return CreateResult::Failed;
  }

  s.fileWritten(target, text);
  prompts.showInformation(messages::created(sjis::decodeForDisplay(*iniFileName)));
  s.setSettingsSaved(true);
  if (!fileExists(s.enginePath(*iniFileName)))
    prompts.showInformation(std::string(messages::kEngineMissing));
  return CreateResult::Written;
}

}  // namespace velquin
