#include "settings/text/messages.h"

#include <gtest/gtest.h>

namespace velquin::messages {
namespace {

// The characters Shift-JIS cannot hold are named with their codes, as many as
// a box shows, then how many more there were.
TEST(SettingsFileConvertedMessage, NamesEachCharacterUpToTwenty) {
  std::vector<char32_t> characters(kMaxNamesShown + 2, U'〜');
  characters[0] = U'😀';
  const std::string text = settingsFileConverted(kUtf16Le, characters);
  EXPECT_NE(text.find("「😀」(U+1F600)"), std::string::npos);
  EXPECT_NE(text.find("「〜」(U+301C)"), std::string::npos);
  std::size_t named = 0;
  for (std::size_t at = 0; (at = text.find("(U+", at)) != std::string::npos; ++at) ++named;
  EXPECT_EQ(named, kMaxNamesShown);
  EXPECT_TRUE(text.ends_with("ほか 2 文字"));
}

}  // namespace
}  // namespace velquin::messages
