#include "install_settings.h"

#include <algorithm>

#include "lines.h"
#include "paths.h"

namespace velquin {

int defaultIndex(IndexField f) {
  switch (f) {
    case IndexField::RadioGroupFileDel: return 1;
    case IndexField::RadioGroupUninstallAll: return 2;
    case IndexField::RadioGroupUninstallRebootDlg: return 1;
    case IndexField::RadioGroupNotAdmin: return 0;
  }
  return 0;
}

Option defaultOption(ChoiceField f) {
  switch (f) {
    case ChoiceField::RBAllUsers: return Option::RBAllUsersMishiyo;
    case ChoiceField::RadioButtonStart: return Option::RadioButtonStartMuko;
    case ChoiceField::RadioButtonStartup: return Option::RadioButtonStartupMuko;
    case ChoiceField::RadioButtonDesktop: return Option::RadioButtonDesktopMuko;
  }
  return Option::RBAllUsersMishiyo;
}

InstallSettings::InstallSettings() {
  texts_[idx(TextField::EditIniName)] = std::string(kDefaultIniName);
  for (int i = 0; i < kIndexFieldCount; ++i) indexes_[i] = defaultIndex(static_cast<IndexField>(i));
  for (int i = 0; i < kChoiceFieldCount; ++i)
    choices_[i] = defaultOption(static_cast<ChoiceField>(i));
}

void InstallSettings::addListener(SettingsListener* listener) { listeners_.push_back(listener); }

void InstallSettings::removeListener(SettingsListener* listener) {
  std::erase(listeners_, listener);
}

template <class F>
void InstallSettings::notify(F&& f) {
  const auto listeners = listeners_;  // a listener may remove itself
  for (auto* l : listeners) f(*l);
}

void InstallSettings::setProgram(const std::filesystem::path& path) {
  if (path.native() == program_.native()) return;
  program_ = path;
  notify([](SettingsListener& l) { l.programChanged(); });
  resetAfterNewProgram();
}

void InstallSettings::setText(TextField f, std::string value) {
  removeLineBreaks(value);
  auto& held = texts_[idx(f)];
  if (held == value) return;
  held = std::move(value);
  if (f == TextField::EditIniName) setSettingsSaved(false);  // EditIniNameChange
  notify([f](SettingsListener& l) { l.textChanged(f); });
}

void InstallSettings::setLines(ListField f, std::vector<std::string> value) {
  splitEmbeddedLineBreaks(value);
  auto& held = lists_[idx(f)];
  if (held == value) return;
  held = std::move(value);
  notify([f](SettingsListener& l) { l.linesChanged(f); });
}

void InstallSettings::appendLines(ListField f, std::vector<std::string> more) {
  if (more.empty()) return;
  splitEmbeddedLineBreaks(more);
  auto& held = lists_[idx(f)];
  held.insert(held.end(), std::make_move_iterator(more.begin()),
              std::make_move_iterator(more.end()));
  notify([f](SettingsListener& l) { l.linesChanged(f); });
}

bool InstallSettings::removeEmptyLines(ListField f) {
  if (std::erase_if(lists_[idx(f)], [](const std::string& s) { return s.empty(); }) == 0)
    return false;
  notify([f](SettingsListener& l) { l.linesChanged(f); });
  return true;
}

void InstallSettings::setIndex(IndexField f, int value) {
  value = std::clamp(value, -1, itemCount(f) - 1);
  auto& held = indexes_[idx(f)];
  if (held == value) return;
  held = value;
  notify([f](SettingsListener& l) { l.indexChanged(f); });
}

void InstallSettings::select(Option o) {
  auto& held = choices_[idx(choiceOf(o))];
  if (held == o) return;
  held = o;
  runClickHandler(o);
}

void InstallSettings::runClickHandler(Option o) {
  notify([o](SettingsListener& l) { l.optionClicked(o); });
}

void InstallSettings::setCheckBox1(bool checked) {
  if (checkBox1_ == checked) return;
  checkBox1_ = checked;
  notify([](SettingsListener& l) { l.checkChanged(); });
}

void InstallSettings::setSettingsSaved(bool saved) {
  if (settingsSaved_ == saved) return;
  settingsSaved_ = saved;
  notify([](SettingsListener& l) { l.settingsSavedChanged(); });
}

std::string InstallSettings::engineBaseName() const {
  return iniFileName_.size() <= 4 ? std::string() : iniFileName_.substr(0, iniFileName_.size() - 4);
}

std::filesystem::path InstallSettings::settingsFilePath() const {
  // Settings values come from the windows, which only take text that code
  // page 932 holds; should a name still fail to decode, it is used as it is.
  auto name = nameFromSjis(iniFileName_);
  return joinName(distDir_, name ? *name : std::filesystem::path(iniFileName_));
}

std::filesystem::path InstallSettings::enginePath() const {
  const std::string engine = engineBaseName() + ".exe";
  auto name = nameFromSjis(engine);
  return joinName(distDir_, name ? *name : std::filesystem::path(engine));
}

// EditProgramChange: a new program means a new distribution folder, and every
// setting starts again from its default. The order is the order of the
// windows, and each step runs its change behaviour only if it changes a value.
void InstallSettings::resetAfterNewProgram() {
  distDir_ = distDirOf(program_);
  setText(TextField::EditName, {});
  setText(TextField::EditIniName, std::string(kDefaultIniName));
  setText(TextField::EditInstallTitle, {});
  setText(TextField::EditInstallTextFail, {});
  setText(TextField::EditInstallDir, {});
  setText(TextField::EditInstallDirReg, {});
  setIndex(IndexField::RadioGroupFileDel, 1);
  setText(TextField::EditInstallProgram, {});
  select(Option::RBAllUsersMishiyo);
  setText(TextField::EditInstallMessage, {});
  setLines(ListField::MemoFiles, {});
  select(Option::RadioButtonStartMuko);
  setText(TextField::EditGroupInfo, {});
  setText(TextField::EditGroupName, {});
  setLines(ListField::MemoGroupItem, {});
  setCheckBox1(false);
  select(Option::RadioButtonStartupMuko);
  setText(TextField::EditStartupInfo, {});
  setLines(ListField::MemoStartupItem, {});
  select(Option::RadioButtonDesktopMuko);
  setText(TextField::EditDesktopInfo, {});
  setLines(ListField::MemoDesktopItem, {});
  setText(TextField::EditUninstallKey, {});
  setText(TextField::EditUninstallName, {});
  setText(TextField::EditUninstallTitle, {});
  setIndex(IndexField::RadioGroupUninstallAll, 2);
  setIndex(IndexField::RadioGroupUninstallRebootDlg, 1);
  setIndex(IndexField::RadioGroupNotAdmin, 0);
  setLines(ListField::MemoRmDir, {});
  setLines(ListField::MemoUninstallRegKey, {});
}

}  // namespace velquin
