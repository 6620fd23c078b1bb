// velquin's window program with a hook that ends a measured run: the start-up
// tests and benchmark start this one, the shipped program has no such hook.
//
// With VELQUIN_QUIT_AFTER_SHOW the run ends, with exit code 0, printing what
// was shown:
//   "1"        after the main window's first paint, before the dialog is
//              built (the start-up benchmark):
//                shown TITLE WIDTHxHEIGHT
//   "fonts"    the same line, then the face that the platform really gave a
//              caption and a button (the Windows start-up test):
//                Label1 FAMILY PIXELSpx[ bold][ fixed-pitch]
//                ButtonSansho FAMILY PIXELSpx[ bold][ fixed-pitch]
//   "details"  once the dialog has been built, as every run builds it (the
//              start-up test): the shown line, then
//                dialog NAME WIDTHxHEIGHT hidden, owned by TITLE
// Any other value, or none, lets it go on as the shipped program does.

#include <QCoreApplication>
#include <QDialog>
#include <QFontInfo>
#include <QWidget>
#include <QWindow>
#include <cstdio>

#include "app/start_up.h"

namespace {

// The title as the window system shows it ("Velquin*" while unsaved).
QString shownTitle(const QWidget& window) {
  return window.windowHandle() ? window.windowHandle()->title() : window.windowTitle();
}

void printShown(const QWidget& window) {
  std::printf("shown %s %dx%d\n", qPrintable(shownTitle(window)), window.width(), window.height());
}

void printFaces(const QWidget& window) {
  for (const char* name : {"Label1", "ButtonSansho"}) {
    const QWidget* widget = window.findChild<QWidget*>(QLatin1String(name));
    if (!widget) continue;
    const QFontInfo font(widget->font());
    std::printf("%s %s %dpx%s%s\n", name, font.family().toUtf8().constData(), font.pixelSize(),
                font.bold() ? " bold" : "", font.fixedPitch() ? " fixed-pitch" : "");
  }
}

void printDialog(const QDialog& dialog) {
  std::printf("dialog %s %dx%d %s, owned by %s\n", qPrintable(dialog.objectName()), dialog.width(),
              dialog.height(), dialog.isVisible() ? "shown" : "hidden",
              qPrintable(shownTitle(*dialog.parentWidget())));
}

void endRun() {
  std::fflush(stdout);
  QCoreApplication::exit(0);
}

void probe(QWidget& mainWindow, const std::function<QDialog*()>& detailsDialog) {
  const QString quit = qEnvironmentVariable("VELQUIN_QUIT_AFTER_SHOW");
  if (quit == QLatin1String("1") || quit == QLatin1String("fonts")) {
    printShown(mainWindow);
    if (quit == QLatin1String("fonts")) printFaces(mainWindow);
    endRun();
    return;
  }
  const QDialog* dialog = detailsDialog();
  if (quit != QLatin1String("details")) return;
  printShown(mainWindow);
  printDialog(*dialog);
  endRun();
}

}  // namespace

int main(int argc, char** argv) { return velquin::app::runWindowProgram(argc, argv, probe); }
