#include "settings/plan/install_plan.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "settings/check/entry_parts.h"
#include "settings/format/settings_format.h"
#include "settings/text/messages.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

namespace words = messages::plan;

// ASCII bytes (most names) are the same text in code page 932 and UTF-8.
void addShown(std::string& out, std::string_view sjisText) {
  if (sjis::isAscii(sjisText)) {
    out.append(sjisText);
  } else {
    out.append(sjis::decodeForDisplay(sjisText));
  }
}
std::string shown(std::string_view sjisText) {
  std::string text;
  addShown(text, sjisText);
  return text;
}

// "[Section]", "[Section] Item3", "[Section] Key", appended to `text`
// rather than concatenated (which sets off a false warning of GCC 12 at -O3).
void addSource(std::string& text, Section section, std::string_view key = {}, int number = 0) {
  text.append("[").append(kSections[static_cast<std::size_t>(section)].name).append("]");
  if (key.empty()) return;
  text.append(" ").append(key);
  if (number <= 0) return;
  char digits[16];
  text.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}
std::string source(Section section, std::string_view key = {}, int number = 0) {
  std::string text;
  addSource(text, section, key, number);
  return text;
}
std::string sectionSource(Section section) { return source(section); }
std::string itemSource(Section section, int number) { return source(section, kItemKey, number); }
std::string fieldSource(FieldRef field) {
  const FieldInfo& info = fieldInfo(field);
  return source(info.section, info.key);
}

// Where a name of [Files], [RmDir] or a shortcut lands: below the
// installation folder, below the folder a placeholder names, or where an
// absolute name says.
void addTarget(std::string& out, std::string_view name) {
  const Target target = targetOf(name);
  switch (target.kind) {
    case TargetKind::None: return;
    case TargetKind::Unknown: out.append(words::notDescribed(shown(name))); return;
    case TargetKind::SpecialFolder:
      out.append(words::belowPlaceholder(shown(target.folder), shown(target.rest)));
      return;
    case TargetKind::Absolute: addShown(out, name); return;
    case TargetKind::Relative:
      if (sjis::isAscii(name)) {
        words::addBelowInstallFolder(out, name);
      } else {
        words::addBelowInstallFolder(out, shown(name));
      }
      return;
  }
}

// What a digit that the entry's parts give a meaning says, in words.
template <class Mode, std::size_t N>
void addMeaning(std::string& out, Mode mode, std::optional<std::string_view> digit,
                const std::string_view (&meanings)[N], std::string_view unknownPrefix = {}) {
  const auto known = static_cast<std::size_t>(mode);
  if (known < N) {
    out.append(meanings[known]);
  } else {
    out.append(unknownPrefix).append(words::unknownDigit(shown(digit.value_or(""))));
  }
}
std::string describedTarget(std::string_view name) {
  std::string text;
  addTarget(text, name);
  return text;
}

void addPart(std::string& value, std::string_view part) { value.append(words::kAnd).append(part); }

// The items of a section's entries that the engine reads (those empty or
// missing left out): `describe` gives each item its label and value (and
// may give its field); the source and line are the entry's.
template <class Describe>
void addListItems(PlanItem& place, const EngineReading& r, ListField list, Section section,
                  Describe describe) {
  for (const EngineReading::Item& entry : r.items(section)) {
    if (entry.text.empty()) continue;
    PlanItem& item = place.children.emplace_back(describe(entry.text));
    item.source = itemSource(section, static_cast<int>(entry.number));
    if (!item.field) item.field = list;
    item.fileLine = entry.line;
  }
}

void addIndent(std::string& out, std::size_t depth) { out.append(2 * depth, ' '); }

void addItemText(std::string& out, const PlanItem& item) {
  out += item.label;
  if (!item.value.empty()) out.append("：").append(item.value);
  if (item.size) words::addSize(out.append(words::kAnd), *item.size);
  if (!item.source.empty()) out.append("  ← ").append(item.source);
}

