#pragma once

// The author's edit of a memo, read as a change of the list it shows.
//
// A memo is a text of blocks separated by line breaks. It shows a list as
// each line followed by a break, so after the last line it holds one more
// block, empty, that is no line. Once the author removes that last break,
// the last line is the memo's last block, and the list is the same. The list
// cannot tell which of the two the memo is: whoever keeps the list in step
// with the memo remembers it (`lastBlockEmpty`).
//
// The memo reports an edit as a stretch of blocks that changed: the blocks
// before it and after it are those it held before, only moved. Only the lines
// of the stretch are read: an edit of a few lines in a long list costs what
// it changes.

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace velquin {

// What the memo holds after the edit, around the stretch that changed.
struct MemoStretch {
  std::size_t first = 0;           // the stretch's first block
  std::vector<std::string> texts;  // the stretch's blocks now, as UTF-8, without breaks
  std::size_t blocksAfter = 0;     // the blocks after the stretch, as they were
};

// The `count` lines of the list from line `first` on give way to `lines`.
struct LinesEdit {
  std::size_t first = 0;
  std::size_t count = 0;
  std::vector<std::string> lines;  // code page 932
  bool lastBlockEmpty = true;      // the memo now ends in the empty block after the last break
  friend bool operator==(const LinesEdit&, const LinesEdit&) = default;
};

// A changed line holds `character`, which code page 932 cannot hold: the
// edit is not taken, and the stretch goes back to `before`, its text as it
// was (its blocks as UTF-8, separated by LF).
struct RefusedEdit {
  char32_t character = 0;
  std::string before;
  friend bool operator==(const RefusedEdit&, const RefusedEdit&) = default;
};

// The change of `held`, the lines the memo showed, that the memo's edit
// `stretch` makes; `lastBlockEmpty` says whether the memo ended in the empty
// block after the last break.
//
// - A line at either end of the stretch that reads as it did is no part of
//   the change and keeps its bytes (code page 932 has characters with two
//   codes, so encoding it again could change bytes the author never
//   touched). The other lines of the stretch are encoded, each against the
//   old line in its place (the stretch's last old line past the end) so
//   that the characters the author did not touch keep their bytes, even
//   bytes that are no character of the code page; the first character the
//   code page lacks in what the author changed refuses the whole edit. A
//   lone lead byte that would read as one character with what the edit put
//   after it goes: then `*shown` is the stretch's text as the list now shows
//   it (its blocks as UTF-8, separated by LF), for the memo to show in place
//   of what it holds; otherwise it is left empty.
// - The empty last block is no line. Text typed into it makes it the last
//   line, which is then the memo's last block; a break typed after that line
//   leaves an empty last block again, the list the same. Deleting the last
//   break of the memo changes no line either, unless the last line is empty:
//   then that line goes.
// - A stretch of every block (all the text replaced) replaces the whole list;
//   a memo left empty is the empty list.
// - Every report gives a change the list can take: a first block past the
//   memo's blocks is read as its last block, more blocks after the stretch
//   than follow `first` as those that do, no texts as one empty block, and
//   an empty `held` as a memo of one empty block.
std::variant<LinesEdit, RefusedEdit> editLines(const std::vector<std::string>& held,
                                               bool lastBlockEmpty, const MemoStretch& stretch,
                                               std::optional<std::string>* shown = nullptr);

}  // namespace velquin
