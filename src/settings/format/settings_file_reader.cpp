#include "settings/format/settings_file_reader.h"

#include <charconv>
#include <cstring>
#include <fstream>
#include <sstream>

#include "settings/format/settings_format.h"
#include "settings/text/names.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

std::string_view trim(std::string_view s) { return SettingsFileReader::trimBlanks(s); }

std::string fold(std::string_view name) { return foldAsciiCase(name); }

char foldByte(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The hash of the name as fold() folds it, without the copy: an ASCII letter
// folds unless it is a character's second byte.
std::uint64_t foldedHash(std::string_view s) {
  std::uint64_t h = 14695981039346656037ULL;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (sjis::isLeadByte(static_cast<unsigned char>(c)) && i + 1 < s.size()) {
      h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
      c = s[++i];
    } else {
      c = foldByte(c);
    }
    h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
  }
  return h;
}

// Offset of the last "]" that is not the second byte of a character.
std::size_t closingBracket(std::string_view s) {
  std::size_t found = std::string_view::npos;
  sjis::forEachChar(s, [&](std::size_t i, std::size_t length) {
    if (length == 1 && s[i] == ']') found = i;
  });
  return found;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string SettingsFileReader::fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return {};
  // Read into a string of the file's size, in one go, then whatever more
  // there is (a file that grows, or one whose size the system cannot tell).
  std::string bytes;
  if (const std::streamoff size = in.tellg(); size > 0) {
    bytes.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    in.read(bytes.data(), size);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
  } else {
    in.seekg(0);
  }
  std::ostringstream rest;
  if (in) rest << in.rdbuf();
  bytes += std::move(rest).str();
  return bytes;
}

SettingsFileReader SettingsFileReader::fromBytes(std::string bytes) {
  SettingsFileReader r;
  r.bytes_ = std::move(bytes);
  r.index();
  return r;
}

void SettingsFileReader::index() {
  const std::string_view all(bytes_);
  // A CR LF ends one line.
  std::size_t lines = 1;
  for (std::size_t i = 0; i < all.size(); ++i)
    lines += all[i] == '\n' || (all[i] == '\r' && (i + 1 == all.size() || all[i + 1] != '\n'));
  std::size_t slots = 16;
  while (slots < 2 * lines) slots *= 2;
  table_.assign(slots, 0);
  entries_.reserve(lines);
  Indexing at;
  std::size_t start = 0;
  while (start < all.size()) {
    ++at.lineNumber;
    // One pass to the line's end, noting a NUL on the way.
    std::size_t end = start, nul = std::string_view::npos;
    for (; end < all.size(); ++end) {
      const char c = all[end];
      if (c == '\r' || c == '\n') break;
      if (c == '\0' && nul == std::string_view::npos) nul = end;
    }
    std::size_t next = end + 1;
    if (end < all.size() && all[end] == '\r' && next < all.size() && all[next] == '\n') ++next;
    indexLine(all.substr(start, std::min(end, nul) - start), at);
    start = next;
  }
}

