// TGauge: the windowless progress indicator that shows a value between a minimum and a maximum
// as text, a horizontal or vertical bar, a pie or a needle, with the percentage laid over it in
// inverse colours. It is also what the record store reports its progress to.
// User-interface thread only.
#pragma once

#include <QImage>
#include <cstdint>
#include <stdexcept>

#include "base/ProgressGauge.h"
#include "controls/GraphicControl.h"

namespace halvena {

// The failure of an operation that the control's state does not allow.
class EInvalidOperation : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// A bitmap that can take the size of another one.
class TBltBitmap {
 public:
  // Takes the width, height and device pixel ratio of `other` and fills itself with the
  // window-frame colour (black).
  void MakeLike(const QImage& other);
  QImage Image;
};

enum class TGaugeKind : std::uint8_t { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };
enum class TBorderStyle : std::uint8_t { bsNone, bsSingle };

class TGauge : public TGraphicControl, public TProgressGauge {
 public:
  // `parent`, when given, owns the gauge. 100 × 100 pixels.
  explicit TGauge(QWidget* parent = nullptr);

  int MinValue() const { return FMinValue; }
  // Default 0. Throws EInvalidOperation when above MaxValue; raises Progress to the new
  // minimum.
  void SetMinValue(int value);
  int MaxValue() const { return FMaxValue; }
  // Default 100. Throws EInvalidOperation when below MinValue; lowers Progress to the new
  // maximum.
  void SetMaxValue(int value);
  int Progress() const { return FCurValue; }
  // Default 0. Clamps to MinValue..MaxValue and repaints only when the percentage changes.
  // As the record store's gauge, `value` is the percentage of a 0..100 gauge.
  void SetProgress(int value) override;
  // Whole percent done: 0 when the range is empty.
  int PercentDone() const;

  TGaugeKind Kind() const { return FKind; }
  void SetKind(TGaugeKind kind);  // default gkHorizontalBar
  bool ShowText() const { return FShowText; }
  void SetShowText(bool show);  // default true
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle style);  // default bsSingle: a one-pixel margin
  QColor ForeColor() const { return FForeColor; }
  void SetForeColor(const QColor& color);  // default black
  QColor BackColor() const { return FBackColor; }
  void SetBackColor(const QColor& color);  // default white

  // TProgressGauge.
  void SetVisible(bool visible) override;
  void LetPendingWorkRun() override;

 protected:
  void Paint() override;

 private:
  void PaintKind(TCanvas& canvas, const TRect& area) const;

  int FMinValue = 0;
  int FMaxValue = 100;
  int FCurValue = 0;
  TGaugeKind FKind = TGaugeKind::gkHorizontalBar;
  bool FShowText = true;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  QColor FForeColor = Qt::black;
  QColor FBackColor = Qt::white;
};

}  // namespace halvena
