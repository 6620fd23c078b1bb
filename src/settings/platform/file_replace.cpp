#include "settings/platform/file_replace.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <system_error>

#include "settings/platform/paths.h"

#ifdef _WIN32
#include "settings/platform/windows_api.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace velquin {
namespace {

// The temporary file stands in the settings file's folder, so that the final
// move is a rename on one volume. Its name is no longer than the settings
// file's own (from two characters on): a settings file whose path just fits
// the system's limits (a whole path of 259 characters on Windows without the
// long-path prefix, 255 for one name on most file systems) must not be
// refused because of its temporary companion. The name only needs to be
// unique in that folder for the moment of the write; the exclusive creation
// checks that, and a taken name is retried with the next attempt.
std::filesystem::path temporaryBeside(const std::filesystem::path& target, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  const std::size_t nameLength = target.filename().native().size();
  const std::size_t digits = std::clamp<std::size_t>(nameLength, 2, 9) - 1;
  unsigned long long n =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  n ^= (counter++ + 1ULL) * 0x9E3779B97F4A7C15ULL;
  n += attempt * 0x632BE59BD9B4E019ULL;
  std::string name = "~";
  for (std::size_t i = 0; i < digits; ++i, n >>= 4) name += "0123456789ABCDEF"[n & 15];
  return target.parent_path() / name;
}

}  // namespace

bool isTemporaryName(std::string_view name) {
  return name.size() >= 2 && name.size() <= 9 && name.front() == '~' &&
         std::all_of(name.begin() + 1, name.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
}

#ifdef _WIN32

ReplaceStatus replaceFileWhole(const std::filesystem::path& link, std::string_view bytes) {
  // A settings file that is a symbolic link is replaced where the link
  // leads, so that the link stays: the file it names may be shared. The
  // final path of the file says where that is (every file has one, and a
  // link need not say it is one: Wine shows a Unix link to a file as the
  // file).
  const std::filesystem::path target = resolvedPath(link);
  const DWORD attrs = GetFileAttributesW(target.c_str());
  if (attrs != INVALID_FILE_ATTRIBUTES &&
      (attrs & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return ReplaceStatus::CannotCreate;

  std::filesystem::path tmp;
  HANDLE h = INVALID_HANDLE_VALUE;
  for (unsigned attempt = 0; attempt < 16 && h == INVALID_HANDLE_VALUE; ++attempt) {
    tmp = temporaryBeside(target, attempt);
    h = CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                    nullptr);
    if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (h == INVALID_HANDLE_VALUE) return ReplaceStatus::CannotCreate;

  bool ok = true;
  std::size_t done = 0;
  while (ok && done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    ok = WriteFile(h, bytes.data() + done, chunk, &written, nullptr) && written > 0;
    done += written;
  }
  ok = ok && FlushFileBuffers(h);
  CloseHandle(h);
  if (!ok) {
    DeleteFileW(tmp.c_str());
    return ReplaceStatus::WriteFailed;
  }
  if (!MoveFileExW(tmp.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(tmp.c_str());
    return ReplaceStatus::CannotCreate;
  }
  return ReplaceStatus::Replaced;
}

#else

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

#endif

}  // namespace velquin