void SettingsFileReader::indexLine(std::string_view line, Indexing& at) {
  const auto offsetOf = [this](std::string_view part) {
    return part.empty() ? std::size_t{0} : static_cast<std::size_t>(part.data() - bytes_.data());
  };
  std::size_t lead = 0;
  while (lead < line.size() && isBlank(line[lead])) ++lead;
  if (lead == line.size() || line[lead] == ';') return;

  if (const std::size_t close =
          line[lead] == '[' ? closingBracket(line.substr(lead + 1)) : std::string_view::npos;
      close != std::string_view::npos) {
    const std::string_view name = trim(line.substr(lead + 1, close));
    auto [it, added] = byName_.try_emplace(fold(name), sections_.size());
    at.current = it->second;
    at.repeated = !added;
    if (added) {
      sections_.push_back({{offsetOf(name), name.size()}, at.lineNumber, entries_.size(), 0});
    } else {
      repeats_.push_back({it->second, {}, {}, at.lineNumber, sections_[it->second].line});
    }
    return;
  }

  if (at.current == SIZE_MAX) return;
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return;
  const std::string_view key = trim(line.substr(0, eq));
  if (key.empty()) return;
  const std::string_view value = trim(line.substr(eq + 1));
  const Span keySpan{offsetOf(key), key.size()}, valueSpan{offsetOf(value), value.size()};
  const std::size_t section = at.current;
  const std::uint64_t hash = hashOf(section, key);
  const std::size_t slot = slotOf(section, key, hash);
  if (at.repeated || table_[slot] != 0) {
    // A key counts once, where it first stands; a section likewise.
    const std::size_t first =
        table_[slot] != 0 ? entries_[table_[slot] - 1].line : sections_[section].line;
    repeats_.push_back({section, keySpan, valueSpan, at.lineNumber, first});
    return;
  }
  entries_.push_back({keySpan, valueSpan, at.lineNumber, hash, section});
  table_[slot] = static_cast<std::uint32_t>(entries_.size());
  ++sections_[section].count;
}

const SettingsFileReader::Section* SettingsFileReader::find(std::string_view section) const {
  const auto it = byName_.find(fold(section));
  return it == byName_.end() ? nullptr : &sections_[it->second];
}

std::uint64_t SettingsFileReader::hashOf(std::size_t section, std::string_view key) {
  return foldedHash(key) + section * 0x9E3779B97F4A7C15ULL;
}

std::size_t SettingsFileReader::slotOf(std::size_t section, std::string_view key,
                                       std::uint64_t hash) const {
  const std::size_t mask = table_.size() - 1;
  for (std::size_t i = (hash * 0x9E3779B97F4A7C15ULL) >> 32 & mask;; i = (i + 1) & mask) {
    if (table_[i] == 0) return i;
    const Entry& e = entries_[table_[i] - 1];
    if (e.hash == hash && e.section == section && equalsIgnoringAsciiCase(text(e.key), key))
      return i;
  }
}

const SettingsFileReader::Entry* SettingsFileReader::find(std::string_view section,
                                                          std::string_view key) const {
  const Section* s = find(section);
  if (!s || s->count == 0) return nullptr;
  const std::size_t index = static_cast<std::size_t>(s - sections_.data());
  const std::uint32_t slot = table_[slotOf(index, key, hashOf(index, key))];
  return slot == 0 ? nullptr : &entries_[slot - 1];
}

std::string SettingsFileReader::readText(std::string_view section, std::string_view key) const {
  const Entry* e = find(section, key);
  return e ? std::string(text(e->value)) : std::string();
}

std::optional<std::string_view> SettingsFileReader::valueOf(std::string_view section,
                                                            std::string_view key) const {
  const Entry* e = find(section, key);
  if (!e) return std::nullopt;
  return text(e->value);
}

std::int32_t SettingsFileReader::readNumber(std::string_view section, std::string_view key,
                                            std::int32_t fallback) const {
  const Entry* e = find(section, key);
  std::int32_t n = 0;
  return e && parseNumber(text(e->value), n) ? n : fallback;
}

std::vector<std::string> SettingsFileReader::readItems(std::string_view section,
                                                       std::size_t count) const {
  std::vector<std::string> items(count);
  const Section* s = find(section);
  if (!s || s->count == 0) return items;
  const std::size_t index = static_cast<std::size_t>(s - sections_.data());
  char key[32];  // "Item1" and on
  kItemKey.copy(key, kItemKey.size());
  // The items mostly stand in order: the entry after the one found last is
  // tried first, and looked up only when it is another key.
  std::size_t next = s->first;
  for (std::size_t i = 0; i < count; ++i) {
    const auto end = std::to_chars(key + kItemKey.size(), key + sizeof key, i + 1).ptr;
    const std::string_view name(key, static_cast<std::size_t>(end - key));
    std::size_t found = next;
    if (found >= s->first + s->count || !equalsIgnoringAsciiCase(text(entries_[found].key), name)) {
      const std::uint32_t slot = table_[slotOf(index, name, hashOf(index, name))];
      if (slot == 0) continue;
      found = slot - 1;
    }
    items[i] = text(entries_[found].value);
    next = found + 1;
  }
  return items;
}

