#pragma once

// Drops files on a widget as a file manager does: a drag enters, then the
// drop, handled once the drop call has returned (unless `returnFirst`: then
// the caller lets the events run). Returns whether the widget took the drop.

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace velquin::test {

inline bool dropFiles(QWidget* target, const QStringList& paths, bool returnFirst = false) {
  QMimeData mime;
  QList<QUrl> urls;
  for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
  mime.setUrls(urls);
  mime.setText(paths.join(QLatin1Char('\n')));  // file managers offer the paths as text too
  QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  if (!returnFirst) QCoreApplication::processEvents();
  return drop.isAccepted();
}

}  // namespace velquin::test
