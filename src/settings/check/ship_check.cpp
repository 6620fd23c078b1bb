#include "settings/check/ship_check.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

#include "settings/check/entry_parts.h"
#include "settings/format/settings_file_reader.h"
#include "settings/platform/file_replace.h"
#include "settings/platform/paths.h"
#include "settings/record/settings_rules.h"
#include "settings/text/messages.h"
#include "settings/text/names.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

constexpr auto isBlank = SettingsFileReader::isBlank;

std::string_view trimmed(std::string_view v) { return SettingsFileReader::trimBlanks(v); }

bool isNumberFromZero(std::string_view v) {
  return !v.empty() && std::all_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "ROOT\key" with one of the roots, in any letter case.
bool isUnder(std::string_view key, std::initializer_list<std::string_view> roots) {
  for (std::string_view root : roots)
    if (key.size() > root.size() + 1 && key[root.size()] == '\\' &&
        equalsIgnoringCase(key.substr(0, root.size()), root))
      return true;
  return false;
}

std::string shown(std::string_view sjisText) { return sjis::decodeForDisplay(sjisText); }

// Collects the findings of one place (a line, or a field).
struct Place {
  FieldRef field;
  std::optional<std::size_t> line;
  int item;
  std::vector<Finding>& out;

  void add(Weight weight, std::string text) const {
    out.push_back({field, line, item, weight, std::move(text)});
  }
  void error(std::string_view text) const { add(Weight::Error, std::string(text)); }
  void warning(std::string_view text) const { add(Weight::Warning, std::string(text)); }
};

// Blanks at the ends and quotes around the value, which the engine drops, and
// bytes that are no character of the code page (a damaged file).
void checkValue(std::string_view raw, const Place& at) {
  if (raw.empty()) return;
  if (isBlank(raw.front()) || isBlank(raw.back())) at.warning(messages::ship::kBlankAtEnds);
  if (inQuotes(trimmed(raw))) at.warning(messages::ship::kInQuotes);
  if (!sjis::isAscii(raw) && !sjis::decode(raw)) at.error(messages::ship::kNotShiftJisBytes);
}

// A relative name that the engine finds, but only once Windows has resolved
// it (resolvedName): the form it is usually written in.
void checkNameForm(std::string_view name, std::string_view resolved, const Place& at) {
  if (isRelative(name) && resolved.size() != name.size())
    at.warning(messages::ship::unusualName(shown(name), shown(resolved)));
}
void checkNameForm(std::string_view name, const Place& at) {
  std::string buffer;
  checkNameForm(name, resolvedName(name, buffer), at);
}

// [Files]: a file name, optionally a comma and an overwrite mode.
void checkFileEntry(const ShipCheckContext& c, std::string_view raw, const Place& at) {
  const auto [name, digit, mode] = fileEntry(raw);
  if (mode == Overwrite::Unknown) {
    // The engine reads everything after the first comma as the mode. When
    // another comma follows, or the folder holds the whole text as a file,
    // the comma is part of the file's name.
    const bool commaInName =
        digit->find(',') != std::string_view::npos || c.inFolder(engineValue(raw));
    if (commaInName) {
      at.error(messages::ship::kCommaInFileName);
      return;
    }
    at.error(messages::ship::badOverwriteMode(shown(*digit)));
  }
  const ShipCheckContext::Known known = c.about(name);  // one look-up tells both
  std::string buffer;
  const std::string_view resolved = resolvedName(name, buffer);
  if (isRelative(name) && !known.inFolder) {
    at.error(messages::ship::notInFolder(shown(name)));
  } else {
    checkNameForm(name, resolved, at);
  }
  if (equalsIgnoringCase(resolved, c.engineFile()) || equalsIgnoringCase(resolved, c.iniFile()))
    at.warning(messages::ship::kAddedByTheTool);
  if (known.installedBy > 1) at.warning(messages::ship::kListedTwice);
}

// Shortcuts: name, file, parameters, icon file, icon number.
void checkShortcut(const ShipCheckContext& c, std::string_view raw, const Place& at) {
  const auto [name, file, parameters, iconFile, iconNumber] = shortcutEntry(raw);
  if (name.empty() || file.empty()) at.error(messages::ship::kShortcutNeedsNameAndFile);
  if (!isPlainFileName(name)) at.error(messages::ship::kShortcutNameCharacter);
  if (isRelative(file) && !c.installs(file)) {
    at.warning(messages::ship::notInstalled(shown(file)));
  } else {
    checkNameForm(file, at);
  }
  if (isRelative(iconFile) && !c.installs(iconFile)) {
    at.warning(messages::ship::iconNotInstalled(shown(iconFile)));
  } else {
    checkNameForm(iconFile, at);
  }
  if (!iconNumber.empty() && !isNumberFromZero(iconNumber))
    at.error(messages::ship::badIconNumber(shown(iconNumber)));
}

bool isShortcutList(ListField list) {
  return list == ListField::MemoGroupItem || list == ListField::MemoStartupItem ||
         list == ListField::MemoDesktopItem;
}

// ASCII upper-case letters to lower case in each of the eight bytes of `w`
// (bytes from 0x80 up stay as they are).
std::uint64_t foldAsciiWord(std::uint64_t w) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  const std::uint64_t low7 = w & (0x7F * kOnes);
  const std::uint64_t fromA = low7 + (0x80 - 'A') * kOnes;      // top bit: 'A' or above
  const std::uint64_t pastZ = low7 + (0x80 - 'Z' - 1) * kOnes;  // top bit: above 'Z'
  const std::uint64_t upper = fromA & ~pastZ & ~w & (0x80 * kOnes);
  return w | upper >> 2;
}

