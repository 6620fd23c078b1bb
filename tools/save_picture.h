#pragma once

// Writes a picture of the programs that make the README's pictures, saying
// on the error output which file could not be written.

#include <QDir>
#include <QPixmap>
#include <QString>
#include <cstdio>

inline bool savePicture(const QPixmap& picture, const QDir& folder, const QString& name) {
  const QString file = folder.filePath(name);
  if (picture.save(file)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
  return false;
}
