// TBackground: the backdrop of a skinned window or control: a brush and a pen for the final
// rectangle, a picture and how the picture is laid out. User-interface thread only.
#pragma once

#include <cstdint>
#include <functional>

#include "controls/Canvas.h"
#include "controls/Picture.h"

namespace halvena {

enum class TImageDrawStyle : std::uint8_t {
  idsAlongside,  // tiled from the top-left corner
  idsCenter,
  idsHide,
  idsStretch,
  idsTopLeft
};

class TBackground {
 public:
  TBackground() = default;
  TBackground(const TBackground&) = delete;
  TBackground& operator=(const TBackground&) = delete;

  // Fill of the final rectangle; default white, solid.
  TBrush& Brush() { return FBrush; }
  const TBrush& Brush() const { return FBrush; }
  void SetBrush(const TBrush& brush) { FBrush.Assign(brush); }
  const TPicture& Image() const { return FImage; }
  TPicture& Image() { return FImage; }
  void SetImage(const TPicture& picture) { FImage.Assign(picture); }
  TImageDrawStyle ImageDrawStyle() const { return FImageDrawStyle; }
  // Default idsAlongside; a change raises OnChange.
  void SetImageDrawStyle(TImageDrawStyle style);
  // Outline of the final rectangle; default black, solid, width 1.
  TPen& Pen() { return FPen; }
  const TPen& Pen() const { return FPen; }
  void SetPen(const TPen& pen) { FPen.Assign(pen); }

  // Takes, in this order, the pen, the brush, the picture and the draw style of `other`.
  void AssignFrom(const TBackground& other);

  std::function<void(TBackground* Sender)> OnChange;

 private:
  TBrush FBrush;
  TPicture FImage;
  TImageDrawStyle FImageDrawStyle = TImageDrawStyle::idsAlongside;
  TPen FPen;
};

// Lays out the picture of `background` on a `width` × `height` area of `canvas` by its draw
// style: tiled from (0, 0) column by column, centred (a larger picture gets a negative origin),
// not at all, stretched into (width - 1) × (height - 1), or at the top-left corner. A picture
// of width or height 0 draws nothing.
void DrawBackgroundImage(TCanvas* canvas, const TBackground& background, int width, int height);

}  // namespace halvena