// A finding's text, its further lines indented below its first.
void addFinding(std::string& out, const FileFinding& f, std::size_t depth) {
  addIndent(out, depth + 1);
  out.append("※ ");
  out += f.weight == Weight::Error ? messages::ship::kError : messages::ship::kWarning;
  out.append("：");
  const std::string_view text = f.text;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    out.append(text.substr(start, end - start)).append("\n");
    if (end == std::string_view::npos) return;
    addIndent(out, depth + 2);
    start = end + 1;
  }
}

// An item's line and its findings, without its children.
void addItemLine(std::string& out, const PlanItem& item, std::size_t depth) {
  addIndent(out, depth);
  addItemText(out, item);
  out += '\n';
  for (const FileFinding& f : item.findings) addFinding(out, f, depth);
}

void addItem(std::string& out, const PlanItem& item, std::size_t depth) {
  addItemLine(out, item, depth);
  for (const PlanItem& child : item.children) addItem(out, child, depth + 1);
}

// A generous guess of the text's length, so that it is made in one block.
std::size_t textSize(const PlanItem& item, std::size_t depth) {
  std::size_t size = 2 * depth + item.label.size() + item.value.size() + item.source.size() + 48;
  for (const FileFinding& f : item.findings) size += f.text.size() + 16 + 4 * depth;
  for (const PlanItem& child : item.children) size += textSize(child, depth + 1);
  return size;
}

// The findings on each line of the file, found by line.
class FindingsByLine {
 public:
  explicit FindingsByLine(const std::vector<FileFinding>& findings) {
    for (const FileFinding& f : findings) byLine_.push_back(&f);
    std::stable_sort(byLine_.begin(), byLine_.end(),
                     [](const FileFinding* a, const FileFinding* b) { return a->line < b->line; });
  }
  // Those on `line` (none for line 0: the file as a whole).
  template <class F>
  void forLine(std::size_t line, F&& f) const {
    if (line == 0) return;
    auto it = std::lower_bound(byLine_.begin(), byLine_.end(), line,
                               [](const FileFinding* a, std::size_t l) { return a->line < l; });
    for (; it != byLine_.end() && (*it)->line == line; ++it) f(**it);
  }

 private:
  std::vector<const FileFinding*> byLine_;
};

// The entries of [Files] written as text as they are described, rather than
// held as items, with the findings on their lines.
struct ListedFilesText {
  std::string& text;
  const FindingsByLine& findings;
};

class PlanMaker {
 public:
  // `listed`: where the entries of [Files] are written (none: they are items).
  PlanMaker(const EngineReading& reading, const PlanFolder& folder,
            ListedFilesText* listed = nullptr)
      : r_(reading), folder_(folder), listed_(listed) {}

  InstallPlan make() {
    InstallPlan plan;
    plan.groups.push_back(application());
    plan.groups.push_back(installFolder());
    plan.groups.push_back(files());
    plan.groups.push_back(beforeAndAfter());
    plan.groups.push_back(checkBoxes());
    plan.groups.push_back(shortcuts());
    plan.groups.push_back(uninstall());
    return plan;
  }

 private:
  using T = TextField;

  std::string text(T field) const { return shown(engineValue(r_.value(field).text)); }
  std::string textOrNone(T field) const {
    std::string value = text(field);
    return value.empty() ? std::string(words::kNone) : value;
  }

  PlanItem fieldItem(std::string_view label, FieldRef field, std::string value) const {
    PlanItem item{std::string(label), std::move(value)};
    item.source = fieldSource(field);
    item.field = field;
    item.fileLine = r_.value(field).line;
    return item;
  }
  PlanItem textItem(std::string_view label, T field) const {
    return fieldItem(label, field, text(field));
  }
  // A number as the engine reads it; a value that is no number is not
  // described.
  template <class Words>
  PlanItem numberItem(std::string_view label, FieldRef field, Words words) const {
    const std::optional<std::int32_t> n = r_.number(field);
    return fieldItem(label, field,
                     n ? words(*n) : words::notDescribed(shown(r_.value(field).text)));
  }
  PlanItem indexItem(std::string_view label, IndexField field,
                     std::span<const std::string_view> choices) const {
    return numberItem(label, field, [choices](int n) { return words::indexWords(n, choices); });
  }
  PlanItem sectionItem(std::string_view label, Section section) const {
    PlanItem item{std::string(label)};
    item.source = sectionSource(section);
    item.fileLine = r_.sectionLine(section);
    return item;
  }

