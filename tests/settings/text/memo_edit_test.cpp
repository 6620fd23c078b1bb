#include "settings/text/memo_edit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "settings/text/damaged_text.h"
#include "settings/text/sjis.h"

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

// The memo's text: the lines as the memo shows them, after each its break,
// the last one only when the memo ends in the empty block.
std::string shownText(const Lines& held, bool lastBlockEmpty) {
  std::string text;
  for (std::size_t i = 0; i < held.size(); ++i)
    text += sjis::decodeForDisplay(held[i]) + (i + 1 < held.size() || lastBlockEmpty ? "\n" : "");
  return text;
}

// Edits of a memo of damaged lines, typed and deleted across lines and
// reported as the memo reports them: the list reads as the memo shows it,
// once the memo shows the stretch as the edit gives it.
TEST(MemoEdit, EditedDamagedLinesReadAsTheMemoShows) {
  std::mt19937 random(1252);
  for (int memo = 0; memo < 200; ++memo) {
    Lines held(random() % 3 + 1);
    for (std::string& line : held) line = test::randomDamagedBytes(random);
    bool lastBlockEmpty = true;
    for (int step = 0; step < 6; ++step) {
      const std::string before = shownText(held, lastBlockEmpty);
      std::string now = test::randomEdit(random, before, true);
      // The stretch runs from the block where the texts first differ to the
      // block where they last do, in the memo's text now.
      std::size_t head = 0;
      while (head < before.size() && head < now.size() && before[head] == now[head]) ++head;
      std::size_t tail = 0;
      while (tail < std::min(before.size(), now.size()) - head &&
             before[before.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
      const auto blockAt = [&](std::size_t at) {
        return std::count(now.begin(), now.begin() + long(at), '\n');
      };
      const std::size_t first = std::size_t(blockAt(head));
      const std::size_t last = std::size_t(blockAt(now.size() - tail));
      const std::size_t begin = now.rfind('\n', head == 0 ? std::string::npos : head - 1);
      const std::size_t from = head == 0 || begin == std::string::npos ? 0 : begin + 1;
      const std::size_t end = std::min(now.find('\n', now.size() - tail), now.size());
      MemoStretch stretch{first, {}, std::size_t(blockAt(now.size())) - last};
      for (std::size_t at = from; stretch.texts.size() <= last - first; at = now.find('\n', at) + 1)
        stretch.texts.push_back(now.substr(at, now.find('\n', at) - at));
      std::optional<std::string> shown;
      const auto result = editLines(held, lastBlockEmpty, stretch, &shown);
      ASSERT_TRUE(std::holds_alternative<LinesEdit>(result)) << before << " to " << now;
      const LinesEdit& edit = std::get<LinesEdit>(result);
      held.erase(held.begin() + long(edit.first), held.begin() + long(edit.first + edit.count));
      held.insert(held.begin() + long(edit.first), edit.lines.begin(), edit.lines.end());
      lastBlockEmpty = edit.lastBlockEmpty;
      if (shown) now.replace(from, end - from, *shown);
      ASSERT_EQ(shownText(held, lastBlockEmpty), now) << before << " to " << now;
    }
  }
}

}  // namespace
}  // namespace velquin
