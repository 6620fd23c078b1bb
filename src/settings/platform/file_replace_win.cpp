// Replacing a file on Windows: a new file that no one else may open while it
// is written, flushed, then moved over the old one.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "settings/platform/file_replace.h"
#include "settings/platform/file_replace_impl.h"
#include "settings/platform/paths.h"
#include "settings/platform/windows_api.h"
// FSCTL_GET_REPARSE_POINT, which the wrapper leaves out.
#include <winioctl.h>

namespace velquin {

namespace file_replace_impl {

std::optional<std::filesystem::path> symbolicLinkTarget(const std::filesystem::path& link,
                                                        std::string_view data) {
  // The symbolic link's reparse data: its tag, the length of what follows
  // and a reserved word, then the offsets and lengths (in bytes, within the
  // names) of the name the system follows and of the name shown, the flags,
  // and the names themselves in UTF-16.
  constexpr std::size_t kNames = 20;
  constexpr std::uint32_t kRelative = 1;
  const auto number = [&](std::size_t at, auto zero) {
    decltype(zero) n = zero;
    std::memcpy(&n, data.data() + at, sizeof n);
    return n;
  };
  if (data.size() < kNames || number(0, std::uint32_t{}) != IO_REPARSE_TAG_SYMLINK)
    return std::nullopt;
  const auto name = [&](std::size_t at) -> std::optional<std::wstring> {
    const std::size_t offset = number(at, std::uint16_t{});
    const std::size_t length = number(at + 2, std::uint16_t{});
    if (length % 2 != 0 || kNames + offset + length > data.size()) return std::nullopt;
    std::wstring text(length / 2, L'\0');
    std::memcpy(text.data(), data.data() + kNames + offset, length);
    return text;
  };
  const std::optional<std::wstring> followed = name(8);
  const std::optional<std::wstring> shown = name(12);
  if (!followed || !shown) return std::nullopt;
  // The name shown is the one given when the link was made; the followed one
  // may be in the system's inner form (\??\C:\..., \??\UNC\server\...).
  std::wstring to = shown->empty() ? *followed : *shown;
  if (to.starts_with(L"\\??\\UNC\\")) {
    to.replace(0, 8, L"\\\\");
  } else if (to.starts_with(L"\\??\\")) {
    to.erase(0, 4);
  }
  if (to.empty()) return std::nullopt;
  if (number(16, std::uint32_t{}) & kRelative) return (link.parent_path() / to).lexically_normal();
  return std::filesystem::path(to);
}

}  // namespace file_replace_impl

namespace {

// Where a symbolic link that leads to no file yet leads; nothing for any
// other path. (A link to an existing file is followed by resolvedPath.)
std::optional<std::filesystem::path> danglingLinkTarget(const std::filesystem::path& path) {
  const DWORD attrs = GetFileAttributesW(path.c_str());
  if (attrs == INVALID_FILE_ATTRIBUTES || !(attrs & FILE_ATTRIBUTE_REPARSE_POINT))
    return std::nullopt;
  const HANDLE h = CreateFileW(
      path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<char> data(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
  DWORD size = 0;
  const bool read = DeviceIoControl(h, FSCTL_GET_REPARSE_POINT, nullptr, 0, data.data(),
                                    static_cast<DWORD>(data.size()), &size, nullptr);
  CloseHandle(h);
  if (!read) return std::nullopt;
  return file_replace_impl::symbolicLinkTarget(path, std::string_view(data.data(), size));
}

}  // namespace

using file_replace_impl::temporaryBeside;

namespace {

// Why a step failed, by the system's error code.
// ERROR_DISK_QUOTA_EXCEEDED, which MinGW's headers do not name.
constexpr DWORD kDiskQuotaExceeded = 1295;

ReplaceFailure failureOf(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return ReplaceFailure::NoPermission;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_FILE_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DIRECTORY: return ReplaceFailure::NoFolder;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case kDiskQuotaExceeded: return ReplaceFailure::DiskFull;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: return ReplaceFailure::InUse;
    default: return ReplaceFailure::Other;
  }
}

// Writes every byte to `h`, flushes and closes it: the error of the first
// step that failed, ERROR_SUCCESS when none did.
DWORD writeWhole(HANDLE h, std::string_view bytes) {
  DWORD error = ERROR_SUCCESS;
  std::size_t done = 0;
  while (error == ERROR_SUCCESS && done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
    DWORD written = 0;
    if (!WriteFile(h, bytes.data() + done, chunk, &written, nullptr)) {
      error = GetLastError();
    } else if (written == 0) {
      error = ERROR_HANDLE_DISK_FULL;  // nothing written and no error: no room
    }
    done += written;
  }
  if (error == ERROR_SUCCESS && !FlushFileBuffers(h)) error = GetLastError();
  CloseHandle(h);
  return error;
}

// The file a settings file that is a symbolic link leads to: its final path,
// or through every link on the way to a file not there yet; nothing for a
// loop of links.
std::optional<std::filesystem::path> linkedFile(const std::filesystem::path& link) {
  std::filesystem::path target = resolvedPath(link);
  for (int hops = 0;; ++hops) {
    const std::optional<std::filesystem::path> next = danglingLinkTarget(target);
    if (!next) return target;
    if (hops == 40) return std::nullopt;
    target = resolvedPath(*next);
  }
}

}  // namespace

namespace file_replace_impl {

Replaced replaceWhole(const std::filesystem::path& link, std::string_view bytes) {
  constexpr auto cannot = ReplaceStatus::CannotCreate;
  // A settings file that is a symbolic link is replaced where the link
  // leads, so that the link stays: the file it names may be shared. The
  // final path of the file says where that is (every file has one, and a
  // link need not say it is one: Wine shows a Unix link to a file as the
  // file). A link to a file not there yet has no final path: its own data
  // says where it leads.
  const std::optional<std::filesystem::path> linked = linkedFile(link);
  if (!linked) return Replaced{cannot, ReplaceFailure::Other};
  const std::filesystem::path& target = *linked;
  const DWORD attrs = GetFileAttributesW(target.c_str());
  if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY))
    return Replaced{cannot, ReplaceFailure::IsAFolder};
  if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_READONLY))
    return Replaced{cannot, ReplaceFailure::NoPermission};

  std::filesystem::path tmp;
  HANDLE h = INVALID_HANDLE_VALUE;
  DWORD error = ERROR_SUCCESS;
  for (unsigned attempt = 0; attempt < 16 && h == INVALID_HANDLE_VALUE; ++attempt) {
    tmp = temporaryBeside(target, attempt);
    h = CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                    nullptr);
    error = h == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
    if (h == INVALID_HANDLE_VALUE && error != ERROR_FILE_EXISTS) break;
  }
  if (h == INVALID_HANDLE_VALUE) return Replaced{cannot, failureOf(error)};

  if ((error = writeWhole(h, bytes)) != ERROR_SUCCESS) {
    DeleteFileW(tmp.c_str());
    return Replaced{ReplaceStatus::WriteFailed, failureOf(error)};
  }
  if (!MoveFileExW(tmp.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = GetLastError();
    DeleteFileW(tmp.c_str());
    // The file is there, neither read-only nor a folder, and the folder took
    // the new one: a refusal now is another program holding the file open.
    if (error == ERROR_ACCESS_DENIED && attrs != INVALID_FILE_ATTRIBUTES)
      return Replaced{cannot, ReplaceFailure::InUse};
    return Replaced{cannot, failureOf(error)};
  }
  return {ReplaceStatus::Replaced, ReplaceFailure::None};
}

}  // namespace file_replace_impl

}  // namespace velquin