  PlanItem application() const {
    PlanItem group{std::string(words::kApplication)};
    group.children.push_back(textItem(words::kName, T::EditName));
    group.children.push_back(textItem(words::kInstallTitle, T::EditInstallTitle));
    return group;
  }

  // The installation folder's start value, as the meanings describe it.
  std::string installDirText() const {
    const std::string_view dir = engineValue(r_.value(T::EditInstallDir).text);
    // A backslash may be the second byte of a character (ソ is 83 5C).
    const bool plain = !dir.empty() && dir.find_first_of("/:%") == std::string_view::npos &&
                       !sjis::containsAtCharBoundary(dir, "\\");
    const bool atRoot = !dir.empty() && dir.front() == '\\' && dir.size() > 1 &&
                        dir.find_first_of(":%/", 1) == std::string_view::npos && dir[1] != '\\';
    if (plain) return words::underProgramFiles(shown(dir));
    if (atRoot) return words::atSystemDriveRoot(shown(dir));
    return words::notDescribed(shown(dir));
  }

  PlanItem installFolder() const {
    PlanItem group{std::string(words::kInstallFolder)};
    if (!r_.inUse(OptionalPart::InstallDir)) {
      group.children.push_back(
          {std::string(words::kStartValue), std::string(words::kNoInstallDir)});
      return group;
    }
    group.children.push_back(fieldItem(words::kStartValue, T::EditInstallDir, installDirText()));
    group.children.push_back(fieldItem(words::kDirReg, T::EditInstallDirReg,
                                       words::dirRegValue(text(T::EditInstallDirReg))));
    group.children.push_back(
        indexItem(words::kSourceFiles, IndexField::RadioGroupFileDel, words::kSourceFilesWords));
    return group;
  }

  // The size of a file of the folder, found as the check finds it.
  std::optional<std::uint64_t> folderSize(std::string_view name) const {
    if (!folder_.names) return std::nullopt;
    const std::optional<std::size_t> file = folder_.names->folderFileOf(name);
    if (!file || *file >= folder_.sizes.size()) return std::nullopt;
    return folder_.sizes[*file];
  }

  // One entry of [Files] described into `item`: its name, its target,
  // overwrite rule, what it is when it is one of the entries Create adds,
  // and its size or why the size is unknown. The size is counted into the
  // list's total.
  void describeFile(PlanItem& item, const EngineReading::Item& entry) {
    const auto [name, overwrite, mode] = fileEntry(entry.text);
    item.label.clear();
    addShown(item.label, name);
    item.value.clear();
    addTarget(item.value, name);
    item.size.reset();
    addMeaning(item.value.append(words::kAnd), mode, overwrite, words::kOverwriteWords,
               words::kOverwrite);
    std::optional<std::uintmax_t> knownSize;
    if (r_.isEngineFile(name)) {
      addPart(item.value, words::kEngineFile);
    } else if (r_.isSettingsFile(entry.text)) {
      addPart(item.value, words::kSettingsFile);
      if (!folder_.settingsFileInFolder) knownSize = r_.file().bytes().size();
    }
    if (knownSize) {
      item.size = knownSize;
    } else if (!isRelative(name)) {
      addPart(item.value, words::kSourceNotDescribed);
    } else if (const std::optional<std::uint64_t> size = folderSize(name)) {
      item.size = *size;
    } else {
      addPart(item.value, words::kNotInFolder);
    }
    if (item.size) {
      total_ += *item.size;
    } else {
      ++unknownSizes_;
    }
    item.source.clear();
    addSource(item.source, Section::Files, kItemKey, static_cast<int>(entry.number));
    item.field = r_.isSettingsFile(entry.text) ? FieldRef(TextField::EditIniName)
                                               : FieldRef(ListField::MemoFiles);
    item.fileLine = entry.line;
  }

