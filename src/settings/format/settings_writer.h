#pragma once

// The text of the settings file: sections and lines in the order the engine
// expects, Shift-JIS bytes, CR LF after every line.

#include <string>
#include <string_view>

#include "settings/format/settings_format.h"
#include "settings/record/install_settings.h"

namespace velquin {

// The whole file for the settings as they stand, for a settings file named
// `iniFileName`. Empty lines of the lists are left out of the numbering (the
// Create command removes them from the lists themselves before it writes).
std::string composeSettingsFile(const InstallSettings& settings, std::string_view iniFileName);

}  // namespace velquin
