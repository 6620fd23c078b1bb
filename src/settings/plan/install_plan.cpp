#include "settings/plan/install_plan.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "settings/check/entry_parts.h"
#include "settings/format/settings_format.h"
#include "settings/format/settings_writer.h"
#include "settings/record/settings_rules.h"
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
  if (name.empty()) return;
  if (name.front() == '%') {
    const std::size_t close = name.find('%', 1);
    if (close == std::string_view::npos || close == 1) {
      out.append(words::notDescribed(shown(name)));
    } else {
      out.append(
          words::belowPlaceholder(shown(name.substr(1, close - 1)), shown(name.substr(close + 1))));
    }
  } else if (!isRelative(name)) {
    addShown(out, name);
  } else if (sjis::isAscii(name)) {
    words::addBelowInstallFolder(out, name);
  } else {
    words::addBelowInstallFolder(out, shown(name));
  }
}
std::string targetOf(std::string_view name) {
  std::string text;
  addTarget(text, name);
  return text;
}

void addPart(std::string& value, std::string_view part) { value.append(words::kAnd).append(part); }

// The items of a list's lines that the file holds (empty ones left out),
// numbered from Item1 in `section`: `describe` gives each item its label and
// value; the source, field and line are the list's.
template <class Describe>
int addListItems(PlanItem& place, const std::vector<std::string>& lines, ListField list,
                 Section section, Describe describe) {
  int number = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    PlanItem& item = place.children.emplace_back(describe(lines[i]));
    item.source = itemSource(section, ++number);
    item.field = list;
    item.line = i;
  }
  return number;
}

void addIndent(std::string& out, std::size_t depth) { out.append(2 * depth, ' '); }

void addItemText(std::string& out, const PlanItem& item) {
  out += item.label;
  if (!item.value.empty()) out.append("：").append(item.value);
  if (item.size) words::addSize(out.append(words::kAnd), *item.size);
  if (!item.source.empty()) out.append("  ← ").append(item.source);
}

// A finding's text, its further lines indented below its first.
void addFinding(std::string& out, const Finding& f, std::size_t depth) {
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
  for (const Finding& f : item.findings) addFinding(out, f, depth);
}

void addItem(std::string& out, const PlanItem& item, std::size_t depth) {
  addItemLine(out, item, depth);
  for (const PlanItem& child : item.children) addItem(out, child, depth + 1);
}

// A generous guess of the text's length, so that it is made in one block.
std::size_t textSize(const PlanItem& item, std::size_t depth) {
  std::size_t size = 2 * depth + item.label.size() + item.value.size() + item.source.size() + 48;
  for (const Finding& f : item.findings) size += f.text.size() + 16 + 4 * depth;
  for (const PlanItem& child : item.children) size += textSize(child, depth + 1);
  return size;
}

// The lines of the file list written as text as they are described, rather
// than held as items: the text, and the findings of the list's lines in the
// order of their lines.
struct ListedFilesText {
  std::string& text;
  std::vector<const Finding*> findings;
};

class PlanMaker {
 public:
  // `listed`: where the file list's lines are written (none: they are items).
  PlanMaker(const InstallSettings& settings, std::string_view iniFileName, const PlanFolder& folder,
            ListedFilesText* listed = nullptr)
      : s_(settings),
        ini_(iniFileName),
        engine_(engineFileName(iniFileName)),
        folder_(folder),
        listed_(listed) {}

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

  std::string text(T field) const { return shown(engineValue(s_.text(field))); }
  std::string textOrNone(T field) const {
    std::string value = text(field);
    return value.empty() ? std::string(words::kNone) : value;
  }

  static PlanItem fieldItem(std::string_view label, FieldRef field, std::string value) {
    PlanItem item{std::string(label), std::move(value)};
    item.source = fieldSource(field);
    item.field = field;
    return item;
  }
  PlanItem textItem(std::string_view label, T field) const {
    return fieldItem(label, field, text(field));
  }
  PlanItem indexItem(std::string_view label, IndexField field,
                     std::span<const std::string_view> choices) const {
    return fieldItem(label, field, words::indexWords(s_.index(field), choices));
  }

  PlanItem application() const {
    PlanItem group{std::string(words::kApplication)};
    group.children.push_back(textItem(words::kName, T::EditName));
    group.children.push_back(textItem(words::kInstallTitle, T::EditInstallTitle));
    return group;
  }

