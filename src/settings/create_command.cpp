#include "create_command.h"

#include "file_replace.h"
#include "messages.h"
#include "paths.h"
#include "settings_rules.h"
#include "settings_writer.h"
#include "sjis.h"

namespace velquin {

bool isPlainFileName(std::string_view name) {
  bool plain = true;
  // A second byte may be 0x5C or 0x7C and is still part of its character.
  sjis::forEachChar(name, [&](std::size_t i, std::size_t length) {
    if (length == 1) {
      const auto b = static_cast<unsigned char>(name[i]);
      plain = b >= 0x20 && std::string_view("\\/:*?\"<>|").find(name[i]) == std::string_view::npos;
    }
    return plain;
  });
  return plain;
}

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

CreateOutcome runCreateCommand(InstallSettings& s, UserPrompts& prompts) {
  using T = TextField;
  CreateOutcome refused{CreateResult::Refused, {}};

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
      return {CreateResult::Failed, messages::cannotCreate(pathToUtf8(target))};
    case ReplaceStatus::WriteFailed:
      return {CreateResult::Failed, std::string(messages::kWriteError)};
  }

  prompts.showInformation(messages::created(sjis::decodeForDisplay(*iniFileName)));
  s.setSettingsSaved(true);
  if (!fileExists(s.enginePath(*iniFileName)))
    prompts.showInformation(std::string(messages::kEngineMissing));
  return {CreateResult::Written, {}};
}

}  // namespace velquin
