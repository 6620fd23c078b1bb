// Writes the pictures of the README's comfort section: the program file
// dialog with Qt's Japanese texts (open-dialog.png), and the file list after
// a folder was dropped on it (file-drop.png).
//
//   velquin_comfort_screenshots <folder>
//
// Runs on Qt's offscreen platform unless a display is asked for.
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QUrl>

#include "app/qt_prompts.h"
#include "app/start_up.h"
#include "save_picture.h"
#include "settings/platform/paths.h"
#include "support/silent_prompts.h"
#include "ui/detail/form2.h"

namespace {

void touch(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile(path).open(QIODevice::WriteOnly);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  velquin::app::installJapaneseQtTexts(app);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

  // A distribution folder as an author has it.
  QTemporaryDir dist;
  for (const char* f : {"Tessaly.exe", "Rivo.exe", "ReadMe.txt", "help/Tessaly.hlp",
                        "help/img/title.bmp", "data/levels.dat", "data/sounds.dat"})
    touch(dist.filePath(QLatin1String(f)));

  QFileDialog dialog;
  velquin::app::configureProgramDialog(dialog);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setDirectory(dist.path());
  dialog.resize(560, 360);
  dialog.show();
  QApplication::processEvents();
  if (!savePicture(dialog.grab(), folder, QStringLiteral("open-dialog.png"))) return 1;
  dialog.hide();

  velquin::InstallSettings settings;
  settings.setProgram(
      velquin::pathFromUtf8(dist.filePath(QStringLiteral("Tessaly.exe")).toStdString()));
  settings.setLines(velquin::ListField::MemoFiles, {"Tessaly.exe", "ReadMe.txt"});
  velquin::Checker checker(settings);
  velquin::test::SilentPrompts prompts;
  velquin::ui::TForm2 form(settings, prompts, checker);
  form.show();
  QWidget* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("MemoFiles"))->viewport();
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(dist.filePath(QStringLiteral("help"))),
                QUrl::fromLocalFile(dist.filePath(QStringLiteral("data")))});
  QDragEnterEvent enter(QPoint(8, 8), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(memo, &enter);
  QDropEvent drop(QPointF(8, 8), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(memo, &drop);
  QApplication::processEvents();
  return savePicture(form.grab(), folder, QStringLiteral("file-drop.png")) ? 0 : 1;
}
