#include "controls/Canvas.h"

#include <QFontMetrics>
#include <QHash>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "controls/Picture.h"
#include "layout/ScreenClass.h"

namespace halvena {

namespace {

QPainter::CompositionMode PenModeComposition(TPenMode mode) {
  switch (mode) {
    case TPenMode::pmMask:
      return QPainter::RasterOp_SourceAndDestination;
    case TPenMode::pmMerge:
      return QPainter::RasterOp_SourceOrDestination;
    case TPenMode::pmNot:
      return QPainter::RasterOp_NotDestination;
    case TPenMode::pmXor:
      return QPainter::RasterOp_SourceXorDestination;
    case TPenMode::pmCopy:
      break;
  }
  return QPainter::CompositionMode_SourceOver;
}

// The rectangle that Qt's outlined shapes need to cover the same pixels as the rectangle of
// the Windows drawing interface: an outline of width 1 lies on the last covered pixel.
QRect ShapeRect(const TRect& rect, bool outlined) {
  const int shrink = outlined ? 1 : 0;
  return QRect(rect.Left, rect.Top, rect.Width() - shrink, rect.Height() - shrink);
}

// The angle in degrees, counted counter-clockwise from three o'clock, of the point of the
// ellipse in `box` that lies on the radial through `point`, as Qt's arcs measure it.
double EllipseAngle(const QRectF& box, QPoint point) {
  const double rx = box.width() / 2;
  const double ry = box.height() / 2;
  const double dx = point.x() - box.center().x();
  const double dy = box.center().y() - point.y();
  return std::atan2(dy / (ry > 0 ? ry : 1), dx / (rx > 0 ? rx : 1)) * 180 / M_PI;
}

}  // namespace

int RoundEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

QRgb TPalette::Nearest(QRgb colour) const {
  QRgb best = colour;
  long bestDistance = -1;
  for (QRgb entry : Entries) {
    const long dr = qRed(entry) - qRed(colour);
    const long dg = qGreen(entry) - qGreen(colour);
    const long db = qBlue(entry) - qBlue(colour);
    const long distance = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || distance < bestDistance) {
      bestDistance = distance;
      best = entry;
    }
  }
  return qRgb(qRed(best), qGreen(best), qBlue(best));
}

void TBrush::SetColor(const QColor& color) {
  if (FColor == color) return;
  FColor = color;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (FStyle == style) return;
  FStyle = style;
  Changed();
}

void TBrush::Assign(const TBrush& other) {
  if (FColor == other.FColor && FStyle == other.FStyle) return;
  FColor = other.FColor;
  FStyle = other.FStyle;
  Changed();
}

void TBrush::Changed() {
  if (OnChange) OnChange();
}

void TPen::SetColor(const QColor& color) {
  if (FColor == color) return;
  FColor = color;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (FStyle == style) return;
  FStyle = style;
  Changed();
}

void TPen::SetWidth(int width) {
  if (FWidth == width) return;
  FWidth = width;
  Changed();
}

void TPen::SetMode(TPenMode mode) {
  if (FMode == mode) return;
  FMode = mode;
  Changed();
}

void TPen::Assign(const TPen& other) {
  if (FColor == other.FColor && FStyle == other.FStyle && FWidth == other.FWidth &&
      FMode == other.FMode) {
    return;
  }
  FColor = other.FColor;
  FStyle = other.FStyle;
  FWidth = other.FWidth;
  FMode = other.FMode;
  Changed();
}

void TPen::Changed() {
  if (OnChange) OnChange();
}

void TFont::SetName(const QString& name) {
  if (FName == name) return;
  FName = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (FHeight == height) return;
  FHeight = height;
  Changed();
}

int TFont::Size() const {
  return -layout::MulDiv(FHeight, 72, kPixelsPerInch);
}

void TFont::SetSize(int points) {
  SetHeight(-layout::MulDiv(points, kPixelsPerInch, 72));
}

void TFont::SetStyle(unsigned style) {
  if (FStyle == style) return;
  FStyle = style;
  Changed();
}

void TFont::SetColor(const QColor& color) {
  if (FColor == color) return;
  FColor = color;
  Changed();
}

void TFont::Assign(const TFont& other) {
  if (FName == other.FName && FHeight == other.FHeight && FStyle == other.FStyle &&
      FColor == other.FColor) {
    return;
  }
  FName = other.FName;
  FHeight = other.FHeight;
  FStyle = other.FStyle;
  FColor = other.FColor;
  Changed();
}

void TFont::Changed() {
  if (OnChange) OnChange();
}

