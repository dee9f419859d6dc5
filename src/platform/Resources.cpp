#include "platform/Resources.h"

#include <QDir>
#include <QFile>
#include <QPixmap>

// The compiled-in resources live in a static library: their registration must be referenced
// from here, or the linker drops it. Q_INIT_RESOURCE cannot stand inside a namespace.
static void RegisterProgramResources() {
  Q_INIT_RESOURCE(halvena_resources);
}

namespace halvena {
namespace {

void RegisterOnce() {
  [[maybe_unused]] static const bool registered = (RegisterProgramResources(), true);
}

// The resource file of `kind` ("bitmaps", "cursors", "pictures") whose base name equals `name`
// with letter case ignored; empty when there is none.
QString ResourcePath(const char* kind, const QString& name) {
  RegisterOnce();
  const QDir dir(QStringLiteral(":/halvena/") + QLatin1String(kind));
  for (const QFileInfo& entry : dir.entryInfoList(QDir::Files)) {
    if (entry.completeBaseName().compare(name, Qt::CaseInsensitive) == 0) {
      return entry.filePath();
    }
  }
  return {};
}

}  // namespace

QByteArray BitmapResource(const QString& name) {
  const QString path = ResourcePath("bitmaps", name);
  if (path.isEmpty()) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

std::optional<QCursor> CursorResource(const QString& name) {
  const QString path = ResourcePath("cursors", name);
  if (path.isEmpty()) return std::nullopt;
  const QImage image(path);
  if (image.isNull()) return std::nullopt;
  // The hot spot travels with the picture as two text entries of the PNG file.
  bool okX = false;
  bool okY = false;
  const int hotX = image.text(QStringLiteral("HotSpotX")).toInt(&okX);
  const int hotY = image.text(QStringLiteral("HotSpotY")).toInt(&okY);
  return QCursor(QPixmap::fromImage(image), okX ? hotX : -1, okY ? hotY : -1);
}

QImage PictureResource(const QString& name) {
  const QString path = ResourcePath("pictures", name);
  return path.isEmpty() ? QImage() : QImage(path);
}

QIcon WindowIcon() {
  RegisterOnce();
  QIcon icon;
  for (const QFileInfo& entry :
       QDir(QStringLiteral(":/halvena/icons")).entryInfoList(QDir::Files)) {
    icon.addFile(entry.filePath());
  }
  return icon;
}

}  // namespace halvena
