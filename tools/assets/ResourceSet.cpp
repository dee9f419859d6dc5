#include "assets/ResourceSet.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <utility>

namespace halvena::assets {
namespace {

bool WriteFile(const QString& path, const QByteArray& bytes, QString& error) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
    error = path + QStringLiteral(": cannot create the folder");
    return false;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    error = path + QStringLiteral(": ") + file.errorString();
    return false;
  }
  return true;
}

}  // namespace

TResourceSet::TResourceSet(QString folder) : FFolder(std::move(folder)) {}

bool TResourceSet::AddFile(const QString& path, const QByteArray& bytes) {
  if (!WriteFile(FFolder + QLatin1Char('/') + path, bytes, FError)) return false;
  FPaths.append(path);
  return true;
}

bool TResourceSet::AddImage(const QString& path, const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) {
    FError = path + QStringLiteral(": cannot encode the picture");
    return false;
  }
  return AddFile(path, png);
}

bool TResourceSet::WriteCollection(const QString& name) {
  QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/halvena\">\n";
  for (const QString& path : FPaths) {
    qrc += "  <file>" + path.toUtf8() + "</file>\n";
  }
  qrc += "</qresource>\n</RCC>\n";
  return WriteFile(FFolder + QLatin1Char('/') + name + QStringLiteral(".qrc"), qrc, FError);
}

}  // namespace halvena::assets
