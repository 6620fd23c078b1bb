// GoogleTest main for the window tests: one QApplication for the whole run,
// on the offscreen platform unless a display is asked for. This is the one
// place that chooses the platform of the tests, so that they need no display
// whether CTest, a script or a developer starts them (also while CTest lists
// them).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
