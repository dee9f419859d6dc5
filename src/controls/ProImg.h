// TProportionalImage: a windowless control that shows one picture scaled to a percentage of
// its own size with the picture's aspect ratio kept, centred over a TBackground, with an
// optional caption box at the bottom. Every frame is composed off-screen and then shown at
// once, through a raster operation, or through a transition effect. User-interface thread
// only.
#pragma once

#include <QImage>
#include <QRegion>
#include <QString>
#include <cstdint>

#include "controls/Basics.h"
#include "controls/Effects.h"
#include "controls/GrphPrps.h"

namespace halvena {

enum class TRasterOperation : std::uint8_t {
  roBLACKNESS,
  roDSTINVERT,
  roMERGECOPY,
  roMERGEPAINT,
  roNOTSRCCOPY,
  roNOTSRCERASE,
  roPATCOPY,
  roPATINVERT,
  roPATPAINT,
  roSRCAND,
  roSRCCOPY,
  roSRCERASE,
  roSRCINVERT,
  roSRCPAINT,
  roWHITENESS
};

// The block-transfer operation a TRasterOperation stands for.
TRop RopOf(TRasterOperation operation);

class TProportionalImage : public TGraphicControl {
 public:
  // `parent`, when given, owns the control. 100 × 100 pixels.
  explicit TProportionalImage(QWidget* parent = nullptr);

  // The backdrop; a change of its draw style, pen or brush repaints at once.
  TBackground& Background() { return FBackground; }
  void SetBackground(const TBackground& background) { FBackground.AssignFrom(background); }

  // Every setter below stores the value and repaints at once when it changed.
  EffectStyle Effect() const { return FEffect; }
  void SetEffect(EffectStyle effect);  // default esRandom
  // Show a new picture or caption through the transition effect; default false.
  bool Effects() const { return FEffects; }
  void SetEffects(bool effects);
  // Edge of a transition cell in pixels; default 1 (below 1 counts as 1).
  int EffectSize() const { return FEffectSize; }
  void SetEffectSize(int size);
  // Step of the random transition; default 1 (0 counts as 1).
  std::uint8_t EffectSpeed() const { return FEffectSpeed; }
  void SetEffectSpeed(std::uint8_t speed);
  TRasterOperation RasterOperation() const { return FRasterOperation; }
  void SetRasterOperation(TRasterOperation operation);  // default roSRCCOPY
  // Picture width as a percentage of the control's width; default 90.
  int Sx() const { return FSx; }
  void SetSx(int percent);
  // Largest picture height as a percentage of the control's height; default 90.
  int Sy() const { return FSy; }
  void SetSy(int percent);
  // Take the width (SxIsStatic) or else the height (SyIsStatic) from the sizes computed with
  // StaticSx and StaticSy; defaults false, 0.
  bool SxIsStatic() const { return FSxIsStatic; }
  void SetSxIsStatic(bool is);
  int StaticSx() const { return FStaticSx; }
  void SetStaticSx(int percent);
  bool SyIsStatic() const { return FSyIsStatic; }
  void SetSyIsStatic(bool is);
  int StaticSy() const { return FStaticSy; }
  void SetStaticSy(int percent);

  // The picture; setting it marks a new picture and repaints.
  const TPicture& Image() const { return FImage; }
  void SetImage(const TPicture& picture);
  // The next paint shows a new picture (a transition may run); every paint clears it.
  bool NewImage = false;
  // The caption; empty for none. A change marks a new picture and repaints.
  QString Text() const { return FText; }
  void SetText(const QString& text);

  // An area of the control's pixels tinted with TintColor() over what it shows; empty for none.
  // A change repaints, later, only the pixels whose tint changes.
  const QRegion& Tint() const { return FTint; }
  void SetTint(const QRegion& area);
  // The tint's colour, translucent to let the picture show through; default transparent.
  QColor TintColor() const { return FTintColor; }
  void SetTintColor(const QColor& colour);

  const TPalette* GetPalette() const override { return CurrentPalette(); }

  // Composes the frame and shows it now (a transition shows cell by cell).
  void Repaint() override;
  void Invalidate() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  template <typename T>
  void Change(T& field, const T& value);
  // The paint: composes the frame off-screen and puts it on the control's surface.
  void Compose();
  void DrawPicture(TCanvas& canvas) const;
  void DrawCaption(TCanvas& canvas) const;
  // Shows the part `area` of the surface on the screen at once.
  void Present(const QRect& area);

  TBackground FBackground;
  bool FPainting = false;
  EffectStyle FEffect = EffectStyle::esRandom;
  bool FEffects = false;
  int FEffectSize = 1;
  std::uint8_t FEffectSpeed = 1;
  TPicture FImage;
  TRasterOperation FRasterOperation = TRasterOperation::roSRCCOPY;
  int FSx = 90;
  bool FSxIsStatic = false;
  int FStaticSx = 0;
  int FSy = 90;
  int FStaticSy = 0;
  bool FSyIsStatic = false;
  QString FText;
  QRegion FTint;
  QColor FTintColor = Qt::transparent;

  // What the control shows: frames land here and are copied to the screen from here.
  QImage FSurface;
  bool FSurfaceStale = true;
  bool FInPaintEvent = false;
  bool FPresenting = false;
};

}  // namespace halvena
