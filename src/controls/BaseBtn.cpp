#include "controls/BaseBtn.h"

#include "platform/Application.h"

namespace halvena {

TBaseBtn::TBaseBtn(QWidget* parent) : GGraphicControl(parent) {
  resize(120, 40);
  FBrush.OnChange = [this] { Invalidate(); };
  FPen.OnChange = [this] { Invalidate(); };
  LoadProgramCursors();
  SetCursorSlot(crHand);
}

template <typename T>
void TBaseBtn::Change(T& field, const T& value) {
  if (field == value) return;
  field = value;
  Invalidate();
}

void TBaseBtn::SetCaption(const QString& caption) {
  Change(FCaption, caption);
}
void TBaseBtn::SetButtonIsDown(bool down) {
  Change(FButtonIsDown, down);
}
void TBaseBtn::SetButtonIsHot(bool hot) {
  Change(FButtonIsHot, hot);
}
void TBaseBtn::SetCaptionPenColor(const QColor& color) {
  Change(FCaptionPenColor, color);
}
void TBaseBtn::SetCaptionPenVisible(bool visible) {
  Change(FCaptionPenVisible, visible);
}
void TBaseBtn::SetCaptionXOffset(double offset) {
  Change(FCaptionXOffset, offset);
}
void TBaseBtn::SetCaptionYOffset(double offset) {
  Change(FCaptionYOffset, offset);
}
void TBaseBtn::SetCaptionXRound(int width) {
  Change(FCaptionXRound, width);
}
void TBaseBtn::SetCaptionYRound(int height) {
  Change(FCaptionYRound, height);
}
void TBaseBtn::SetFaceHeight(double height) {
  Change(FFaceHeight, height);
}
void TBaseBtn::SetFaceVisible(bool visible) {
  Change(FFaceVisible, visible);
}
void TBaseBtn::SetFaceWidth(double width) {
  Change(FFaceWidth, width);
}
void TBaseBtn::SetFaceXOffset(double offset) {
  Change(FFaceXOffset, offset);
}
void TBaseBtn::SetFaceYOffset(double offset) {
  Change(FFaceYOffset, offset);
}
void TBaseBtn::SetGlyphHeight(double height) {
  Change(FGlyphHeight, height);
}
void TBaseBtn::SetGlyphWidth(double width) {
  Change(FGlyphWidth, width);
}
void TBaseBtn::SetGlyphXOffset(double offset) {
  Change(FGlyphXOffset, offset);
}
void TBaseBtn::SetGlyphYOffset(double offset) {
  Change(FGlyphYOffset, offset);
}
void TBaseBtn::SetGlyphUpIsGlyphDown(bool same) {
  Change(FGlyphUpIsGlyphDown, same);
}
void TBaseBtn::SetShadowColor(const QColor& color) {
  Change(FShadowColor, color);
}
void TBaseBtn::SetShadowXOffset(double offset) {
  Change(FShadowXOffset, offset);
}
void TBaseBtn::SetShadowYOffset(double offset) {
  Change(FShadowYOffset, offset);
}

void TBaseBtn::SetGlyphCentered(bool centered) {
  if (FGlyphCentered == centered) return;
  FGlyphCentered = centered;
  if (centered) FGlyphStretched = false;
  Invalidate();
}

void TBaseBtn::SetGlyphStretched(bool stretched) {
  if (FGlyphStretched == stretched) return;
  FGlyphStretched = stretched;
  if (stretched) FGlyphCentered = false;
  Invalidate();
}

void TBaseBtn::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  GGraphicControl::MouseDown(button, shift, x, y);
  FPressed = true;
  Repaint();
}

void TBaseBtn::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  GGraphicControl::MouseUp(button, shift, x, y);
  FPressed = false;
  Repaint();
}

void TBaseBtn::DrawGlyph(TCanvas& canvas, const TPicture& glyph, int d) {
  const int w = width();
  const int h = height();
  auto rX = [w](double f) { return RoundEven(f * w); };
  auto rY = [h](double f) { return RoundEven(f * h); };
  if (FGlyphStretched) {
    // The offsets count into the size.
    const int left = rX(FGlyphXOffset + d * FShadowXOffset);
    const int top = rY(FGlyphYOffset + d * FShadowYOffset);
    const int boxWidth = rX(FGlyphXOffset + FGlyphWidth + d * FShadowXOffset);
    const int boxHeight = rY(FGlyphYOffset + FGlyphHeight + d * FShadowYOffset);
    if (glyph.Kind() == TGraphicKind::Icon) {
      canvas.StretchDraw(TRect::Box(left, top, boxWidth, boxHeight), glyph);
    } else {
      DrawGraphicStretched(&canvas, left, top, boxWidth, boxHeight, &glyph);
    }
  } else if (FGlyphCentered) {
    DrawGraphicAt(&canvas, (w - glyph.Width()) / 2 + d * rX(FShadowXOffset),
                  (h - glyph.Height()) / 2 + d * rY(FShadowYOffset), &glyph);
  } else {
    DrawGraphicAt(&canvas, rX(FGlyphXOffset + d * FShadowXOffset),
                  rY(FGlyphYOffset + d * FShadowYOffset), &glyph);
  }
}