  // The installation folder's start value, as the meanings describe it.
  std::string installDirText() const {
    const std::string_view dir = engineValue(s_.text(T::EditInstallDir));
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
    if (!inUse(s_, OptionalPart::InstallDir)) {
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
  // overwrite rule and note, and its size or why the size is unknown. The
  // size is counted into the list's total.
  void describeFile(PlanItem& item, std::string_view raw, std::string_view note = {},
                    std::optional<std::uintmax_t> knownSize = std::nullopt) {
    const auto [name, overwrite] = fileEntry(raw);
    item.label.clear();
    addShown(item.label, name);
    item.value.clear();
    addTarget(item.value, name);
    item.size.reset();
    words::addOverwrite(item.value.append(words::kAnd), overwrite);
    if (!note.empty()) addPart(item.value, note);
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
  }

  PlanItem fileItem(std::string_view raw, std::string_view note = {},
                    std::optional<std::uintmax_t> knownSize = std::nullopt) {
    PlanItem item;
    describeFile(item, raw, note, knownSize);
    return item;
  }

  // The file list's lines written into `listed_` as planText writes their
  // items, each described into one item used again; the number of entries.
  int writeListedFiles(const std::vector<std::string>& lines) {
    PlanItem item;
    auto found = listed_->findings.begin();
    int number = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].empty()) continue;
      describeFile(item, lines[i]);
      item.source.clear();
      addSource(item.source, Section::Files, kItemKey, ++number);
      item.findings.clear();
      for (; found != listed_->findings.end() && (*found)->line <= i; ++found)
        if ((*found)->line == i) item.findings.push_back(**found);
      addItem(listed_->text, item, 1);
    }
    return number;
  }

  // The entry Create adds for the settings file itself.
  PlanItem settingsFileItem() {
    if (folder_.settingsFileInFolder) return fileItem(ini_, words::kSettingsFile);
    return fileItem(ini_, words::kSettingsFile, composeSettingsFile(s_, ini_).size());
  }

  PlanItem files() {
    PlanItem group{std::string(words::kFiles)};
    group.field = ListField::MemoFiles;
    group.source = sectionSource(Section::Files);
    const std::vector<std::string>& lines = s_.lines(ListField::MemoFiles);
    int number = 0;
    if (listed_) {
      number = writeListedFiles(lines);
    } else {
      group.children.reserve(lines.size() + 2);
      number = addListItems(group, lines, ListField::MemoFiles, Section::Files,
                            [this](std::string_view line) { return fileItem(line); });
    }
    group.children.push_back(fileItem(engine_ + ",2", words::kEngineFile));
    group.children.back().source = itemSource(Section::Files, ++number);
    group.children.push_back(settingsFileItem());
    group.children.back().source = itemSource(Section::Files, ++number);
    group.children.back().field = TextField::EditIniName;
    filesListed_ = static_cast<std::size_t>(number);
    group.value = words::fileCount(filesListed_);
    if (unknownSizes_ > 0) addPart(group.value, words::unknownSizes(unknownSizes_));
    group.size = total_;
    return group;
  }

  PlanItem beforeAndAfter() const {
    PlanItem group{std::string(words::kBeforeAndAfter)};
    group.children.push_back(
        fieldItem(words::kTextFile, T::EditInstallTextFail, textOrNone(T::EditInstallTextFail)));

    const auto [file, parameters] = programEntry(s_.text(T::EditInstallProgram));
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
      const int code = s_.code(box.choice);
      PlanItem& item =
          group.children.emplace_back(fieldItem(box.caption, box.choice, words::boxState(code)));
      if (code == kNotUsedCode) continue;
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
    return {
        name.empty() ? std::string(words::kNoShortcutName) : shown(name),
        words::shortcut(targetOf(file), shown(parameters), targetOf(iconFile), shown(iconNumber))};
  }

  PlanItem startMenu() const {
    PlanItem start = fieldItem(words::kStartMenu, T::EditGroupName,
                               words::programsGroup(text(T::EditGroupName)));
    const int count = addListItems(start, s_.lines(ListField::MemoGroupItem),
                                   ListField::MemoGroupItem, Section::Group, shortcut);
    if (s_.checked(CheckField::CheckBox1)) {
      PlanItem& uninstaller = start.children.emplace_back(shortcut(
          s_.text(T::EditName) + std::string(kUninstallShortcutSuffix) + "," + engine_ + ",/r"));
      uninstaller.value += words::kAddedByCreate;
      uninstaller.source = itemSource(Section::Group, count + 1);
      uninstaller.field = CheckField::CheckBox1;
    }
    return start;
  }

  PlanItem shortcuts() const {
    PlanItem group{std::string(words::kShortcuts)};
    if (inUse(s_, OptionalPart::StartMenu)) group.children.push_back(startMenu());
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
      if (!inUse(s_, p.part)) continue;
      PlanItem& place = group.children.emplace_back(std::string(p.label));
      place.source = sectionSource(p.section);
      place.field = p.list;
      addListItems(place, s_.lines(p.list), p.list, p.section, shortcut);
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
    addListItems(removed, s_.lines(ListField::MemoRmDir), ListField::MemoRmDir, Section::RmDir,
                 [](std::string_view line) {
                   const auto [folder, subfolders] = rmDirEntry(line);
                   PlanItem item{words::removedFolder(shown(folder)), targetOf(folder)};
                   addPart(item.value, words::subfolders(subfolders));
                   return item;
                 });
    addListItems(
        removed, s_.lines(ListField::MemoUninstallRegKey), ListField::MemoUninstallRegKey,
        Section::RegKey, [](std::string_view line) {
          return PlanItem{std::string(words::kRegKey), words::removedKey(shown(engineValue(line)))};
        });
    return removed;
  }

  PlanItem uninstall() const {
    PlanItem group{std::string(words::kUninstall)};
    const bool registered = inUse(s_, OptionalPart::Uninstall);
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

  const InstallSettings& s_;
  std::string ini_;
  std::string engine_;
  const PlanFolder& folder_;
  ListedFilesText* listed_;
  std::uintmax_t total_ = 0;
  std::size_t unknownSizes_ = 0;
  std::size_t filesListed_ = 0;
};

