#include "assets/Palettes.h"

#include <array>
#include <vector>

#include "assets/Dib.h"

namespace halvena::assets {
namespace {

constexpr int kSide = 10;

// The levels from which the 236 middle colours of the 256-colour palette are built: a
// 6 x 9 x 4 colour cube, then the remaining red levels beside the remaining green level, then
// further combinations of all the levels, each colour once and none of the fixed twenty.
constexpr std::array<int, 6> kCubeRed = {0, 51, 102, 153, 204, 255};
constexpr std::array<int, 9> kCubeGreen = {0, 31, 63, 95, 127, 159, 191, 223, 255};
constexpr std::array<int, 4> kBlue = {0, 85, 170, 255};
constexpr std::array<int, 5> kExtraRed = {42, 85, 127, 170, 212};
constexpr int kExtraGreen = 204;
constexpr std::array<int, 11> kAllRed = {0, 42, 51, 85, 102, 127, 153, 170, 204, 212, 255};
constexpr std::array<int, 10> kAllGreen = {0, 31, 63, 95, 127, 159, 191, 204, 223, 255};
constexpr int kMiddleCount = 236;

QByteArray PaletteBitmap(int bitsPerPixel, const QVector<QRgb>& colors) {
  std::vector<std::uint8_t> indices(kSide * kSide);
  for (std::size_t i = 0; i < indices.size(); ++i) {
    indices[i] = static_cast<std::uint8_t>(i % static_cast<std::size_t>(colors.size()));
  }
  return PalettedDib(kSide, kSide, bitsPerPixel, colors, indices);
}

}  // namespace

QVector<QRgb> Palette16Colors() {
  return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
          qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
          qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
          qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

QVector<QRgb> Palette256Colors() {
  const QVector<QRgb> first = {qRgb(0, 0, 0),      qRgb(128, 0, 0),     qRgb(0, 128, 0),
                               qRgb(128, 128, 0),  qRgb(0, 0, 128),     qRgb(128, 0, 128),
                               qRgb(0, 128, 128),  qRgb(128, 128, 128), qRgb(192, 220, 192),
                               qRgb(166, 202, 240)};
  const QVector<QRgb> last = {qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128),
                              qRgb(255, 0, 0),     qRgb(0, 255, 0),     qRgb(255, 255, 0),
                              qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255),
                              qRgb(255, 255, 255)};
  QVector<QRgb> middle;
  auto add = [&](int r, int g, int b) {
    const QRgb colour = qRgb(r, g, b);
    if (middle.size() < kMiddleCount && !first.contains(colour) && !last.contains(colour) &&
        !middle.contains(colour)) {
      middle.append(colour);
    }
  };
  for (const int r : kCubeRed) {
    for (const int g : kCubeGreen) {
      for (const int b : kBlue) add(r, g, b);
    }
  }
  for (const int r : kExtraRed) {
    for (const int b : kBlue) add(r, kExtraGreen, b);
  }
  for (const int r : kAllRed) {
    for (const int g : kAllGreen) {
      for (const int b : kBlue) add(r, g, b);
    }
  }
  return first + middle + last;
}

QByteArray Palette16Bitmap() {
  return PaletteBitmap(4, Palette16Colors());
}

QByteArray Palette256Bitmap() {
  return PaletteBitmap(8, Palette256Colors());
}

}  // namespace halvena::assets
