// The folder scan's walk on Windows: names are UTF-16, and each real folder
// is known by its volume and file index.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "settings/platform/folder_scan.h"
#include "settings/platform/folder_scan_impl.h"
#include "settings/platform/windows_api.h"
#include "settings/text/sjis.h"

namespace velquin {

using folder_scan_impl::addFile;
using folder_scan_impl::childPrefix;
using folder_scan_impl::displayName;

namespace {

// A name as UTF-8. NTFS takes any sequence of UTF-16 units, so a name may
// hold a surrogate without its partner, which no UTF-8 can say; the standard
// conversion would throw, and with nothing to catch it between the scan and
// the button the tool would end with the author's edits. Such a unit becomes
// U+FFFD, which code page 932 cannot hold either: the name is left out and
// named like any other that the engine could not find.
std::string nameToUtf8(std::wstring_view name) {
  std::string out;
  out.reserve(name.size());
  for (std::size_t i = 0; i < name.size(); ++i) {
    char32_t c = name[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < name.size() && name[i + 1] >= 0xDC00 &&
        name[i + 1] <= 0xDFFF) {
      c = sjis::joinSurrogates(c, name[++i]);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    out += sjis::characterToUtf8(c);
  }
  return out;
}

// An entry of a folder as the listing gives it: a folder, or a file and its
// size.
struct Listed {
  std::wstring name;
  bool isFolder;
  std::uint64_t size;
};

std::uint64_t sizeOf(DWORD high, DWORD low) {
  return (static_cast<std::uint64_t>(high) << 32) | low;
}

// A reparse point (a symbolic link, a junction) is followed: whether its
// target is a folder or a file, and the target's size. A target that is
// missing, or is neither a file nor a folder, makes it no entry at all.
// (Where the target cannot be opened for another reason, the entry stays
// as the listing gives it.)
bool followLink(const std::filesystem::path& path, Listed& entry) {
  const HANDLE h = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND &&
           error != ERROR_CANT_RESOLVE_FILENAME && error != ERROR_INVALID_NAME &&
           error != ERROR_BAD_NETPATH;
  }
  BY_HANDLE_FILE_INFORMATION info;
  const bool disk = GetFileType(h) == FILE_TYPE_DISK;
  const bool known = GetFileInformationByHandle(h, &info);
  CloseHandle(h);
  if (!disk) return false;
  if (known) {
    entry.isFolder = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.size = sizeOf(info.nFileSizeHigh, info.nFileSizeLow);
  }
  return true;
}

// The entries of a folder, "." and ".." aside, in the order the file system
// gives them.
std::vector<Listed> listing(const std::filesystem::path& path) {
  std::vector<Listed> entries;
  WIN32_FIND_DATAW data;
  const HANDLE find = FindFirstFileExW((path / L"*").c_str(), FindExInfoBasic, &data,
                                       FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring_view name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    Listed entry{std::wstring(name), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                 sizeOf(data.nFileSizeHigh, data.nFileSizeLow)};
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && !followLink(path / name, entry))
      continue;
    entries.push_back(std::move(entry));
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return entries;
}

// The running state of one scan.
class Scanner {
 public:
  explicit Scanner(bool withSizes) : withSizes_(withSizes) {}

  FolderScan result;

  void folder(const std::filesystem::path& path, const std::optional<std::string>& sjisPrefix,
              const std::string& shownPrefix) {
    if (const std::optional<std::string>* first = firstVisit(path, sjisPrefix)) {
      if (sjisPrefix && *first) result.aliases.push_back({*sjisPrefix, **first});
      return;
    }
    for (const auto& [name, isFolder, size] : listing(path)) {
      const std::string utf8 = nameToUtf8(name);
      if (isFolder) {
        folder(path / name, childPrefix(sjisPrefix, utf8), shownPrefix + displayName(utf8) + "\\");
      } else if (addFile(result, sjisPrefix, shownPrefix, utf8) && withSizes_) {
        result.sizes.push_back(size);
      }
    }
  }

 private:
  // A folder reached again through a junction or a symbolic link is known by
  // its identity: the volume's serial number and the folder's index on that
  // volume, whatever path led to it. Where the system gives none (the folder
  // cannot be opened, the volume keeps no index), the path text stands in.
  // The prefix of the folder's first visit when it was seen before (null on
  // the first visit, which is then noted under `sjisPrefix`).
  const std::optional<std::string>* firstVisit(const std::filesystem::path& path,
                                               const std::optional<std::string>& sjisPrefix) {
    const HANDLE h = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      BY_HANDLE_FILE_INFORMATION info;
      const bool known = GetFileInformationByHandle(h, &info) &&
                         (info.nFileIndexHigh != 0 || info.nFileIndexLow != 0);
      CloseHandle(h);
      if (known) {
        const FolderId id{
            info.dwVolumeSerialNumber,
            (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
        const auto [it, added] = seenIds_.try_emplace(id, sjisPrefix);
        return added ? nullptr : &it->second;
      }
    }
    const auto [it, added] = seenPaths_.try_emplace(path.lexically_normal().native(), sjisPrefix);
    return added ? nullptr : &it->second;
  }

  struct FolderId {
    DWORD volume;
    unsigned long long index;
    bool operator==(const FolderId&) const = default;
  };
  struct FolderIdHash {
    std::size_t operator()(const FolderId& d) const {
      return std::hash<unsigned long long>()(d.index * 31u + d.volume);
    }
  };
  // Each folder seen, with the prefix its files are listed under.
  std::unordered_map<FolderId, std::optional<std::string>, FolderIdHash> seenIds_;
  std::map<std::filesystem::path::string_type, std::optional<std::string>> seenPaths_;
  bool withSizes_;
};

}  // namespace

namespace folder_scan_impl {

FolderScan scanPlatform(const std::filesystem::path& folder,
                        const std::optional<std::string>& sjisPrefix,
                        const std::string& shownPrefix, bool withSizes) {
  Scanner scanner(withSizes);
  if (folder.empty()) return {};
  scanner.folder(folder, sjisPrefix, shownPrefix);
  return std::move(scanner.result);
}

}  // namespace folder_scan_impl

}  // namespace velquin
