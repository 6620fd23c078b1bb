#include "settings/check/checker.h"

#include <algorithm>
#include <future>

#include "settings/platform/folder_scan.h"
#include "settings/record/settings_rules.h"

namespace velquin {
namespace {

FindingCounts countOf(const std::vector<Finding>& found) {
  FindingCounts c;
  for (const Finding& f : found) ++(f.weight == Weight::Error ? c.errors : c.warnings);
  return c;
}

void subtract(FindingCounts& from, const FindingCounts& c) {
  from.errors -= c.errors;
  from.warnings -= c.warnings;
}

const std::vector<Finding> kNone;

// A list from this many lines on is checked in two halves at once.
constexpr std::size_t kLongList = 20000;

const std::vector<Finding>& held(const std::unique_ptr<std::vector<Finding>>& found) {
  return found ? *found : kNone;
}

template <class E>
constexpr std::size_t idx(E e) {
  return static_cast<std::size_t>(e);
}

}  // namespace

Checker::Checker(InstallSettings& settings) : settings_(settings) { settings_.addListener(this); }

Checker::~Checker() { settings_.removeListener(this); }

void Checker::addListener(CheckListener* listener) { listeners_.push_back(listener); }

void Checker::removeListener(CheckListener* listener) { std::erase(listeners_, listener); }

void Checker::setFolderFiles(std::vector<std::string> files, std::string_view iniFileName,
                             std::vector<FolderAlias> aliases,
                             std::vector<std::string> unwritable) {
  context_.reset();
  checkAll();  // nothing to check against: no findings
  pending_ = Pending{nullptr, std::move(files), std::string(iniFileName), std::move(aliases),
                     std::move(unwritable)};
  const auto listeners = listeners_;
  for (CheckListener* l : listeners) l->findingsReset();
}

void Checker::setFolder(std::unique_ptr<ShipCheckContext> folder) {
  setFolderFiles({}, {});
  pending_->folder = std::move(folder);
}

bool Checker::holdsFolder(const FolderScan& scan, std::string_view iniFileName) const {
  if (pending_ && !pending_->folder)
    return pending_->files == scan.lines && pending_->aliases == scan.aliases &&
           pending_->unwritable == scan.unwritable && pending_->iniFileName == iniFileName;
  const ShipCheckContext* held = pending_ ? pending_->folder.get() : context_.get();
  return held && held->folderFiles() == scan.lines && held->aliases() == scan.aliases &&
         held->unwritableFiles() == scan.unwritable && held->iniFile() == iniFileName;
}

std::string_view Checker::folderIniFileName() const {
  if (pending_ && !pending_->folder) return pending_->iniFileName;
  const ShipCheckContext* held = pending_ ? pending_->folder.get() : context_.get();
  return held ? std::string_view(held->iniFile()) : std::string_view();
}

const std::vector<std::string>& Checker::folderFiles() const {
  static const std::vector<std::string> kNoFiles;
  if (pending_ && !pending_->folder) return pending_->files;
  const ShipCheckContext* held = pending_ ? pending_->folder.get() : context_.get();
  return held ? held->folderFiles() : kNoFiles;
}

const std::vector<std::string>& Checker::unwritableFiles() const {
  static const std::vector<std::string> kNoFiles;
  if (pending_ && !pending_->folder) return pending_->unwritable;
  const ShipCheckContext* held = pending_ ? pending_->folder.get() : context_.get();
  return held ? held->unwritableFiles() : kNoFiles;
}

bool readFolderAgain(Checker& checker, const std::filesystem::path& folder,
                     std::optional<std::string_view> iniFileName) {
  if (!checker.hasFolderFiles()) return false;
  const std::string ini(iniFileName ? *iniFileName : checker.folderIniFileName());
  FolderScan scan = scanFolder(folder);
  if (checker.holdsFolder(scan, ini)) return false;
  checker.setFolderFiles(std::move(scan.lines), ini, std::move(scan.aliases),
                         std::move(scan.unwritable));
  return true;
}

void Checker::programChanged() {
  // The files were those of the former program's folder.
  const bool had = hasFolderFiles();
  context_.reset();
  pending_.reset();
  checkAll();
  if (!had) return;
  const auto listeners = listeners_;
  for (CheckListener* l : listeners) l->findingsReset();
}

// The files that wait are checked against when first asked about; what the
// checker then holds is what it would have held had it checked at once.
void Checker::ensureChecked() const {
  if (!pending_) return;
  auto& self = const_cast<Checker&>(*this);
  Pending pending = std::move(*self.pending_);
  self.pending_.reset();
  self.context_ = pending.folder ? std::move(pending.folder)
                                 : std::make_unique<ShipCheckContext>(
                                       std::move(pending.files), pending.iniFileName,
                                       std::move(pending.aliases), std::move(pending.unwritable));
  self.context_->addFileLines(settings_.lines(ListField::MemoFiles));
  self.checkAll();
}

void Checker::checkAll() {
  for (std::size_t i = 0; i < kListFieldCount; ++i) checkList(static_cast<ListField>(i));
  for (std::size_t i = 0; i < kTextFieldCount; ++i) checkText(static_cast<TextField>(i));
  program_.clear();
  if (context_) checkProgram(*context_, settings_.program(), program_);
}

bool Checker::checkList(ListField list) {
  List& l = lists_[idx(list)];
  l.written = context_ && isWritten(settings_, list);
  const std::size_t size = context_ ? settings_.lines(list).size() : 0;
  bool changed = l.lines.size() != size;
  l.lines.resize(size);
  // A long list is checked in two halves at once.
  LinesCheck done;
  if (size < kLongList) {
    done = checkLines(list, 0, size);
  } else {
    std::future<LinesCheck> second =
        std::async(std::launch::async | std::launch::deferred,
                   [this, list, size] { return checkLines(list, size / 2, size); });
    done = checkLines(list, 0, size / 2);
    const LinesCheck rest = second.get();
    done.changed = done.changed || rest.changed;
    done.counts += rest.counts;
  }
  l.counts = done.counts;
  return changed || done.changed;
}

Checker::LinesCheck Checker::checkLines(ListField list, std::size_t begin, std::size_t end) {
  LinesCheck done;
  const std::vector<std::string>& lines = settings_.lines(list);
  for (std::size_t i = begin; i < end; ++i) {
    if (list == ListField::MemoFiles) context_->prefetch(lines, i);
    const LineCheck c = recheck(list, i);
    done.changed = done.changed || c.changed;
    done.counts += c.after;
  }
  return done;
}

bool Checker::checkLine(ListField list, std::size_t line) {
  List& l = lists_[idx(list)];
  const LineCheck c = recheck(list, line);
  subtract(l.counts, c.before);
  l.counts += c.after;
  return c.changed;
}

Checker::LineCheck Checker::recheck(ListField list, std::size_t line) {
  List& l = lists_[idx(list)];
  std::vector<Finding> found;
  if (l.written) checkListLine(*context_, list, settings_.lines(list)[line], found);
  std::unique_ptr<std::vector<Finding>>& had = l.lines[line];
  LineCheck c{found != held(had), countOf(held(had)), countOf(found)};
  if (c.changed)
    had = found.empty() ? nullptr : std::make_unique<std::vector<Finding>>(std::move(found));
  return c;
}

bool Checker::checkText(TextField field) {
  std::vector<Finding> found;
  if (context_) checkTextField(settings_, *context_, field, found);
  if (found == texts_[idx(field)]) return false;
  texts_[idx(field)] = std::move(found);
  return true;
}

void Checker::tell(FieldRef field) {
  const auto listeners = listeners_;
  for (CheckListener* l : listeners) l->findingsChanged(field);
}

// A value may put a part in or out of use, and with it what the file holds;
// the single-line fields are few and cheap to check.
void Checker::fieldChanged(FieldRef field) {
  if (!context_) return;
  if (field.kind == FieldKind::Index) tell(field);  // its findings are made when asked
  for (std::size_t i = 0; i < kListFieldCount; ++i) {
    const auto list = static_cast<ListField>(i);
    if (lists_[i].written != isWritten(settings_, list) && checkList(list)) tell(list);
  }
  for (std::size_t i = 0; i < kTextFieldCount; ++i)
    if (checkText(static_cast<TextField>(i))) tell(static_cast<TextField>(i));
}

void Checker::linesChanged(const LinesChange& change) {
  if (!context_) return;
  const ListField list = change.list;
  moveLineFindings(change);
  FileLinesReach reach;
  if (list == ListField::MemoFiles) reach = countFileLines(change);
  const std::size_t end = change.first + change.added;
  if (lists_[idx(list)].written != isWritten(settings_, list)) {
    checkList(list);  // the list's first line came, or its last went
  } else {
    for (std::size_t i = change.first; i < end; ++i) checkLine(list, i);
    const std::vector<std::string>& lines = settings_.lines(list);
    if (!reach.copies.empty())
      for (std::size_t i = 0; i < lines.size(); ++i)
        if ((i < change.first || i >= end) &&
            std::any_of(reach.copies.begin(), reach.copies.end(),
                        [&](std::string_view c) { return context_->installSameFile(lines[i], c); }))
          checkLine(list, i);
  }
  tell(list);  // its lines moved, and the unlisted files may be others
  if (reach.installed) checkWhatNamesInstalledFiles();
}

// The findings of the lines that went make room for those that came (none
// yet); a line typed in moves no other line's findings.
void Checker::moveLineFindings(const LinesChange& change) {
  List& l = lists_[idx(change.list)];
  const auto first = l.lines.begin() + static_cast<std::ptrdiff_t>(change.first);
  const auto end = first + static_cast<std::ptrdiff_t>(change.removed.size());
  for (auto it = first; it != end; ++it) {
    subtract(l.counts, countOf(held(*it)));
    it->reset();
  }
  const std::size_t removed = change.removed.size();
  if (change.added < removed) {
    l.lines.erase(first + static_cast<std::ptrdiff_t>(change.added), end);
  } else if (change.added > removed) {
    std::vector<std::unique_ptr<std::vector<Finding>>> none(change.added - removed);
    l.lines.insert(end, std::make_move_iterator(none.begin()), std::make_move_iterator(none.end()));
  }
}

Checker::FileLinesReach Checker::countFileLines(const LinesChange& change) {
  FileLinesReach reach;
  const auto count = [&](const ShipCheckContext::FileLineChange& c, std::string_view line) {
    if (c.copies) reach.copies.push_back(line);
    reach.installed = reach.installed || c.installed;
  };
  const std::vector<std::string>& lines = settings_.lines(change.list);
  for (const std::string& line : change.removed) count(context_->removeFileLine(line), line);
  for (std::size_t i = change.first; i < change.first + change.added; ++i)
    count(context_->addFileLine(lines[i]), lines[i]);
  return reach;
}

void Checker::checkWhatNamesInstalledFiles() {
  for (std::size_t i = 0; i < kListFieldCount; ++i)
    if (const auto list = static_cast<ListField>(i);
        dependsOnInstalledNames(list) && checkList(list))
      tell(list);
  for (std::size_t i = 0; i < kTextFieldCount; ++i)
    if (const auto field = static_cast<TextField>(i);
        dependsOnInstalledNames(field) && checkText(field))
      tell(field);
}

const std::vector<Finding>& Checker::findingsOf(TextField field) const {
  ensureChecked();
  return texts_[idx(field)];
}

const std::vector<Finding>& Checker::findingsOf(ListField list, std::size_t line) const {
  ensureChecked();
  const List& l = lists_[idx(list)];
  return line < l.lines.size() ? held(l.lines[line]) : kNone;
}

std::vector<Finding> Checker::listFindings(ListField list, std::size_t unlistedNamed) const {
  ensureChecked();
  std::vector<Finding> found;
  if (list != ListField::MemoFiles || !context_) return found;
  const std::vector<std::string>& lines = settings_.lines(list);
  const auto written = static_cast<std::size_t>(
      std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return !l.empty(); }));
  checkFileList(*context_, written, found, unlistedNamed);
  return found;
}

