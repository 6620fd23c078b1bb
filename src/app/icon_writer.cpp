// Writes the application's icon as a Windows icon file: src/app/velquin.ico,
// which the executable's resources carry, so that Explorer and the task bar
// show the window's own icon. The icon is drawn in code (app_icon.cpp); after
// a change there, write the file again:
//
//   cmake --build --preset dev --target velquin_icon_writer
//   build/dev/src/app/velquin_icon_writer src/app/velquin.ico
//
// The Windows build's tests compare the executable's icon with the drawing.

#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <cstdio>

#include "app_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE.ico\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QImage image =
      velquin::app::appIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
  QImageWriter writer(QString::fromLocal8Bit(argv[1]), "ico");
  if (!writer.write(image)) {
    std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(writer.errorString()));
    return 1;
  }
  return 0;
}
