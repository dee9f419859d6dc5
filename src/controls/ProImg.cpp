#include "controls/ProImg.h"

#include <QPaintEvent>
#include <QPainter>
#include <cstdlib>

#include "platform/Display.h"

namespace halvena {

TRop RopOf(TRasterOperation operation) {
  static constexpr TRop kRops[] = {
      TRop::BLACKNESS,   TRop::DSTINVERT, TRop::MERGECOPY, TRop::MERGEPAINT, TRop::NOTSRCCOPY,
      TRop::NOTSRCERASE, TRop::PATCOPY,   TRop::PATINVERT, TRop::PATPAINT,   TRop::SRCAND,
      TRop::SRCCOPY,     TRop::SRCERASE,  TRop::SRCINVERT, TRop::SRCPAINT,   TRop::WHITENESS};
  return kRops[static_cast<int>(operation)];
}

TProportionalImage::TProportionalImage(QWidget* parent) : TGraphicControl(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(100, 100);
  FBackground.OnChange = [this](TBackground*) { Repaint(); };
  FBackground.Pen().OnChange = [this] { Repaint(); };
  FBackground.Brush().OnChange = [this] { Repaint(); };
  FImage.OnChange = [this] { Repaint(); };
}

template <typename T>
void TProportionalImage::Change(T& field, const T& value) {
  if (field == value) return;
  field = value;
  Repaint();
}

void TProportionalImage::SetEffect(EffectStyle effect) {
  Change(FEffect, effect);
}
void TProportionalImage::SetEffects(bool effects) {
  Change(FEffects, effects);
}
void TProportionalImage::SetEffectSize(int size) {
  Change(FEffectSize, size);
}
void TProportionalImage::SetEffectSpeed(std::uint8_t speed) {
  Change(FEffectSpeed, speed);
}
void TProportionalImage::SetRasterOperation(TRasterOperation operation) {
  Change(FRasterOperation, operation);
}
void TProportionalImage::SetSx(int percent) {
  Change(FSx, percent);
}
void TProportionalImage::SetSy(int percent) {
  Change(FSy, percent);
}
void TProportionalImage::SetSxIsStatic(bool is) {
  Change(FSxIsStatic, is);
}
void TProportionalImage::SetStaticSx(int percent) {
  Change(FStaticSx, percent);
}
void TProportionalImage::SetSyIsStatic(bool is) {
  Change(FSyIsStatic, is);
}
void TProportionalImage::SetStaticSy(int percent) {
  Change(FStaticSy, percent);
}

void TProportionalImage::SetImage(const TPicture& picture) {
  NewImage = true;
  FImage.Assign(picture);
}

void TProportionalImage::SetText(const QString& text) {
  if (FText == text) return;
  FText = text;
  NewImage = true;
  Repaint();
}

void TProportionalImage::SetTint(const QRegion& area) {
  if (FTint == area) return;
  const QRegion changed = FTint.xored(area);
  FTint = area;
  update(changed);
}

void TProportionalImage::SetTintColor(const QColor& colour) {
  if (FTintColor == colour) return;
  FTintColor = colour;
  update(FTint);
}

void TProportionalImage::Repaint() {
  if (!isVisible()) {
    Invalidate();
    return;
  }
  Compose();
  Present(rect());
}

void TProportionalImage::Invalidate() {
  FSurfaceStale = true;
  update();
}

void TProportionalImage::Present(const QRect& area) {
  if (FInPaintEvent || !isVisible()) return;
  FPresenting = true;
  repaint(area);
  FPresenting = false;
}

void TProportionalImage::paintEvent(QPaintEvent* event) {
  if (!FPresenting && (FSurfaceStale || FSurface.size() != size() * PixelRatio())) {
    FInPaintEvent = true;
    Compose();
    FInPaintEvent = false;
  }
  QPainter painter(this);
  const qreal ratio = FSurface.devicePixelRatio();
  const QRectF area(event->rect());
  painter.drawImage(area, FSurface, QRectF(area.topLeft() * ratio, area.size() * ratio));
  if (!FTint.isEmpty()) {
    painter.setClipRegion(FTint);
    painter.fillRect(event->rect(), FTintColor);
  }
}

void TProportionalImage::resizeEvent(QResizeEvent* event) {
  FSurfaceStale = true;
  TGraphicControl::resizeEvent(event);
}

void TProportionalImage::Compose() {
  if (FPainting) return;
  FPainting = true;
  const int w = width();
  const int h = height();
  const int bits = DisplayMetrics().BitsPerPixel;
  // Both images are as fine as the screen, so that text and finer pictures stay sharp on it.
  const int ratio = PixelRatio();
  if (FSurface.size() != size() * ratio) {
    FSurface = QImage(size() * ratio, QImage::Format_RGB32);
    FSurface.setDevicePixelRatio(ratio);
    FSurface.fill(Qt::black);
  }
  FSurfaceStale = false;
  {
    TCanvas screen(&FSurface, bits);
    screen.OnPresent = [this](const QRect& area) { Present(area); };
    TPaletteBracket bracket(&screen, *this);

    QImage frame(size() * ratio, QImage::Format_RGB32);
    frame.setDevicePixelRatio(ratio);
    frame.fill(Qt::white);
    {
      TCanvas canvas(&frame, bits);
      const TPalette* palette = CurrentPalette();
      if (palette != nullptr && bits <= 8) {
        canvas.SelectPalette(palette);
        canvas.RealizePalette();
      }
      if (FBackground.Image().HasGraphic()) DrawBackgroundImage(&canvas, FBackground, w, h);
      canvas.Brush.Assign(FBackground.Brush());
      canvas.Pen.Assign(FBackground.Pen());
      canvas.Font.Assign(Font());
      canvas.Rectangle({0, 0, w, h});
      DrawPicture(canvas);
      if (!FText.isEmpty()) DrawCaption(canvas);
    }

    if (NewImage && FEffects) {
      TransitionEffect(frame, &screen, FEffectSize, FEffectSpeed, FEffect);
    } else if (FRasterOperation == TRasterOperation::roSRCCOPY) {
      TPicture composed;
      composed.SetBitmap(frame);
      DrawGraphicAt(&screen, 0, 0, &composed);
    } else {
      screen.StretchBlt({0, 0, w, h}, frame, frame.rect(), RopOf(FRasterOperation));
    }
  }
  FPainting = false;
  NewImage = false;
}

void TProportionalImage::DrawPicture(TCanvas& canvas) const {
  const int iw = FImage.Width();
  const int ih = FImage.Height();
  if (!FImage.HasGraphic() || iw <= 0 || ih <= 0) return;
  const int cw = width();
  const int ch = height();
  // The size of the picture at width percentage sx, at most height percentage sy.
  auto fit = [&](int sx, int sy, int& w, int& h) {
    w = RoundEven(static_cast<double>(cw) * sx / 100);
    const int hmax = RoundEven(static_cast<double>(ch) * sy / 100);
    h = RoundEven(static_cast<double>(ih) / iw * w);
    if (h > hmax) {
      h = hmax;
      w = RoundEven(static_cast<double>(iw) / ih * hmax);
    }
  };
  int w, h;
  fit(FSx, FSy, w, h);
  if (FSxIsStatic || FSyIsStatic) {
    int staticW, staticH;
    fit(FStaticSx, FStaticSy, staticW, staticH);
    if (FSxIsStatic) {
      w = staticW;
    } else {
      h = staticH;
    }
  }
  DrawGraphicStretched(&canvas, (cw - w) / 2, (ch - h) / 2, w, h, &FImage);
}

void TProportionalImage::DrawCaption(TCanvas& canvas) const {
  const int cw = width();
  const int ch = height();
  canvas.Brush.SetStyle(TBrushStyle::bsSolid);
  canvas.Brush.SetColor(Qt::white);
  canvas.Pen.SetStyle(TPenStyle::psSolid);
  canvas.Pen.SetColor(Qt::black);
  canvas.Font.SetColor(Qt::black);
  const int tw = canvas.TextWidth(FText);
  const int line =
      RoundEven(static_cast<double>(kPixelsPerInch) * std::abs(canvas.Font.Size()) / 72);
  const int g = tw + 4;
  const int m = line + 4;
  const int left = (cw - g) / 2;
  canvas.Rectangle({left, ch - m, cw - left, ch});
  canvas.TextRect(TRect::Box(left + 2, ch - m + 2, tw, line), left + 2,
                  ch - m + (m - canvas.TextHeight(FText)) / 2, FText);
}

}  // namespace halvena
