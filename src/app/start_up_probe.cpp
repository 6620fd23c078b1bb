#include "start_up_probe.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFontInfo>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace velquin::app {
namespace {

// Runs `then` once, from the event loop, after the first paint of `window`
// has reached the screen. The filter belongs to the window.
class AfterFirstPaint : public QObject {
 public:
  AfterFirstPaint(QWidget* window, std::function<void()> then)
      : QObject(window), then_(std::move(then)) {
    window->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, then_);
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

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

}  // namespace

void buildDetailsAfterFirstPaint(QWidget& mainWindow, std::function<QDialog*()> detailsDialog) {
  const QString quit = qEnvironmentVariable("VELQUIN_QUIT_AFTER_SHOW");
  new AfterFirstPaint(&mainWindow, [&mainWindow, detailsDialog = std::move(detailsDialog), quit] {
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
  });
}

}  // namespace velquin::app
