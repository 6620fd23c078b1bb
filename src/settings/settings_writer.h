#pragma once

// The text of the settings file: sections and lines in the order the engine
// expects, Shift-JIS bytes, CR LF after every line.

#include <cstddef>
#include <string>
#include <string_view>

#include "install_settings.h"

namespace velquin {

// "のアンインストール" in code page 932: the application's name followed by it
// names the uninstall shortcut of the start-menu group.
inline constexpr std::string_view kUninstallShortcutSuffix =
    "\x82\xCC\x83\x41\x83\x93\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x8B";

// Entries that the writer adds to [Files] after the author's lines: the
// engine's file and the settings file itself.
inline constexpr std::size_t kEntriesAddedToFiles = 2;

// The whole file for the settings as they stand, for a settings file named
// `iniFileName`. Empty lines of the lists are left out of the numbering (the
// Create command removes them from the lists themselves before it writes).
std::string composeSettingsFile(const InstallSettings& settings, std::string_view iniFileName);

}  // namespace velquin
