// TPicture: the picture a control owns (a glyph, a skin, a backdrop), holding at most one
// graphic, a bitmap or an icon. A graphic whose image has a device pixel ratio above 1 is a
// finer copy: its size and every place in it count logical pixels, and the canvas draws it at
// the device's resolution. User-interface thread only.
#pragma once

#include <QImage>
#include <functional>

namespace halvena {

enum class TGraphicKind { None, Bitmap, Icon };

class TPicture {
 public:
  TPicture() = default;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  // True when a graphic is assigned, also an empty one (width or height 0).
  bool HasGraphic() const { return FKind != TGraphicKind::None; }
  // True when there is nothing to draw: no graphic, or one of width or height 0.
  bool Empty() const { return FKind == TGraphicKind::None || FImage.isNull(); }
  TGraphicKind Kind() const { return FKind; }
  // The size in logical pixels.
  int Width() const;
  int Height() const;
  // The pixels: opaque for a bitmap, with an alpha channel for an icon, and the device pixel
  // ratio they were drawn at; null when empty.
  const QImage& Image() const { return FImage; }

  // Each of these raises OnChange.
  void SetBitmap(const QImage& image);
  void SetIcon(const QImage& image);
  void Clear();
  void Assign(const TPicture& other);

  std::function<void()> OnChange;

 private:
  void Changed();

  TGraphicKind FKind = TGraphicKind::None;
  QImage FImage;
};

}  // namespace halvena
