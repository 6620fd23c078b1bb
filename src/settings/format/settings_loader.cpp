#include "settings/format/settings_loader.h"

#include <string>
#include <vector>

#include "settings/format/settings_format.h"
#include "settings/text/sjis.h"

namespace velquin {
namespace {

// One section of the file, read once into its key list.
struct SectionReading {
  const SettingsFile& file;
  const SettingsFileReader& reader;
  std::string_view name;
  std::size_t read;  // SettingsFile::itemsRead
  // The last entry is the uninstall shortcut that Create adds for CheckBox1
  // (the application's name followed by "のアンインストール"): that entry is
  // the check box, not a shortcut of the author's.
  bool endsInUninstallShortcut = false;

  SectionReading(const InstallSettings& s, const SettingsFile& f, const SectionInfo& section)
      : file(f), reader(f.reader()), name(section.name), read(f.itemsRead(section.section)) {
    if (section.section != fieldInfo(CheckField::CheckBox1).section) return;
    const std::vector<SettingsFileReader::EntryAt> entries = reader.entries(name);
    if (entries.empty()) return;
    // EditName is loaded before: [Application] comes first.
    const std::string marker = s.text(TextField::EditName) + std::string(kUninstallShortcutSuffix);
    endsInUninstallShortcut = sjis::containsAtCharBoundary(entries.back().value, marker);
  }
};

// A shortcut list: the entries read (itemsRead), less the uninstall
// shortcut. When the file has no Item1 value, the list keeps the lines it has
// (the author may have typed them before the file had any).
void loadShortcuts(InstallSettings& s, const SectionReading& sec, const FieldInfo& info) {
  const SettingsFileReader& r = sec.reader;
  if (r.readText(sec.name, std::string(kItemKey) + "1").empty()) return;
  std::size_t count = sec.read;
  if (sec.endsInUninstallShortcut && count > 0) --count;
  s.setLines(info.field.list(), r.readItems(sec.name, count));
}

void loadList(InstallSettings& s, const SectionReading& sec, const FieldInfo& info) {
  const std::size_t read = sec.read;
  if (info.section == Section::Files) {
    // The entries that Create adds after the author's lines are not the
    // author's, wherever the file lists them: Create adds them once. The
    // list is replaced in one go, so that the windows hear of it once.
    std::vector<std::string> lines = sec.reader.readItems(sec.name, read);
    std::erase_if(lines, [&](const std::string& l) { return sec.file.isAddedEntry(l); });
    s.setLines(info.field.list(), std::move(lines));
  } else if (kSections[static_cast<std::size_t>(info.section)].presence ==
             SectionPresence::WhileListHasLines) {
    s.setLines(info.field.list(), sec.reader.readItems(sec.name, read));
  } else {
    loadShortcuts(s, sec, info);
  }
}

// The code of a choice selects its option; a code without an option changes
// nothing.
void loadChoice(InstallSettings& s, const SectionReading& sec, const FieldInfo& info) {
  const int code = sec.reader.readNumber(sec.name, info.key, codeOf(info.startOption));
  Option option;
  if (optionForCode(info.field.choice(), code, option)) s.select(option);
}

}  // namespace

void loadSettings(InstallSettings& s, const SettingsFile& file) {
  const SettingsFileReader& r = file.reader();
  for (const SectionInfo& section : kSections) {
    // Create leaves the optional sections out when they are not in use; their
    // absence then says nothing, and the fields keep what they hold.
    if (section.presence != SectionPresence::Always && !r.hasSection(section.name)) continue;
    const SectionReading sec(s, file, section);
    for (const FieldInfo& info : kFields) {
      if (info.section != section.section) continue;
      const FieldRef field = info.field;
      switch (field.kind) {
        case FieldKind::Text:
          if (!info.key.empty()) s.setText(field.text(), r.readText(section.name, info.key));
          break;
        case FieldKind::Index:
          s.setIndex(field.index(), r.readNumber(section.name, info.key, info.startIndex));
          break;
        case FieldKind::Choice: loadChoice(s, sec, info); break;
        case FieldKind::Lines: loadList(s, sec, info); break;
        case FieldKind::Check:
          // A file without the uninstall shortcut says nothing about the
          // check box: it is never unchecked here.
          if (sec.endsInUninstallShortcut) s.setChecked(field.check(), true);
          break;
      }
    }
  }
}

}  // namespace velquin