void TBaseBtn::DrawFrame(TCanvas& canvas, const QColor& first, const QColor& second) {
  const int w = width();
  const int h = height();
  canvas.Pen.SetColor(first);
  canvas.MoveTo(w - 1, 0);
  canvas.LineTo(0, 0);
  canvas.LineTo(0, h - 1);
  canvas.Pen.SetColor(second);
  canvas.LineTo(w - 1, h - 1);
  canvas.LineTo(w - 1, 0);
}

void TBaseBtn::Paint() {
  TCanvas& canvas = *Canvas();
  const int w = width();
  const int h = height();
  auto rX = [w](double f) { return RoundEven(f * w); };
  auto rY = [h](double f) { return RoundEven(f * h); };
  const bool down = FPressed || FButtonIsDown;
  const bool enabled = isEnabled();
  const double sx = FShadowXOffset;
  const double sy = FShadowYOffset;

  if (FClipRegion != nullptr) canvas.SetClipRegion(*FClipRegion);
  {
    TPaletteBracket bracket(&canvas, *this);
    canvas.Brush.Assign(FBrush);
    canvas.Pen.Assign(FPen);
    canvas.Font.Assign(Font());

    const TRect face = {rX(FFaceXOffset), rY(FFaceYOffset), rX(FFaceXOffset + FFaceWidth),
                        rY(FFaceYOffset + FFaceHeight)};
    const TRect shifted = {rX(FFaceXOffset + sx), rY(FFaceYOffset + sy),
                           rX(FFaceXOffset + FFaceWidth + sx), rY(FFaceYOffset + FFaceHeight + sy)};
    if (!down && FFaceVisible) {
      canvas.Brush.SetColor(FShadowColor);
      canvas.Pen.SetColor(FShadowColor);
      canvas.RoundRect(shifted, FCaptionXRound, FCaptionYRound);
      canvas.Brush.SetColor(FBrush.Color());
      canvas.Pen.SetColor(FPen.Color());
    }
    if (enabled && down) {
      if (FFaceVisible) canvas.RoundRect(shifted, FCaptionXRound, FCaptionYRound);
      if (FGlyphDown.HasGraphic() && !FGlyphUpIsGlyphDown) {
        DrawGlyph(canvas, FGlyphDown, 1);
      } else if (FGlyphUp.HasGraphic() && FGlyphUpIsGlyphDown) {
        DrawGlyph(canvas, FGlyphUp, 1);
      }
      if (!FFaceVisible) DrawFrame(canvas, QColor(0x80, 0x80, 0x80), Qt::white);
    }
    if (enabled && !down) {
      if (FFaceVisible) canvas.RoundRect(face, FCaptionXRound, FCaptionYRound);
      if (FGlyphUp.HasGraphic()) DrawGlyph(canvas, FGlyphUp, 0);
    }
    if (enabled && !FFaceVisible && !down && FButtonIsHot) {
      DrawFrame(canvas, Qt::white, QColor(0x80, 0x80, 0x80));
    }
    if (!enabled) {
      if (FFaceVisible) canvas.RoundRect(face, FCaptionXRound, FCaptionYRound);
      if (FGlyphDisabled.HasGraphic()) DrawGlyph(canvas, FGlyphDisabled, 0);
    }

    canvas.Brush.SetStyle(TBrushStyle::bsClear);
    const int x = down ? rX(FCaptionXOffset + sx) : rX(FCaptionXOffset);
    const int y = down ? rY(FCaptionYOffset + sy) : rY(FCaptionYOffset);
    if (FCaptionPenVisible) {
      canvas.Font.SetColor(FCaptionPenColor);
      canvas.TextOut(x - 1, y - 1, FCaption);
    }
    canvas.Font.SetColor(enabled ? Font().Color() : clGrayText);
    canvas.TextOut(x, y, FCaption);
  }
  if (FClipRegion != nullptr) canvas.ClearClipRegion();
}

}  // namespace halvena
