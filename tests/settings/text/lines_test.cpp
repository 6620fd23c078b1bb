#include "settings/text/lines.h"

#include <gtest/gtest.h>

namespace velquin {
namespace {

using Lines = std::vector<std::string>;

TEST(Lines, TextToLines) {
  EXPECT_EQ(splitLines(""), Lines{});
  EXPECT_EQ(splitLines("\r\n"), Lines{""});  // one empty line
  EXPECT_EQ(splitLines("a"), Lines{"a"});
  EXPECT_EQ(splitLines("a\r\n"), Lines{"a"});
  EXPECT_EQ(splitLines("a\r\n\r\n\r\nb"), (Lines{"a", "", "", "b"}));
  // Every kind of break ends a line; CR LF is one break.
  EXPECT_EQ(splitLines("a\rb\nc\r\nd\n\re"), (Lines{"a", "b", "c", "d", "", "e"}));
  EXPECT_EQ(splitLines("  \r\n"), Lines{"  "});
}

TEST(Lines, LinesToTextAndBack) {
  for (const Lines& l : {Lines{}, Lines{""}, Lines{"a"}, Lines{"", ""}, Lines{"a", "", "b"}}) {
    EXPECT_EQ(splitLines(joinLines(l)), l);
    EXPECT_EQ(splitLines(joinLines(l, "\n")), l);
  }
  EXPECT_EQ(joinLines({"a", "b"}), "a\r\nb\r\n");
}

}  // namespace
}  // namespace velquin