// The item that `finding` concerns, at any depth.
PlanItem* itemOf(std::vector<PlanItem>& items, const Finding& finding) {
  for (PlanItem& item : items) {
    if (item.field == finding.field && item.line == finding.line) return &item;
    if (PlanItem* inner = itemOf(item.children, finding)) return inner;
  }
  return nullptr;
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

// The check's findings beside the items they concern, and those of no item
// in a group of their own at the end; none that `written` says stand
// elsewhere.
template <class Written>
void addFindings(InstallPlan& plan, const std::vector<Finding>& findings, Written written) {
  PlanItem others{std::string(words::kOtherFindings)};
  for (const Finding& f : findings) {
    if (written(f)) continue;
    if (PlanItem* place = itemOf(plan.groups, f)) {
      place->findings.push_back(f);
    } else {
      const std::string_view caption = fieldCaption(f.field);
      PlanItem item{std::string(caption.empty() ? fieldName(f.field) : caption)};
      item.source =
          f.item > 0 ? itemSource(fieldInfo(f.field).section, f.item) : fieldSource(f.field);
      item.findings.push_back(f);
      others.children.push_back(std::move(item));
    }
  }
  if (!others.children.empty()) plan.groups.push_back(std::move(others));
}

std::size_t textSize(const std::vector<PlanItem>& groups) {
  std::size_t size = 0;
  for (const PlanItem& group : groups) size += textSize(group, 0);
  return size;
}

}  // namespace

InstallPlan makeInstallPlan(const InstallSettings& settings, std::string_view iniFileName,
                            const PlanFolder& folder, const std::vector<Finding>& findings) {
  InstallPlan plan = PlanMaker(settings, iniFileName, folder).make();
  addFindings(plan, findings, [](const Finding&) { return false; });
  return plan;
}

std::string installPlanText(const InstallSettings& settings, std::string_view iniFileName,
                            const PlanFolder& folder, const std::vector<Finding>& findings) {
  const std::vector<std::string>& lines = settings.lines(ListField::MemoFiles);
  const auto onListedLine = [&lines](const Finding& f) {
    return f.field == ListField::MemoFiles && f.line && *f.line < lines.size() &&
           !lines[*f.line].empty();
  };
  std::string text;
  std::size_t guess = 0;
  for (const std::string& line : lines) guess += 2 * line.size() + 128;
  text.reserve(guess);
  ListedFilesText listed{text, {}};
  for (const Finding& f : findings)
    if (onListedLine(f)) listed.findings.push_back(&f);
  std::stable_sort(listed.findings.begin(), listed.findings.end(),
                   [](const Finding* a, const Finding* b) { return *a->line < *b->line; });
  InstallPlan plan = PlanMaker(settings, iniFileName, folder, &listed).make();
  addFindings(plan, findings, onListedLine);

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
