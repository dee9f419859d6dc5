#include "imaging/PMultiImage.h"

#include <QFile>
#include <cstdint>
#include <exception>

#include "base/FileRead.h"
#include "imaging/ColorReduce.h"
#include "imaging/Decoders.h"
#include "imaging/ImageFormat.h"

namespace halvena {
namespace {

// The loader's own texts, in the language of its decoders.
const QString kCannotOpen = QStringLiteral("Cannot open the image file");
const QString kUnknownFormat = QStringLiteral("Unknown image format");

// Only a regular file is read, opened without waiting (a pipe or a device is refused), and
// never when it is larger than a picture may be.
bool ReadFile(const QString& name, QByteArray& bytes, QString& error) {
  TRegularFile file;
  if (file.Open(QFile::encodeName(name).toStdString()) != TFileReadStatus::Ok) {
    error = kCannotOpen;
    return false;
  }
  if (file.Size() > static_cast<std::uint64_t>(kMaxFileBytes)) {
    error = QString::fromLatin1(DecodeStatusText(TDecodeStatus::TooLarge));
    return false;
  }
  bytes = QByteArray(static_cast<qsizetype>(file.Size()), Qt::Uninitialized);
  const std::int64_t got = file.Read(bytes.data(), static_cast<std::size_t>(bytes.size()));
  if (got < 0) {
    bytes.clear();
    error = kCannotOpen;
    return false;
  }
  bytes.truncate(static_cast<qsizetype>(got));
  return true;
}

}  // namespace

TImageReadRes ReadResForDepth(int bitsPerPixel) {
  if (bitsPerPixel < 8) return lColor16;
  if (bitsPerPixel < 16) return lColor256;
  return lColorTrue;
}

void TPMultiImage::SetMessages(TImageMessages* messages) {
  FMessages = messages != nullptr ? messages : &FMessageBoxes;
}

void TPMultiImage::SetImageName(const QString& name) {
  FImageName = name;
  FPicture = QImage();
  if (name.isEmpty()) return;
  try {
    Load();
  } catch (const std::exception&) {
    // A decoder that fails this way (out of memory) leaves no picture and says nothing.
    FPicture = QImage();
  }
}

void TPMultiImage::Load() {
  QByteArray bytes;
  QString error;
  if (!ReadFile(FImageName, bytes, error)) {
    FMessages->ShowError(error);
    return;
  }
  TImageFormat format = FormatFromFileName(FImageName);
  if (format == TImageFormat::None) format = ProbeImageFormat(bytes);
  if (format == TImageFormat::None) {
    FMessages->ShowError(kUnknownFormat);
    return;
  }
  QImage image;
  const TDecodeStatus status = DecodeImage(format, bytes, image);
  if (status != TDecodeStatus::Ok) {
    FMessages->ShowError(QString::fromLatin1(DecodeStatusText(status)));
    FMessages->ShowInformation(
        QStringLiteral("Reading %1 file failed").arg(FormatShortName(format)));
  }
  if (!image.isNull()) FPicture = Reduce(image);
}

QImage TPMultiImage::Reduce(const QImage& image) const {
  if (FImageReadRes == lColorTrue || FPalette.isEmpty()) {
    return image.convertToFormat(QImage::Format_RGB32);
  }
  const qsizetype colors = FImageReadRes == lColor16 ? 16 : 256;
  return ReduceToPalette(image, FPalette.mid(0, colors), FImageDither);
}

}  // namespace halvena
