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

// Why a replace failed, as the system told it.
enum class ReplaceFailure {
  None,          // it did not fail
  NoPermission,  // no right to write there, a read-only file or medium
  NoFolder,      // the folder is missing (moved away, deleted), or is a file
  DiskFull,      // no room left on the disk, or over the user's quota
  InUse,         // another program holds the file open or locked
  IsAFolder,     // a folder of that name stands where the file should be
  Other,         // anything else (a name too long, a failing device, ...)
};

// `why`, when given, says why a replace that did not happen failed (None
// when it did happen).
ReplaceStatus replaceFileWhole(const std::filesystem::path& target, std::string_view bytes,
                               ReplaceFailure* why = nullptr);

// True for a name the temporary file of a replace may have: "~" and one to
// eight upper-case hexadecimal digits. Such a file is the tool's own.
bool isTemporaryName(std::string_view name);

}  // namespace velquin
