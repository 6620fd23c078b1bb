#pragma once

// Proposing a file list from the distribution folder: every file under it, at
// any depth, as its path relative to the folder.
//
// - Depth-first: a sub-folder's files stand where the sub-folder came in its
//   parent's listing, and files after it keep their own folder's prefix.
// - Every entry counts (hidden and system files too), in the order the file
//   system gives them; nothing is sorted.
// - The lines are for the Windows engine: parts are joined with a backslash on
//   every platform (help\Tessaly.hlp) and the text is Shift-JIS.
// - Each real folder is listed at most once, so folder links that lead back
//   up (or any cycle) cannot make the scan loop; links are followed otherwise.
// - A folder that cannot be read adds nothing, and the scan goes on.
// - A file whose name code page 932 cannot hold (or that holds a control
//   character, which no Windows name may) is not listed: the engine could not
//   find it under any substitute. Those names are returned instead, so that
//   the user can be told.

#include <filesystem>
#include <string>
#include <vector>

namespace velquin {

struct FolderScan {
  std::vector<std::string> lines;       // Shift-JIS, in the order found
  std::vector<std::string> unwritable;  // UTF-8 relative paths of the files left out
};

FolderScan scanFolder(const std::filesystem::path& folder);

}  // namespace velquin
