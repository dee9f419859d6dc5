// Decodes arbitrary bytes through Qt's readers: the first byte chooses the format (BMP, GIF,
// JPEG, PNG, TIFF), the rest is the file.
#include <cstdint>
#include <cstdlib>

#include "imaging/Decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const halvena::TImageFormat kFormats[] = {
      halvena::TImageFormat::Bmp, halvena::TImageFormat::Gif, halvena::TImageFormat::Jpeg,
      halvena::TImageFormat::Png, halvena::TImageFormat::Tif};
  const halvena::TImageFormat format = kFormats[data[0] % 5];
  const QByteArray file(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
  QImage image;
  const halvena::TDecodeStatus status = halvena::DecodeImage(format, file, image);
  // A picture comes only with Ok, Truncated or Corrupt (what was decoded), and never beyond the
  // limit.
  const bool mayHaveImage = status == halvena::TDecodeStatus::Ok ||
                            status == halvena::TDecodeStatus::Truncated ||
                            status == halvena::TDecodeStatus::Corrupt;
  if (!image.isNull() && (!mayHaveImage || image.width() * std::int64_t{image.height()} * 4 >
                                               halvena::kMaxDecodedBytes)) {
    std::abort();
  }
  return 0;
}
