#include "settings/format/round_trip.h"

#include <unordered_map>

#include "settings/format/settings_writer.h"
#include "settings/text/lines.h"
#include "settings/text/names.h"

namespace velquin {
namespace {

using Reader = SettingsFileReader;

// What the reader made of a line of the file.
struct LineRead {
  enum Kind : char { Nothing, Header, Entry, Repeat, RepeatedHeader } kind = Nothing;
  std::string_view section;
  std::string_view key;
};

std::vector<LineRead> linesRead(const Reader& r, std::size_t lines) {
  std::vector<LineRead> read(lines + 2);
  const auto at = [&](std::size_t line) -> LineRead& { return read[std::min(line, lines + 1)]; };
  for (const Reader::SectionAt& s : r.sections()) {
    at(s.line) = {LineRead::Header, s.name, {}};
    r.forEachEntry(s.name, [&](const Reader::EntryAt& e) {
      at(e.line) = {LineRead::Entry, s.name, e.key};
    });
  }
  for (const Reader::RepeatAt& rep : r.repeats())
    at(rep.line) = {rep.key.empty() ? LineRead::RepeatedHeader : LineRead::Repeat, rep.section, {}};
  return read;
}

std::string entryText(std::string_view key, std::string_view value) {
  std::string text(key);
  return text.append(" = ").append(value);
}

// The text Create writes, and where its entries stand by value (a numbered
// entry that moved is found by what it holds).
class Written {
 public:
  explicit Written(std::string text) : r_(Reader::fromBytes(std::move(text))) {}

  bool holdsSection(std::string_view name) const {
    for (const Reader::SectionAt& s : r_.sections())
      if (Reader::sameName(s.name, name)) return true;
    return false;
  }
  std::optional<std::string_view> value(std::string_view section, std::string_view key) const {
    return r_.valueOf(section, key);
  }
  // The entry of the section that holds `value`, or else one whose first
  // part (a file's or a shortcut's name) is the value's; first in the file.
  const Reader::EntryAt* moved(std::string_view section, std::string_view value) {
    auto [it, made] = bySection_.try_emplace(foldAsciiCase(section));
    Index& index = it->second;
    if (made)
      r_.forEachEntry(section, [&](const Reader::EntryAt& e) {
        if (!itemNumber(e.key)) return;
        index.byValue.try_emplace(e.value, e);
        if (!firstPart(e.value).empty()) index.byName.try_emplace(firstPart(e.value), e);
      });
    if (const auto v = index.byValue.find(value); v != index.byValue.end()) return &v->second;
    const auto n = index.byName.find(firstPart(value));
    return n == index.byName.end() ? nullptr : &n->second;
  }

 private:
  static std::string_view firstPart(std::string_view value) {
    return value.substr(0, value.find(','));
  }
  struct Index {
    std::unordered_map<std::string_view, Reader::EntryAt> byValue, byName;
  };
  Reader r_;
  std::unordered_map<std::string, Index> bySection_;
};

// What an entry of the file becomes; `kept` when it is written as it stands.
std::string entryBecomes(Written& w, std::string_view section, std::string_view key,
                         std::string_view value, bool& kept) {
  const std::optional<std::string_view> written = w.value(section, key);
  kept = written && *written == value;
  if (kept) return {};
  // A numbered entry goes where Create writes what it holds (its number
  // given to another entry says nothing of it).
  if (itemNumber(key)) {
    const Reader::EntryAt* moved = w.moved(section, value);
    return moved ? entryText(moved->key, moved->value) : std::string();
  }
  if (!written) return {};
  // The key as Create spells it.
  const SectionInfo* known = knownSection(section);
  const FieldInfo* field = known ? knownKey(known->section, key) : nullptr;
  return entryText(field ? std::string(field->key) : std::string(key), *written);
}

}  // namespace

std::vector<NotKept> notKept(const SettingsFile& file, const InstallSettings& loaded) {
  const Reader& r = file.reader();
  std::string created = composeSettingsFile(loaded, file.iniFile());
  // A file Create wrote, as it wrote it, is given back whole.
  if (created == r.text()) return {};
  Written w(std::move(created));
  std::size_t count = 0;
  forEachLine(r.text(), [&count](std::string_view) { ++count; });
  const std::vector<LineRead> read = linesRead(r, count);
  std::vector<NotKept> out;
  std::string_view section;  // the section of the header last read
  std::size_t i = 0;
  forEachLine(r.text(), [&](std::string_view line) {
    ++i;
    const std::string_view text = Reader::trimBlanks(line);
    if (text.empty()) return;
    const LineRead& at = read[i];
    const bool header = at.kind == LineRead::Header || at.kind == LineRead::RepeatedHeader;
    if (header) section = at.section;
    std::string becomes;
    bool kept = false;
    if (at.kind == LineRead::Header && w.holdsSection(at.section)) {
      // Appended rather than concatenated, which sets off a false warning of
      // GCC 12 at -O3.
      becomes.append("[").append(at.section).append("]");
      kept = text == becomes;
    } else if (at.kind == LineRead::Entry) {
      // The value as the line holds it, past a NUL byte too.
      const std::string_view value = Reader::trimBlanks(text.substr(text.find('=') + 1));
      becomes = entryBecomes(w, at.section, at.key, value, kept);
    }
    if (!kept)
      out.push_back({i, std::string(header ? std::string_view() : section), std::string(text),
                     std::move(becomes)});
  });
  return out;
}

}  // namespace velquin
