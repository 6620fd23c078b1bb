#include "settings/platform/file_replace.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>

#include "settings/platform/file_replace_impl.h"

namespace velquin {
namespace file_replace_impl {

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

}  // namespace file_replace_impl

ReplaceStatus replaceFileWhole(const std::filesystem::path& link, std::string_view bytes,
                               ReplaceFailure* why) {
  const file_replace_impl::Replaced done = file_replace_impl::replaceWhole(link, bytes);
  if (why) *why = done.failure;
  return done.status;
}

bool isTemporaryName(std::string_view name) {
  return name.size() >= 2 && name.size() <= 9 && name.front() == '~' &&
         std::all_of(name.begin() + 1, name.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
}

}  // namespace velquin