  // The entries of [Files] the engine installs, as items of `group` or
  // written into `listed_` as planText writes their items (each described
  // into one item used again); the number of files.
  std::size_t listFiles(PlanItem& group) {
    std::size_t count = 0;
    PlanItem reused;
    for (const EngineReading::Item& entry : r_.items(Section::Files)) {
      if (entry.text.empty()) continue;
      ++count;
      PlanItem& item = listed_ ? reused : group.children.emplace_back();
      describeFile(item, entry);
      if (!listed_) continue;
      item.findings.clear();
      listed_->findings.forLine(entry.line,
                                [&](const FileFinding& f) { item.findings.push_back(f); });
      addItem(listed_->text, item, 1);
    }
    return count;
  }

  PlanItem files() {
    PlanItem group = sectionItem(words::kFiles, Section::Files);
    group.field = ListField::MemoFiles;
    if (!listed_) group.children.reserve(r_.items(Section::Files).size());
    filesListed_ = listFiles(group);
    group.value = words::fileCount(filesListed_);
    if (unknownSizes_ > 0) addPart(group.value, words::unknownSizes(unknownSizes_));
    group.size = total_;
    return group;
  }

  PlanItem beforeAndAfter() const {
    PlanItem group{std::string(words::kBeforeAndAfter)};
    group.children.push_back(
        fieldItem(words::kTextFile, T::EditInstallTextFail, textOrNone(T::EditInstallTextFail)));

    const auto [file, parameters] = programEntry(r_.value(T::EditInstallProgram).text);
    std::string run(words::kNone);
    if (!file.empty()) {
      run =
          words::opened(isRelative(file) ? words::belowInstallFolder(shown(file))
                                         : words::notDescribed(shown(file)),
                        parameters ? std::optional<std::string>(shown(*parameters)) : std::nullopt);
    }
    group.children.push_back(fieldItem(words::kProgram, T::EditInstallProgram, std::move(run)));

    const std::string message = text(T::EditInstallMessage);
    group.children.push_back(
        fieldItem(words::kMessage, T::EditInstallMessage,
                  message.empty() ? std::string(words::kDefaultMessage) : message));
    return group;
  }

  PlanItem checkBoxes() const {
    PlanItem group{std::string(words::kCheckBoxes)};
    struct Box {
      std::string_view caption;
      ChoiceField choice;
      std::optional<TextField> info;
    };
    for (const Box& box :
         {Box{words::kStartMenuBox, ChoiceField::RadioButtonStart, T::EditGroupInfo},
          Box{words::kStartupBox, ChoiceField::RadioButtonStartup, T::EditStartupInfo},
          Box{words::kDesktopBox, ChoiceField::RadioButtonDesktop, T::EditDesktopInfo},
          Box{words::kAllUsersBox, ChoiceField::RBAllUsers, {}}}) {
      PlanItem& item = group.children.emplace_back(
          numberItem(box.caption, box.choice, [](int n) { return words::boxState(n); }));
      if (r_.number(box.choice) == kNotUsedCode) continue;
      if (box.info) {
        item.children.push_back(fieldItem(words::kPopupHelp, *box.info, textOrNone(*box.info)));
      } else {
        item.value += words::kAllUsersOnly;
      }
    }
    return group;
  }

  static PlanItem shortcut(std::string_view raw) {
    const auto [name, file, parameters, iconFile, iconNumber] = shortcutEntry(raw);
    return {name.empty() ? std::string(words::kNoShortcutName) : shown(name),
            words::shortcut(describedTarget(file), shown(parameters), describedTarget(iconFile),
                            shown(iconNumber))};
  }

  PlanItem startMenu() const {
    PlanItem start = fieldItem(words::kStartMenu, T::EditGroupName,
                               words::programsGroup(text(T::EditGroupName)));
    addListItems(start, r_, ListField::MemoGroupItem, Section::Group, [this](std::string_view raw) {
      // The engine's own file with /r is its uninstaller: the shortcut Create
      // adds for CheckBox1.
      const ShortcutEntry parts = shortcutEntry(raw);
      PlanItem item = shortcut(raw);
      if (r_.isEngineFile(parts.file) && parts.parameters == "/r") {
        item.value += words::kAddedByCreate;
        item.field = CheckField::CheckBox1;
      }
      return item;
    });
    return start;
  }

