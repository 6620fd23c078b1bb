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

}  // namespace

ReplaceStatus replaceFileWhole(const std::filesystem::path& link, std::string_view bytes) {
  // A settings file that is a link is replaced where the link leads, so that
  // the link stays: the file it names may be shared. The temporary file then
  // stands beside that file, for the rename.
  const std::optional<std::filesystem::path> linked = linkedFile(link);
  if (!linked) return ReplaceStatus::CannotCreate;
  const std::filesystem::path& target = *linked;
  // A read-only settings file is the author's way of keeping it; rename()
  // would replace it regardless, so it is refused as the engine's own
  // platform would refuse it. A folder of that name cannot be replaced either.
  struct stat old {};
  const bool existed = ::stat(target.c_str(), &old) == 0;
  if (existed && (S_ISDIR(old.st_mode) || (old.st_mode & S_IWUSR) == 0))
    return ReplaceStatus::CannotCreate;

  std::filesystem::path tmp;
  int fd = -1;
  for (unsigned attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    tmp = temporaryBeside(target, attempt);
    fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return ReplaceStatus::CannotCreate;
  // The new file keeps the old one's permissions.
  if (existed) (void)::fchmod(fd, old.st_mode & 07777);

  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (!ok) {
    ::unlink(tmp.c_str());
    return ReplaceStatus::WriteFailed;
  }
  if (::rename(tmp.c_str(), target.c_str()) != 0) {
    ::unlink(tmp.c_str());
    return ReplaceStatus::CannotCreate;
  }
  return ReplaceStatus::Replaced;
}

}  // namespace velquin
