#pragma once

// Reads an INI-style settings file by section and key, as the Details command
// needs to load a file that Create wrote (or that an author edited by hand).
//
// The file is read and indexed once, when the reader is made; every look-up
// after that is a hash look-up, so loading a file of N entries costs O(N).
// The file itself is never changed.
//
// How the text is read:
// - Lines end at CR LF, at a lone LF or at a lone CR. (Neither CR nor LF is
//   ever the second byte of a double-byte character.)
// - A NUL byte ends the text of its line; the rest of that line is ignored.
// - Blanks (space, tab) around section names, key names and values are
//   dropped. Nothing else is: no quotes are removed, so a value reads back
//   exactly as the writer put it.
// - A line whose first non-blank byte is "[" and that holds a "]" is a
//   section header; the name runs to the last "]" that is not the second
//   byte of a double-byte character, and text after it is ignored. A line
//   with "[" but no "]" is no header: the entries under it stay in the
//   section before, as the engine's platform reads them.
// - Any other line is an entry when it holds "=": the key is the text before
//   the first "=", the value everything after it, further "=" included.
// - Ignored: blank lines, lines whose first non-blank byte is ";" (comments),
//   lines without "=" (they name no value), entries whose key is empty, and
//   entries before the first section header.
// - Section and key names match without regard to the letter case of ASCII
//   letters; a byte that is the second byte of a double-byte character is
//   never folded ("ア" 83 41 and "ヂ" 83 61 stay different).
// - A section that stands twice in the file counts once, where it first
//   stands: the later headers of that name and their entries are ignored.
// - A key that stands twice in one section counts once, where it first
//   stands, with its first value: the key list names it once, and it is the
//   value that a look-up of that key finds.
// - What is ignored for standing twice is kept, with its line (repeats()),
//   so that the author can be told.
// - Nothing is cut: values and key lists are as long as the file makes them.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velquin {

class SettingsFileReader {
 public:
  // Reads the given bytes as the file's content.
  static SettingsFileReader fromBytes(std::string bytes);
  // The bytes of the file at `path`; none when it is missing or unreadable.
  static std::string fileBytes(const std::filesystem::path& path);

  // The value of the key, without blanks at its ends; empty when the section
  // or key is missing or the key has no value.
  std::string readText(std::string_view section, std::string_view key) const;
  // The same without a copy; none when the section or key is missing.
  std::optional<std::string_view> valueOf(std::string_view section, std::string_view key) const;

  // The value read as a signed 32-bit integer: an optional "+" or "-", then
  // decimal digits, or "$", "0x", "0X", "x" or "X" and hexadecimal digits.
  // The whole value must be the number. A decimal number must lie in the
  // signed 32-bit range; a hexadecimal one may have up to eight significant
  // digits, which give the 32 bits as a signed value ("0xFFFFFFFF" is -1).
  // Anything else, an empty value included, gives `fallback`.
  std::int32_t readNumber(std::string_view section, std::string_view key,
                          std::int32_t fallback) const;

  // The values of Item1 to Item`count` of the section, in order; a missing one
  // reads as empty. (readText for each, without building each key name anew.)
  std::vector<std::string> readItems(std::string_view section, std::size_t count) const;

  // The key names of the section, as spelled in the file, in file order.
  std::vector<std::string> readKeys(std::string_view section) const;
  // How many keys the section holds, and where in readKeys the key stands
  // (none when it is missing); without copying a key.
  std::size_t keyCount(std::string_view section) const;
  std::optional<std::size_t> keyIndex(std::string_view section, std::string_view key) const;

  // True when the section holds at least one key: a header alone counts as
  // absent.
  bool hasSection(std::string_view section) const;

  // Where the file says what: lines count from 1, as editors count them.
  // Each section once, where it first stands, its name as spelled (without
  // blanks); each entry once, as the look-ups find it.
  struct SectionAt {
    std::string_view name;
    std::size_t line = 0;
  };
  struct EntryAt {
    std::string_view key;
    std::string_view value;
    std::size_t line = 0;
  };
  std::vector<SectionAt> sections() const;
  std::vector<EntryAt> entries(std::string_view section) const;
  // Calls `f(EntryAt)` for each entry of the section, in file order, without
  // a copy of the list.
  template <class F>
  void forEachEntry(std::string_view section, F&& f) const {
    if (const Section* s = find(section))
      for (std::size_t i = s->first; i < s->first + s->count; ++i)
        f(EntryAt{text(entries_[i].key), text(entries_[i].value), entries_[i].line});
  }
  // What the look-ups never find, in file order: a section's header that
  // stands again (its key empty) and each entry under it, and an entry whose
  // key stands before in its section. `first` is the line of what the
  // look-ups find instead: the section's first header, or the key's first
  // entry.
  struct RepeatAt {
    std::string_view section;  // as spelled where it first stands
    std::string_view key;
    std::string_view value;
    std::size_t line = 0;
    std::size_t first = 0;
  };
  std::vector<RepeatAt> repeats() const;

  // The text the reader reads (the bytes it was made of).
  const std::string& text() const { return bytes_; }

  // The line of the key's entry; 0 when the section or key is missing.
  std::size_t lineOf(std::string_view section, std::string_view key) const;

  // The number parsing of readNumber, for a value already at hand.
  static bool parseNumber(std::string_view text, std::int32_t& out);

  // True when two section or key names match without regard to letter case.
  static bool sameName(std::string_view a, std::string_view b);

  // The blanks (space, tab) that the profile reader drops at the ends of
  // names and values, and the text without them.
  static constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }
  static std::string_view trimBlanks(std::string_view text);

 private:
  struct Span {
    std::size_t offset = 0;
    std::size_t size = 0;
  };
  struct Entry {
    Span key;
    Span value;
    std::size_t line = 0;
    std::uint64_t hash = 0;  // of the folded key and the section
    std::size_t section = 0;
  };
  // Folded names are looked up as string views, without a copy.
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  using NameIndex = std::unordered_map<std::string, std::size_t, NameHash, std::equal_to<>>;
  // A section's entries stand together in entries_, in file order: the
  // entries under a repeated header are not read.
  struct Section {
    Span name;
    std::size_t line = 0;
    std::size_t first = 0;
    std::size_t count = 0;
  };

  struct Repeat {
    std::size_t section = 0;
    Span key;
    Span value;
    std::size_t line = 0;
    std::size_t first = 0;
  };
  // Where the indexing stands: the line's number and the section its
  // entries go to (SIZE_MAX before the first header), or whether that
  // section's header stood before.
  struct Indexing {
    std::size_t lineNumber = 0;
    std::size_t current = SIZE_MAX;
    bool repeated = false;
  };

  SettingsFileReader() = default;
  void index();
  void indexLine(std::string_view line, Indexing& at);
  const Section* find(std::string_view section) const;
  const Entry* find(std::string_view section, std::string_view key) const;
  // The slot of the section's `key` in the table, or the free one where it
  // goes.
  static std::uint64_t hashOf(std::size_t section, std::string_view key);
  std::size_t slotOf(std::size_t section, std::string_view key, std::uint64_t hash) const;
  std::string_view text(Span s) const { return std::string_view(bytes_).substr(s.offset, s.size); }

  std::string bytes_;
  std::vector<Section> sections_;
  std::vector<Entry> entries_;
  std::vector<Repeat> repeats_;
  // Every entry is found through one table of open addressing, made once
  // for as many entries as the file has lines: a slot holds an entry's index
  // from 1, or 0 when free. No allocation per entry.
  std::vector<std::uint32_t> table_;
  NameIndex byName_;  // folded name -> section
};

}  // namespace velquin
