// Replacing a file on a POSIX system: a new file created exclusively, written,
// synced, then renamed over the old one.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <optional>
#include <system_error>

#include "settings/platform/file_replace.h"
#include "settings/platform/file_replace_impl.h"

namespace velquin {

using file_replace_impl::temporaryBeside;

namespace {

// The file a settings file that is a symbolic link leads to, through every
// link on the way (the file need not exist yet); nothing for a loop of links.
std::optional<std::filesystem::path> linkedFile(std::filesystem::path p) {
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(p, ec))) return p;
    const std::filesystem::path to = std::filesystem::read_symlink(p, ec);
    if (ec) return p;
    p = to.is_absolute() ? to : p.parent_path() / to;
  }
  return std::nullopt;
}

// Why a step failed, by its errno.
ReplaceFailure failureOf(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS: return ReplaceFailure::NoPermission;
    case ENOENT:
    case ENOTDIR: return ReplaceFailure::NoFolder;
    case ENOSPC:
    case EDQUOT: return ReplaceFailure::DiskFull;
    case EBUSY:
    case ETXTBSY: return ReplaceFailure::InUse;
    default: return ReplaceFailure::Other;
  }
}

// Writes every byte to `fd`, syncs and closes it: the errno of the first step
// that failed, 0 when none did.
int writeWhole(int fd, std::string_view bytes) {
  int error = 0;
  std::size_t done = 0;
  while (error == 0 && done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else {
      error = n < 0 ? errno : ENOSPC;  // nothing written and no error: no room
    }
  }
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

}  // namespace

namespace file_replace_impl {

Replaced replaceWhole(const std::filesystem::path& link, std::string_view bytes) {
  constexpr auto cannot = ReplaceStatus::CannotCreate;
  // A settings file that is a link is replaced where the link leads, so that
  // the link stays: the file it names may be shared. The temporary file then
  // stands beside that file, for the rename.
  const std::optional<std::filesystem::path> linked = linkedFile(link);
  if (!linked) return Replaced{cannot, ReplaceFailure::Other};
  const std::filesystem::path& target = *linked;
  // A read-only settings file is the author's way of keeping it; rename()
  // would replace it regardless, so it is refused as the engine's own
  // platform would refuse it. A folder of that name cannot be replaced either.
  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && S_ISDIR(old.st_mode)) return Replaced{cannot, ReplaceFailure::IsAFolder};
  if (existed && (old.st_mode & S_IWUSR) == 0)
    return Replaced{cannot, ReplaceFailure::NoPermission};

  std::filesystem::path tmp;
  int fd = -1;
  int error = 0;
  for (unsigned attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    tmp = temporaryBeside(target, attempt);
    fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    error = fd < 0 ? errno : 0;
    if (fd < 0 && error != EEXIST) break;
  }
  if (fd < 0) return Replaced{cannot, failureOf(error)};
  // The new file keeps the old one's permissions.
  if (existed) (void)::fchmod(fd, old.st_mode & 07777);

  if ((error = writeWhole(fd, bytes)) != 0) {
    ::unlink(tmp.c_str());
    return Replaced{ReplaceStatus::WriteFailed, failureOf(error)};
  }
  if (::rename(tmp.c_str(), target.c_str()) != 0) {
    error = errno;
    ::unlink(tmp.c_str());
    return Replaced{cannot, failureOf(error)};
  }
  return {ReplaceStatus::Replaced, ReplaceFailure::None};
}

}  // namespace file_replace_impl

}  // namespace velquin
