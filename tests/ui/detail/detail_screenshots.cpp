// Writes a picture of each page of the detailed-settings dialog, as it
// stands at start-up, for the README: detail-1.png ... detail-6.png.
//
//   velquin_detail_screenshots <folder>
//
// Runs on Qt's offscreen platform unless a display is asked for.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <cstdio>

#include "ui/detail/form2.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

  velquin::InstallSettings settings;
  velquin::SilentPrompts prompts;
  velquin::ui::TForm2 form(settings, prompts);
  form.show();
  auto* pages = form.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  for (int i = 0; i < pages->count(); ++i) {
    pages->setCurrentIndex(i);
    const QString file = folder.filePath(QStringLiteral("detail-%1.png").arg(i + 1));
    if (!form.grab().save(file)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
