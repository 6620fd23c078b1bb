#include "settings/record/install_settings.h"

#include <algorithm>

#include "settings/platform/paths.h"
#include "settings/text/lines.h"

namespace velquin {

InstallSettings::InstallSettings() {
  // The start-up values, as the reset gives them: there is nobody to tell
  // yet, and a fresh record has nothing unsaved.
  startFields();
  settingsSaved_ = true;
}

void InstallSettings::addListener(SettingsListener* listener) { listeners_.push_back(listener); }

void InstallSettings::removeListener(SettingsListener* listener) {
  std::erase(listeners_, listener);
}

template <class Call>
void InstallSettings::notify(Call&& call) {
  const auto listeners = listeners_;  // a listener may remove itself
  for (auto* l : listeners) call(*l);
}

void InstallSettings::changed(FieldRef f) {
  notify([f](SettingsListener& l) { l.fieldChanged(f); });
}

void InstallSettings::setProgram(const std::filesystem::path& path) {
  if (path.native() == program_.native()) return;
  program_ = path;
  fileSeen_.reset();
  written_ = false;
  notify([](SettingsListener& l) { l.programChanged(); });
  resetAfterNewProgram();
}

void InstallSettings::setText(TextField f, std::string value) {
  removeLineBreaks(value);
  auto& held = texts_[idx(f)];
  if (held == value) return;
  held = std::move(value);
  if (f == TextField::EditIniName ||
      (written_ && (f == TextField::EditName || f == TextField::EditInstallTitle)))
    setSettingsSaved(false);
  changed(f);
}

void InstallSettings::setLines(ListField f, std::vector<std::string> value) {
  splitEmbeddedLineBreaks(value);
  replaceStretch(f, 0, lists_[idx(f)].size(), std::move(value));
}

void InstallSettings::appendLines(ListField f, std::vector<std::string> more) {
  splitEmbeddedLineBreaks(more);
  replaceStretch(f, lists_[idx(f)].size(), 0, std::move(more));
}

void InstallSettings::replaceLines(ListField f, std::size_t first, std::size_t count,
                                   std::vector<std::string> with) {
  splitEmbeddedLineBreaks(with);
  const std::size_t size = lists_[idx(f)].size();
  first = std::min(first, size);
  replaceStretch(f, first, std::min(count, size - first), std::move(with));
}

bool InstallSettings::removeEmptyLines(ListField f) {
  const std::vector<std::string>& held = lists_[idx(f)];
  const auto isEmpty = [](const std::string& s) { return s.empty(); };
  const auto firstEmpty = std::find_if(held.begin(), held.end(), isEmpty);
  if (firstEmpty == held.end()) return false;
  // One change from the first empty line to the last.
  const auto end = std::find_if(held.rbegin(), held.rend(), isEmpty).base();
  std::vector<std::string> kept;
  std::copy_if(firstEmpty, end, std::back_inserter(kept),
               [](const std::string& s) { return !s.empty(); });
  replaceStretch(f, static_cast<std::size_t>(firstEmpty - held.begin()),
                 static_cast<std::size_t>(end - firstEmpty), std::move(kept));
  return true;
}

void InstallSettings::replaceStretch(ListField f, std::size_t first, std::size_t count,
                                     std::vector<std::string> with) {
  auto& held = lists_[idx(f)];
  // The lines at either end that stay are no part of the change.
  std::size_t skip = 0;
  while (skip < count && skip < with.size() && held[first + skip] == with[skip]) ++skip;
  std::size_t keep = 0;
  while (keep < count - skip && keep < with.size() - skip &&
         held[first + count - 1 - keep] == with[with.size() - 1 - keep])
    ++keep;
  if (skip + keep == count && skip + keep == with.size()) return;
  const auto from = held.begin() + static_cast<std::ptrdiff_t>(first + skip);
  const auto to = held.begin() + static_cast<std::ptrdiff_t>(first + count - keep);
  LinesChange change{f, first + skip, {}, with.size() - skip - keep};
  change.removed.assign(std::make_move_iterator(from), std::make_move_iterator(to));
  if (from == held.begin() && to == held.end() && change.added == with.size()) {
    held = std::move(with);  // every line new (a file loaded): the list taken as it is
  } else {
    // Overwrite what both have, then insert or erase the difference.
    const auto newFrom = with.begin() + static_cast<std::ptrdiff_t>(skip);
    const auto newTo = with.end() - static_cast<std::ptrdiff_t>(keep);
    const std::size_t common = std::min(change.removed.size(), change.added);
    const auto rest = std::move(newFrom, newFrom + static_cast<std::ptrdiff_t>(common), from);
    if (change.added > common) {
      held.insert(rest, std::make_move_iterator(newFrom + static_cast<std::ptrdiff_t>(common)),
                  std::make_move_iterator(newTo));
    } else {
      held.erase(rest, to);
    }
  }
  notify([&change](SettingsListener& l) { l.linesChanged(change); });
}

void InstallSettings::setIndex(IndexField f, int value) {
  value = std::clamp(value, -1, itemCount(f) - 1);
  auto& held = indexes_[idx(f)];
  if (held == value) return;
  held = value;
  changed(f);
}

void InstallSettings::select(Option o) {
  auto& held = choices_[idx(choiceOf(o))];
  if (held == o) return;
  held = o;
  changed(choiceOf(o));
}

void InstallSettings::setChecked(CheckField f, bool checked) {
  auto& held = checks_[idx(f)];
  if (held == checked) return;
  held = checked;
  changed(f);
}

void InstallSettings::setSettingsSaved(bool saved) {
  if (settingsSaved_ == saved) return;
  settingsSaved_ = saved;
  notify([](SettingsListener& l) { l.settingsSavedChanged(); });
}

void InstallSettings::fileRead(std::filesystem::path path, std::string bytes) {
  fileSeen_ = FileSeen{std::move(path), std::move(bytes), true, std::nullopt};
}

void InstallSettings::fileAbsent(std::filesystem::path path) {
  fileSeen_ = FileSeen{std::move(path), {}, false, std::nullopt};
}

void InstallSettings::fileKeptOver(std::filesystem::path path, std::string bytes) {
  if (!fileSeen_ || fileSeen_->path != path) fileAbsent(std::move(path));
  fileSeen_->keptOver = std::move(bytes);
}

void InstallSettings::fileWritten(std::filesystem::path path, std::string bytes) {
  fileRead(std::move(path), std::move(bytes));
  written_ = true;
}

std::string engineBaseName(std::string_view iniFileName) {
  return std::string(iniFileName.size() <= 4 ? std::string_view()
                                             : iniFileName.substr(0, iniFileName.size() - 4));
}

std::string engineFileName(std::string_view iniFileName) {
  return engineBaseName(iniFileName) + ".exe";
}

namespace {

// Settings values come from the windows, which only take text that code page
// 932 holds; should a name still fail to decode, it is used as it is.
std::filesystem::path nameOnDisk(std::string_view sjisName) {
  auto name = nameFromSjis(sjisName);
  return name ? *name : std::filesystem::path(std::string(sjisName));
}

}  // namespace

std::filesystem::path InstallSettings::settingsFilePath(std::string_view iniFileName) const {
  return joinName(distDir_, nameOnDisk(iniFileName));
}

std::filesystem::path InstallSettings::enginePath(std::string_view iniFileName) const {
  return joinName(distDir_, nameOnDisk(engineFileName(iniFileName)));
}

// EditProgramChange: a new program means a new distribution folder, and every
// setting starts again from its start-up value. The order is the order of the
// windows, and each step runs its change behaviour only if it changes a value.
void InstallSettings::resetAfterNewProgram() {
  distDir_ = distDirOf(program_);
  startFields();
}

void InstallSettings::startFields() {
  for (const FieldInfo& f : kFields) {
    switch (f.field.kind) {
      case FieldKind::Text: setText(f.field.text(), std::string(f.startText)); break;
      case FieldKind::Lines: setLines(f.field.list(), {}); break;
      case FieldKind::Index: setIndex(f.field.index(), f.startIndex); break;
      case FieldKind::Choice: select(f.startOption); break;
      case FieldKind::Check: setChecked(f.field.check(), f.startChecked); break;
    }
  }
}

}  // namespace velquin
