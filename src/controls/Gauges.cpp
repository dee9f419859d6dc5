#include "controls/Gauges.h"

#include <QString>
#include <cmath>
#include <cstdint>

#include "platform/Application.h"
#include "platform/Display.h"

namespace halvena {

namespace {

// The part of a length at a percentage, truncated.
int PartOf(int length, int percent) {
  return static_cast<int>(static_cast<std::int64_t>(length) * percent / 100);
}

[[noreturn]] void RangeError(std::int64_t low, std::int64_t high) {
  throw EInvalidOperation(QString::asprintf("Value must be between %lld and %lld",
                                            static_cast<long long>(low),
                                            static_cast<long long>(high))
                              .toStdString());
}

}  // namespace

void TBltBitmap::MakeLike(const QImage& other) {
  Image = QImage(other.size(), QImage::Format_RGB32);
  Image.setDevicePixelRatio(other.devicePixelRatio());
  Image.fill(Qt::black);
}

TGauge::TGauge(QWidget* parent) : TGraphicControl(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(100, 100);
}

int TGauge::PercentDone() const {
  if (FMaxValue == FMinValue) return 0;
  return static_cast<int>((static_cast<std::int64_t>(FCurValue) - FMinValue) * 100 /
                          (static_cast<std::int64_t>(FMaxValue) - FMinValue));
}

void TGauge::SetMinValue(int value) {
  if (value == FMinValue) return;
  if (value > FMaxValue) RangeError(-2147483647, static_cast<std::int64_t>(FMaxValue) - 1);
  FMinValue = value;
  if (FCurValue < value) FCurValue = value;
  Repaint();
}

void TGauge::SetMaxValue(int value) {
  if (value == FMaxValue) return;
  if (value < FMinValue) RangeError(static_cast<std::int64_t>(FMinValue) + 1, 2147483647);
  FMaxValue = value;
  if (FCurValue > value) FCurValue = value;
  Repaint();
}

void TGauge::SetProgress(int value) {
  if (value < FMinValue) value = FMinValue;
  if (value > FMaxValue) value = FMaxValue;
  if (value == FCurValue) return;
  const int before = PercentDone();
  FCurValue = value;
  if (PercentDone() != before) Repaint();
}

void TGauge::SetKind(TGaugeKind kind) {
  if (kind == FKind) return;
  FKind = kind;
  Repaint();
}

void TGauge::SetShowText(bool show) {
  if (show == FShowText) return;
  FShowText = show;
  Repaint();
}

void TGauge::SetBorderStyle(TBorderStyle style) {
  if (style == FBorderStyle) return;
  FBorderStyle = style;
  Repaint();
}

void TGauge::SetForeColor(const QColor& color) {
  if (color == FForeColor) return;
  FForeColor = color;
  Repaint();
}

void TGauge::SetBackColor(const QColor& color) {
  if (color == FBackColor) return;
  FBackColor = color;
  Repaint();
}

void TGauge::SetVisible(bool visible) {
  setVisible(visible);
}

void TGauge::LetPendingWorkRun() {
  ProcessMessages();
}

void TGauge::Paint() {
  const int bits = DisplayMetrics().BitsPerPixel;
  const TRect whole = TRect::Box(0, 0, width(), height());
  TRect area = whole;
  if (FBorderStyle == TBorderStyle::bsSingle) area = {1, 1, whole.Right - 1, whole.Bottom - 1};

  // As fine as the screen, so that the percentage stays sharp.
  QImage image(size() * PixelRatio(), QImage::Format_RGB32);
  image.setDevicePixelRatio(PixelRatio());
  TBltBitmap overlay;
  overlay.MakeLike(image);
  {
    TCanvas overlayCanvas(&overlay.Image, bits);
    PaintKind(overlayCanvas, area);
  }
  TBltBitmap text;
  if (FShowText) {
    text.MakeLike(image);
    TCanvas textCanvas(&text.Image, bits);
    textCanvas.Brush.SetStyle(TBrushStyle::bsClear);
    textCanvas.Font.Assign(Font());
    textCanvas.Font.SetColor(Qt::white);
    const QString s = QStringLiteral("%1%").arg(PercentDone());
    const int x = (area.Width() + 1 - textCanvas.TextWidth(s)) / 2;
    const int y = (area.Height() + 1 - textCanvas.TextHeight(s)) / 2;
    textCanvas.TextRect(area, x, y, s);
  }
  {
    TCanvas imageCanvas(&image, bits);
    imageCanvas.BitBlt(whole, image, QPoint(0, 0), TRop::BLACKNESS);
    imageCanvas.BitBlt(whole, overlay.Image, QPoint(0, 0), TRop::SRCINVERT);
    if (FShowText) imageCanvas.BitBlt(whole, text.Image, QPoint(0, 0), TRop::SRCINVERT);
  }
  Canvas()->BitBlt(whole, image, QPoint(0, 0), TRop::SRCCOPY);
}

void TGauge::PaintKind(TCanvas& canvas, const TRect& area) const {
  const int p = PercentDone();
  const int L = area.Left;
  const int T = area.Top;
  const int R = area.Right;
  const int B = area.Bottom;
  const int border = FBorderStyle == TBorderStyle::bsSingle ? 1 : 0;
  switch (FKind) {
    case TGaugeKind::gkText:
      canvas.Brush.SetColor(FBackColor);
      canvas.FillRect(area);
      break;
    case TGaugeKind::gkHorizontalBar: {
      canvas.Brush.SetColor(FBackColor);
      canvas.FillRect(area);
      const int w = R - L + 1;
      const int f = std::min(PartOf(w, p), w);
      if (f > 0) {
        canvas.Brush.SetColor(FForeColor);
        canvas.FillRect({L, T, f, B - T + 1});
      }
      break;
    }
    case TGaugeKind::gkVerticalBar: {
      canvas.Brush.SetColor(FBackColor);
      canvas.FillRect(area);
      const int h = B - T + 1;
      int f = PartOf(h, p);
      if (f >= h) f = h - 1;
      canvas.Brush.SetColor(FForeColor);
      canvas.FillRect({L, h - f, R - L + 1, h});
      break;
    }
    case TGaugeKind::gkPie: {
      canvas.Brush.SetColor(Color());
      canvas.FillRect(area);
      const int w = R - L + border;
      const int h = B - T + border;
      canvas.Pen.SetColor(FForeColor);
      canvas.Pen.SetWidth(1);
      canvas.Brush.SetColor(FBackColor);
      canvas.Ellipse({L, T, w, h});
      if (p > 0) {
        // Halves of a pixel size are whole pixels, truncated.
        const int middleX = w / 2;
        const int middleY = h / 2;
        const double a = (p / 50.0 + 0.5) * M_PI;
        canvas.Brush.SetColor(FForeColor);
        canvas.Pie(
            {L, T, w, h},
            QPoint(RoundEven((1 - std::cos(a)) * middleX), RoundEven((1 - std::sin(a)) * middleY)),
            QPoint(middleX, 0));
      }
      break;
    }
    case TGaugeKind::gkNeedle: {
      canvas.Brush.SetColor(Color());
      canvas.FillRect(area);
      const int w = R - L + border;
      const int h = B - T + border;
      canvas.Pen.SetColor(FForeColor);
      canvas.Brush.SetColor(FBackColor);
      canvas.Pie({L, T, w, 2 * h - 1}, QPoint(L + w, B - 1), QPoint(L, B - 1));
      canvas.MoveTo(L, B);
      canvas.LineTo(L + w, B);
      if (p > 0) {
        const double a = p / 100.0 * M_PI;
        const int m = width() / 2;
        canvas.MoveTo(m, B - 1);
        canvas.LineTo(RoundEven((1 - std::cos(a)) * m), RoundEven((1 - std::sin(a)) * (B - 1)));
      }
      break;
    }
  }
}

}  // namespace halvena
