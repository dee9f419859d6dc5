// Decoding the bytes of a picture file of a known format into an image: Qt's readers for BMP,
// GIF, JPEG, PNG and TIFF, our own reader for PCX. Every decoder refuses pictures above one
// size limit, so that a hostile header cannot make the program allocate without bound.
// Plain functions; the Qt readers need the image-format plugins, so call from one thread.
#pragma once

#include <QByteArray>
#include <QImage>
#include <cstdint>

#include "imaging/ImageFormat.h"

namespace halvena {

// The largest decoded picture, in bytes of 32-bit pixels (4096 x 4096).
constexpr std::int64_t kMaxDecodedBytes = std::int64_t{64} * 1024 * 1024;
// The largest picture file the loader reads into memory.
constexpr std::int64_t kMaxFileBytes = std::int64_t{64} * 1024 * 1024;

enum class TDecodeStatus {
  Ok,
  Truncated,    // the data ended early; the image holds what was decoded
  Corrupt,      // the data contradicts itself; the image holds what was decoded, if anything
  Unsupported,  // a valid variant this reader does not handle; no image
  TooLarge,     // above kMaxDecodedBytes; no image
};

// The failure text for a status (English, like every text of the decoders); empty for Ok.
const char* DecodeStatusText(TDecodeStatus status);

// True when a picture of width x height pixels is within the limit. Negative or zero sizes
// are not.
bool WithinDecodeLimit(std::int64_t width, std::int64_t height);

// Decodes `data` as `format` into `image` (replaced). The image is null unless the status is
// Ok, Truncated or Corrupt.
TDecodeStatus DecodeImage(TImageFormat format, const QByteArray& data, QImage& image);

}  // namespace halvena
