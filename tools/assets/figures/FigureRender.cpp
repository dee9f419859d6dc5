#include "assets/figures/FigureRender.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace halvena::figures {
namespace {

// Lines of sight per pixel along each axis.
constexpr int kSamples = 3;
// Outlines are drawn where this many samples away the picture shows something else.
constexpr int kOutlineReach = 2;
// Two solids of one region meet in an outline only where their depths differ by this much.
constexpr double kDepthStep = 6;

struct TColour {
  double R = 0, G = 0, B = 0;
};

TColour FromRgb(QRgb c) {
  return {double(qRed(c)), double(qGreen(c)), double(qBlue(c))};
}
TColour Mix(TColour a, TColour b, double t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}
TColour Scaled(TColour c, double f) {
  return {c.R * f, c.G * f, c.B * f};
}

const TVec3 kLight = Normalized({-0.35, -0.45, 0.82});
const TVec3 kHalfway = Normalized(kLight + TVec3{0, 0, 1});

// Organs and bones: soft light from the upper left with a little gloss.
TColour ShadeInner(QRgb base, TVec3 n) {
  const double diffuse = std::max(0.0, Dot(n, kLight));
  const double gloss = 0.18 * std::pow(std::max(0.0, Dot(n, kHalfway)), 24);
  const TColour c = Scaled(FromRgb(base), 0.42 + 0.62 * diffuse);
  return Mix(c, {255, 255, 255}, gloss);
}

// One line of sight as drawn, before outlines.
struct TSample {
  int Region = -1;
  int Inner = -1;     // the solid in front under the skin
  int InnerKey = -1;  // what the outlines separate: the organ's region, -2 for bone, -1 none
  bool Skin = false;
  int SkinRegion = -1;  // the region of the nearest skin solid
  double Depth = 0;
  TColour Under;  // what lies under the skin
  TColour SkinColour;
  double SkinAlpha = 0;  // 0 where the inner solid lies in front of the skin
};

TSample Shade(const TFigureScene& scene, double x, double y) {
  const TTrace t = scene.Trace(x, y);
  const std::vector<TSolid>& solids = scene.Solids();
  TSample s;
  s.Region = t.Region;
  s.Skin = t.Skin.Solid >= 0;
  if (s.Skin) {
    const TSolid& skin = solids[t.Skin.Solid];
    s.SkinRegion = skin.Region;
    const double diffuse = std::max(0.0, Dot(t.Skin.Normal, kLight));
    const double facing = std::clamp(t.Skin.Normal.Z, 0.0, 1.0);
    s.SkinColour = Scaled(FromRgb(skin.Colour), 0.62 + 0.45 * diffuse);
    s.SkinAlpha = 0.30 + 0.62 * std::pow(1 - facing, 1.6);
    // Soft tissue where no organ lies under the skin.
    s.Under = Scaled(Mix(FromRgb(skin.Colour), {255, 246, 238}, 0.45), 0.8 + 0.25 * diffuse);
  }
  if (t.Inner.Solid >= 0) {
    const TSolid& inner = solids[t.Inner.Solid];
    s.Inner = t.Inner.Solid;
    s.InnerKey = inner.Layer == TLayer::Bone ? -2 : inner.Region;
    s.Depth = t.Inner.Depth;
    s.Under = ShadeInner(inner.Colour, t.Inner.Normal);
    if (s.Skin && t.Inner.Depth > t.Skin.Depth) s.SkinAlpha = 0;
  }
  return s;
}

TColour Blend(const TSample& s) {
  return Mix(s.Under, s.SkinColour, s.SkinAlpha);
}

}  // namespace

QRgb FigureBackground(int y, int height) {
  const double t = height > 1 ? double(y) / (height - 1) : 0;
  const TColour c = Mix({176, 205, 188}, {146, 182, 162}, t);
  return qRgb(int(c.R + 0.5), int(c.G + 0.5), int(c.B + 0.5));
}

QImage RenderFigure(const TFigureScene& scene, int width, int height, int ratio) {
  width *= ratio;
  height *= ratio;
  // Outlines keep their width on the finer pictures.
  const int outlineReach = kOutlineReach * ratio;
  const int sw = width * kSamples;
  const int sh = height * kSamples;
  std::vector<TSample> samples(std::size_t(sw) * sh);
  for (int sy = 0; sy < sh; ++sy) {
    const double y = (sy + 0.5) * kFrameHeight / sh;
    for (int sx = 0; sx < sw; ++sx) {
      samples[std::size_t(sy) * sw + sx] = Shade(scene, (sx + 0.5) * kFrameWidth / sw, y);
    }
  }

  auto at = [&](int x, int y) -> const TSample& { return samples[std::size_t(y) * sw + x]; };
  // Whether a neighbour lies across an outline: the body's silhouette and the edges of skin
  // parts of their own (a hand, a foot), or a change of what lies under the skin (another
  // region, or another solid clearly nearer or farther).
  auto silhouette = [](const TSample& a, const TSample& b) {
    return a.Skin != b.Skin || a.SkinRegion != b.SkinRegion || (!a.Skin && a.Inner != b.Inner);
  };
  auto inner = [](const TSample& a, const TSample& b) {
    if (a.InnerKey != b.InnerKey) return true;
    return a.Inner != b.Inner && a.Inner >= 0 && std::abs(a.Depth - b.Depth) > kDepthStep;
  };

  QImage image(width, height, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  const TColour outline{92, 58, 48};
  for (int y = 0; y < height; ++y) {
    const TColour background = FromRgb(FigureBackground(y, height));
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      TColour sum;
      for (int j = 0; j < kSamples; ++j) {
        for (int i = 0; i < kSamples; ++i) {
          const int sx = x * kSamples + i;
          const int sy = y * kSamples + j;
          const TSample& s = at(sx, sy);
          bool edgeOut = false;
          bool edgeIn = false;
          for (int d = 1; d <= outlineReach; ++d) {
            const int nx[4] = {sx - d, sx + d, sx, sx};
            const int ny[4] = {sy, sy, sy - d, sy + d};
            for (int k = 0; k < 4; ++k) {
              if (nx[k] < 0 || ny[k] < 0 || nx[k] >= sw || ny[k] >= sh) continue;
              const TSample& n = at(nx[k], ny[k]);
              edgeOut = edgeOut || silhouette(s, n);
              edgeIn = edgeIn || inner(s, n);
            }
          }
          TColour c;
          if (!s.Skin && s.Inner < 0) {
            c = background;
          } else {
            TSample drawn = s;
            if (edgeIn && s.Inner >= 0) drawn.Under = Scaled(drawn.Under, 0.55);
            c = Blend(drawn);
            if (edgeOut) c = Mix(c, outline, 0.85);
          }
          sum = {sum.R + c.R, sum.G + c.G, sum.B + c.B};
        }
      }
      const double n = kSamples * kSamples;
      row[x] =
          qRgb(std::clamp(int(sum.R / n + 0.5), 0, 255), std::clamp(int(sum.G / n + 0.5), 0, 255),
               std::clamp(int(sum.B / n + 0.5), 0, 255));
    }
  }
  return image;
}

}  // namespace halvena::figures
