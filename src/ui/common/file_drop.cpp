#include "file_drop.h"

#include <QAbstractScrollArea>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "settings/platform/paths.h"

namespace velquin::ui {

std::vector<std::filesystem::path> localPaths(const QMimeData* mime) {
  std::vector<std::filesystem::path> paths;
  if (!mime || !mime->hasUrls()) return paths;
  for (const QUrl& url : mime->urls()) {
    if (!url.isLocalFile()) return {};
    // With the system's own separators, as the file dialog gives a path.
    paths.push_back(pathFromUtf8(QDir::toNativeSeparators(url.toLocalFile()).toStdString()));
  }
  return paths;
}

void FileDrop::install(QWidget* widget, Take take) {
  // A memo's drops arrive at its viewport.
  QWidget* target = widget;
  if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) target = area->viewport();
  target->setAcceptDrops(true);
  target->installEventFilter(new FileDrop(target, std::move(take)));
}

bool FileDrop::eventFilter(QObject*, QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  const std::vector<std::filesystem::path> paths = localPaths(drop->mimeData());
  if (paths.empty()) return false;  // not files: the control handles it as ever
  if (!take_) {
    drop->ignore();
    return true;
  }
  drop->acceptProposedAction();
  // Taken once the system's drop call has returned: a file manager waits for
  // it, and must not stay frozen while a question or a refusal is up.
  if (type == QEvent::Drop)
    QMetaObject::invokeMethod(
        this, [take = take_, paths] { take(paths); }, Qt::QueuedConnection);
  return true;
}

}  // namespace velquin::ui
