#include "settings/check/file_check.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <optional>
#include <utility>

#include "settings/format/settings_format.h"
#include "settings/record/fields.h"
#include "settings/text/messages.h"
#include "settings/text/names.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

namespace ship = messages::ship;

std::string shown(std::string_view sjisText) { return sjis::decodeForDisplay(sjisText); }

// The edit distance of two names, letter case aside (a swap of two
// neighbours counts once, as typing slips make it).
std::size_t distance(std::string_view a, std::string_view b) {
  const std::string x = foldAsciiCase(a), y = foldAsciiCase(b);
  std::vector<std::vector<std::size_t>> d(x.size() + 1, std::vector<std::size_t>(y.size() + 1));
  for (std::size_t i = 0; i <= x.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= y.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= x.size(); ++i) {
    for (std::size_t j = 1; j <= y.size(); ++j) {
      d[i][j] = std::min(
          {d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (x[i - 1] == y[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[x.size()][y.size()];
}

// The candidate closest to `name`, when it is close enough to be a slip.
std::string closest(std::string_view name, const std::vector<std::string_view>& candidates) {
  if (name.size() > 64) return {};  // no slip makes a name that long
  const std::size_t most = name.size() <= 4 ? 1 : 2;
  std::string best;
  std::size_t bestDistance = most + 1;
  for (std::string_view c : candidates)
    if (const std::size_t d = distance(name, c); d < bestDistance) {
      bestDistance = d;
      best = c;
    }
  return best;
}

std::string unknownKeyMeant(Section section, std::string_view key) {
  std::vector<std::string_view> candidates;
  for (const FieldInfo& f : kFields)
    if (f.section == section && !f.key.empty()) candidates.push_back(f.key);
  std::string item;
  if (isNumbered(section)) {
    // "Item07" is Item7; "Itme3" a slip of Item3.
    std::size_t digits = key.size();
    while (digits > 0 && key[digits - 1] >= '0' && key[digits - 1] <= '9') --digits;
    std::size_t n = 0;
    std::from_chars(key.data() + digits, key.data() + key.size(), n);
    item = itemKey(std::max<std::size_t>(n, 1));
    if (SettingsFileReader::sameName(key.substr(0, digits), kItemKey)) return item;
    candidates.push_back(item);
  }
  return closest(key, candidates);
}

struct SectionCheck {
  const SettingsFile& file;
  const SettingsFileReader& reader;
  const SettingsFileReader::SectionAt& at;
  std::vector<FileFinding>& out;

  void add(std::size_t line, Weight weight, std::string key, std::string text) const {
    out.push_back({line, weight, shown(at.name), std::move(key), std::move(text)});
  }

  void keysAndCodes(Section section) const {
    const bool numbered = isNumbered(section);
    reader.forEachEntry(at.name, [&](const SettingsFileReader::EntryAt& e) {
      if (numbered && itemNumber(e.key)) return;
      const FieldInfo* field = knownKey(section, e.key);
      if (!field) {
        add(e.line, Weight::Warning, shown(e.key),
            ship::unknownKey(shown(e.key), unknownKeyMeant(section, e.key)));
        return;
      }
      const std::vector<int> codes = codesOf(*field);
      std::int32_t code = 0;
      if (!codes.empty() && (!SettingsFileReader::parseNumber(e.value, code) ||
                             std::find(codes.begin(), codes.end(), code) == codes.end()))
        add(e.line, Weight::Error, shown(e.key),
            ship::badCode(shown(e.key), shown(e.value), codes));
    });
  }

  // A gap in the numbering: one error on each entry it hides from the
  // engine, at its own line, or on the section when it hides none.
  void numbering(Section section) const {
    const std::size_t read = file.itemsRead(section);
    std::vector<bool> present(read + 1);
    std::vector<SettingsFileReader::EntryAt> hidden;
    reader.forEachEntry(at.name, [&](const SettingsFileReader::EntryAt& e) {
      const std::optional<std::size_t> n = itemNumber(e.key);
      if (!n) return;
      if (*n <= read) {
        present[*n] = true;
      } else {
        hidden.push_back(e);
      }
    });
    const auto missing = std::find(present.begin() + 1, present.end(), false);
    const int number = static_cast<int>(missing - present.begin());
    if (missing != present.end() && hidden.empty())
      add(at.line, Weight::Error, {}, ship::numberMissing(number));
    for (const SettingsFileReader::EntryAt& e : hidden)
      add(e.line, Weight::Error, shown(e.key),
          missing != present.end() ? ship::unreadAfterGap(number)
                                   : std::string(ship::kBeforeFirstItem));
  }
};

}  // namespace

std::vector<FileFinding> checkFileForm(std::string_view bytes, const FileConversion& conversion) {
  const auto whole = [](std::string_view text, bool resave = true) {
    std::string t(text);
    if (resave) t += ship::kFileResaveAsShiftJis;
    return std::vector<FileFinding>{{0, Weight::Error, {}, {}, std::move(t)}};
  };
  switch (conversion.encoding) {
    case FileEncoding::Utf8: return whole(ship::kFileUtf8);
    case FileEncoding::Utf8WithMark:
      return whole(conversion.notShiftJis.empty() && sjis::isAscii(bytes)
                       ? ship::kFileMarkOnly
                       : ship::kFileUtf8WithMark);
    case FileEncoding::Utf16Le:
    case FileEncoding::Utf16Be: return whole(ship::kFileUtf16);
    case FileEncoding::ShiftJis: break;
  }
  if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos)
    return whole(ship::kFileEmpty, false);
  // Text holds no control characters but its blanks and line breaks (and the
  // end-of-file mark some old editors leave).
  const bool binary = std::any_of(bytes.begin(), bytes.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b < 0x20 && b != '\t' && b != '\r' && b != '\n' && b != 0x1A) || b == 0x7F;
  });
  if (binary) return whole(ship::kFileBinary, false);
  return {};
}

namespace {

// What the engine reads once where the file holds it twice: a section's
// header that stands again (the entries under it go with it, unnamed), and
// a key that stands again in its section. Only in the sections the engine
// reads: a section it does not know is named as such already.
void checkRepeats(const SettingsFileReader& reader, std::vector<FileFinding>& out) {
  // Every header's line, and whether it stands again: an entry belongs to
  // the header last before it.
  std::vector<std::pair<std::size_t, bool>> headers;
  for (const SettingsFileReader::SectionAt& at : reader.sections())
    headers.push_back({at.line, false});
  const std::vector<SettingsFileReader::RepeatAt> repeats = reader.repeats();
  for (const SettingsFileReader::RepeatAt& r : repeats)
    if (r.key.empty()) headers.push_back({r.line, true});
  std::sort(headers.begin(), headers.end());
  const auto underRepeatedHeader = [&](std::size_t line) {
    const auto after = std::lower_bound(headers.begin(), headers.end(), std::pair{line, false});
    return after != headers.begin() && std::prev(after)->second;
  };
  for (const SettingsFileReader::RepeatAt& r : repeats) {
    if (!knownSection(r.section)) continue;
    if (r.key.empty()) {
      out.push_back({r.line,
                     Weight::Warning,
                     shown(r.section),
                     {},
                     ship::repeatedSection(shown(r.section), r.first)});
    } else if (!underRepeatedHeader(r.line)) {
      out.push_back({r.line, Weight::Warning, shown(r.section), shown(r.key),
                     ship::repeatedKey(shown(r.key), r.first)});
    }
  }
}

// The entries Create adds that the engine does not read in the file.
std::string withoutAddedEntries(const SettingsFile& file) {
  return ship::withoutAddedEntries(file.engineEntry() ? "" : shown(file.engineFile()) + ",2",
                                   file.iniEntry() ? "" : shown(file.iniFile()));
}

}  // namespace

std::vector<FileFinding> checkFileEntries(const SettingsFile& file) {
  std::vector<FileFinding> out;
  const SettingsFileReader& reader = file.reader();
  bool files = false;
  for (const SettingsFileReader::SectionAt& at : reader.sections()) {
    const SectionCheck check{file, reader, at, out};
    const SectionInfo* known = knownSection(at.name);
    if (!known) {
      std::vector<std::string_view> names;
      names.reserve(kSections.size());
      for (const SectionInfo& s : kSections) names.push_back(s.name);
      check.add(at.line, Weight::Warning, {},
                ship::unknownSection(shown(at.name), closest(at.name, names)));
      continue;
    }
    check.keysAndCodes(known->section);
    if (isNumbered(known->section)) check.numbering(known->section);
    if (known->section != Section::Files) continue;
    files = true;
    if (!file.holdsAddedEntries())
      check.add(at.line, Weight::Warning, {}, withoutAddedEntries(file));
  }
  // Without [Files] the engine installs neither itself nor this file.
  if (!files)
    out.push_back({0,
                   Weight::Warning,
                   std::string(kSections[std::size_t(Section::Files)].name),
                   {},
                   withoutAddedEntries(file)});
  checkRepeats(reader, out);
  std::stable_sort(out.begin(), out.end(),
                   [](const FileFinding& a, const FileFinding& b) { return a.line < b.line; });
  return out;
}

FileFinding placeInFile(const Finding& f, const SettingsFile& file, ItemNumbering numbering) {
  const SettingsFileReader& reader = file.reader();
  const FieldInfo& info = fieldInfo(f.field);
  const std::string_view section = kSections[static_cast<std::size_t>(info.section)].name;
  std::string key;
  std::size_t line = 0;
  if (f.line && numbering == ItemNumbering::AsLoaded) {
    key = itemKey(file.itemOfLoadedLine(info.section, *f.line));
  } else if (!f.line && f.item > 0 && f.field == FieldRef(ListField::MemoFiles)) {
    // The list's own finding with an Item number concerns the engine's entry
    // that Create adds: in the file, the entry that lists the engine's file,
    // wherever it stands (the section's header when none does).
    if (file.engineEntry() > 0) key = itemKey(file.engineEntry());
  } else if (f.item > 0) {
    key = itemKey(static_cast<std::size_t>(f.item));
  } else {
    key = info.key;
  }
  if (line == 0 && !key.empty()) line = reader.lineOf(section, key);
  if (line == 0) {
    for (const auto& at : reader.sections())
      if (SettingsFileReader::sameName(at.name, section)) line = at.line;
  }
  return {line, f.weight, std::string(section), std::move(key), f.text};
}

std::string checkReport(std::string_view path, std::vector<FileFinding> findings) {
  std::stable_sort(findings.begin(), findings.end(),
                   [](const FileFinding& a, const FileFinding& b) { return a.line < b.line; });
  std::string text;
  std::size_t errors = 0;
  for (const FileFinding& f : findings) {
    const bool error = f.weight == Weight::Error;
    errors += error ? 1 : 0;
    text += path;
    text += ':';
    if (f.line > 0) text += std::to_string(f.line) + ':';
    text += ' ';
    text += error ? ship::kError : ship::kWarning;
    text += ": ";
    if (!f.section.empty()) {
      text += "[" + f.section + "]";
      text += f.key.empty() ? ": " : " " + f.key + ": ";
    }
    // One finding a line, whatever its text holds (a file's name may hold
    // a line break where the system allows it).
    text += messages::oneLine(f.text);
    text += '\n';
  }
  text += ship::counts(errors, findings.size() - errors) + "\n";
  return text;
}

}  // namespace velquin
