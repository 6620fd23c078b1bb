// The folder scan's walk on Windows: names are UTF-16, and each real folder
// is known by its volume and file index.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
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

// The running state of one scan.
class Scanner {
 public:
  FolderScan result;

  void folder(const std::filesystem::path& path, const std::optional<std::string>& sjisPrefix,
              const std::string& shownPrefix) {
    if (const std::optional<std::string>* first = firstVisit(path, sjisPrefix)) {
      if (sjisPrefix && *first) result.aliases.push_back({*sjisPrefix, **first});
      return;
    }
    std::error_code ec;
    std::vector<std::pair<std::filesystem::path, bool>> entries;
    std::filesystem::directory_iterator it(path, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
      std::error_code typeError;
      entries.emplace_back(it->path().filename(), it->is_directory(typeError));
    }
    for (const auto& [name, isFolder] : entries) {
      const std::string utf8 = nameToUtf8(name.native());
      if (isFolder) {
        folder(path / name, childPrefix(sjisPrefix, utf8), shownPrefix + displayName(utf8) + "\\");
      } else {
        addFile(result, sjisPrefix, shownPrefix, utf8);
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
};

}  // namespace

FolderScan scanFolder(const std::filesystem::path& folder,
                      const std::optional<std::string>& sjisPrefix,
                      const std::string& shownPrefix) {
  Scanner scanner;
  if (folder.empty()) return {};
  scanner.folder(folder, sjisPrefix, shownPrefix);
  return std::move(scanner.result);
}

}  // namespace velquin
