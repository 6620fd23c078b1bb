#include "settings/text/memo_edit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace velquin {

void PrintTo(const LinesEdit& e, std::ostream* os) {
  *os << "lines " << e.first << " +" << e.count << " become " << testing::PrintToString(e.lines)
      << (e.lastBlockEmpty ? ", then the empty block" : ", the last a block");
}
void PrintTo(const RefusedEdit& r, std::ostream* os) {
  *os << "refused U+" << std::hex << std::uint32_t(r.character) << ", back to "
      << testing::PrintToString(r.before);
}

namespace {

using Lines = std::vector<std::string>;

// Each row: the lines the memo showed and how it ended, what the memo
// reports (first block, blocks now, blocks after), and the change of the list.
TEST(MemoEdit, EditsOfTheMemoBecomeChangesOfTheList) {
  struct Row {
    const char* edit;
    Lines held;
    bool lastBlockEmpty;
    MemoStretch stretch;
    std::variant<LinesEdit, RefusedEdit> change;
  };
  const Row rows[] = {
      {"typing in a line", {"a", "b", "c"}, true, {1, {"bx"}, 2}, LinesEdit{1, 1, {"bx"}, true}},
      {"a break in the middle of a line",
       {"ab", "cd"},
       true,
       {0, {"a", "b"}, 2},
       LinesEdit{0, 1, {"a", "b"}, true}},
      {"Backspace joining two lines",
       {"ab", "cd"},
       true,
       {0, {"abcd"}, 1},
       LinesEdit{0, 2, {"abcd"}, true}},
      {"lines pasted before a line",
       {"a", "b"},
       true,
       {1, {"p", "q", "b"}, 1},
       LinesEdit{1, 0, {"p", "q"}, true}},
      // 0xED40 has a second code: read back unchanged, it keeps its own.
      {"a line the stretch left as it was",
       {"\xED\x40", "b"},
       true,
       {0, {"纊", "bc"}, 1},
       LinesEdit{1, 1, {"bc"}, true}},
      {"all replaced", {"a", "b"}, true, {0, {"x", "a", ""}, 0}, LinesEdit{0, 2, {"x", "a"}, true}},
      {"all deleted", {"a", "b"}, true, {0, {""}, 0}, LinesEdit{0, 2, {}, true}},
      {"the first line of an empty list", {}, true, {0, {"", ""}, 0}, LinesEdit{0, 0, {""}, true}},
      {"the last break deleted", {"a", "b"}, true, {1, {"b"}, 0}, LinesEdit{2, 0, {}, false}},
      {"the break after an empty last line deleted",
       {"a", ""},
       true,
       {1, {""}, 0},
       LinesEdit{1, 1, {}, true}},
      {"typing after the last break", {"a"}, true, {1, {"x"}, 0}, LinesEdit{1, 0, {"x"}, false}},
      {"a break after a last line without one",
       {"a", "x"},
       false,
       {1, {"x", ""}, 0},
       LinesEdit{2, 0, {}, true}},
      {"a character code page 932 lacks",
       {"a"},
       true,
       {0, {"a", "〜"}, 0},
       RefusedEdit{U'〜', "a\n"}},
      {"a report past the memo's end", {"a"}, true, {5, {"x"}, 9}, LinesEdit{1, 0, {"x"}, false}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.edit);
    EXPECT_EQ(editLines(row.held, row.lastBlockEmpty, row.stretch), row.change);
  }
}

}  // namespace
}  // namespace velquin
