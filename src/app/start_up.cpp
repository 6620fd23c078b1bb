#include "start_up.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app_icon.h"
#include "app_texts.h"
#include "arguments.h"
#include "command_line.h"
#include "console_output.h"
#include "qt_prompts.h"
#include "settings/commands/window_commands.h"
#include "settings/platform/paths.h"
#include "settings/record/install_settings.h"
#include "system_face.h"
#include "ui/common/app_title.h"
#include "ui/detail/form2.h"
#include "ui/main/form1.h"

namespace velquin::app {
namespace {

// Runs `then` once, from the event loop, after the first paint of `window`
// has reached the screen. The filter belongs to the window.
class AfterFirstPaintFilter : public QObject {
 public:
  AfterFirstPaintFilter(QWidget* window, std::function<void()> then)
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

// While the application is made, Qt's messages wait: should its platform
// fail to open (no display), Qt ends the process with a message of its own,
// an abort. Instead the author reads one line, and the exit code is 2. Once
// the application stands, what waited goes on to Qt's own output.
struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
};
std::vector<HeldMessage>* heldMessages = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    printText(texts::commandLineError(texts::kNoDisplay), true);
    std::_Exit(2);
  }
  heldMessages->push_back({type, context.category ? context.category : "", text});
}

std::unique_ptr<QApplication> makeApplication(int& argc, char** argv) {
  std::vector<HeldMessage> held;
  heldMessages = &held;
  const QtMessageHandler qtOwn = qInstallMessageHandler(holdMessage);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(qtOwn);
  heldMessages = nullptr;
  for (const HeldMessage& m : held) {
    const QMessageLogContext context(nullptr, 0, nullptr, m.category.c_str());
    qt_message_output(m.type, context, m.text);
  }
  return app;
}

// A program named on the command line is chosen as 参照 would choose it; a
// refusal is shown once the window is there to own the box.
void chooseProgramOnceShown(QWidget& window, InstallSettings& settings, QtPrompts& prompts,
                            const std::vector<std::filesystem::path>& programs) {
  if (programs.empty()) return;
  QTimer::singleShot(0, &window, [&settings, &prompts, programs] {
    chooseProgramFromCommandLine(programs, settings, prompts);
  });
}

int runWindows(const std::vector<std::filesystem::path>& programs,
               const AfterFirstPaint& afterFirstPaint) {
  InstallSettings settings;
  Checker checker(settings);
  QtPrompts prompts;
  ui::TForm1 form1(settings, prompts, checker);
  prompts.setWindow(&form1);

  // Built from the record's values, the dialog is in the same state whether
  // built after the first paint or by a Details that comes first.
  std::unique_ptr<ui::TForm2> form2;
  const std::function<QDialog*()> detailsDialog = [&]() -> QDialog* {
    if (!form2) form2 = std::make_unique<ui::TForm2>(settings, prompts, checker, &form1);
    return form2.get();
  };
  form1.setDetailsDialog(detailsDialog);
  new AfterFirstPaintFilter(
      &form1, [&form1, &afterFirstPaint, detailsDialog] { afterFirstPaint(form1, detailsDialog); });

#ifndef QT_NO_SESSIONMANAGER
  QObject::connect(
      qApp, &QGuiApplication::commitDataRequest, &form1,
      [&form1](QSessionManager& manager) { form1.commitData(manager); }, Qt::DirectConnection);
#endif
  chooseProgramOnceShown(form1, settings, prompts, programs);
  form1.show();
  return QApplication::exec();
}

}  // namespace

void buildDetails(QWidget&, const std::function<QDialog*()>& detailsDialog) { detailsDialog(); }

int runWindowProgram(int argc, char** argv, const AfterFirstPaint& afterFirstPaint) {
  // The actions of the command line answer before any window (or display)
  // is needed.
  const CommandLine commandLine =
      readCommandLine(commandLineArguments(argc, argv), QtOptions::Taken);
  if (const std::optional<int> exitCode = runCommandLineAction(commandLine, printText))
    return *exitCode;

  chooseFontEngine();
  const std::unique_ptr<QApplication> app = makeApplication(argc, argv);
  installJapaneseQtTexts(*app);
  QApplication::setApplicationName(ui::appTitle());
  QApplication::setWindowIcon(appIcon());
  addJapaneseFaceToSystemFont();
  return runWindows(commandLine.programs, afterFirstPaint);
}

void chooseProgramFromCommandLine(const std::vector<std::filesystem::path>& arguments,
                                  InstallSettings& settings, UserPrompts& prompts) {
  // The program is kept as a full path, as the file dialog gives it.
  std::vector<std::filesystem::path> paths;
  paths.reserve(arguments.size());
  for (const std::filesystem::path& argument : arguments)
    paths.push_back(
        pathFromUtf8(QDir::toNativeSeparators(
                         QFileInfo(QString::fromStdString(pathToUtf8(argument))).absoluteFilePath())
                         .toStdString()));
  runProgramArgumentsCommand(settings, prompts, paths);
}

bool installJapaneseQtTexts(QApplication& app) {
  auto* translator = new QTranslator(&app);
  for (const QString& folder :
       {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
    if (translator->load(QStringLiteral("qtbase_ja"), folder)) {
      QApplication::installTranslator(translator);
      return true;
    }
  }
  delete translator;
  return false;
}

}  // namespace velquin::app
