#include "settings/platform/paths.h"

#include <system_error>
#include <vector>

#include "settings/platform/paths_impl.h"
#include "settings/text/sjis.h"

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
  return paths_impl::resolvedAbsolute(absoluteOf(path));
}

fs::path resolvedEntryPath(const fs::path& path) {
  const fs::path a = absoluteOf(path);
  const fs::path name = a.filename();
  if (name.empty() || name == "." || name == "..") return resolvedPath(a);
  const fs::path listed = paths_impl::listedName(a);
  return resolvedPath(a.parent_path()) / listed;
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
    if (!paths_impl::sameName(outer[i], inner[i])) return std::nullopt;
  fs::path below = ".";
  for (std::size_t i = outer.size(); i < inner.size(); ++i) below /= inner[i];
  return below.lexically_normal();
}

bool fileExists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace velquin
