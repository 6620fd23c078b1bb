// Paths on Windows: the system gives each file's final path and the names as
// its folder holds them, and compares names in any letter case.
#include <optional>
#include <string>

#include "settings/platform/paths_impl.h"
#include "settings/platform/windows_api.h"

namespace velquin::paths_impl {

namespace fs = std::filesystem;

namespace {

// The final path of an existing file or folder, through an open handle: links
// and junctions followed, short names expanded, names as the folders hold
// them. The \\?\ prefix the system puts before it goes, unless the path
// asked for came in that form.
std::optional<fs::path> finalPathOf(const fs::path& p) {
  const HANDLE h = CreateFileW(p.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  std::wstring buf(MAX_PATH, L'\0');
  const DWORD flags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
  DWORD n = GetFinalPathNameByHandleW(h, buf.data(), static_cast<DWORD>(buf.size()), flags);
  if (n >= buf.size()) {
    buf.resize(n);
    n = GetFinalPathNameByHandleW(h, buf.data(), static_cast<DWORD>(buf.size()), flags);
  }
  CloseHandle(h);
  if (n == 0 || n >= buf.size()) return std::nullopt;
  buf.resize(n);
  if (!p.native().starts_with(L"\\\\?\\")) {
    if (buf.starts_with(L"\\\\?\\UNC\\")) {
      buf.replace(0, 8, L"\\\\");
    } else if (buf.starts_with(L"\\\\?\\")) {
      buf.erase(0, 4);
    }
  }
  return fs::path(buf);
}

}  // namespace

fs::path resolvedAbsolute(const fs::path& absolute) {
  // The longest part that exists is asked for its final path.
  fs::path head = absolute, tail;
  for (;;) {
    if (const auto final = finalPathOf(head)) return tail.empty() ? *final : *final / tail;
    if (!head.has_relative_path()) return absolute;
    tail = tail.empty() ? head.filename() : head.filename() / tail;
    head = head.parent_path();
  }
}

fs::path listedName(const fs::path& absolute) {
  WIN32_FIND_DATAW found;
  const HANDLE h = FindFirstFileExW(absolute.c_str(), FindExInfoBasic, &found,
                                    FindExSearchNameMatch, nullptr, 0);
  if (h == INVALID_HANDLE_VALUE) return absolute.filename();
  fs::path name = found.cFileName;
  FindClose(h);
  return name;
}

bool sameName(const fs::path& a, const fs::path& b) {
  const auto& x = a.native();
  const auto& y = b.native();
  return CompareStringOrdinal(x.c_str(), static_cast<int>(x.size()), y.c_str(),
                              static_cast<int>(y.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace velquin::paths_impl
