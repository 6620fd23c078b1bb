#include "settings/platform/folder_scan.h"

#include <optional>
#include <set>
#include <string_view>
#include <system_error>
#include <unordered_set>
#include <utility>

#include "settings/platform/paths.h"
#include "settings/text/sjis.h"

#ifdef _WIN32
#include "settings/platform/windows_api.h"
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace velquin {

std::optional<std::string> lineName(std::string_view utf8) {
  bool ascii = true;
  for (char c : utf8) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20) return std::nullopt;  // no Windows name holds a control character
    if (b >= 0x80) ascii = false;
  }
  if (ascii) return std::string(utf8);
  return sjis::encode(utf8);
}

namespace {

// The name as the user should read it: valid UTF-8, each undecodable byte
// shown as U+FFFD, control characters as "?".
std::string displayName(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x20) {
      out += '?';
      ++i;
      continue;
    }
    // A sequence that is no character shows as U+FFFD, a byte at a time.
    const std::size_t len = sjis::utf8CharAt(s, i) != 0xFFFD || s.substr(i, 3) == "\xEF\xBF\xBD"
                                ? sjis::utf8SequenceLength(b)
                                : 0;
    if (len == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
      continue;
    }
    out.append(s.substr(i, len));
    i += len;
  }
  return out;
}

// The running state of one scan. `sjisPrefix` is the relative folder in
// Shift-JIS with its trailing backslash (empty at the top), or nothing when a
// folder on the way has a name that cannot be written; `shownPrefix` is the
// same folder for messages.
class Scanner {
 public:
  FolderScan result;

  void file(const std::optional<std::string>& sjisPrefix, const std::string& shownPrefix,
            std::string_view utf8Name) {
    std::optional<std::string> name = sjisPrefix ? lineName(utf8Name) : std::nullopt;
    if (name) {
      result.lines.push_back(*sjisPrefix + *name);
    } else {
      result.unwritable.push_back(shownPrefix + displayName(utf8Name));
    }
  }

  static std::optional<std::string> childPrefix(const std::optional<std::string>& sjisPrefix,
                                                std::string_view utf8Name) {
    if (!sjisPrefix) return std::nullopt;
    auto name = lineName(utf8Name);
    if (!name) return std::nullopt;
    return *sjisPrefix + *name + "\\";
  }

#ifdef _WIN32
  // A name as UTF-8. NTFS takes any sequence of UTF-16 units, so a name may
  // hold a surrogate without its partner, which no UTF-8 can say; the
  // standard conversion would throw, and with nothing to catch it between the
  // scan and the button the tool would end with the author's edits. Such a
  // unit becomes U+FFFD, which code page 932 cannot hold either: the name is
  // left out and named like any other that the engine could not find.
  static std::string nameToUtf8(std::wstring_view name) {
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
#endif

#ifndef _WIN32
  // `path` is the folder's native path with its trailing slash.
  void folder(const std::string& path, const std::optional<std::string>& sjisPrefix,
              const std::string& shownPrefix) {
    DIR* dir = opendir(path.c_str());
    if (!dir) return;
    struct stat st;
    if (fstat(dirfd(dir), &st) != 0 || !seen_.insert({st.st_dev, st.st_ino}).second) {
      closedir(dir);
      return;
    }
    // The whole listing is read first, so that no folder stays open while its
    // sub-folders are scanned: the depth of a tree is then not bounded by the
    // number of files a process may hold open.
    std::vector<std::pair<std::string, bool>> entries;  // name, is a folder
    while (const dirent* e = readdir(dir)) {
      const std::string_view name(e->d_name);
      bool isFolder = false;
      switch (e->d_type) {
        case DT_DIR: isFolder = true; break;
        case DT_LNK:
        case DT_UNKNOWN:
          // Links are followed; a broken link is listed like a file.
          isFolder = fstatat(dirfd(dir), e->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
          break;
        default: break;
      }
      if (isFolder && (name == "." || name == "..")) continue;
      entries.emplace_back(name, isFolder);
    }
    closedir(dir);

    for (const auto& [name, isFolder] : entries) {
      if (isFolder) {
        folder(path + name + "/", childPrefix(sjisPrefix, name),
               shownPrefix + displayName(name) + "\\");
      } else {
        file(sjisPrefix, shownPrefix, name);
      }
    }
  }

 private:
  struct DevIno {
    dev_t dev;
    ino_t ino;
    bool operator==(const DevIno&) const = default;
  };
  struct DevInoHash {
    std::size_t operator()(const DevIno& d) const {
      return std::hash<unsigned long long>()(static_cast<unsigned long long>(d.ino) * 31u +
                                             static_cast<unsigned long long>(d.dev));
    }
  };
  std::unordered_set<DevIno, DevInoHash> seen_;
#else
  void folder(const std::filesystem::path& path, const std::optional<std::string>& sjisPrefix,
              const std::string& shownPrefix) {
    if (!firstVisit(path)) return;
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
        file(sjisPrefix, shownPrefix, utf8);
      }
    }
  }

 private:
  // A folder reached again through a junction or a symbolic link is known by
  // its identity: the volume's serial number and the folder's index on that
  // volume, whatever path led to it. Where the system gives none (the folder
  // cannot be opened, the volume keeps no index), the path text stands in.
  bool firstVisit(const std::filesystem::path& path) {
    const HANDLE h = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      BY_HANDLE_FILE_INFORMATION info;
      const bool known = GetFileInformationByHandle(h, &info) &&
                         (info.nFileIndexHigh != 0 || info.nFileIndexLow != 0);
      CloseHandle(h);
      if (known)
        return seenIds_
            .insert(
                {info.dwVolumeSerialNumber,
                 (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow})
            .second;
    }
    return seenPaths_.insert(path.lexically_normal().native()).second;
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
  std::unordered_set<FolderId, FolderIdHash> seenIds_;
  std::set<std::filesystem::path::string_type> seenPaths_;
#endif
};

}  // namespace

FolderScan scanFolder(const std::filesystem::path& folder,
                      const std::optional<std::string>& sjisPrefix,
                      const std::string& shownPrefix) {
  Scanner scanner;
#ifndef _WIN32
  std::string path = folder.native();
  if (path.empty()) return {};
  if (path.back() != '/') path += '/';
  scanner.folder(path, sjisPrefix, shownPrefix);
#else
  if (folder.empty()) return {};
  scanner.folder(folder, sjisPrefix, shownPrefix);
#endif
  return std::move(scanner.result);
}

}  // namespace velquin
