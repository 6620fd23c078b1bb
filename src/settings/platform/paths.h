#pragma once

// Paths on disk. The program path and the distribution folder are native
// paths; settings values are Shift-JIS bytes and become native names here.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velquin {

enum class PathStyle { Windows, Posix };

#ifdef _WIN32
inline constexpr PathStyle kNativePathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kNativePathStyle = PathStyle::Posix;
#endif

// The folder part of a program path with a trailing separator. Windows: cut
// after the last backslash or slash, or after a drive colon that comes later
// (C:\dist\app.exe gives C:\dist\, C:\app.exe gives C:\). Posix: cut after the
// last slash.
template <class Char>
std::basic_string<Char> folderOf(std::basic_string_view<Char> path, PathStyle style) {
  std::size_t cut = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const Char c = path[i];
    const bool delimiter = style == PathStyle::Windows
                               ? (c == Char('\\') || c == Char('/') || c == Char(':'))
                               : c == Char('/');
    if (delimiter) cut = i + 1;
  }
  std::basic_string<Char> folder(path.substr(0, cut));
  const Char sep = style == PathStyle::Windows ? Char('\\') : Char('/');
  if (folder.empty() || (folder.back() != sep && folder.back() != Char('/'))) folder.push_back(sep);
  return folder;
}

// DistDir of a program path.
std::filesystem::path distDirOf(const std::filesystem::path& program);

// True when a file (not a folder) exists under the path.
bool fileExists(const std::filesystem::path& path);

// A native path from UTF-8 text, and back.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string pathToUtf8(const std::filesystem::path& path);

// A native file name from Shift-JIS bytes; nullopt when the bytes are not
// code page 932 text.
std::optional<std::filesystem::path> nameFromSjis(std::string_view bytes);

// The folder followed directly by the name (the folder ends in a separator).
std::filesystem::path joinName(const std::filesystem::path& folder,
                               const std::filesystem::path& name);

// The absolute path as the file system knows it: in the part that exists,
// links and "." or ".." resolved, and on Windows short names expanded and
// every name in the letter case its folder holds; the rest follows as given.
std::filesystem::path resolvedPath(const std::filesystem::path& path);

// The path of an entry of a folder: the folder resolved as above, the entry
// itself kept. A link stays the link, named as its folder lists it (on
// Windows, by its long name in the folder's letter case).
std::filesystem::path resolvedEntryPath(const std::filesystem::path& path);

// The part of `path` below `folder` (both resolved), with names compared as
// the system compares them (on Windows, in any letter case): "." for the
// folder itself, nothing when `path` lies outside it.
std::optional<std::filesystem::path> pathBelow(const std::filesystem::path& folder,
                                               const std::filesystem::path& path);

}  // namespace velquin
