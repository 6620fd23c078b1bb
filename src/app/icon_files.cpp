// Writes the application's icon as the files a Linux desktop looks for:
// OUTDIR/hicolor/NxN/apps/velquin.png at every size of the icon.
//   velquin_icon_files OUTDIR
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "app_icon.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 2;
  }
  for (int size : velquin::app::kAppIconSizes) {
    const QString folder =
        QStringLiteral("%1/hicolor/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
    if (!QDir().mkpath(folder) ||
        !velquin::app::appIconPixmap(size).save(folder + QStringLiteral("/velquin.png"))) {
      std::fprintf(stderr, "cannot write the icon of %d pixels in %s\n", size, qPrintable(folder));
      return 1;
    }
  }
  return 0;
}
