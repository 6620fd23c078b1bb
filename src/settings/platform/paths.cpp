#include "settings/platform/paths.h"

#include <system_error>
#include <vector>

#include "settings/text/sjis.h"

#ifdef _WIN32
#include "settings/platform/windows_api.h"
#endif

namespace velquin {

namespace fs = std::filesystem;

namespace {

// The absolute path without a trailing separator, which names no entry of
// its own. On Windows the system's own absolute form, with "." and ".."
// taken away as the system takes them, before any link is followed.
fs::path absoluteOf(const fs::path& p) {
  std::error_code ec;
  fs::path a = fs::absolute(p, ec);
  if (ec) a = p;
  while (!a.has_filename() && a.has_relative_path()) a = a.parent_path();
  return a;
}

#ifdef _WIN32
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

bool sameName(const fs::path& a, const fs::path& b) {
  const auto& x = a.native();
  const auto& y = b.native();
  return CompareStringOrdinal(x.c_str(), static_cast<int>(x.size()), y.c_str(),
                              static_cast<int>(y.size()), TRUE) == CSTR_EQUAL;
}
#else
bool sameName(const fs::path& a, const fs::path& b) { return a == b; }
#endif

}  // namespace

std::filesystem::path distDirOf(const std::filesystem::path& program) {
  const auto& native = program.native();
  using Char = std::filesystem::path::value_type;
  return std::filesystem::path(
      folderOf<Char>(std::basic_string_view<Char>(native), kNativePathStyle));
}

std::filesystem::path pathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string pathToUtf8(const std::filesystem::path& path) {
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

std::optional<std::filesystem::path> nameFromSjis(std::string_view bytes) {
  auto utf8 = sjis::decode(bytes);
  if (!utf8) return std::nullopt;
  return pathFromUtf8(*utf8);
}

std::filesystem::path joinName(const std::filesystem::path& folder,
                               const std::filesystem::path& name) {
  std::filesystem::path joined = folder;
  joined.concat(name.native());
  return joined;
}

fs::path resolvedPath(const fs::path& path) {
  const fs::path a = absoluteOf(path);
#ifdef _WIN32
  // The longest part that exists is asked for its final path.
  fs::path head = a, tail;
  for (;;) {
    if (const auto final = finalPathOf(head)) return tail.empty() ? *final : *final / tail;
    if (!head.has_relative_path()) return a;
    tail = tail.empty() ? head.filename() : head.filename() / tail;
    head = head.parent_path();
  }
#else
  std::error_code ec;
  fs::path r = fs::weakly_canonical(a, ec);
  return ec ? a.lexically_normal() : r;
#endif
}

fs::path resolvedEntryPath(const fs::path& path) {
  const fs::path a = absoluteOf(path);
  fs::path name = a.filename();
  if (name.empty() || name == "." || name == "..") return resolvedPath(a);
#ifdef _WIN32
  WIN32_FIND_DATAW found;
  const HANDLE h =
      FindFirstFileExW(a.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
  if (h != INVALID_HANDLE_VALUE) {
    name = found.cFileName;
    FindClose(h);
  }
#endif
  return resolvedPath(a.parent_path()) / name;
}

std::optional<fs::path> pathBelow(const fs::path& folder, const fs::path& path) {
  // Parts compared one by one; a trailing separator adds an empty part, which
  // says nothing.
  const auto partsOf = [](fs::path p) {
    std::vector<fs::path> parts;
    for (const fs::path& part : p.make_preferred())
      if (!part.empty()) parts.push_back(part);
    return parts;
  };
  const std::vector<fs::path> outer = partsOf(folder), inner = partsOf(path);
  if (inner.size() < outer.size()) return std::nullopt;
  for (std::size_t i = 0; i < outer.size(); ++i)
    if (!sameName(outer[i], inner[i])) return std::nullopt;
  fs::path below = ".";
  for (std::size_t i = outer.size(); i < inner.size(); ++i) below /= inner[i];
  return below.lexically_normal();
}

bool fileExists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace velquin
