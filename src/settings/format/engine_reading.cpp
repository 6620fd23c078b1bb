#include "settings/format/engine_reading.h"

#include "settings/text/names.h"

namespace velquin {
namespace {

std::string_view sectionName(Section section) {
  return kSections[static_cast<std::size_t>(section)].name;
}

bool isShortcutSection(Section section) {
  return section == Section::Group || section == Section::Startup || section == Section::Desktop;
}

std::string_view nameOf(std::string_view entry) { return entry.substr(0, entry.find(',')); }

}  // namespace

std::size_t itemsRead(const SettingsFileReader& reader, Section section) {
  const std::string_view name = sectionName(section);
  const std::size_t keys = reader.keyCount(name);
  if (!isShortcutSection(section)) return keys;
  const std::optional<std::size_t> first = reader.keyIndex(name, itemKey(1));
  return first ? keys - *first : 0;
}

EngineReading::EngineReading(const SettingsFile& file) : file_(file) {
  // The engine reads the bytes on disk; a Shift-JIS file's text is them.
  if (file.conversion().encoding == FileEncoding::ShiftJis) {
    reader_ = &file.reader();
  } else {
    own_.emplace(SettingsFileReader::fromBytes(std::string(file.bytes())));
    reader_ = &*own_;
  }
  items_.resize(kSections.size());
  for (const SectionInfo& s : kSections) {
    if (!isNumbered(s.section)) continue;
    const std::size_t read = itemsRead(*reader_, s.section);
    std::vector<Item>& items = items_[static_cast<std::size_t>(s.section)];
    items.resize(read);
    for (std::size_t i = 0; i < read; ++i) items[i].number = i + 1;
    // One pass over the section's entries, without a look-up for each.
    reader_->forEachEntry(s.name, [&](const SettingsFileReader::EntryAt& e) {
      if (const std::optional<std::size_t> n = itemNumber(e.key); n && *n <= read)
        items[*n - 1] = {*n, e.value, e.line};
    });
  }
}

EngineReading::Value EngineReading::value(FieldRef field) const {
  const FieldInfo& info = fieldInfo(field);
  if (info.key.empty()) return {};
  const std::string_view section = sectionName(info.section);
  const std::optional<std::string_view> text = reader_->valueOf(section, info.key);
  if (!text) return {};
  return {*text, reader_->lineOf(section, info.key)};
}

std::optional<std::int32_t> EngineReading::number(FieldRef field) const {
  const FieldInfo& info = fieldInfo(field);
  const Value v = value(field);
  if (v.line == 0)
    return field.kind == FieldKind::Choice ? codeOf(info.startOption) : info.startIndex;
  std::int32_t n = 0;
  if (!SettingsFileReader::parseNumber(v.text, n)) return std::nullopt;
  return n;
}

bool EngineReading::inUse(OptionalPart part) const {
  const PartInfo* p = partInfo(part);
  if (!p) return true;
  if (p->decidedBy.kind == FieldKind::Text) return !value(p->decidedBy).text.empty();
  const std::optional<std::int32_t> code = number(p->decidedBy);
  return !code || *code != kNotUsedCode;
}

std::size_t EngineReading::sectionLine(Section section) const {
  for (const SettingsFileReader::SectionAt& at : reader_->sections())
    if (SettingsFileReader::sameName(at.name, sectionName(section))) return at.line;
  return 0;
}

const std::vector<EngineReading::Item>& EngineReading::items(Section section) const {
  return items_[static_cast<std::size_t>(section)];
}

bool EngineReading::isEngineFile(std::string_view name) const {
  return equalsIgnoringCase(nameOf(name), engineFile());
}

bool EngineReading::isSettingsFile(std::string_view name) const {
  return equalsIgnoringCase(nameOf(name), iniFile());
}

}  // namespace velquin
