#include "folder_watch.h"

#include <QEvent>
#include <QSet>
#include <QWidget>
#include <algorithm>

#include "settings/platform/folder_scan.h"
#include "settings/platform/paths.h"
#include "settings/text/sjis.h"

namespace velquin::ui {
namespace {

// A copy of many files brings many changes: they are read as one.
constexpr int kSettleMs = 250;

}  // namespace

FolderWatch::FolderWatch(Checker& checker, const InstallSettings& settings)
    : checker_(checker), settings_(settings) {
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMs);
  connect(&settle_, &QTimer::timeout, this, &FolderWatch::readAgain);
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_, qOverload<>(&QTimer::start));
}

void FolderWatch::followActivationOf(QWidget* window) { window->installEventFilter(this); }

// Read a moment after the window comes up, so that it is painted first (and
// a Details that has just read the folder is not kept waiting).
bool FolderWatch::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::WindowActivate) settle_.start();
  return false;
}

void FolderWatch::readSoon() { settle_.start(); }

void FolderWatch::readAgain() {
  settle_.stop();
  readFolderAgain(checker_, settings_.distDir());
  rearm();
}

void FolderWatch::rearm() {
  // The folders the checker's files stand in, as the last reading found
  // them: a folder without files below it is seen again at the next
  // activation.
  QSet<QString> folders;
  if (checker_.hasFolderFiles()) {
    const std::filesystem::path top = settings_.distDir();
    for (const std::string& folder : foldersOf(checker_.folderFiles())) {
      std::string utf8 = sjis::decodeForDisplay(folder);
      std::replace(utf8.begin(), utf8.end(), '\\', '/');
      folders.insert(QString::fromStdString(pathToUtf8(top / pathFromUtf8(utf8))));
    }
  }
  // Only the watches that differ change, so that no change between is missed.
  QStringList gone;
  for (const QString& d : watcher_.directories())
    if (!folders.remove(d)) gone.push_back(d);
  if (!gone.isEmpty()) watcher_.removePaths(gone);
  if (!folders.isEmpty()) watcher_.addPaths(QStringList(folders.begin(), folders.end()));
}

}  // namespace velquin::ui
