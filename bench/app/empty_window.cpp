// The yardstick for the tool's start-up: an empty Qt Widgets window of the
// main window's size, built with the same flags, quitting after its first
// paint exactly as velquin does with VELQUIN_QUIT_AFTER_SHOW=1.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

class QuitAfterFirstPaint : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      auto* w = static_cast<QWidget*>(watched);
      std::printf("shown %s %dx%d\n", qPrintable(w->windowTitle()), w->width(), w->height());
      std::fflush(stdout);
      QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    }
    return false;
  }

 private:
  bool done_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Empty"));
  window.setFixedSize(424, 235);
  QuitAfterFirstPaint quitHook;
  if (qEnvironmentVariable("VELQUIN_QUIT_AFTER_SHOW") == QLatin1String("1"))
    window.installEventFilter(&quitHook);
  window.show();
  return app.exec();
}
