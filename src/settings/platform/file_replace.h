#pragma once

// Replacing a file whole or not at all.
//
// The new content goes to a temporary file in the same folder; only when every
// byte is written and flushed does it take the place of the old file. On any
// failure the old file is as it was and the temporary file is gone. A target
// that is a symbolic link stays one: the file it leads to is replaced (with
// the temporary file beside that file), keeping its permissions.

#include <filesystem>
#include <string_view>

namespace velquin {

enum class ReplaceStatus {
  Replaced,
  CannotCreate,  // the folder is missing, the file is read-only or locked, no rights
  WriteFailed,   // the temporary file was created but not every byte reached the disk
};

ReplaceStatus replaceFileWhole(const std::filesystem::path& target, std::string_view bytes);

// True for a name the temporary file of a replace may have: "~" and one to
// eight upper-case hexadecimal digits. Such a file is the tool's own.
bool isTemporaryName(std::string_view name);

}  // namespace velquin