// The hash of the name's folded text (foldCase), so that names that
// equalsIgnoringCase holds equal hash alike; eight bytes at a time. A name of
// ASCII bytes alone (most are) folds to its ASCII lower case as it is read,
// without the copy that foldCase makes.
std::uint64_t nameHash(std::string_view s) {
  std::string folded;
  if (!sjis::isAscii(s)) s = folded = foldCase(s);
  std::uint64_t h = s.size() * 0x9E3779B97F4A7C15ULL;
  const auto mix = [&h](std::uint64_t w) {
    h = (h ^ foldAsciiWord(w)) * 0xBF58476D1CE4E5B9ULL;
    h ^= h >> 31;
  };
  std::size_t i = 0;
  for (; i + 8 <= s.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, s.data() + i, 8);
    mix(w);
  }
  if (i < s.size()) {
    std::uint64_t w = 0;
    std::memcpy(&w, s.data() + i, s.size() - i);
    mix(w);
  }
  h ^= h >> 29;
  h *= 0x94D049BB133111EBULL;
  return h ^ h >> 32;
}

// A slot's tag: the hash's top half, whose top bits also place the name
// (homeOf).
std::uint32_t tagOf(std::string_view name) {
  return static_cast<std::uint32_t>(nameHash(name) >> 32);
}

// A folder's prefix (ending in a backslash, or empty) as Windows resolves
// the names in it: docs.\ is docs\.
std::string resolvedFolder(const std::string& prefix) {
  if (prefix.empty()) return prefix;
  std::string buffer;
  std::string folder(resolvedName(std::string_view(prefix).substr(0, prefix.size() - 1), buffer));
  return folder + "\\";
}

}  // namespace

ShipCheckContext::ShipCheckContext(std::vector<std::string> folderFiles,
                                   std::string_view iniFileName, std::vector<FolderAlias> aliases,
                                   std::vector<std::string> unwritable)
    : folder_(std::move(folderFiles)),
      aliases_(std::move(aliases)),
      unwritable_(std::move(unwritable)),
      engine_(engineFileName(iniFileName)),
      ini_(iniFileName) {
  std::size_t slots = 16;
  while (slots < 2 * (folder_.size() + 1)) slots *= 2;
  slots_.resize(slots);
  bits_ = std::countr_zero(slots);
  entries_.reserve(folder_.size());
  std::string buffer;
  for (std::size_t i = 0; i < folder_.size(); ++i) {
    // Under the name Windows finds it by, as the lines' names are found
    // ("memo.txt." is "memo.txt"); a name in the usual form, nearly every
    // one, is told so in one pass over it.
    const std::string& f = folder_[i];
    const std::string_view name = resolvedName(f, buffer);
    Entry& e = entry(name, name.data() != f.data());
    Known& known = e.known;
    if (known.inFolder) continue;  // a name twice (which no Windows folder gives)
    known.inFolder = true;
    e.folderFile = static_cast<std::uint32_t>(i + 1);
    known.aside = name.find('\\') == std::string::npos &&
                  (equalsIgnoringCase(name, engine_) || equalsIgnoringCase(name, ini_) ||
                   isTemporaryName(name));
    if (!known.aside) ++unlisted_;
  }
  for (const FolderAlias& a : aliases_)
    resolvedAliases_.push_back({resolvedFolder(a.alias), resolvedFolder(a.folder)});
}

