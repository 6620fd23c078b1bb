#include "settings/format/settings_file.h"

#include <algorithm>
#include <charconv>

#include "settings/format/engine_reading.h"
#include "settings/format/settings_format.h"
#include "settings/record/install_settings.h"
#include "settings/text/names.h"

namespace velquin {
namespace {

std::string_view sectionName(Section section) {
  return kSections[static_cast<std::size_t>(section)].name;
}

}  // namespace

SettingsFile::SettingsFile(std::string original, FileConversion conversion,
                           SettingsFileReader reader, std::string_view iniFileName)
    : original_(std::move(original)),
      conversion_(std::move(conversion)),
      reader_(std::move(reader)),
      ini_(iniFileName),
      engine_(engineFileName(iniFileName)) {
  const std::size_t read = itemsRead(Section::Files);
  reader_.forEachEntry(sectionName(Section::Files), [&](const SettingsFileReader::EntryAt& e) {
    const std::optional<std::size_t> n = itemNumber(e.key);
    if (!n || *n > read) return;
    const std::string_view name = e.value.substr(0, e.value.find(','));
    const bool engine = equalsIgnoringCase(name, engine_), ini = equalsIgnoringCase(e.value, ini_);
    if (engine && (engineEntry_ == 0 || *n < engineEntry_)) engineEntry_ = *n;
    if (ini && (iniEntry_ == 0 || *n < iniEntry_)) iniEntry_ = *n;
    if (engine || ini) addedItems_.push_back(*n);
  });
  std::sort(addedItems_.begin(), addedItems_.end());
}

std::size_t SettingsFile::itemOfLoadedLine(Section section, std::size_t line) const {
  std::size_t item = line + 1;
  if (section != Section::Files) return item;
  // Past each added entry at or before it, one further.
  for (const std::size_t added : addedItems_)
    if (added <= item) ++item;
  return item;
}

bool SettingsFile::isAddedEntry(std::string_view value) const {
  return equalsIgnoringCase(value.substr(0, value.find(',')), engine_) ||
         equalsIgnoringCase(value, ini_);
}

SettingsFile SettingsFile::read(const std::filesystem::path& path, std::string_view iniFileName) {
  return fromBytes(SettingsFileReader::fileBytes(path), iniFileName);
}

SettingsFile SettingsFile::fromBytes(std::string bytes, std::string_view iniFileName) {
  SettingsFileText text = settingsFileText(std::move(bytes));
  return SettingsFile(std::move(text.original), std::move(text.conversion),
                      SettingsFileReader::fromBytes(std::move(text.sjis)), iniFileName);
}

SettingsFile SettingsFile::fromText(std::string sjisText, std::string_view iniFileName) {
  return SettingsFile({}, {}, SettingsFileReader::fromBytes(std::move(sjisText)), iniFileName);
}

std::size_t SettingsFile::itemsRead(Section section) const {
  return velquin::itemsRead(reader_, section);
}

const SectionInfo* knownSection(std::string_view name) {
  for (const SectionInfo& s : kSections)
    if (SettingsFileReader::sameName(s.name, name)) return &s;
  return nullptr;
}

const FieldInfo* knownKey(Section section, std::string_view key) {
  for (const FieldInfo& f : kFields)
    if (f.section == section && !f.key.empty() && SettingsFileReader::sameName(f.key, key))
      return &f;
  return nullptr;
}

bool isNumbered(Section section) {
  return std::any_of(kFields.begin(), kFields.end(), [&](const FieldInfo& f) {
    return f.section == section && f.field.kind == FieldKind::Lines;
  });
}

std::optional<std::size_t> itemNumber(std::string_view key) {
  if (key.size() <= kItemKey.size() ||
      !SettingsFileReader::sameName(key.substr(0, kItemKey.size()), kItemKey))
    return std::nullopt;
  const std::string_view digits = key.substr(kItemKey.size());
  std::size_t n = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
  if (ec != std::errc() || end != digits.data() + digits.size() || digits.front() == '0')
    return std::nullopt;
  return n;
}

std::string itemKey(std::size_t number) { return std::string(kItemKey) + std::to_string(number); }

std::vector<int> codesOf(const FieldInfo& info) {
  std::vector<int> codes;
  if (info.field.kind == FieldKind::Choice) {
    for (const OptionInfo& o : kOptions)
      if (o.choice == info.field.choice()) codes.push_back(o.code);
    std::sort(codes.begin(), codes.end());
  } else if (info.field.kind == FieldKind::Index) {
    for (int i = 0; i < info.itemCount; ++i) codes.push_back(i);
  }
  return codes;
}

}  // namespace velquin