  PlanItem shortcuts() const {
    PlanItem group{std::string(words::kShortcuts)};
    if (r_.inUse(OptionalPart::StartMenu)) group.children.push_back(startMenu());
    struct Place {
      OptionalPart part;
      std::string_view label;
      ListField list;
      Section section;
    };
    for (const Place& p : {Place{OptionalPart::Startup, words::kStartup, ListField::MemoStartupItem,
                                 Section::Startup},
                           Place{OptionalPart::Desktop, words::kDesktop, ListField::MemoDesktopItem,
                                 Section::Desktop}}) {
      if (!r_.inUse(p.part)) continue;
      PlanItem& place = group.children.emplace_back(sectionItem(p.label, p.section));
      place.field = p.list;
      addListItems(place, r_, p.list, p.section, shortcut);
      if (place.children.empty()) place.value = std::string(words::kNone);
    }
    if (group.children.empty()) group.value = std::string(words::kNone);
    return group;
  }

  // What uninstalling removes: the installed files, the installation folder
  // as the registration says, the folders of [RmDir], the keys of [RegKey].
  PlanItem removed(bool registered) const {
    PlanItem removed{std::string(words::kRemoved)};
    PlanItem& listed = removed.children.emplace_back(std::string(words::kInstalledFiles),
                                                     words::fileCount(filesListed_));
    listed.source = sectionSource(Section::Files);
    if (registered)
      removed.children.push_back(indexItem(words::kInstallFolderRemoved,
                                           IndexField::RadioGroupUninstallAll,
                                           words::kInstallFolderRemovedWords));
    addListItems(removed, r_, ListField::MemoRmDir, Section::RmDir, [](std::string_view line) {
      const auto [folder, subfolders, mode] = rmDirEntry(line);
      PlanItem item{words::removedFolder(shown(folder)), describedTarget(folder)};
      item.value.append(words::kAnd);
      addMeaning(item.value, mode, subfolders, words::kSubfoldersWords);
      return item;
    });
    addListItems(
        removed, r_, ListField::MemoUninstallRegKey, Section::RegKey, [](std::string_view line) {
          return PlanItem{std::string(words::kRegKey), words::removedKey(shown(engineValue(line)))};
        });
    return removed;
  }

  PlanItem uninstall() const {
    PlanItem group{std::string(words::kUninstall)};
    const bool registered = r_.inUse(OptionalPart::Uninstall);
    if (registered) {
      group.children.push_back(textItem(words::kUninstallKey, T::EditUninstallKey));
      group.children.push_back(textItem(words::kUninstallName, T::EditUninstallName));
      group.children.push_back(textItem(words::kUninstallTitle, T::EditUninstallTitle));
    } else {
      group.children.push_back(
          {std::string(words::kNotRegistered), std::string(words::kNotRegisteredValue)});
    }
    group.children.push_back(removed(registered));
    if (registered) {
      group.children.push_back(indexItem(words::kRebootDialog,
                                         IndexField::RadioGroupUninstallRebootDlg,
                                         words::kRebootDialogWords));
      group.children.push_back(
          indexItem(words::kNotAdmin, IndexField::RadioGroupNotAdmin, words::kNotAdminWords));
    }
    return group;
  }

  const EngineReading& r_;
  const PlanFolder& folder_;
  ListedFilesText* listed_;
  std::uintmax_t total_ = 0;
  std::size_t unknownSizes_ = 0;
  std::size_t filesListed_ = 0;
};

// Every item by its entry's line, at any depth (the first item of a line);
// the entries of [Files] left out when `listed`: their findings are written
// with them.
void indexByLine(std::vector<PlanItem>& items, bool listed,
                 std::unordered_map<std::size_t, PlanItem*>& out) {
  for (PlanItem& item : items) {
    if (item.fileLine > 0) out.try_emplace(item.fileLine, &item);
    if (!(listed && item.field == FieldRef(ListField::MemoFiles)))
      indexByLine(item.children, listed, out);
  }
}

}  // namespace

