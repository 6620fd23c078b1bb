// Velquin starts here: the application title, the main window, the hidden
// detailed-settings dialog, and the event loop until the main window closes.

#include <QApplication>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app_icon.h"
#include "command_line.h"
#include "qt_prompts.h"
#include "settings/record/install_settings.h"
#include "start_up.h"
#include "start_up_probe.h"
#include "system_face.h"
#include "ui/common/app_title.h"
#include "ui/detail/form2.h"
#include "ui/main/form1.h"

int main(int argc, char** argv) {
  // The actions of the command line (--help, --version, --check) answer
  // before any window (or display) is needed.
  const velquin::app::CommandLine commandLine =
      velquin::app::readCommandLine(velquin::app::commandLineArguments(argc, argv));
  if (const std::optional<int> exitCode =
          velquin::app::runCommandLineAction(commandLine, velquin::app::printText))
    return *exitCode;

  velquin::app::chooseFontEngine();
  QApplication app(argc, argv);
  velquin::app::installJapaneseQtTexts(app);
  QApplication::setApplicationName(velquin::ui::appTitle());
  QApplication::setWindowIcon(velquin::app::appIcon());
  velquin::app::addJapaneseFaceToSystemFont();

  velquin::InstallSettings settings;
  velquin::Checker checker(settings);
  velquin::app::QtPrompts prompts;
  velquin::ui::TForm1 form1(settings, prompts, checker);
  prompts.setWindow(&form1);

  // The detailed-settings dialog is built as soon as the main window is on
  // screen, so that the author sees the window without waiting for the six
  // pages; Details builds it itself should it come first. Built from the
  // record's values, it is in the same state either way.
  std::unique_ptr<velquin::ui::TForm2> form2;
  const auto detailsDialog = [&]() -> QDialog* {
    if (!form2) form2 = std::make_unique<velquin::ui::TForm2>(settings, prompts, checker, &form1);
    return form2.get();
  };
  form1.setDetailsDialog(detailsDialog);
  velquin::app::buildDetailsAfterFirstPaint(form1, detailsDialog);

#ifndef QT_NO_SESSIONMANAGER
  QObject::connect(
      &app, &QGuiApplication::commitDataRequest, &form1,
      [&form1](QSessionManager& manager) { form1.commitData(manager); }, Qt::DirectConnection);
#endif

  // A program named on the command line is chosen as 参照 would choose it;
  // a refusal is shown once the window is there to own the box.
  if (QStringList arguments = QCoreApplication::arguments(); arguments.size() > 1) {
    arguments.removeFirst();
    QTimer::singleShot(0, &form1, [&settings, &prompts, arguments] {
      velquin::app::chooseProgramFromCommandLine(arguments, settings, prompts);
    });
  }

  form1.show();
  return app.exec();
}
