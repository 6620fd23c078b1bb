#include "settings/text/memo_edit.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "settings/text/sjis.h"

namespace velquin {
namespace {

// Whether the memo shows `line` (code page 932) as `text`. Code page 932
// shares ASCII, and most lines of a long list are ASCII: only what follows
// the first other byte goes through the converter.
bool shows(std::string_view line, std::string_view text) {
  std::size_t i = 0;
  while (i < line.size() && i < text.size() && static_cast<unsigned char>(line[i]) < 0x80) {
    if (line[i] != text[i]) return false;
    ++i;
  }
  if (i == line.size() || i == text.size()) return line.size() == text.size();
  return sjis::decodeForDisplay(line.substr(i)) == text.substr(i);
}

// The text of the memo's blocks from `first` to `end` as they were: the
// lines, and past them the empty last block.
std::string textOfBlocks(const std::vector<std::string>& held, std::size_t first, std::size_t end) {
  std::string text;
  for (std::size_t i = first; i < end; ++i) {
    if (i > first) text += '\n';
    if (i < held.size()) text += sjis::decodeForDisplay(held[i]);
  }
  return text;
}

// The texts from `from` to `to`, separated by LF.
std::string joinBlocks(const std::vector<std::string>& texts, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to; ++i) {
    if (i > from) text += '\n';
    text += texts[i];
  }
  return text;
}

}  // namespace

std::variant<LinesEdit, RefusedEdit> editLines(const std::vector<std::string>& held,
                                               bool lastBlockEmpty, const MemoStretch& stretch,
                                               std::optional<std::string>* shown) {
  if (shown) shown->reset();
  // The memo's blocks before the edit: the lines, and the empty last block.
  const bool emptyBlockBefore = lastBlockEmpty || held.empty();
  const std::size_t blocks = held.size() + (emptyBlockBefore ? 1 : 0);
  const std::size_t first = std::min(stretch.first, blocks - 1);
  const std::size_t after = std::min(stretch.blocksAfter, blocks - 1 - first);
  static const std::vector<std::string> kOneEmptyBlock{""};
  const std::vector<std::string>& texts = stretch.texts.empty() ? kOneEmptyBlock : stretch.texts;

  // The stretch held the blocks from `first` to `blocks - after`: the lines
  // up to `end`, and the empty last block when it reached that. A stretch
  // that ends the memo ends it now in its own last block, which is no line
  // when empty; any other leaves the memo's end as it was.
  const std::size_t end = std::min(blocks - after, held.size());
  const bool emptyBlockNow = after > 0 ? emptyBlockBefore : texts.back().empty();
  const std::size_t newCount = texts.size() - (after == 0 && emptyBlockNow ? 1 : 0);
  const std::size_t oldCount = end - first;

  // The lines at either end that read as they did keep their bytes.
  std::size_t head = 0;
  while (head < std::min(newCount, oldCount) && shows(held[first + head], texts[head])) ++head;
  std::size_t tail = 0;
  while (tail < std::min(newCount, oldCount) - head &&
         shows(held[end - 1 - tail], texts[newCount - 1 - tail]))
    ++tail;

  LinesEdit edit{first + head, oldCount - head - tail, {}, emptyBlockNow};
  if (newCount - head - tail == 0) return edit;
  // The changed lines are read as one text, as they were and as they are
  // now, so that what the author did not touch keeps its bytes, also when
  // lines are joined or split: a line feed is a byte of its own in code page
  // 932, never part of a character.
  const std::string now = joinBlocks(texts, head, newCount - tail);
  sjis::EncodeFailure failure;
  std::optional<std::size_t> dropped;
  std::optional<sjis::Bytes> bytes =
      sjis::encodeEdit(joinBlocks(held, first + head, end - tail), now, &failure, &dropped);
  if (!bytes) return RefusedEdit{failure.character, textOfBlocks(held, first, blocks - after)};
  for (std::size_t from = 0;;) {
    const std::size_t to = std::min(bytes->find('\n', from), bytes->size());
    edit.lines.push_back(bytes->substr(from, to - from));
    if (to == bytes->size()) break;
    from = to + 1;
  }
  if (dropped && shown) {
    *shown = joinBlocks(texts, 0, texts.size());
    (*shown)->erase(joinBlocks(texts, 0, head).size() + (head > 0 ? 1 : 0) + *dropped,
                    sjis::kNoCharacter.size());
  }
  return edit;
}

}  // namespace velquin
