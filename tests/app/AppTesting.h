// Helpers of the application tests: a program folder of their own with skins and data files,
// a display of a chosen size and depth; the widget helpers of all tests come with it.
#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWidget>

#include <fstream>
#include <string>

#include "base/ProgramFolder.h"
#include "platform/Display.h"
#include "support/Widgets.h"

namespace halvena::test {

// A temporary program folder and display for the lifetime of the fixture; the current folder is
// restored at the end.
class TProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FFolder.isValid());
    FSavedCurrent = QDir::currentPath();
    SetProgramFolder(FFolder.path().toStdString());
    SetDisplay(1024, 768, 32);
  }
  void TearDown() override {
    SetProgramFolder({});
    ClearDisplayOverride();
    QDir::setCurrent(FSavedCurrent);
  }

  void SetDisplay(int width, int height, int bitsPerPixel) {
    SetDisplayOverride({width, height, bitsPerPixel});
  }

  // The full path of `relative` (with slashes) in the program folder; its folder is created.
  QString PathOf(const QString& relative) const {
    const QString path = FFolder.filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    return path;
  }

  // Writes a solid picture of `colour` as a BMP file without extension, as the skins are.
  void WriteSkin(const QString& name, QColor colour, int width = 8, int height = 8) const {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(PathOf(QStringLiteral("I/B/") + name), "BMP"));
  }

  void WriteFile(const QString& relative, const std::string& bytes) const {
    std::ofstream file(PathOf(relative).toStdString(), std::ios::binary);
    file << bytes;
  }

 private:
  QTemporaryDir FFolder;
  QString FSavedCurrent;
};

}  // namespace halvena::test
