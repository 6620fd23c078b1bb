#include "tool_font.h"

#include <QFontDatabase>
#include <QStringList>

#include "text.h"
#include "tool_faces.h"

namespace velquin::ui {
namespace {

QStringList installedFamilies() {
  QStringList wanted;
  for (const std::string_view face : kToolFaces) wanted << fromUtf8(face);
  const QStringList installed = QFontDatabase::families();
  for (qsizetype i = 0; i < wanted.size(); ++i) {
    if (installed.contains(wanted[i], Qt::CaseInsensitive)) return wanted.mid(i);
  }
  return wanted;  // none installed: the font system picks the nearest
}

}  // namespace

QFont toolFont(int pixelSize) {
  static const QStringList families = installedFamilies();
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixelSize);
  return font;
}

}  // namespace velquin::ui
