// The folder scan's walk on a POSIX system: names are the bytes the folder
// holds (UTF-8), and each real folder is known by its device and inode.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
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

// What an entry of a folder is, asked of the system only where the listing
// does not say (a link, a file system that gives no types) or where the
// file's size is wanted. Links are followed: one whose target is missing
// names no file. Neither a file nor a folder (a pipe, a device, a socket),
// directly or through a link, is no file of the folder either.
enum class Kind { File, Folder, None };
Kind kindOf(int dirFd, const dirent& e, bool withSize, std::uint64_t& size) {
  struct stat st;
  switch (e.d_type) {
    case DT_DIR: return Kind::Folder;
    case DT_REG:
      if (!withSize) return Kind::File;
      if (fstatat(dirFd, e.d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) return Kind::None;  // gone
      size = static_cast<std::uint64_t>(st.st_size);
      return Kind::File;
    case DT_LNK:
    case DT_UNKNOWN:
      if (fstatat(dirFd, e.d_name, &st, 0) != 0) return Kind::None;
      if (S_ISDIR(st.st_mode)) return Kind::Folder;
      size = static_cast<std::uint64_t>(st.st_size);
      return S_ISREG(st.st_mode) ? Kind::File : Kind::None;
    default: return Kind::None;
  }
}

// The running state of one scan.
class Scanner {
 public:
  explicit Scanner(bool withSizes) : withSizes_(withSizes) {}

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
    std::vector<Listed> entries;
    while (const dirent* e = readdir(dir)) {
      const std::string_view name(e->d_name);
      std::uint64_t size = 0;
      const Kind kind = kindOf(dirfd(dir), *e, withSizes_, size);
      if (kind == Kind::None || (kind == Kind::Folder && (name == "." || name == ".."))) continue;
      entries.push_back({std::string(name), kind == Kind::Folder, size});
    }
    closedir(dir);

    for (const auto& [name, isFolder, size] : entries) {
      if (isFolder) {
        folder(path + name + "/", childPrefix(sjisPrefix, name),
               shownPrefix + displayName(name) + "\\");
      } else if (addFile(result, sjisPrefix, shownPrefix, name) && withSizes_) {
        result.sizes.push_back(size);
      }
    }
  }

 private:
  struct Listed {
    std::string name;
    bool isFolder;
    std::uint64_t size;
  };
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
  bool withSizes_;
};

}  // namespace

namespace folder_scan_impl {

FolderScan scanPlatform(const std::filesystem::path& folder,
                        const std::optional<std::string>& sjisPrefix,
                        const std::string& shownPrefix, bool withSizes) {
  Scanner scanner(withSizes);
  std::string path = folder.native();
  if (path.empty()) return {};
  if (path.back() != '/') path += '/';
  scanner.folder(path, sjisPrefix, shownPrefix);
  return std::move(scanner.result);
}

}  // namespace folder_scan_impl

}  // namespace velquin
