#pragma once

// The facts of the settings file's format that the writer, the loading and
// the check share (the sections, keys and parts are in fields.h).

#include <string_view>

namespace velquin {

// A list is kept as the numbered entries of its section: Item1, Item2, ...
inline constexpr std::string_view kItemKey = "Item";

// "のアンインストール" in code page 932: the application's name followed by it
// names the uninstall shortcut of the start-menu group.
inline constexpr std::string_view kUninstallShortcutSuffix =
    "\x82\xCC\x83\x41\x83\x93\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x8B";

}  // namespace velquin