QFont TFont::ToQFont() const {
  QFont font(FName);
  font.setPixelSize(std::max(1, std::abs(FHeight)));
  font.setBold((FStyle & fsBold) != 0);
  font.setItalic((FStyle & fsItalic) != 0);
  font.setUnderline((FStyle & fsUnderline) != 0);
  font.setStrikeOut((FStyle & fsStrikeOut) != 0);
  // Text is drawn in whole pixels of the font colour, so that exclusive-or overlays and
  // palettes see only that colour.
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

TCanvas::TCanvas(QPaintDevice* device, int bitsPerPixel) : FBitsPerPixel(bitsPerPixel) {
  if (device != nullptr && FPainter.begin(device)) {
    FPainter.setRenderHint(QPainter::Antialiasing, false);
    FPainter.setRenderHint(QPainter::TextAntialiasing, false);
  }
}

TCanvas::~TCanvas() {
  if (FPainter.isActive()) FPainter.end();
}

QColor TCanvas::DeviceColor(const QColor& colour) const {
  if (FRealizedPalette == nullptr || FBitsPerPixel <= 0 || FBitsPerPixel > 8) return colour;
  return QColor(FRealizedPalette->Nearest(colour.rgb()));
}

QImage TCanvas::DeviceImage(const QImage& image) const {
  if (FRealizedPalette == nullptr || FBitsPerPixel <= 0 || FBitsPerPixel > 8) return image;
  QImage mapped =
      image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  QHash<QRgb, QRgb> cache;
  for (int y = 0; y < mapped.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(mapped.scanLine(y));
    for (int x = 0; x < mapped.width(); ++x) {
      const QRgb opaque = line[x] | 0xFF000000u;
      auto found = cache.constFind(opaque);
      if (found == cache.constEnd())
        found = cache.insert(opaque, FRealizedPalette->Nearest(opaque));
      line[x] = (*found & 0x00FFFFFFu) | (line[x] & 0xFF000000u);
    }
  }
  return mapped;
}

void TCanvas::ApplyPenMode() {
  FPainter.setCompositionMode(PenModeComposition(Pen.Mode()));
}

void TCanvas::SetUpShape() {
  if (Pen.Style() == TPenStyle::psClear) {
    FPainter.setPen(Qt::NoPen);
  } else {
    FPainter.setPen(QPen(DeviceColor(Pen.Color()), Pen.Width() <= 1 ? 0 : Pen.Width()));
  }
  if (Brush.Style() == TBrushStyle::bsClear) {
    FPainter.setBrush(Qt::NoBrush);
  } else {
    FPainter.setBrush(DeviceColor(Brush.Color()));
  }
  ApplyPenMode();
}

void TCanvas::FillRect(const TRect& rect) {
  if (!FPainter.isActive() || Brush.Style() == TBrushStyle::bsClear) return;
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  FPainter.fillRect(rect.ToQRect(), DeviceColor(Brush.Color()));
}

void TCanvas::Rectangle(const TRect& rect) {
  if (!FPainter.isActive() || rect.Width() <= 0 || rect.Height() <= 0) return;
  SetUpShape();
  FPainter.drawRect(ShapeRect(rect, Pen.Style() != TPenStyle::psClear));
}

void TCanvas::RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight) {
  if (!FPainter.isActive() || rect.Width() <= 0 || rect.Height() <= 0) return;
  SetUpShape();
  const QRect box = ShapeRect(rect, Pen.Style() != TPenStyle::psClear);
  if (ellipseWidth <= 0 || ellipseHeight <= 0) {
    FPainter.drawRect(box);
  } else {
    FPainter.drawRoundedRect(box, ellipseWidth / 2.0, ellipseHeight / 2.0, Qt::AbsoluteSize);
  }
}

void TCanvas::Ellipse(const TRect& rect) {
  if (!FPainter.isActive() || rect.Width() <= 0 || rect.Height() <= 0) return;
  SetUpShape();
  FPainter.drawEllipse(ShapeRect(rect, Pen.Style() != TPenStyle::psClear));
}

void TCanvas::Pie(const TRect& rect, QPoint start, QPoint end) {
  if (!FPainter.isActive() || rect.Width() <= 0 || rect.Height() <= 0) return;
  SetUpShape();
  const QRect box = ShapeRect(rect, Pen.Style() != TPenStyle::psClear);
  const QRectF ellipse(rect.Left, rect.Top, rect.Width(), rect.Height());
  const double from = EllipseAngle(ellipse, start);
  double span = EllipseAngle(ellipse, end) - from;
  while (span <= 1e-9) span += 360;
  FPainter.drawPie(box, RoundEven(from * 16), RoundEven(span * 16));
}