std::size_t SettingsFileReader::keyCount(std::string_view section) const {
  const Section* s = find(section);
  return s ? s->count : 0;
}

std::optional<std::size_t> SettingsFileReader::keyIndex(std::string_view section,
                                                        std::string_view key) const {
  const Section* s = find(section);
  if (const Entry* e = find(section, key))
    return static_cast<std::size_t>(e - entries_.data()) - s->first;
  return std::nullopt;
}

std::vector<std::string> SettingsFileReader::readKeys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = find(section)) {
    keys.reserve(s->count);
    for (std::size_t i = s->first; i < s->first + s->count; ++i)
      keys.emplace_back(text(entries_[i].key));
  }
  return keys;
}

bool SettingsFileReader::hasSection(std::string_view section) const {
  const Section* s = find(section);
  return s && s->count > 0;
}

std::vector<SettingsFileReader::SectionAt> SettingsFileReader::sections() const {
  std::vector<SectionAt> out;
  out.reserve(sections_.size());
  for (const Section& s : sections_) out.push_back({text(s.name), s.line});
  return out;
}

std::vector<SettingsFileReader::EntryAt> SettingsFileReader::entries(
    std::string_view section) const {
  std::vector<EntryAt> out;
  if (const Section* s = find(section)) {
    out.reserve(s->count);
    for (std::size_t i = s->first; i < s->first + s->count; ++i)
      out.push_back({text(entries_[i].key), text(entries_[i].value), entries_[i].line});
  }
  return out;
}

std::vector<SettingsFileReader::RepeatAt> SettingsFileReader::repeats() const {
  std::vector<RepeatAt> out;
  out.reserve(repeats_.size());
  for (const Repeat& r : repeats_)
    out.push_back({text(sections_[r.section].name), text(r.key), text(r.value), r.line, r.first});
  return out;
}

std::size_t SettingsFileReader::lineOf(std::string_view section, std::string_view key) const {
  const Entry* e = find(section, key);
  return e ? e->line : 0;
}

bool SettingsFileReader::sameName(std::string_view a, std::string_view b) {
  return equalsIgnoringAsciiCase(a, b);
}

bool SettingsFileReader::parseNumber(std::string_view s, std::int32_t& out) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  bool hex = false;
  if (!s.empty() && (s.front() == '$' || s.front() == 'x' || s.front() == 'X')) {
    hex = true;
    s.remove_prefix(1);
  } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    hex = true;
    s.remove_prefix(2);
  }
  if (s.empty()) return false;

  if (hex) {
    std::uint32_t value = 0;
    int significant = 0;
    for (char c : s) {
      const int d = hexDigit(c);
      if (d < 0) return false;
      if (significant > 0 || d != 0) ++significant;
      if (significant > 8) return false;
      value = (value << 4) | static_cast<std::uint32_t>(d);
    }
    // The 32 bits are the number; a sign in front negates it in 32 bits.
    if (negative) value = 0u - value;
    out = static_cast<std::int32_t>(value);
    return true;
  }

  // Decimal, accumulated as a magnitude that may reach 2^31 (for -2^31).
  std::uint64_t magnitude = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    if (magnitude > 0x80000000ull) return false;
  }
  if (!negative && magnitude > 0x7FFFFFFFull) return false;
  out = negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude))
                 : static_cast<std::int32_t>(magnitude);
  return true;
}

std::string_view SettingsFileReader::trimBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  // A blank is never the second byte of a double-byte character, so dropping
  // blanks from the end never splits a character.
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace velquin
