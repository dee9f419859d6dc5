#include "assets/PictureFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <utility>

namespace halvena::assets {

TPictureFolder::TPictureFolder(QString folder) : FFolder(std::move(folder)) {}

bool TPictureFolder::AddBmp(const QString& path, const QImage& image) {
  return Add(path, image, "bmp");
}

bool TPictureFolder::AddPng(const QString& path, const QImage& image) {
  return Add(path, image, "png");
}

bool TPictureFolder::Add(const QString& path, const QImage& image, const char* format) {
  const QString full = FFolder + QLatin1Char('/') + path;
  if (!QDir().mkpath(QFileInfo(full).absolutePath())) {
    FError = full + QStringLiteral(": cannot create the folder");
    return false;
  }
  QSaveFile file(full);
  if (!file.open(QIODevice::WriteOnly)) {
    FError = full + QStringLiteral(": ") + file.errorString();
    return false;
  }
  QImageWriter writer(&file, format);
  if (!writer.write(image)) {
    FError = full + QStringLiteral(": ") + writer.errorString();
    return false;
  }
  if (!file.commit()) {
    FError = full + QStringLiteral(": ") + file.errorString();
    return false;
  }
  return true;
}

}  // namespace halvena::assets
