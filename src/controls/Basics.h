// What the skinned controls share: GGraphicControl, the windowless control with mouse-enter
// and mouse-leave events; the two palettes for displays of 256 colours or fewer; and the two
// helpers through which every skinned control puts a picture on its canvas.
// User-interface thread only.
#pragma once

#include <functional>

#include "controls/Canvas.h"
#include "controls/GraphicControl.h"
#include "controls/Picture.h"

namespace halvena {

class GGraphicControl;
using GMouseInOutEvent = std::function<void(GGraphicControl* Sender)>;

class GGraphicControl : public TGraphicControl {
 public:
  // `parent`, when given, owns the control.
  explicit GGraphicControl(QWidget* parent = nullptr);

 protected:
  // Fire OnMouseIn and OnMouseOut (when assigned) with the control as Sender.
  virtual void MouseIn();
  virtual void MouseOut();

  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

  // Declared here, made public by the controls that publish them.
  GMouseInOutEvent OnMouseIn;
  GMouseInOutEvent OnMouseOut;
};

// The raster operation of DrawGraphicAt and DrawGraphicStretched.
constexpr TRop BlitRasterOp = TRop::SRCCOPY;

// The palette to realise on the current display, or none: Palette16 below 8 bits per pixel,
// Palette256 at exactly 8, none above (and none when the depth is unknown, 0). Owned by the
// module.
const TPalette* CurrentPalette();
// The two palettes, built from the resources "PAL16" and "PAL256" when the module is first
// used; none when the resource is missing or unreadable, and after ReleasePalettes.
const TPalette* Palette16();
const TPalette* Palette256();
// (Re)builds both palettes from the resources.
void LoadPalettes();
// Deletes both palettes; they stay none for the rest of the program.
void ReleasePalettes();

// Draws `picture` at natural size with its top-left corner at (x, y). Nothing happens (and
// the stretch mode stays) when the canvas or the picture is missing or the picture is empty.
void DrawGraphicAt(TCanvas* canvas, int x, int y, const TPicture* picture);
// Draws `picture` stretched into the box at (left, top) of width × height pixels; otherwise
// as DrawGraphicAt.
void DrawGraphicStretched(TCanvas* canvas, int left, int top, int width, int height,
                          const TPicture* picture);

// The palette bracket of a paint: on a canvas of 8 bits per pixel or fewer, when the control's
// palette query answers a palette, CurrentPalette is selected and realised for the lifetime of
// the bracket and the previous palette is selected back at its end. `canvas` must outlive it.
class TPaletteBracket {
 public:
  TPaletteBracket(TCanvas* canvas, const TGraphicControl& control);
  ~TPaletteBracket();
  TPaletteBracket(const TPaletteBracket&) = delete;
  TPaletteBracket& operator=(const TPaletteBracket&) = delete;

  bool Selected() const { return FSelected; }

 private:
  TCanvas* FCanvas;
  const TPalette* FPrevious = nullptr;
  bool FSelected = false;
};

}  // namespace halvena
