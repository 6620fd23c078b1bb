#include "folder_watch.h"

#include <QDirIterator>
#include <QEvent>
#include <QSet>
#include <QWidget>

#include "settings/platform/paths.h"

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

bool FolderWatch::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::WindowActivate) readAgain();
  return false;
}

void FolderWatch::readAgain() {
  settle_.stop();
  readFolderAgain(checker_, settings_.distDir());
  rearm();
}

void FolderWatch::rearm() {
  QSet<QString> folders;
  if (checker_.hasFolderFiles()) {
    const QString top = QString::fromStdString(pathToUtf8(settings_.distDir()));
    folders.insert(top);
    QDirIterator below(top, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (below.hasNext()) folders.insert(below.next());
  }
  // Only the watches that differ change, so that no change between is missed.
  QStringList gone;
  for (const QString& d : watcher_.directories())
    if (!folders.remove(d)) gone.push_back(d);
  if (!gone.isEmpty()) watcher_.removePaths(gone);
  if (!folders.isEmpty()) watcher_.addPaths(QStringList(folders.begin(), folders.end()));
}

}  // namespace velquin::ui
