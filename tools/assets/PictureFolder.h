// A folder of picture files written as Windows bitmap files (BMP), whatever their names say;
// the program recognises the format from the content. Not thread-safe.
#pragma once

#include <QImage>
#include <QString>

namespace halvena::assets {

class TPictureFolder {
 public:
  // Files go under `folder`; missing folders on the way are created.
  explicit TPictureFolder(QString folder);

  // Writes `image` as a BMP file at `path` under the folder ("I/B/bk6x4", "I/butup.bmp").
  // False, with Error() set, on failure.
  bool AddBmp(const QString& path, const QImage& image);
  // Writes `image` as a PNG file at `path` under the folder (contact sheets).
  bool AddPng(const QString& path, const QImage& image);

  const QString& Error() const { return FError; }

 private:
  bool Add(const QString& path, const QImage& image, const char* format);

  QString FFolder;
  QString FError;
};

}  // namespace halvena::assets
