#pragma once

// The facts of the settings file's format that the writer, the loading and
// the check share (the sections, keys and parts are in fields.h).

#include <cstddef>
#include <string_view>

namespace velquin {

// A list is kept as the numbered entries of its section: Item1, Item2, ...
inline constexpr std::string_view kItemKey = "Item";

// "のアンインストール" in code page 932: the application's name followed by it
// names the uninstall shortcut of the start-menu group.
inline constexpr std::string_view kUninstallShortcutSuffix =
    "\x82\xCC\x83\x41\x83\x93\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5B\x83\x8B";

// Entries that the writer adds to [Files] after the author's lines: the
// engine's file and the settings file itself.
inline constexpr std::size_t kEntriesAddedToFiles = 2;

}  // namespace velquin