ShipCheckContext::ShipCheckContext(FolderScan scan, std::string_view iniFileName)
    : ShipCheckContext(std::move(scan.lines), iniFileName, std::move(scan.aliases),
                       std::move(scan.unwritable)) {}

std::size_t ShipCheckContext::homeOf(std::uint32_t tag) const { return tag >> (32 - bits_); }

std::size_t ShipCheckContext::slotOf(std::string_view key, std::uint32_t tag) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = homeOf(tag);; i = (i + 1) & mask) {
    const Slot slot = slots_[i];
    if (slot.entry == 0) return i;
    if (slot.tag != tag) continue;
    const Entry& e = entries_[slot.entry - 1];
    if (e.size != key.size()) continue;
    const std::string_view name(e.data, e.size);
    if (name == key || equalsIgnoringCase(name, key)) return i;
  }
}

ShipCheckContext::Entry& ShipCheckContext::entry(std::string_view key, bool keep) {
  const std::uint32_t tag = tagOf(key);
  std::size_t i = slotOf(key, tag);
  if (slots_[i].entry != 0) return entries_[slots_[i].entry - 1];
  if (2 * (entries_.size() + 1) > slots_.size()) {
    // Twice the slots: each entry goes where its tag places it now.
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    ++bits_;
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& s : old) {
      if (s.entry == 0) continue;
      std::size_t j = homeOf(s.tag);
      while (slots_[j].entry != 0) j = (j + 1) & mask;
      slots_[j] = s;
    }
    i = slotOf(key, tag);
  }
  auto own = keep ? std::make_unique<std::string>(key) : nullptr;
  const char* data = own ? own->data() : key.data();
  entries_.push_back({data, static_cast<std::uint32_t>(key.size()), {}, 0, std::move(own)});
  slots_[i] = {static_cast<std::uint32_t>(entries_.size()), tag};
  return entries_.back();
}

void ShipCheckContext::forgetIfUnknown(std::string_view key) {
  if (key.empty()) return;
  std::size_t i = slotOf(key, tagOf(key));
  if (slots_[i].entry == 0) return;
  const std::size_t n = slots_[i].entry - 1;
  const Known& k = entries_[n].known;
  if (k.inFolder || k.installedBy > 0) return;
  // Free the slot, moving back the entries after it that could not take
  // their home slot (so that every look-up still finds its entry).
  const std::size_t mask = slots_.size() - 1;
  slots_[i] = {};
  for (std::size_t j = (i + 1) & mask; slots_[j].entry != 0; j = (j + 1) & mask) {
    const std::size_t home = homeOf(slots_[j].tag);
    // Whether `home` lies cyclically in (i, j]: then the entry stays.
    if (i <= j ? (home > i && home <= j) : (home > i || home <= j)) continue;
    slots_[i] = std::exchange(slots_[j], {});
    i = j;
  }
  // The last entry takes the place of the one forgotten.
  const std::size_t last = entries_.size() - 1;
  if (n != last) {
    const std::string_view moved(entries_[last].data, entries_[last].size);
    slots_[slotOf(moved, tagOf(moved))].entry = static_cast<std::uint32_t>(n + 1);
    entries_[n] = std::move(entries_[last]);
  }
  entries_.pop_back();
}

std::string_view ShipCheckContext::listedName(std::string_view name, std::string& buffer) const {
  // An alias may lead into another alias' folder; a few steps reach the end.
  for (int step = 0; step < 16; ++step) {
    const auto alias =
        std::find_if(resolvedAliases_.begin(), resolvedAliases_.end(), [&](const FolderAlias& a) {
          return name.size() > a.alias.size() &&
                 equalsIgnoringCase(name.substr(0, a.alias.size()), a.alias);
        });
    if (alias == resolvedAliases_.end()) break;
    buffer = alias->folder + std::string(name.substr(alias->alias.size()));
    name = buffer;
  }
  return name;
}

