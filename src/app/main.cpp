// Velquin starts here: the application title, the main window, the hidden
// detailed-settings dialog, and the event loop until the main window closes.

#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "app_icon.h"
#include "qt_dialogs.h"
#include "settings/install_settings.h"
#include "ui/common/app_title.h"
#include "ui/common/field_binder.h"
#include "ui/common/hints.h"
#include "ui/detail/form2.h"
#include "ui/main/form1.h"

namespace {

// VELQUIN_QUIT_AFTER_SHOW=1 ends the run as soon as the main window has been
// painted, printing one line; the start-up test and the start-up benchmark
// use it.
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
  QApplication::setApplicationName(velquin::ui::appTitle());
  QApplication::setWindowIcon(velquin::app::appIcon());
  velquin::ui::installHintTiming();

  velquin::InstallSettings settings;
  velquin::app::QtDialogs dialogs;
  velquin::ui::FieldBinder binder(
      settings, [&dialogs](const QString& text) { dialogs.showInformation(text); });

  velquin::ui::TForm1 form1(settings, binder, dialogs);
  dialogs.setWindow(&form1);
  velquin::ui::TForm2 form2(settings, binder, &form1);
  form1.setDetailsDialog(&form2);

#ifndef QT_NO_SESSIONMANAGER
  QObject::connect(
      &app, &QGuiApplication::commitDataRequest, &form1,
      [&form1](QSessionManager& manager) { form1.commitData(manager); }, Qt::DirectConnection);
#endif

  QuitAfterFirstPaint quitHook;
  if (qEnvironmentVariable("VELQUIN_QUIT_AFTER_SHOW") == QLatin1String("1"))
    form1.installEventFilter(&quitHook);

  form1.show();
  return app.exec();
}
