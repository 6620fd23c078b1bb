// GoogleTest main for the window tests: one QApplication for the whole run,
// on the offscreen platform unless a display is asked for. This is the one
// place that chooses the platform of the tests, so that they need no display
// whether CTest, a script or a developer starts them (also while CTest lists
// them).
//
// VELQUIN_TEST_DISPLAY=<factor>[,<width>x<height>] scales the windows by
// <factor> (QT_SCALE_FACTOR) and gives the offscreen platform's screen that
// many device pixels (800 x 800 without it; the platform reads the size from a
// configuration file, written here for the run). One variable, set here, also
// reaches a Windows program under Wine, which passes no QT_ variables on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {

// False when the display asked for cannot be set up.
bool chooseDisplay(const QTemporaryDir& configuration) {
  const QList<QByteArray> display = qgetenv("VELQUIN_TEST_DISPLAY").split(',');
  if (!display.first().isEmpty()) qputenv("QT_SCALE_FACTOR", display.first());
  if (display.size() > 1 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    const QList<QByteArray> size = display[1].split('x');
    QFile file(configuration.filePath(QStringLiteral("screen.json")));
    if (size.size() != 2 || !file.open(QIODevice::WriteOnly)) return false;
    file.write(R"({"screens": [{"name": "screen", "width": )" + size[0] + R"(, "height": )" +
               size[1] + "}]}");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.fileName().toLocal8Bit());
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const QTemporaryDir configuration;
  if (!chooseDisplay(configuration)) return 2;
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
