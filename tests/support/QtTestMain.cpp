// The main of every Qt test executable: GoogleTest inside a QApplication, on the offscreen
// platform unless QT_QPA_PLATFORM names another. A test executable that needs more set-up for
// all its tests registers a ::testing::Environment.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // Test discovery at build time runs without the test environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
