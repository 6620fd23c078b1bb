#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "settings/text/sjis.h"
#include "support/recording_prompts.h"

namespace velquin::test {

// Shift-JIS bytes of a UTF-8 literal.
inline std::string sj(std::string_view utf8) { return sjis::encode(utf8).value(); }

inline std::vector<std::string> sjLines(std::initializer_list<std::string_view> lines) {
  std::vector<std::string> out;
  for (auto l : lines) out.push_back(sj(l));
  return out;
}

inline std::string readBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void writeBytes(const std::filesystem::path& p, std::string_view bytes) {
  std::ofstream out(p, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::filesystem::path goldenFile(const std::string& name) {
  return std::filesystem::path(VELQUIN_GOLDEN_DIR) / name;
}

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("velquin-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace velquin::test
