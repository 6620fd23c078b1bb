// Replacing a file on Windows: a new file that no one else may open while it
// is written, flushed, then moved over the old one.
#include <algorithm>
#include <cstddef>

#include "settings/platform/file_replace.h"
#include "settings/platform/file_replace_impl.h"
#include "settings/platform/paths.h"
#include "settings/platform/windows_api.h"

namespace velquin {

using file_replace_impl::temporaryBeside;

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

}  // namespace velquin
