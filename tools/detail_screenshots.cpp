// Writes a picture of each page of the detailed-settings dialog, as it
// stands at start-up, for the README: detail-1.png ... detail-6.png; and
// detail-marks.png, the file page marking what the check before shipping
// finds in a small list, with the tooltip of a marked line; preview-file.png
// and preview-plan.png, the two pages of プレビュー for the worked example.
//
//   velquin_detail_screenshots <folder>
//
// Runs on Qt's offscreen platform unless a display is asked for.
#include <QAbstractItemView>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QHelpEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolTip>
#include <fstream>

#include "save_picture.h"
#include "settings/format/settings_loader.h"
#include "settings/platform/folder_scan.h"
#include "settings/platform/paths.h"
#include "support/silent_prompts.h"
#include "ui/detail/form2.h"
#include "ui/detail/form_preview.h"

namespace {

// The worked example's distribution folder, its settings loaded, and both
// pages of the preview.
bool previewWorkedExample(const QDir& folder) {
  QTemporaryDir dist;
  QDir(dist.path()).mkdir(QStringLiteral("help"));
  for (const auto& [name, size] : {std::pair{"Tessaly.exe", 1843200},
                                   {"ReadMe.txt", 4210},
                                   {"help/Tessaly.hlp", 96512},
                                   {"Rivo.exe", 61440}})
    std::ofstream(dist.filePath(QString::fromLatin1(name)).toStdString(), std::ios::binary)
        << std::string(static_cast<std::size_t>(size), 'x');
  QFile::copy(QStringLiteral(VELQUIN_GOLDEN_DIR "/worked_example.ini"),
              dist.filePath(QStringLiteral("Rivo.ini")));

  velquin::InstallSettings settings;
  velquin::Checker checker(settings);
  settings.setProgram(
      velquin::pathFromUtf8(dist.filePath(QStringLiteral("Tessaly.exe")).toStdString()));
  velquin::loadSettings(
      settings, velquin::SettingsFile::read(settings.settingsFilePath("Rivo.ini"), "Rivo.ini"));
  checker.setFolderFiles(velquin::scanFolder(settings.distDir()).lines, "Rivo.ini");
  velquin::ui::TFormPreview preview(settings, checker);
  preview.show();
  // The tree takes the plan once the window has been painted.
  const auto* tree = preview.findChild<QAbstractItemView*>(QStringLiteral("TreePlan"));
  for (QDeadlineTimer deadline(10000); tree->model()->rowCount() == 0 && !deadline.hasExpired();)
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  auto* pages = preview.findChild<QTabWidget*>(QStringLiteral("PagePreview"));
  pages->setCurrentIndex(0);
  if (!savePicture(preview.grab(), folder, QStringLiteral("preview-file.png"))) return false;
  pages->setCurrentIndex(1);
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  return savePicture(preview.grab(), folder, QStringLiteral("preview-plan.png"));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

  velquin::InstallSettings settings;
  velquin::Checker checker(settings);
  velquin::test::SilentPrompts prompts;
  velquin::ui::TForm2 form(settings, prompts, checker);
  form.show();
  auto* pages = form.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  for (int i = 0; i < pages->count(); ++i) {
    pages->setCurrentIndex(i);
    if (!savePicture(form.grab(), folder, QStringLiteral("detail-%1.png").arg(i + 1))) return 1;
  }

  // A list as an author may leave it: a file renamed since, an overwrite
  // digit typed full-width, a line twice; and a file added to the folder.
  settings.setLines(
      velquin::ListField::MemoFiles,
      {"app.exe", "readme.txt", "manual.pdf", "readme.txt", "data\\sample.dat,\x82\x51"});  // ２
  checker.setFolderFiles(
      {"Rivo.exe", "app.exe", "readme.txt", "manual_v2.pdf", "data\\sample.dat", "data\\extra.dat"},
      "Rivo.ini");
  pages->setCurrentIndex(0);
  auto* memo = form.findChild<QPlainTextEdit*>(QStringLiteral("MemoFiles"));
  // The paint, the check it lets run, the underlines in view.
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  QPixmap picture = form.grab();
  // The tooltip of the third line, drawn below the list so that every mark
  // stays in sight.
  const QPoint at = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(2))).center() +
                    QPoint(40, 0);
  QHelpEvent help(QEvent::ToolTip, at, memo->viewport()->mapToGlobal(at));
  QApplication::sendEvent(memo->viewport(), &help);
  QApplication::processEvents();
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->inherits("QTipLabel") || !w->isVisible()) continue;
    QPainter painter(&picture);
    const QRect last = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(4)));
    painter.drawPixmap(memo->viewport()->mapTo(&form, QPoint(at.x(), last.bottom() + 12)),
                       w->grab());
  }
  if (!savePicture(picture, folder, QStringLiteral("detail-marks.png"))) return 1;
  return previewWorkedExample(folder) ? 0 : 1;
}
