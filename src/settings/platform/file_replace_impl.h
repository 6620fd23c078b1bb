#pragma once

// What the platform's own file of the replace (file_replace_posix.cpp or
// file_replace_win.cpp, the one CMake builds) takes from file_replace.cpp.
// Not for use outside the module.

#include <filesystem>
#include <optional>
#include <string_view>

#include "settings/platform/file_replace.h"

namespace velquin::file_replace_impl {

// The platform's replace (file_replace.h says what it does), with why it
// failed.
struct Replaced {
  ReplaceStatus status;
  ReplaceFailure failure;
};
Replaced replaceWhole(const std::filesystem::path& link, std::string_view bytes);

// A name for the temporary file beside `target`, different for each attempt
// (file_replace.cpp says how it is chosen).
std::filesystem::path temporaryBeside(const std::filesystem::path& target, unsigned attempt);

// Windows only (file_replace_win.cpp): where a symbolic link leads, from its
// reparse data as the system gives it (FSCTL_GET_REPARSE_POINT); a relative
// target is taken from the link's folder. Nothing for data of another kind
// (a junction, a file the cloud keeps) or data that does not hold together.
std::optional<std::filesystem::path> symbolicLinkTarget(const std::filesystem::path& link,
                                                        std::string_view reparseData);

}  // namespace velquin::file_replace_impl
