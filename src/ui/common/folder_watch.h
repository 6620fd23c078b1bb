#pragma once

// The distribution folder watched while the windows are open, so that the
// check follows it: a change in the folder or in any folder below it, or a
// watched window activated again, reads the folder again, and the core
// (readFolderAgain) decides whether there is anything to check. Changes are
// gathered for a moment before the folder is read, and after each reading
// the watch follows the folders that came and went.

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include "settings/check/checker.h"
#include "settings/record/install_settings.h"

class QWidget;

namespace velquin::ui {

class FolderWatch : public QObject {
 public:
  FolderWatch(Checker& checker, const InstallSettings& settings);

  // The folder is read again whenever `window` is activated.
  void followActivationOf(QWidget* window);
  // Reads the folder again in a moment, and from then on watches it and the
  // folders below it while the checker holds a folder (nothing otherwise):
  // after Details, once the dialog is painted.
  void readSoon();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void readAgain();
  void rearm();

  Checker& checker_;
  const InstallSettings& settings_;
  QFileSystemWatcher watcher_;
  QTimer settle_;  // the moment changes are gathered for
};

}  // namespace velquin::ui
