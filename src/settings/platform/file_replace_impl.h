#pragma once

// What the platform's own file of the replace (file_replace_posix.cpp or
// file_replace_win.cpp, the one CMake builds) takes from file_replace.cpp.
// Not for use outside the module.

#include <filesystem>

namespace velquin::file_replace_impl {

// A name for the temporary file beside `target`, different for each attempt
// (file_replace.cpp says how it is chosen).
std::filesystem::path temporaryBeside(const std::filesystem::path& target, unsigned attempt);

}  // namespace velquin::file_replace_impl
