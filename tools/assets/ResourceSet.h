// A set of resource files written into one folder together with the Qt resource collection
// (.qrc) that lists them, so that the build compiles them into the program. Not thread-safe.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace halvena::assets {

class TResourceSet {
 public:
  // Files go under `folder`, which is created when missing.
  explicit TResourceSet(QString folder);

  // Writes `bytes` as the resource ":/halvena/<path>". False, with Error() set, on failure.
  bool AddFile(const QString& path, const QByteArray& bytes);
  // Writes `image` as a PNG file (keeping its text entries) under ":/halvena/<path>".
  bool AddImage(const QString& path, const QImage& image);
  // Writes the collection `name`.qrc that lists every file added.
  bool WriteCollection(const QString& name);

  const QString& Error() const { return FError; }

 private:
  QString FFolder;
  QStringList FPaths;
  QString FError;
};

}  // namespace halvena::assets