ScannedPlanFolder scanPlanFolder(const std::filesystem::path& distDir,
                                 std::string_view iniFileName) {
  FolderScan scan = scanFolderWithSizes(distDir);
  ScannedPlanFolder scanned;
  scanned.folder.sizes = std::move(scan.sizes);
  scanned.names = std::make_unique<ShipCheckContext>(std::move(scan), iniFileName);
  scanned.folder.names = scanned.names.get();
  return scanned;
}

namespace {

// The check's findings beside the items on their lines, and those of no item
// in a group of their own at the end; none that `listed` says stand with
// the entries of [Files] written already.
void addFindings(InstallPlan& plan, const std::vector<FileFinding>& findings,
                 const std::unordered_set<std::size_t>* listed) {
  std::unordered_map<std::size_t, PlanItem*> byLine;
  indexByLine(plan.groups, listed != nullptr, byLine);
  PlanItem others{std::string(words::kOtherFindings)};
  for (const FileFinding& f : findings) {
    if (listed && listed->count(f.line)) continue;
    if (const auto place = byLine.find(f.line); f.line > 0 && place != byLine.end()) {
      place->second->findings.push_back(f);
      continue;
    }
    PlanItem item{words::findingPlace(f.line)};
    if (!f.section.empty())
      item.source = "[" + f.section + "]" + (f.key.empty() ? "" : " " + f.key);
    item.findings.push_back(f);
    others.children.push_back(std::move(item));
  }
  if (!others.children.empty()) plan.groups.push_back(std::move(others));
}

std::size_t textSize(const std::vector<PlanItem>& groups) {
  std::size_t size = 0;
  for (const PlanItem& group : groups) size += textSize(group, 0);
  return size;
}

}  // namespace

InstallPlan makeInstallPlan(const EngineReading& reading, const PlanFolder& folder,
                            const std::vector<FileFinding>& findings) {
  InstallPlan plan = PlanMaker(reading, folder).make();
  addFindings(plan, findings, nullptr);
  return plan;
}

std::string installPlanText(const EngineReading& reading, const PlanFolder& folder,
                            const std::vector<FileFinding>& findings) {
  const std::vector<EngineReading::Item>& entries = reading.items(Section::Files);
  std::unordered_set<std::size_t> listedLines;
  std::string text;
  std::size_t guess = 0;
  for (const EngineReading::Item& e : entries) {
    guess += 2 * e.text.size() + 128;
    if (!e.text.empty()) listedLines.insert(e.line);
  }
  text.reserve(guess);
  const FindingsByLine byLine(findings);
  ListedFilesText listed{text, byLine};
  InstallPlan plan = PlanMaker(reading, folder, &listed).make();
  addFindings(plan, findings, &listedLines);

  // The listed files' lines follow the line of their group and its findings.
  std::string head;
  const auto files = std::find_if(plan.groups.begin(), plan.groups.end(), [](const PlanItem& g) {
    return g.field == ListField::MemoFiles;
  });
  for (auto group = plan.groups.begin(); group != files; ++group) addItem(head, *group, 0);
  addItemLine(head, *files, 0);
  text.reserve(text.size() + head.size() + textSize(plan.groups));
  text.insert(0, head);
  for (const PlanItem& item : files->children) addItem(text, item, 1);
  for (auto group = files + 1; group != plan.groups.end(); ++group) addItem(text, *group, 0);
  return text;
}

std::string sizeText(std::uintmax_t bytes) { return words::size(bytes); }

std::string itemText(const PlanItem& item) {
  std::string text;
  addItemText(text, item);
  return text;
}

std::string planText(const InstallPlan& plan) {
  std::string text;
  text.reserve(textSize(plan.groups));
  for (const PlanItem& group : plan.groups) addItem(text, group, 0);
  return text;
}

}  // namespace velquin
