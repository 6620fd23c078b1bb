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

SettingsFileReader::SettingsFileReader(const std::filesystem::path& path)
    : bytes_(fileBytes(path)) {
  index();
}

std::string SettingsFileReader::fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::ostringstream all;
  all << in.rdbuf();  // in blocks, not byte by byte
  return std::move(all).str();
}

SettingsFileReader SettingsFileReader::fromBytes(std::string bytes) {
  SettingsFileReader r;
  r.bytes_ = std::move(bytes);
  r.index();
  return r;
}

void SettingsFileReader::index() {
  const std::string_view all(bytes_);
  Section* current = nullptr;  // null before the first header and in repeated sections
  std::size_t start = 0;
  std::size_t lineNumber = 0;
  const auto offsetOf = [&](std::string_view part) {
    return part.empty() ? std::size_t{0} : static_cast<std::size_t>(part.data() - all.data());
  };
  while (start < all.size()) {
    ++lineNumber;
    std::size_t end = all.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = all.size();
    std::size_t next = end + 1;
    if (end < all.size() && all[end] == '\r' && next < all.size() && all[next] == '\n') ++next;

    std::string_view line = all.substr(start, end - start);
    if (const void* nul = std::memchr(line.data(), '\0', line.size()))
      line = line.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - line.data()));
    start = next;

    std::size_t lead = 0;
    while (lead < line.size() && isBlank(line[lead])) ++lead;
    if (lead == line.size() || line[lead] == ';') continue;

    if (const std::size_t close =
            line[lead] == '[' ? closingBracket(line.substr(lead + 1)) : std::string_view::npos;
        close != std::string_view::npos) {
      const std::string_view name = trim(line.substr(lead + 1, close));
      auto [it, added] = byName_.try_emplace(fold(name), sections_.size());
      if (added) {
        sections_.emplace_back();
        current = &sections_.back();
        current->name = {offsetOf(name), name.size()};
        current->line = lineNumber;
      } else {
        current = nullptr;
      }
      continue;
    }

    if (!current) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = trim(line.substr(0, eq));
    if (key.empty()) continue;
    const std::string_view value = trim(line.substr(eq + 1));
    auto [it, added] = current->byKey.try_emplace(fold(key), current->entries.size());
    if (!added) continue;
    current->entries.push_back(
        {{offsetOf(key), key.size()}, {offsetOf(value), value.size()}, lineNumber});
  }
}

const SettingsFileReader::Section* SettingsFileReader::find(std::string_view section) const {
  const auto it = byName_.find(fold(section));
  return it == byName_.end() ? nullptr : &sections_[it->second];
}

const SettingsFileReader::Entry* SettingsFileReader::find(std::string_view section,
                                                          std::string_view key) const {
  const Section* s = find(section);
  if (!s) return nullptr;
  const auto it = s->byKey.find(fold(key));
  return it == s->byKey.end() ? nullptr : &s->entries[it->second];
}

std::string SettingsFileReader::readText(std::string_view section, std::string_view key) const {
  const Entry* e = find(section, key);
  return e ? std::string(text(e->value)) : std::string();
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
  if (!s) return items;
  char key[32];  // "Item1" and on, folded as the keys are
  const std::string prefix = fold(kItemKey);
  prefix.copy(key, prefix.size());
  for (std::size_t i = 0; i < count; ++i) {
    const auto end = std::to_chars(key + kItemKey.size(), key + sizeof key, i + 1).ptr;
    const auto it = s->byKey.find(std::string_view(key, static_cast<std::size_t>(end - key)));
    if (it != s->byKey.end()) items[i] = text(s->entries[it->second].value);
  }
  return items;
}

std::vector<std::string> SettingsFileReader::readKeys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const Section* s = find(section)) {
    keys.reserve(s->entries.size());
    for (const Entry& e : s->entries) keys.emplace_back(text(e.key));
  }
  return keys;
}

bool SettingsFileReader::hasSection(std::string_view section) const {
  const Section* s = find(section);
  return s && !s->entries.empty();
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
    out.reserve(s->entries.size());
    for (const Entry& e : s->entries) out.push_back({text(e.key), text(e.value), e.line});
  }
  return out;
}

std::size_t SettingsFileReader::lineOf(std::string_view section, std::string_view key) const {
  const Entry* e = find(section, key);
  return e ? e->line : 0;
}

bool SettingsFileReader::sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && fold(a) == fold(b);
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
