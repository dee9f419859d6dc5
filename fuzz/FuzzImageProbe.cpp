// Probes arbitrary bytes for a picture format and checks that the answer names a format.
#include <cstdint>
#include <cstdlib>

#include "imaging/ImageFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const halvena::TImageFormat format = halvena::ProbeImageFormat(content);
  if ((format == halvena::TImageFormat::None) != halvena::FormatName(format).isEmpty())
    std::abort();
  return 0;
}
