// TBaseBtn: the program's push button, a windowless control that paints itself from its
// properties: an optional rounded face with a drop shadow, an optional picture (glyph) per
// state and a caption, all placed by fractions of the button's size so that one definition
// scales with the skin. User-interface thread only.
#pragma once

#include <QRegion>
#include <QString>

#include "controls/Basics.h"

namespace halvena {

// The colour of the caption of a disabled button.
const QColor clGrayText(128, 128, 128);

class TBaseBtn : public GGraphicControl {
 public:
  // `parent`, when given, owns the button. 120 × 40 pixels. Fills the cursor slots crHand and
  // crFlatHand from the program's cursors and shows the hand.
  explicit TBaseBtn(QWidget* parent = nullptr);

  using GGraphicControl::OnMouseIn;
  using GGraphicControl::OnMouseOut;

  // Fill and outline of the face; a change of either invalidates the button.
  TBrush& Brush() { return FBrush; }
  void SetBrush(const TBrush& brush) { FBrush.Assign(brush); }
  TPen& Pen() { return FPen; }
  void SetPen(const TPen& pen) { FPen.Assign(pen); }

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& caption);

  // A mouse button is held down on the button.
  bool Pressed() const { return FPressed; }
  // The owner shows the button pressed (latched); default false.
  bool ButtonIsDown() const { return FButtonIsDown; }
  void SetButtonIsDown(bool down);
  // The owner shows the button hot: a raised frame when the face is hidden; default false.
  bool ButtonIsHot() const { return FButtonIsHot; }
  void SetButtonIsHot(bool hot);

  // The caption's outline copy, one pixel up and left; default black, hidden.
  QColor CaptionPenColor() const { return FCaptionPenColor; }
  void SetCaptionPenColor(const QColor& color);
  bool CaptionPenVisible() const { return FCaptionPenVisible; }
  void SetCaptionPenVisible(bool visible);
  // Caption's top-left corner as fractions of width and height; default 0.
  double CaptionXOffset() const { return FCaptionXOffset; }
  void SetCaptionXOffset(double offset);
  double CaptionYOffset() const { return FCaptionYOffset; }
  void SetCaptionYOffset(double offset);
  // The ellipse that rounds the face's corners, in pixels; default 0 × 0 (square corners).
  int CaptionXRound() const { return FCaptionXRound; }
  void SetCaptionXRound(int width);
  int CaptionYRound() const { return FCaptionYRound; }
  void SetCaptionYRound(int height);

  // The face as fractions of the button; default 0.8 × 0.5 at (0, 0), visible.
  double FaceHeight() const { return FFaceHeight; }
  void SetFaceHeight(double height);
  bool FaceVisible() const { return FFaceVisible; }
  void SetFaceVisible(bool visible);
  double FaceWidth() const { return FFaceWidth; }
  void SetFaceWidth(double width);
  double FaceXOffset() const { return FFaceXOffset; }
  void SetFaceXOffset(double offset);
  double FaceYOffset() const { return FFaceYOffset; }
  void SetFaceYOffset(double offset);

  // Glyph placement: centred at natural size, stretched (the two exclude each other), or at
  // natural size at the offsets. Defaults: neither, size 0.2 × 0.8, offsets 0.
  bool GlyphCentered() const { return FGlyphCentered; }
  void SetGlyphCentered(bool centered);  // true also clears GlyphStretched
  bool GlyphStretched() const { return FGlyphStretched; }
  void SetGlyphStretched(bool stretched);  // true also clears GlyphCentered
  double GlyphHeight() const { return FGlyphHeight; }
  void SetGlyphHeight(double height);
  double GlyphWidth() const { return FGlyphWidth; }
  void SetGlyphWidth(double width);
  double GlyphXOffset() const { return FGlyphXOffset; }
  void SetGlyphXOffset(double offset);
  double GlyphYOffset() const { return FGlyphYOffset; }
  void SetGlyphYOffset(double offset);
  // Use GlyphUp also while pressed; default false.
  bool GlyphUpIsGlyphDown() const { return FGlyphUpIsGlyphDown; }
  void SetGlyphUpIsGlyphDown(bool same);
  // The glyphs of the three states. The setters copy the picture and do not repaint.
  const TPicture& GlyphUp() const { return FGlyphUp; }
  void SetGlyphUp(const TPicture& picture) { FGlyphUp.Assign(picture); }
  const TPicture& GlyphDown() const { return FGlyphDown; }
  void SetGlyphDown(const TPicture& picture) { FGlyphDown.Assign(picture); }
  const TPicture& GlyphDisabled() const { return FGlyphDisabled; }
  void SetGlyphDisabled(const TPicture& picture) { FGlyphDisabled.Assign(picture); }

  // The shadow's colour (default grey 0x808080) and displacement as fractions (default 0); the
  // displacement is also how far everything moves while the button is down.
  QColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(const QColor& color);
  double ShadowXOffset() const { return FShadowXOffset; }
  void SetShadowXOffset(double offset);
  double ShadowYOffset() const { return FShadowYOffset; }
  void SetShadowYOffset(double offset);

  // A clip region in the button's own coordinates, or null. Not owned: whoever assigns it
  // keeps it alive while it is set.
  const QRegion* ClipRegion() const { return FClipRegion; }
  void SetClipRegion(const QRegion* region) { FClipRegion = region; }

  const TPalette* GetPalette() const override { return CurrentPalette(); }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  template <typename T>
  void Change(T& field, const T& value);
  void DrawGlyph(TCanvas& canvas, const TPicture& glyph, int d);
  void DrawFrame(TCanvas& canvas, const QColor& first, const QColor& second);

  TBrush FBrush;
  bool FPressed = false;
  bool FButtonIsDown = false;
  bool FButtonIsHot = false;
  QColor FCaptionPenColor = Qt::black;
  bool FCaptionPenVisible = false;
  double FCaptionXOffset = 0;
  double FCaptionYOffset = 0;
  int FCaptionXRound = 0;
  int FCaptionYRound = 0;
  double FFaceHeight = 0.5;
  bool FFaceVisible = true;
  double FFaceWidth = 0.8;
  double FFaceXOffset = 0;
  double FFaceYOffset = 0;
  bool FGlyphCentered = false;
  TPicture FGlyphDisabled;
  TPicture FGlyphDown;
  double FGlyphHeight = 0.8;
  bool FGlyphStretched = false;
  TPicture FGlyphUp;
  bool FGlyphUpIsGlyphDown = false;
  double FGlyphWidth = 0.2;
  double FGlyphXOffset = 0;
  double FGlyphYOffset = 0;
  TPen FPen;
  QColor FShadowColor = QColor(0x80, 0x80, 0x80);
  double FShadowXOffset = 0;
  double FShadowYOffset = 0;
  const QRegion* FClipRegion = nullptr;
  QString FCaption;
};

}  // namespace halvena
