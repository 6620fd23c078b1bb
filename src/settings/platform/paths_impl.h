#pragma once

// What paths.cpp asks of the platform's own file (paths_posix.cpp or
// paths_win.cpp, the one CMake builds). Not for use outside the module.

#include <filesystem>

namespace velquin::paths_impl {

// resolvedPath of a path that is already absolute and has no trailing
// separator.
std::filesystem::path resolvedAbsolute(const std::filesystem::path& absolute);

// The name of the entry at `absolute` as its folder lists it (on Windows its
// long name in the folder's letter case); its name as given when there is no
// such entry.
std::filesystem::path listedName(const std::filesystem::path& absolute);

// True when two names of a path name the same entry, compared as the system
// compares them (on Windows, in any letter case).
bool sameName(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace velquin::paths_impl
