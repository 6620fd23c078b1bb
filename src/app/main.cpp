// Velquin starts here: the application title, the main window, the hidden
// detailed-settings dialog, and the event loop until the main window closes.

#include <QApplication>
#include <QFontInfo>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>

#include "app_icon.h"
#include "qt_dialogs.h"
#include "settings/install_settings.h"
#include "start_up.h"
#include "system_face.h"
#include "ui/common/app_title.h"
#include "ui/detail/form2.h"
#include "ui/main/form1.h"

namespace {

// Runs `then` once, from the event loop, after the window's first paint has
// reached the screen.
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

}  // namespace

int main(int argc, char** argv) {
  // --help and --version answer before any window (or display) is needed.
  const velquin::app::CommandLine commandLine = velquin::app::readCommandLine(argc, argv);
  switch (commandLine.action) {
    case velquin::app::CommandLine::Action::Run: break;
    case velquin::app::CommandLine::Action::PrintHelp:
      velquin::app::printText(velquin::app::usageText());
      return 0;
    case velquin::app::CommandLine::Action::PrintVersion:
      velquin::app::printText(velquin::app::versionText());
      return 0;
    case velquin::app::CommandLine::Action::Check:
      return velquin::app::runCheckFromCommandLine(commandLine.checkPath);
    case velquin::app::CommandLine::Action::Misused:
      velquin::app::printText(velquin::app::usageText(), true);
      return 2;
  }

  velquin::app::chooseFontEngine();
  QApplication app(argc, argv);
  velquin::app::installJapaneseQtTexts(app);
  QApplication::setApplicationName(velquin::ui::appTitle());
  QApplication::setWindowIcon(velquin::app::appIcon());
  velquin::app::addJapaneseFaceToSystemFont();

  velquin::InstallSettings settings;
  velquin::app::QtDialogs dialogs;
  velquin::ui::TForm1 form1(settings, dialogs);
  dialogs.setWindow(&form1);

  // The detailed-settings dialog is built as soon as the main window is on
  // screen, so that the author sees the window without waiting for the six
  // pages; Details builds it itself should it come first. Built from the
  // record's values, it is in the same state either way.
  std::unique_ptr<velquin::ui::TForm2> form2;
  const auto detailsDialog = [&]() -> QDialog* {
    if (!form2)
      form2 = std::make_unique<velquin::ui::TForm2>(
          settings, [&dialogs](const QString& text) { dialogs.showInformation(text); }, &form1);
    return form2.get();
  };
  form1.setDetailsDialog(detailsDialog);

#ifndef QT_NO_SESSIONMANAGER
  QObject::connect(
      &app, &QGuiApplication::commitDataRequest, &form1,
      [&form1](QSessionManager& manager) { form1.commitData(manager); }, Qt::DirectConnection);
#endif

  // VELQUIN_QUIT_AFTER_SHOW ends the run early, printing what was shown:
  // "1" right after the main window's first paint (the start-up benchmark),
  // "details" once the detailed-settings dialog has been built the way every
  // run builds it (the start-up test).
  const QString quit = qEnvironmentVariable("VELQUIN_QUIT_AFTER_SHOW");
  const auto report = [&form1] {
    std::printf("shown %s %dx%d\n", qPrintable(form1.windowTitle()), form1.width(), form1.height());
  };
  // "fonts" (the Windows start-up test) prints the faces that the platform
  // really gave the captions and the buttons.
  const auto reportFonts = [&form1] {
    for (const char* name : {"Label1", "ButtonSansho"}) {
      const QWidget* widget = form1.findChild<QWidget*>(QLatin1String(name));
      if (!widget) continue;
      const QFontInfo font(widget->font());
      std::printf("%s %s %dpx%s%s\n", name, font.family().toUtf8().constData(), font.pixelSize(),
                  font.bold() ? " bold" : "", font.fixedPitch() ? " fixed-pitch" : "");
    }
  };
  new AfterFirstPaint(&form1, [&, detailsDialog] {
    if (quit == QLatin1String("1")) {
      report();
    } else if (quit == QLatin1String("fonts")) {
      report();
      reportFonts();
    } else {
      QDialog* dialog = detailsDialog();
      if (quit != QLatin1String("details")) return;
      report();
      std::printf("dialog %s %dx%d %s, owned by %s\n", qPrintable(dialog->objectName()),
                  dialog->width(), dialog->height(), dialog->isVisible() ? "shown" : "hidden",
                  qPrintable(dialog->parentWidget()->windowTitle()));
    }
    std::fflush(stdout);
    QCoreApplication::exit(0);
  });

  // A program named on the command line is chosen as 参照 would choose it;
  // a refusal is shown once the window is there to own the box.
  if (commandLine.program) {
    QTimer::singleShot(0, &form1, [&] {
      velquin::app::chooseProgramFromCommandLine(QCoreApplication::arguments().constLast(),
                                                 settings, dialogs);
    });
  }

  form1.show();
  return app.exec();
}
