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
//   A folder reached again under another name is an alias of the first:
//   its files are the same files, and a list may name them either way.
// - Only files and folders count: a link whose target is missing, and
//   anything that is neither a file nor a folder (a pipe, a device), directly
//   or through a link, is no file of the folder and is not listed.
// - A folder that cannot be read adds nothing, and the scan goes on.
// - A file whose name code page 932 cannot hold (or that holds a control
//   character, which no Windows name may, or is dots and blanks alone, which
//   Windows resolves to no name) is not listed: the engine could not find it
//   under any substitute. Those names are returned instead, so that the user
//   can be told.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velquin {

// A folder of the scan reached again through a link (or a junction): both
// Shift-JIS prefixes, with their trailing backslash (empty for the top).
struct FolderAlias {
  std::string alias;   // the name it was reached by again
  std::string folder;  // the name its files are listed under
  bool operator==(const FolderAlias&) const = default;
};

struct FolderScan {
  std::vector<std::string> lines;       // Shift-JIS, in the order found
  std::vector<std::uint64_t> sizes;     // beside `lines`, by scanFolderWithSizes alone
  std::vector<std::string> unwritable;  // UTF-8 relative paths of the files left out
  std::vector<FolderAlias> aliases;
};

// The scan of `folder`. Its lines start with `sjisPrefix` (a relative folder
// in Shift-JIS ending in a backslash, for a folder inside the distribution
// folder; nothing when that folder's name cannot be written, so that every
// file under it is left out), and the names left out with `shownPrefix` (the
// same in UTF-8).
FolderScan scanFolder(const std::filesystem::path& folder,
                      const std::optional<std::string>& sjisPrefix = std::string(),
                      const std::string& shownPrefix = {});

// The scan of `folder` with each listed file's size in bytes, taken as the
// folder is read (a link's size is its target's).
FolderScan scanFolderWithSizes(const std::filesystem::path& folder);

// The folders the scan's `lines` stand in, each once in the order first met,
// with the folders above them: Shift-JIS prefixes ending in a backslash, the
// distribution folder itself as the empty one, first.
std::vector<std::string> foldersOf(const std::vector<std::string>& lines);

// The Shift-JIS bytes of a file name (UTF-8) as the engine will look for it,
// or nothing when it cannot be written (or is dots and blanks alone). Plain ASCII names (the bulk
// of most trees) are the same bytes in code page 932 and skip the conversion.
std::optional<std::string> lineName(std::string_view utf8);

}  // namespace velquin
