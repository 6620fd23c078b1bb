// Replays the inputs that fuzzing found interesting through the same checks as
// the fuzz target, so that the normal build keeps them passing.
#include <gtest/gtest.h>

#include <filesystem>

#include "settings/test_support.h"
#include "settings_input_check.h"

namespace velquin {
namespace {

TEST(FuzzCorpus, EveryKeptInputPassesTheChecks) {
  std::size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(VELQUIN_FUZZ_CORPUS_DIR)) {
    if (!entry.is_regular_file()) continue;
    ++count;
    std::string problem;
    EXPECT_TRUE(fuzz::checkSettingsInput(test::readBytes(entry.path()), problem))
        << entry.path().filename() << ": " << problem;
  }
  EXPECT_GT(count, 0u);
}

}  // namespace
}  // namespace velquin
