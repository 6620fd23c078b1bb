// The folder scan's walk on a POSIX system: names are the bytes the folder
// holds (UTF-8), and each real folder is known by its device and inode.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "settings/platform/folder_scan.h"
#include "settings/platform/folder_scan_impl.h"

namespace velquin {

using folder_scan_impl::addFile;
using folder_scan_impl::childPrefix;
using folder_scan_impl::displayName;

namespace {

// The running state of one scan.
class Scanner {
 public:
  FolderScan result;

  // `path` is the folder's native path with its trailing slash.
  void folder(const std::string& path, const std::optional<std::string>& sjisPrefix,
              const std::string& shownPrefix) {
    DIR* dir = opendir(path.c_str());
    if (!dir) return;
    struct stat st;
    if (fstat(dirfd(dir), &st) != 0) {
      closedir(dir);
      return;
    }
    if (const auto [first, added] = seen_.try_emplace({st.st_dev, st.st_ino}, sjisPrefix); !added) {
      if (sjisPrefix && first->second) result.aliases.push_back({*sjisPrefix, *first->second});
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
        addFile(result, sjisPrefix, shownPrefix, name);
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
  // Each folder seen, with the prefix its files are listed under.
  std::unordered_map<DevIno, std::optional<std::string>, DevInoHash> seen_;
};

}  // namespace

FolderScan scanFolder(const std::filesystem::path& folder,
                      const std::optional<std::string>& sjisPrefix,
                      const std::string& shownPrefix) {
  Scanner scanner;
  std::string path = folder.native();
  if (path.empty()) return {};
  if (path.back() != '/') path += '/';
  scanner.folder(path, sjisPrefix, shownPrefix);
  return std::move(scanner.result);
}

}  // namespace velquin
