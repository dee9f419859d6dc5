#include "controls/Gauges.h"

#include <gtest/gtest.h>

#include "ControlTesting.h"

namespace halvena {
namespace {

class TCountingGauge : public TGauge {
 public:
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    TGauge::Paint();
  }
};

TEST(GaugeTest, ProgressIsClampedAndGivesTruncatedPercent) {
  struct Row {
    int min, max, set, stored, percent;
  };
  const Row rows[] = {{0, 100, 150, 100, 100},
                      {0, 100, -5, 0, 0},
                      {10, 20, 15, 15, 50},
                      {0, 3, 1, 1, 33},
                      {0, 3, 2, 2, 66},
                      {5, 5, 9, 5, 0},
                      {-2147483647, 2147483647, 2147483647, 2147483647, 100}};
  for (const Row& row : rows) {
    TGauge gauge;
    gauge.SetMaxValue(row.max);
    gauge.SetMinValue(row.min);
    gauge.SetProgress(row.set);
    EXPECT_EQ(gauge.Progress(), row.stored) << row.min << ".." << row.max << " := " << row.set;
    EXPECT_EQ(gauge.PercentDone(), row.percent);
  }
}

TEST(GaugeTest, RangeErrorsCarryTheRangeInTheirMessage) {
  TGauge gauge;
  try {
    gauge.SetMinValue(101);
    FAIL() << "no error";
  } catch (const EInvalidOperation& error) {
    EXPECT_STREQ(error.what(), "Value must be between -2147483647 and 99");
  }
  gauge.SetMinValue(10);
  try {
    gauge.SetMaxValue(9);
    FAIL() << "no error";
  } catch (const EInvalidOperation& error) {
    EXPECT_STREQ(error.what(), "Value must be between 11 and 2147483647");
  }
  EXPECT_EQ(gauge.MinValue(), 10);
  EXPECT_EQ(gauge.MaxValue(), 100);
  EXPECT_EQ(gauge.Progress(), 10);  // raised with the minimum
  gauge.SetMaxValue(10);
  EXPECT_EQ(gauge.MaxValue(), 10);
}

TEST(GaugeTest, RepaintsOnlyWhenThePercentChanges) {
  TCountingGauge gauge;
  ASSERT_TRUE(ShowAndWait(gauge));
  gauge.SetMaxValue(1000);
  gauge.SetProgress(100);
  const int before = gauge.Paints;
  gauge.SetProgress(105);
  EXPECT_EQ(gauge.Progress(), 105);
  EXPECT_EQ(gauge.Paints, before);
  gauge.SetProgress(110);
  EXPECT_EQ(gauge.Paints, before + 1);
  gauge.SetKind(TGaugeKind::gkHorizontalBar);  // unchanged
  EXPECT_EQ(gauge.Paints, before + 1);
  gauge.SetKind(TGaugeKind::gkPie);
  EXPECT_EQ(gauge.Paints, before + 2);
}

TEST(GaugeTest, FullBorderlessBarCoversTheWholeControl) {
  TGauge gauge;
  gauge.resize(58, 17);
  gauge.SetBorderStyle(TBorderStyle::bsNone);
  gauge.SetShowText(false);
  gauge.SetForeColor(Qt::blue);
  gauge.SetProgress(100);
  const QImage image = Render(gauge);
  EXPECT_EQ(CountColour(image, image.rect(), Qt::blue), 58 * 17);
}

TEST(GaugeTest, BarsFillTheirPartInsideTheBorder) {
  TGauge gauge;
  gauge.resize(41, 21);
  gauge.SetShowText(false);
  gauge.SetForeColor(Qt::blue);
  gauge.SetBackColor(Qt::yellow);
  gauge.SetProgress(50);
  QImage image = Render(gauge);
  // Area (1, 1)-(40, 20): w = 40, f = 20 covers x 1..19.
  EXPECT_EQ(CountColour(image, QRect(1, 1, 19, 19), Qt::blue), 19 * 19);
  EXPECT_EQ(CountColour(image, QRect(20, 1, 20, 19), Qt::yellow), 20 * 19);
  EXPECT_EQ(CountColour(image, QRect(0, 0, 41, 1), Qt::black), 41);  // the border stays black

  gauge.SetKind(TGaugeKind::gkVerticalBar);
  image = Render(gauge);
  // h = 20, f = 10: rows 10..19 from the left edge to x 40.
  EXPECT_EQ(CountColour(image, QRect(1, 10, 39, 10), Qt::blue), 39 * 10);
  EXPECT_EQ(CountColour(image, QRect(1, 1, 39, 9), Qt::yellow), 39 * 9);

  gauge.SetMaxValue(0);  // an empty range shows 0 % and an empty bar
  EXPECT_EQ(gauge.PercentDone(), 0);
  image = Render(gauge);
  EXPECT_EQ(CountColour(image, image.rect(), Qt::blue), 0);
}

TEST(GaugeTest, PercentageShowsInverseOverWhatLiesUnderIt) {
  TGauge gauge;
  gauge.resize(100, 30);
  gauge.SetKind(TGaugeKind::gkText);
  gauge.SetBackColor(Qt::white);
  const QRect inside(1, 1, 98, 28);
  EXPECT_GT(CountColour(Render(gauge), inside, Qt::black), 0);  // "0%" in black on white
  gauge.SetShowText(false);
  EXPECT_EQ(CountColour(Render(gauge), inside, Qt::black), 0);

  gauge.SetShowText(true);
  gauge.SetKind(TGaugeKind::gkHorizontalBar);
  gauge.SetForeColor(Qt::black);
  gauge.SetProgress(100);  // black bar: "100%" in white
  EXPECT_GT(CountColour(Render(gauge), inside, Qt::white), 0);
}

TEST(GaugeTest, PieGrowsClockwiseFromTwelve) {
  TGauge gauge;
  gauge.resize(101, 101);
  gauge.SetShowText(false);
  gauge.SetKind(TGaugeKind::gkPie);
  gauge.SetForeColor(Qt::blue);
  gauge.SetBackColor(Qt::yellow);
  gauge.SetProgress(25);
  const QImage image = Render(gauge);
  EXPECT_EQ(image.pixelColor(75, 25), QColor(Qt::blue));    // upper right quarter
  EXPECT_EQ(image.pixelColor(25, 25), QColor(Qt::yellow));  // upper left
  EXPECT_EQ(image.pixelColor(75, 75), QColor(Qt::yellow));  // lower right
  EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));     // corner in the control's colour
}

