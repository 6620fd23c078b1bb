#include "paths.h"

#include "sjis.h"

namespace velquin {

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

}  // namespace velquin
