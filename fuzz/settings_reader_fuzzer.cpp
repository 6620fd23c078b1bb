// libFuzzer target: arbitrary bytes as a settings file, through the reader and
// the loading.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "settings_input_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string problem;
  if (!velquin::fuzz::checkSettingsInput(
          std::string_view(reinterpret_cast<const char*>(data), size), problem)) {
    std::fprintf(stderr, "check failed: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