TEST(GaugeTest, PieTwelveOClockTruncatesHalfAnOddWidth) {
  TGauge gauge;  // 100 × 100 with a border: the ellipse (1, 1)-(99, 99), w = h = 99
  gauge.SetShowText(false);
  gauge.SetKind(TGaugeKind::gkPie);
  gauge.SetForeColor(Qt::blue);
  gauge.SetBackColor(Qt::yellow);
  gauge.SetProgress(25);
  const QImage image = Render(gauge);
  // Twelve o'clock is the radial through (99 / 2, 0) = (49, 0), a little left of the centre
  // (50, 50), so the quarter reaches into the column left of the middle near the top.
  EXPECT_EQ(image.pixelColor(48, 10), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(46, 10), QColor(Qt::yellow));
  EXPECT_EQ(image.pixelColor(75, 25), QColor(Qt::blue));
}

TEST(GaugeTest, NeedleSwingsFromLeftThroughTheTop) {
  TGauge gauge;
  gauge.resize(101, 51);
  gauge.SetShowText(false);
  gauge.SetKind(TGaugeKind::gkNeedle);
  gauge.SetForeColor(Qt::blue);
  gauge.SetBackColor(Qt::yellow);
  gauge.SetProgress(50);
  QImage image = Render(gauge);
  EXPECT_EQ(image.pixelColor(50, 30), QColor(Qt::blue));  // straight up from (50, 49)
  EXPECT_EQ(image.pixelColor(30, 30), QColor(Qt::yellow));
  gauge.SetProgress(0);
  image = Render(gauge);
  EXPECT_EQ(image.pixelColor(50, 30), QColor(Qt::yellow));
}

TEST(GaugeTest, ServesAsTheStoreProgressGauge) {
  TGauge gauge;
  TProgressGauge& progress = gauge;
  progress.SetProgress(42);
  EXPECT_EQ(gauge.Progress(), 42);
  progress.SetVisible(true);
  EXPECT_TRUE(gauge.isVisible());
  progress.LetPendingWorkRun();
  progress.SetVisible(false);
  EXPECT_FALSE(gauge.isVisible());
}

}  // namespace
}  // namespace halvena