void TCanvas::MoveTo(int x, int y) {
  FPenPos = QPoint(x, y);
}

void TCanvas::LineTo(int x, int y) {
  const QPoint from = FPenPos;
  FPenPos = QPoint(x, y);
  if (!FPainter.isActive() || Pen.Style() == TPenStyle::psClear) return;
  const QColor colour = DeviceColor(Pen.Color());
  ApplyPenMode();
  if (Pen.Width() > 1) {
    FPainter.setPen(QPen(colour, Pen.Width()));
    FPainter.drawLine(from, FPenPos);
    return;
  }
  // Bresenham's line from `from`, stopping before the end point.
  QPolygon points;
  int px = from.x();
  int py = from.y();
  const int dx = std::abs(x - px);
  const int dy = -std::abs(y - py);
  const int sx = px < x ? 1 : -1;
  const int sy = py < y ? 1 : -1;
  int error = dx + dy;
  while (px != x || py != y) {
    points << QPoint(px, py);
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      px += sx;
    }
    if (twice <= dx) {
      error += dx;
      py += sy;
    }
  }
  if (DeviceRatio() == 1) {
    FPainter.setPen(QPen(colour, 0));
    FPainter.drawPoints(points);
    return;
  }
  // On a finer device a point is a whole logical pixel, so that the line stays unbroken.
  for (const QPoint& point : points) FPainter.fillRect(QRect(point, QSize(1, 1)), colour);
}

qreal TCanvas::DeviceRatio() const {
  return FPainter.deviceTransform().m11();
}

void TCanvas::TextOut(int x, int y, const QString& text) {
  if (!FPainter.isActive() || text.isEmpty()) return;
  const QFont font = Font.ToQFont();
  const QFontMetrics metrics(font);
  FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (Brush.Style() == TBrushStyle::bsSolid) {
    FPainter.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                      DeviceColor(Brush.Color()));
  }
  FPainter.setFont(font);
  FPainter.setPen(DeviceColor(Font.Color()));
  FPainter.drawText(QPoint(x, y + metrics.ascent()), text);
}

