// The yardstick for the tool's start-up: an empty Qt Widgets window of the
// main window's size, built with the same flags, quitting after its first
// paint exactly as velquin does with VELQUIN_QUIT_AFTER_SHOW=1.
//
//   velquin_empty_window WIDTHxHEIGHT   (startup.sh passes the size velquin
//                                        reports of its own window)

#include <QApplication>
#include <QStringList>
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
  const QStringList size = QString::fromLocal8Bit(argc > 1 ? argv[1] : "").split(u'x');
  if (size.size() != 2) {
    std::fputs("usage: velquin_empty_window WIDTHxHEIGHT\n", stderr);
    return 2;
  }
  window.setFixedSize(size[0].toInt(), size[1].toInt());
  QuitAfterFirstPaint quitHook;
  if (qEnvironmentVariable("VELQUIN_QUIT_AFTER_SHOW") == QLatin1String("1"))
    window.installEventFilter(&quitHook);
  window.show();
  return app.exec();
}
