#pragma once

// The Create command: checks the main fields, writes the settings file into
// the distribution folder, confirms, and warns when the engine is missing.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "settings/check/checker.h"
#include "settings/commands/user_prompts.h"
#include "settings/record/install_settings.h"

namespace velquin {

enum class CreateResult {
  Written,  // the file is written and SettingsSaved is true
  Refused,  // a check failed; its message has been shown and nothing was written
  Failed,   // the file could not be written; the error report has been shown
};

// 作成: the checks, the file, the confirmation and the engine's warning. A
// failed write is the error report, its text ended with a full stop. When
// another program changed the file on disk since the tool last read or wrote
// it, or made it where Details found none, Create asks before it replaces
// it; any answer but はい writes nothing (Refused).
//
// Given the check (the windows' Create, by its button and by the save
// question's はい), a written file that holds errors by it is followed by one
// information box that says how many and names the first few. Nothing is asked: the file is
// written. The check is of the distribution folder as it is then (the checker reads it again), once
// the checker holds a folder (after Details).
CreateResult runCreateCommand(InstallSettings& settings, UserPrompts& prompts,
                              Checker* checker = nullptr);

// Create's writing of the settings file, in two steps that `velquin
// --add-unlisted` shares. The text for the settings as they stand
// (composeSettingsFile), after which the lists the file takes entries from
// lose their empty lines, as the windows show them from then on.
std::string textToCreate(InstallSettings& settings, std::string_view iniFileName);
// The text put in place of the file at `target` whole or not at all (a link
// stays one: the file it leads to is replaced), and the settings told that
// the tool wrote it; none then. Otherwise nothing is written, and this is
// Create's text of the failure, ended with a full stop, and on the next line
// the system's reason.
std::optional<std::string> writeSettingsText(InstallSettings& settings,
                                             const std::filesystem::path& target,
                                             const std::string& text);

// The check of EditIniName that Create and Details share: it must be given,
// and be a plain file name (a folder part or a drive would reach outside the
// distribution folder). A refusal shows its message, moves the focus to the
// field and gives nothing; an accepted name is the command's IniFileName,
// which it passes on to what it calls.
std::optional<std::string> takeIniFileName(const InstallSettings& settings, UserPrompts& prompts);

}  // namespace velquin
