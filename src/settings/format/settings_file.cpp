#include "settings/format/settings_file.h"

#include <algorithm>
#include <charconv>

#include "settings/format/settings_format.h"
#include "settings/record/install_settings.h"
#include "settings/text/names.h"

namespace velquin {
namespace {

std::string_view sectionName(Section section) {
  return kSections[static_cast<std::size_t>(section)].name;
}

bool isShortcutSection(Section section) {
  return section == Section::Group || section == Section::Startup || section == Section::Desktop;
}

bool endsInAddedEntries(const SettingsFile& file) {
  const std::size_t read = file.itemsRead(Section::Files);
  if (read < kEntriesAddedToFiles) return false;
  const SettingsFileReader& r = file.reader();
  const std::string_view files = sectionName(Section::Files);
  const std::string engine = r.readText(files, itemKey(read - 1));
  const std::string ini = r.readText(files, itemKey(read));
  const std::string_view engineName = std::string_view(engine).substr(0, engine.find(','));
  return equalsIgnoringCase(engineName, file.engineFile()) &&
         equalsIgnoringCase(ini, file.iniFile());
}

// True when the loading takes the entry's number into its field as it
// stands: a choice's code of one of its options, a radio group's index of
// one of its items.
bool loadsAsItStands(const FieldInfo& info, std::string_view value) {
  const std::vector<int> codes = codesOf(info);
  std::int32_t code = 0;
  return codes.empty() || (SettingsFileReader::parseNumber(value, code) &&
                           std::find(codes.begin(), codes.end(), code) != codes.end());
}

}  // namespace

SettingsFile::SettingsFile(std::string original, FileConversion conversion,
                           SettingsFileReader reader, std::string_view iniFileName)
    : original_(std::move(original)),
      conversion_(std::move(conversion)),
      reader_(std::move(reader)),
      ini_(iniFileName),
      engine_(engineFileName(iniFileName)) {
  endsInAdded_ = endsInAddedEntries(*this);
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
  const std::string_view name = sectionName(section);
  const std::size_t keys = reader_.keyCount(name);
  if (!isShortcutSection(section)) return keys;
  const std::optional<std::size_t> first = reader_.keyIndex(name, itemKey(1));
  return first ? keys - *first : 0;
}

std::size_t SettingsFile::authorFiles() const {
  const std::size_t read = itemsRead(Section::Files);
  return endsInAdded_ ? read - kEntriesAddedToFiles : read;
}

std::size_t SettingsFile::engineEntryLine() const {
  if (!endsInAdded_) return 0;
  return reader_.lineOf(sectionName(Section::Files), itemKey(itemsRead(Section::Files) - 1));
}

std::vector<SettingsFile::NotLoaded> SettingsFile::notLoaded() const {
  std::vector<NotLoaded> out;
  unreadItems(out);
  unknownAndUnreadable(out);
  for (const SettingsFileReader::RepeatAt& r : reader_.repeats())
    if (knownSection(r.section))
      out.push_back(
          {r.line, std::string(r.section),
           r.key.empty() ? std::string() : std::string(r.key) + " = " + std::string(r.value)});
  std::stable_sort(out.begin(), out.end(),
                   [](const NotLoaded& a, const NotLoaded& b) { return a.line < b.line; });
  return out;
}

// The numbered entries past those the engine reads.
void SettingsFile::unreadItems(std::vector<NotLoaded>& out) const {
  for (const SettingsFileReader::SectionAt& at : reader_.sections()) {
    const SectionInfo* known = knownSection(at.name);
    if (!known || !isNumbered(known->section)) continue;
    const std::size_t read = itemsRead(known->section);
    reader_.forEachEntry(at.name, [&](const SettingsFileReader::EntryAt& e) {
      if (const auto n = itemNumber(e.key); n && *n > read)
        out.push_back(
            {e.line, std::string(at.name), std::string(e.key) + " = " + std::string(e.value)});
    });
  }
}

// Sections and keys the tool does not know, and numbers no option stands
// for (in a section the loading reads).
void SettingsFile::unknownAndUnreadable(std::vector<NotLoaded>& out) const {
  for (const SettingsFileReader::SectionAt& at : reader_.sections()) {
    const SectionInfo* known = knownSection(at.name);
    if (!known) {
      out.push_back({at.line, std::string(at.name), {}});
      continue;
    }
    const bool numbered = isNumbered(known->section);
    reader_.forEachEntry(at.name, [&](const SettingsFileReader::EntryAt& e) {
      if (numbered && itemNumber(e.key)) return;
      const FieldInfo* field = knownKey(known->section, e.key);
      if (!field || !loadsAsItStands(*field, e.value))
        out.push_back(
            {e.line, std::string(at.name), std::string(e.key) + " = " + std::string(e.value)});
    });
  }
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