ShipCheckContext::FileLineChange ShipCheckContext::count(std::string_view line, int by) {
  FileLineChange change;
  std::string buffer, listed;
  const std::string_view name = listedName(installedName(line, buffer), listed);
  if (name.empty()) return change;  // the file leaves it out, or it names nothing
  Known& known = entry(name, true).known;
  const bool before = known.installedBy > 0, twiceBefore = known.installedBy > 1;
  known.installedBy = by > 0 ? known.installedBy + 1 : known.installedBy - (before ? 1 : 0);
  change.copies = twiceBefore != (known.installedBy > 1);
  change.installed = before != (known.installedBy > 0);
  if (change.installed && known.inFolder && !known.aside)
    unlisted_ = known.installedBy > 0 ? unlisted_ - 1 : unlisted_ + 1;
  if (by < 0) forgetIfUnknown(name);
  return change;
}

ShipCheckContext::FileLineChange ShipCheckContext::addFileLine(std::string_view line) {
  return count(line, 1);
}

ShipCheckContext::FileLineChange ShipCheckContext::removeFileLine(std::string_view line) {
  return count(line, -1);
}

void ShipCheckContext::addFileLines(const std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    prefetch(lines, i);
    addFileLine(lines[i]);
  }
}

void ShipCheckContext::prefetch(const std::vector<std::string>& lines, std::size_t i) const {
  // A line's text 32 lines ahead, then its slot (which needs the text) 16
  // lines ahead: each is there by the time it is read.
  constexpr std::size_t kAhead = 16;
  if (i + 2 * kAhead < lines.size()) __builtin_prefetch(lines[i + 2 * kAhead].data());
  if (i + kAhead >= lines.size()) return;
  // The name as written: a name in an unusual form (rare) fetches a slot in
  // vain, which does no harm.
  if (const std::string_view name = fileEntry(lines[i + kAhead]).name; !name.empty())
    __builtin_prefetch(&slots_[homeOf(tagOf(name))]);
}

const ShipCheckContext::Entry* ShipCheckContext::find(std::string_view name) const {
  std::string buffer, listed;
  const std::string_view key = listedName(resolvedName(name, buffer), listed);
  if (key.empty()) return nullptr;
  const Slot slot = slots_[slotOf(key, tagOf(key))];
  return slot.entry != 0 ? &entries_[slot.entry - 1] : nullptr;
}

ShipCheckContext::Known ShipCheckContext::about(std::string_view nameOrLine) const {
  const Entry* e = find(nameOrLine);
  return e ? e->known : Known{};
}

std::optional<std::size_t> ShipCheckContext::folderFileOf(std::string_view name) const {
  const Entry* e = find(name);
  if (!e || e->folderFile == 0) return std::nullopt;
  return e->folderFile - 1;
}

bool ShipCheckContext::installs(std::string_view name) const {
  std::string buffer;
  const std::string_view resolved = resolvedName(name, buffer);
  return equalsIgnoringCase(resolved, engine_) || equalsIgnoringCase(resolved, ini_) ||
         about(name).installedBy > 0;
}

std::vector<std::string> ShipCheckContext::unlistedFiles(std::size_t limit) const {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < folder_.size(); ++i) {
    if (names.size() >= std::min(limit, unlisted_)) break;
    // Of names that reach one file, the one it was counted under.
    const Entry* e = find(folder_[i]);
    if (e && e->folderFile == i + 1 && !e->known.aside && e->known.installedBy == 0)
      names.push_back(folder_[i]);
  }
  return names;
}

void checkListLine(const ShipCheckContext& c, ListField list, std::string_view line,
                   std::vector<Finding>& out) {
  if (line.empty()) return;
  const Place at{list, std::nullopt, 0, out};
  checkValue(line, at);
  if (list == ListField::MemoFiles) {
    checkFileEntry(c, line, at);
  } else if (isShortcutList(list)) {
    checkShortcut(c, line, at);
  } else if (list == ListField::MemoRmDir) {
    if (const RmDirEntry entry = rmDirEntry(line); entry.mode == Subfolders::Unknown)
      at.error(messages::ship::badSubfolderMode(shown(*entry.subfolders)));
  } else if (list == ListField::MemoUninstallRegKey) {
    if (!isUnder(engineValue(line),
                 {"HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_CLASSES_ROOT"}))
      at.error(messages::ship::kRegKeyRoot);
  }
}

