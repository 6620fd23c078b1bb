#pragma once

// Files and folders dragged onto a window from a file manager.
//
// A control that takes dropped text (a line edit, a memo) would insert the
// address of a dropped file as text; the windows take file drops themselves
// instead, through this filter, and leave every other drag to Qt.

#include <QObject>
#include <filesystem>
#include <functional>
#include <vector>

class QMimeData;
class QWidget;

namespace velquin::ui {

// The local files and folders a drag carries, as native paths; empty when it
// carries none (text, or addresses that are not local files).
std::vector<std::filesystem::path> localPaths(const QMimeData* mime);

class FileDrop : public QObject {
 public:
  using Take = std::function<void(const std::vector<std::filesystem::path>&)>;

  // File drags over `widget` go to `take`; with no `take`, the widget takes
  // no files at all (and does not insert their addresses). `widget` accepts
  // drops from now on; the filter lives as long as it does.
  static void install(QWidget* widget, Take take);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FileDrop(QObject* parent, Take take) : QObject(parent), take_(std::move(take)) {}
  Take take_;
};

}  // namespace velquin::ui
