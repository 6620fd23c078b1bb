#include "settings_loader.h"

#include <string>
#include <vector>

#include "settings_writer.h"
#include "sjis.h"

namespace velquin {
namespace {

using T = TextField;
using L = ListField;
using C = ChoiceField;

std::string itemKey(std::size_t number) { return "Item" + std::to_string(number); }

// The values of Item1 to ItemN.
std::vector<std::string> readItems(const SettingsFileReader& r, std::string_view section,
                                   std::size_t count) {
  std::vector<std::string> lines;
  lines.reserve(count);
  for (std::size_t i = 1; i <= count; ++i) lines.push_back(r.readText(section, itemKey(i)));
  return lines;
}

// A shortcut list: the keys from Item1 to the end of the key list are the
// shortcuts. When the file has no Item1 value, the list keeps the lines it
// has (the author may have typed them before the file had any).
void loadShortcuts(InstallSettings& s, const SettingsFileReader& r, std::string_view section,
                   const std::vector<std::string>& keys, L field) {
  if (r.readText(section, "Item1").empty()) return;
  std::size_t count = 0;
  for (std::size_t p = 0; p < keys.size(); ++p) {
    if (SettingsFileReader::sameName(keys[p], "Item1")) {
      count = keys.size() - p;
      break;
    }
  }
  s.setLines(field, readItems(r, section, count));
}

// The code of a choice selects its option and then runs the tab's enabling
// rules, whether or not the option changed: "not used" runs the rules of the
// "無効化" button, 0 and 1 those of the "チェックをつける" button (the
// "チェックをつけない" button applies the same rules). A code without an
// option changes nothing and runs nothing.
void loadShortcutChoice(InstallSettings& s, const SettingsFileReader& r, std::string_view section,
                        C choice, Option checkButton, Option unusedButton) {
  const int code = r.readNumber(section, "Value", -1);
  Option option;
  if (!optionForCode(choice, code, option)) return;
  s.select(option);
  s.runClickHandler(code == -1 ? unusedButton : checkButton);
}

void loadList(InstallSettings& s, const SettingsFileReader& r, std::string_view section, L field) {
  if (!r.hasSection(section)) return;
  s.setLines(field, readItems(r, section, r.readKeys(section).size()));
}

}  // namespace

void loadSettingsFile(InstallSettings& settings, const std::filesystem::path& path) {
  const SettingsFileReader reader(path);
  loadSettings(settings, reader);
}

void loadSettings(InstallSettings& s, const SettingsFileReader& r) {
  s.setText(T::EditName, r.readText("Application", "Name"));
  s.setText(T::EditInstallTitle, r.readText("Install", "Title"));
  s.setText(T::EditInstallTextFail, r.readText("Install", "TextFile"));
  s.setText(T::EditInstallDir, r.readText("Install", "InstallDir"));
  s.setText(T::EditInstallDirReg, r.readText("Install", "InstallDirReg"));
  s.setIndex(IndexField::RadioGroupFileDel, r.readNumber("Install", "IsFileDelAfterInst", 1));
  s.setText(T::EditInstallProgram, r.readText("Install", "Program"));
  Option allUsers;
  if (optionForCode(C::RBAllUsers, r.readNumber("Install", "AllUsers", -1), allUsers))
    s.select(allUsers);
  s.setText(T::EditInstallMessage, r.readText("Install", "Message"));

  // [Files] ends in the two entries that Create adds after the author's
  // lines (the engine and the settings file itself); they are not the
  // author's and are left out. The list is replaced in one go, so that the
  // windows hear of it once.
  {
    const std::size_t keys = r.readKeys("Files").size();
    s.setLines(L::MemoFiles, readItems(r, "Files", keys > 2 ? keys - 2 : 0));
  }

  loadShortcutChoice(s, r, "Group", C::RadioButtonStart, Option::RadioButtonStartCheck,
                     Option::RadioButtonStartMuko);
  s.setText(T::EditGroupInfo, r.readText("Group", "Info"));
  s.setText(T::EditGroupName, r.readText("Group", "GroupName"));

  // [Group]: when its last entry names the uninstall shortcut that Create
  // adds for CheckBox1 (the application's name followed by
  // "のアンインストール"), that entry is the check box, not a shortcut of
  // the author's. The check box is never unchecked here: a file without that
  // entry says nothing about it. A [Group] without keys (missing, or a
  // header alone) reads as "not used" with no shortcuts: the choice above
  // has already taken the default, and the list and check box stay as they
  // are.
  {
    std::vector<std::string> keys = r.readKeys("Group");
    if (!keys.empty()) {
      const std::string last = r.readText("Group", keys.back());
      const std::string marker = s.text(T::EditName) + std::string(kUninstallShortcutSuffix);
      if (sjis::containsAtCharBoundary(last, marker)) {
        keys.pop_back();
        s.setCheckBox1(true);
      }
      loadShortcuts(s, r, "Group", keys, L::MemoGroupItem);
    }
  }

  loadShortcutChoice(s, r, "Startup", C::RadioButtonStartup, Option::RadioButtonStartupCheck,
                     Option::RadioButtonStartupMuko);
  s.setText(T::EditStartupInfo, r.readText("Startup", "Info"));
  loadShortcuts(s, r, "Startup", r.readKeys("Startup"), L::MemoStartupItem);

  loadShortcutChoice(s, r, "Desktop", C::RadioButtonDesktop, Option::RadioButtonDesktopCheck,
                     Option::RadioButtonDesktopMuko);
  s.setText(T::EditDesktopInfo, r.readText("Desktop", "Info"));
  loadShortcuts(s, r, "Desktop", r.readKeys("Desktop"), L::MemoDesktopItem);

  // Create leaves these sections out when they are not in use; their
  // absence then says nothing, and the fields keep what they hold.
  if (r.hasSection("Uninstall")) {
    s.setText(T::EditUninstallKey, r.readText("Uninstall", "Key"));
    s.setText(T::EditUninstallName, r.readText("Uninstall", "Name"));
    s.setText(T::EditUninstallTitle, r.readText("Uninstall", "Title"));
    s.setIndex(IndexField::RadioGroupUninstallAll, r.readNumber("Uninstall", "AllDelete", 2));
    s.setIndex(IndexField::RadioGroupUninstallRebootDlg, r.readNumber("Uninstall", "RebootDlg", 1));
    s.setIndex(IndexField::RadioGroupNotAdmin, r.readNumber("Uninstall", "NotAdmin", 0));
  }
  loadList(s, r, "RmDir", L::MemoRmDir);
  loadList(s, r, "RegKey", L::MemoUninstallRegKey);
}

}  // namespace velquin