FindingCounts Checker::counts(FieldRef field) const {
  ensureChecked();
  if (field.kind == FieldKind::Text) return countOf(texts_[idx(field.text())]);
  if (field.kind == FieldKind::Index) {
    std::vector<Finding> found;
    if (context_) checkIndexField(settings_, field.index(), found);
    return countOf(found);
  }
  if (field.kind != FieldKind::Lines) return {};
  FindingCounts c = lists_[idx(field.list())].counts;
  // Without naming the files, which may mean reading the whole folder.
  if (field == FieldRef(ListField::MemoFiles) && context_) {
    if (!context_->inFolder(context_->engineFile())) ++c.errors;
    c.warnings += context_->unlistedCount() + context_->unwritableFiles().size();
  }
  return c;
}

std::vector<Finding> Checker::findings(std::size_t unlistedNamed) const {
  ensureChecked();
  std::vector<Finding> out;
  for (const SectionInfo* section : writtenSections(settings_)) {
    for (const FieldInfo* info : writtenFields(settings_, section->section)) {
      if (info->field.kind == FieldKind::Text) {
        const auto& found = texts_[idx(info->field.text())];
        out.insert(out.end(), found.begin(), found.end());
      }
      if (info->field.kind == FieldKind::Index && context_)
        checkIndexField(settings_, info->field.index(), out);
      if (info->field.kind != FieldKind::Lines) continue;
      const ListField list = info->field.list();
      const std::vector<std::string>& lines = settings_.lines(list);
      const List& l = lists_[idx(list)];
      int item = 0;
      for (std::size_t i = 0; i < l.lines.size(); ++i) {
        if (!lines[i].empty()) ++item;
        for (Finding f : held(l.lines[i])) {
          f.line = i;
          f.item = item;
          out.push_back(std::move(f));
        }
      }
      for (Finding& own : listFindings(list, unlistedNamed)) out.push_back(std::move(own));
    }
  }
  return out;
}

}  // namespace velquin