bool dependsOnInstalledNames(FieldRef field) {
  return field == FieldRef(TextField::EditInstallProgram) ||
         (field.kind == FieldKind::Lines && isShortcutList(field.list()));
}

void checkTextField(const InstallSettings& s, const ShipCheckContext& c, TextField field,
                    std::vector<Finding>& out) {
  if (fieldInfo(field).key.empty() || !isWritten(s, field)) return;
  const std::string& raw = s.text(field);
  const Place at{field, std::nullopt, 0, out};
  checkValue(raw, at);
  const std::string_view v = engineValue(raw);
  switch (field) {
    case TextField::EditInstallTextFail:
      if (isRelative(v) && !c.inFolder(v)) {
        at.error(messages::ship::notInFolder(shown(v)));
      } else {
        checkNameForm(v, at);
      }
      break;
    case TextField::EditInstallProgram:
      // The file, then after a comma its start parameters.
      if (const std::string_view file = programEntry(raw).file;
          isRelative(file) && !c.installs(file)) {
        at.warning(messages::ship::notInstalled(shown(file)));
      } else {
        checkNameForm(file, at);
      }
      break;
    case TextField::EditInstallDirReg:
      if (!v.empty() && !isUnder(v, {"HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"}))
        at.error(messages::ship::kInstallDirRegRoot);
      break;
    case TextField::EditGroupName: {
      // A backslash makes a folder inside the group; anything else a file
      // name cannot hold makes no folder at all.
      std::string withoutBackslashes;
      sjis::forEachChar(v, [&](std::size_t i, std::size_t length) {
        if (length == 2 || v[i] != '\\') withoutBackslashes.append(v.substr(i, length));
      });
      if (!isPlainFileName(withoutBackslashes)) {
        at.error(messages::ship::kGroupNameCharacter);
      } else if (withoutBackslashes.size() != v.size()) {
        at.warning(messages::ship::kGroupNameBackslash);
      }
      break;
    }
    default: break;
  }
}

void checkProgram(const ShipCheckContext& c, const std::filesystem::path& program,
                  std::vector<ProgramFinding>& out) {
  if (program.empty()) return;
  const std::string name = pathToUtf8(program.filename());
  const std::optional<std::string> line = lineName(name);
  const std::vector<std::string>& unlistable = c.unwritableFiles();
  const bool there =
      line ? c.inFolder(*line)
           : std::find(unlistable.begin(), unlistable.end(), name) != unlistable.end();
  if (!there) out.push_back({Weight::Error, messages::ship::programNotInFolder(name)});
}

void checkIndexField(const InstallSettings& s, IndexField field, std::vector<Finding>& out) {
  if (!isWritten(s, field) || s.index(field) >= 0) return;
  out.push_back(
      {field, std::nullopt, 0, Weight::Error, std::string(messages::ship::kNoItemChosen)});
}

void checkFileList(const ShipCheckContext& c, std::size_t writtenLines, std::vector<Finding>& out,
                   std::size_t unlistedNamed) {
  if (!c.inFolder(c.engineFile()))
    out.push_back({ListField::MemoFiles, std::nullopt, static_cast<int>(writtenLines) + 1,
                   Weight::Error, messages::oneLine(messages::kEngineMissing)});
  if (unlistedNamed == 0) return;
  if (c.unlistedCount() > 0)
    for (const std::string& name : c.unlistedFiles(unlistedNamed))
      out.push_back({ListField::MemoFiles, std::nullopt, 0, Weight::Warning,
                     messages::ship::notListed(shown(name))});
  const std::vector<std::string>& unwritable = c.unwritableFiles();
  for (std::size_t i = 0; i < std::min(unlistedNamed, unwritable.size()); ++i)
    out.push_back({ListField::MemoFiles, std::nullopt, 0, Weight::Warning,
                   messages::ship::notListable(unwritable[i])});
}

std::string_view installedName(std::string_view line, std::string& buffer) {
  return resolvedName(fileEntry(line).name, buffer);
}

bool ShipCheckContext::installSameFile(std::string_view a, std::string_view b) const {
  std::string x, y, listedA, listedB;
  const std::string_view nameA = listedName(installedName(a, x), listedA);
  const std::string_view nameB = listedName(installedName(b, y), listedB);
  return nameA.size() == nameB.size() && equalsIgnoringCase(nameA, nameB);
}

}  // namespace velquin
