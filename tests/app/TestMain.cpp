// The application tests run inside a QApplication on the offscreen platform. The farewell at
// the main window's close is cut short, so that closing costs no test two seconds.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/About.h"

int main(int argc, char** argv) {
  // Test discovery at build time runs without the test environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  halvena::SetFarewellMilliseconds(0);
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  halvena::FreeAboutBox();
  return result;
}
