#pragma once

// What the platform's own file of the folder scan (folder_scan_posix.cpp or
// folder_scan_win.cpp, the one CMake builds) takes from folder_scan.cpp: the
// walk through the folders is the platform's, the lines are made here. Not for
// use outside the module.
//
// A folder's `sjisPrefix` is its relative path in Shift-JIS with a trailing
// backslash (empty at the top), or nothing when a folder on the way has a name
// that cannot be written; `shownPrefix` is the same folder for messages.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "settings/platform/folder_scan.h"

namespace velquin::folder_scan_impl {

// The name as the user should read it: valid UTF-8, each undecodable byte
// shown as U+FFFD, control characters as "?".
std::string displayName(std::string_view s);

// Adds a file of the folder to the scan: its line (true), or its name to
// those left out.
bool addFile(FolderScan& scan, const std::optional<std::string>& sjisPrefix,
             const std::string& shownPrefix, std::string_view utf8Name);

// The `sjisPrefix` of a sub-folder of the folder.
std::optional<std::string> childPrefix(const std::optional<std::string>& sjisPrefix,
                                       std::string_view utf8Name);

// The platform's walk of `folder` (folder_scan.h says what it lists), with
// each file's size when `withSizes`.
FolderScan scanPlatform(const std::filesystem::path& folder,
                        const std::optional<std::string>& sjisPrefix,
                        const std::string& shownPrefix, bool withSizes);

}  // namespace velquin::folder_scan_impl
