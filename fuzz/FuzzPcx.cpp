// Decodes arbitrary bytes as a PCX file, then reduces small results to a 16-colour palette the
// way the loader does for a 16-colour display.
#include <cstdint>
#include <cstdlib>

#include "imaging/ColorReduce.h"
#include "imaging/Pcx.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QImage image;
  const halvena::TDecodeStatus status = halvena::ReadPcx(file, image);
  const bool hasImage =
      status == halvena::TDecodeStatus::Ok || status == halvena::TDecodeStatus::Truncated;
  if (hasImage == image.isNull()) std::abort();
  if (hasImage && image.width() * image.height() <= 256 * 256) {
    QVector<QRgb> palette;
    for (int i = 0; i < 16; ++i) palette.append(qRgb(i * 17, 255 - i * 17, i * 5));
    if (halvena::ReduceToPalette(image, palette, true).size() != image.size()) std::abort();
  }
  return 0;
}
