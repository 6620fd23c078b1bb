#include "tool_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace velquin::ui {
namespace {

QStringList installedFamilies() {
  // Windows lists a face under its name in the system's language, so the
  // stand-in is asked for by its Japanese name as well (under Wine, which has
  // no Microsoft fonts; asked for by the name alone, the system there offers
  // a face of another kind).
  QStringList wanted{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                     QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")};
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
