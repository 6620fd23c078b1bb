// Paths on a POSIX system: names as they are, compared byte for byte.
#include <system_error>

#include "settings/platform/paths_impl.h"

namespace velquin::paths_impl {

namespace fs = std::filesystem;

fs::path resolvedAbsolute(const fs::path& absolute) {
  std::error_code ec;
  fs::path r = fs::weakly_canonical(absolute, ec);
  return ec ? absolute.lexically_normal() : r;
}

fs::path listedName(const fs::path& absolute) { return absolute.filename(); }

bool sameName(const fs::path& a, const fs::path& b) { return a == b; }

}  // namespace velquin::paths_impl