void TCanvas::TextRect(const TRect& clip, int x, int y, const QString& text) {
  if (!FPainter.isActive()) return;
  FPainter.save();
  FPainter.setClipRect(clip.ToQRect(),
                       FPainter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
  FillRect(clip);
  const TBrushStyle style = Brush.Style();
  Brush.SetStyle(TBrushStyle::bsClear);
  TextOut(x, y, text);
  Brush.SetStyle(style);
  FPainter.restore();
}

void TCanvas::DrawText(const TRect& rect, const QString& text, unsigned flags) {
  if (!FPainter.isActive() || text.isEmpty()) return;
  const int width = TextWidth(text);
  const int height = TextHeight(text);
  int x = rect.Left;
  if (flags & DT_RIGHT) {
    x = rect.Right - width;
  } else if (flags & DT_CENTER) {
    x = rect.Left + (rect.Width() - width) / 2;
  }
  int y = rect.Top;
  if ((flags & DT_SINGLELINE) && (flags & DT_VCENTER)) y = rect.Top + (rect.Height() - height) / 2;
  FPainter.save();
  FPainter.setClipRect(rect.ToQRect(),
                       FPainter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
  if (flags & DT_RTLREADING) FPainter.setLayoutDirection(Qt::RightToLeft);
  TextOut(x, y, text);
  FPainter.restore();
}

int TCanvas::TextWidth(const QString& text) const {
  return QFontMetrics(Font.ToQFont()).horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString&) const {
  return QFontMetrics(Font.ToQFont()).height();
}

void TCanvas::Draw(int x, int y, const TPicture& picture) {
  if (!FPainter.isActive() || picture.Empty()) return;
  FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  FPainter.drawImage(QPoint(x, y), DeviceImage(picture.Image()));
}

void TCanvas::StretchDraw(const TRect& rect, const TPicture& picture) {
  if (!FPainter.isActive() || picture.Empty() || rect.Width() <= 0 || rect.Height() <= 0) return;
  FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  FPainter.drawImage(QPoint(rect.Left, rect.Top),
                     DeviceImage(ScaledToLogical(picture.Image(), rect.Width(), rect.Height())));
}

void TCanvas::BitBlt(const TRect& dest, const QImage& source, QPoint sourceOrigin, TRop rop) {
  if (!FPainter.isActive() || dest.Width() <= 0 || dest.Height() <= 0) return;
  // The origin and the size count logical pixels, which a finer source has more of.
  const int ratio = qRound(source.devicePixelRatio());
  CombineImage(dest.ToQRect(),
               source.copy(QRect(sourceOrigin * ratio, dest.ToQRect().size() * ratio)), rop);
}

void TCanvas::StretchBlt(const TRect& dest, const QImage& source, const QRect& sourceRect,
                         TRop rop) {
  if (!FPainter.isActive() || dest.Width() <= 0 || dest.Height() <= 0) return;
  if (sourceRect.isEmpty()) return;
  CombineImage(dest.ToQRect(),
               ScaledToLogical(source.copy(sourceRect), dest.Width(), dest.Height()), rop);
}

QImage TCanvas::ScaledToLogical(const QImage& image, int width, int height) {
  // A finer picture keeps its fineness: it is scaled to as many device pixels as it covers.
  const qreal ratio = image.devicePixelRatio();
  QImage scaled = image.scaled(RoundEven(width * ratio), RoundEven(height * ratio),
                               Qt::IgnoreAspectRatio, Qt::FastTransformation);
  scaled.setDevicePixelRatio(ratio);
  return scaled;
}

void TCanvas::CombineImage(const QRect& dest, const QImage& source, TRop rop) {
  QImage src = DeviceImage(source.convertToFormat(QImage::Format_RGB32));
  const QRgb pattern = DeviceColor(Brush.Color()).rgb();
  auto fill = [&](QPainter::CompositionMode mode, QColor colour) {
    FPainter.setCompositionMode(mode);
    FPainter.fillRect(dest, colour);
  };
  auto blend = [&](QPainter::CompositionMode mode) {
    FPainter.setCompositionMode(mode);
    FPainter.drawImage(dest.topLeft(), src);
  };
  auto mapSource = [&](auto function) {
    for (int y = 0; y < src.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(src.scanLine(y));
      for (int x = 0; x < src.width(); ++x) line[x] = function(line[x]) | 0xFF000000u;
    }
  };
  switch (rop) {
    case TRop::BLACKNESS:
      fill(QPainter::CompositionMode_Source, Qt::black);
      break;
    case TRop::WHITENESS:
      fill(QPainter::CompositionMode_Source, Qt::white);
      break;
    case TRop::DSTINVERT:
      fill(QPainter::RasterOp_NotDestination, Qt::black);
      break;
    case TRop::PATCOPY:
      fill(QPainter::CompositionMode_Source, QColor(pattern));
      break;
    case TRop::PATINVERT:
      fill(QPainter::RasterOp_SourceXorDestination, QColor(pattern));
      break;
    case TRop::SRCCOPY:
      blend(QPainter::CompositionMode_Source);
      break;
    case TRop::SRCAND:
      blend(QPainter::RasterOp_SourceAndDestination);
      break;
    case TRop::SRCPAINT:
      blend(QPainter::RasterOp_SourceOrDestination);
      break;
    case TRop::SRCINVERT:
      blend(QPainter::RasterOp_SourceXorDestination);
      break;
    case TRop::SRCERASE:
      blend(QPainter::RasterOp_SourceAndNotDestination);
      break;
    case TRop::NOTSRCCOPY:
      blend(QPainter::RasterOp_NotSource);
      break;
    case TRop::NOTSRCERASE:
      blend(QPainter::RasterOp_NotSourceAndNotDestination);
      break;
    case TRop::MERGEPAINT:
      blend(QPainter::RasterOp_NotSourceOrDestination);
      break;
    case TRop::MERGECOPY:
      mapSource([&](QRgb s) { return s & pattern; });
      blend(QPainter::CompositionMode_Source);
      break;
    case TRop::PATPAINT:
      mapSource([&](QRgb s) { return pattern | ~s; });
      blend(QPainter::RasterOp_SourceOrDestination);
      break;
  }
}

void TCanvas::SetClipRegion(const QRegion& region) {
  if (FPainter.isActive()) FPainter.setClipRegion(region);
}

void TCanvas::ClearClipRegion() {
  if (FPainter.isActive()) FPainter.setClipping(false);
}

const TPalette* TCanvas::SelectPalette(const TPalette* palette) {
  const TPalette* previous = FSelectedPalette;
  FSelectedPalette = palette;
  if (FRealizedPalette != palette) FRealizedPalette = nullptr;
  return previous;
}

void TCanvas::RealizePalette() {
  FRealizedPalette = FSelectedPalette;
}

void TCanvas::Present(const QRect& rect) {
  if (OnPresent) OnPresent(rect);
}

}  // namespace halvena
