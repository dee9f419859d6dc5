#include "controls/Bk.h"

#include <gtest/gtest.h>

#include "ControlTesting.h"

namespace halvena {
namespace {

const QColor kBack(0, 100, 0);

class TCountingBk : public TBkControl {
 public:
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    TBkControl::Paint();
  }
};

// A green picture whose top-left pixel is red, so that every drawn copy can be counted.
QImage MarkedImage(int width, int height, QPoint mark = QPoint(0, 0)) {
  QImage image = SolidImage(width, height, Qt::green);
  image.setPixelColor(mark, Qt::red);
  return image;
}

void ClearBrushAndPen(TBkControl& control) {
  control.Background().Brush().SetStyle(TBrushStyle::bsClear);
  control.Background().Pen().SetStyle(TPenStyle::psClear);
}

TEST(BkControlTest, TilesColumnsOfPicturesClippedAtTheEdges) {
  TBkControl control;
  control.resize(640, 480);
  ClearBrushAndPen(control);
  control.Background().Image().SetBitmap(MarkedImage(100, 100));
  const QImage image = Render(control, kBack);
  EXPECT_EQ(CountColour(image, image.rect(), Qt::red), 7 * 5);
  EXPECT_EQ(image.pixelColor(639, 479), QColor(Qt::green));
}

TEST(BkControlTest, EachDrawStyleLaysOutThePicture) {
  struct Row {
    TImageDrawStyle style;
    QSize picture;
    QPoint mark;          // where the picture's marked pixel lies
    QPoint expectedMark;  // where it shows, (-1, -1) for nowhere
    int green;            // green pixels in the control
  };
  const Row rows[] = {
      {TImageDrawStyle::idsCenter, {300, 300}, {150, 150}, {50, 50}, 100 * 100 - 1},
      {TImageDrawStyle::idsCenter, {10, 10}, {0, 0}, {45, 45}, 99},
      {TImageDrawStyle::idsTopLeft, {10, 10}, {0, 0}, {0, 0}, 99},
      {TImageDrawStyle::idsHide, {10, 10}, {0, 0}, {-1, -1}, 0},
      {TImageDrawStyle::idsStretch, {1, 1}, {0, 0}, {0, 0}, 0},
  };
  for (const Row& row : rows) {
    TBkControl control;
    ClearBrushAndPen(control);
    control.Background().Image().SetBitmap(
        MarkedImage(row.picture.width(), row.picture.height(), row.mark));
    control.Background().SetImageDrawStyle(row.style);
    const QImage image = Render(control, kBack);
    if (row.expectedMark.x() >= 0) {
      EXPECT_EQ(image.pixelColor(row.expectedMark), QColor(Qt::red)) << int(row.style);
    } else {
      EXPECT_EQ(CountColour(image, image.rect(), Qt::red), 0);
    }
    EXPECT_EQ(CountColour(image, image.rect(), Qt::green), row.green) << int(row.style);
  }
}

TEST(BkControlTest, StretchLeavesTheLastColumnAndRowForTheOutline) {
  TBkControl control;
  control.Background().Brush().SetStyle(TBrushStyle::bsClear);
  control.Background().Image().SetBitmap(MarkedImage(2, 2, QPoint(1, 1)));
  control.Background().SetImageDrawStyle(TImageDrawStyle::idsStretch);
  const QImage image = Render(control, kBack);
  EXPECT_EQ(CountColour(image, QRect(1, 1, 98, 98), Qt::green) +
                CountColour(image, QRect(1, 1, 98, 98), Qt::red),
            98 * 98);
  EXPECT_EQ(image.pixelColor(98, 98), QColor(Qt::red));  // stretched to 99 × 99
  EXPECT_EQ(CountColour(image, QRect(0, 99, 100, 1), Qt::black), 100);
  EXPECT_EQ(CountColour(image, QRect(99, 0, 1, 100), Qt::black), 100);
}

TEST(BkControlTest, RectangleAlwaysComesLast) {
  TBkControl control;
  control.Background().Brush().SetColor(Qt::yellow);
  control.Background().Image().SetBitmap(MarkedImage(10, 10));
  QImage image = Render(control, kBack);
  EXPECT_EQ(CountColour(image, image.rect(), Qt::green), 0);  // a solid brush covers it
  EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::yellow));
  EXPECT_EQ(image.pixelColor(0, 50), QColor(Qt::black));
  control.Background().Brush().SetStyle(TBrushStyle::bsClear);
  control.Background().Image().Clear();
  image = Render(control, kBack);
  EXPECT_EQ(image.pixelColor(50, 50), kBack);  // no picture: only the outline
  EXPECT_EQ(image.pixelColor(99, 50), QColor(Qt::black));
}

TEST(BkControlTest, PaletteOnlyWithAPicture) {
  TDepthOverride depth(8);
  const QColor odd(101, 141, 115);
  const QColor mapped(Palette256()->Nearest(odd.rgb()));
  ASSERT_NE(odd, mapped);
  TBkControl control;
  control.Background().Brush().SetColor(odd);
  EXPECT_EQ(Render(control).pixelColor(50, 50), odd);
  control.Background().Image().SetBitmap(MarkedImage(10, 10));
  EXPECT_EQ(Render(control).pixelColor(50, 50), mapped);
}

TEST(BkControlTest, EmptyPictureTilesNothingAndEnds) {
  TBkControl control;
  ClearBrushAndPen(control);
  TPicture empty;
  empty.SetBitmap(QImage());
  control.Background().SetImage(empty);
  EXPECT_EQ(CountColour(Render(control, kBack), control.rect(), kBack), 100 * 100);
}

TEST(BkControlTest, ChangesOfTheBackgroundInvalidate) {
  TCountingBk control;
  ASSERT_TRUE(ShowAndWait(control));
  QCoreApplication::processEvents();
  int expected = control.Paints;
  control.Background().SetImageDrawStyle(TImageDrawStyle::idsAlongside);  // the same
  QCoreApplication::processEvents();
  EXPECT_EQ(control.Paints, expected);
  control.Background().SetImageDrawStyle(TImageDrawStyle::idsCenter);
  QCoreApplication::processEvents();
  EXPECT_EQ(control.Paints, ++expected);
  for (const auto& change : std::vector<std::function<void()>>{
           [&] { control.Background().Brush().SetColor(Qt::red); },
           [&] { control.Background().Pen().SetWidth(2); },
           [&] { control.Background().Image().SetBitmap(MarkedImage(3, 3)); }}) {
    change();
    QCoreApplication::processEvents();
    EXPECT_EQ(control.Paints, ++expected);
  }
}

TEST(BackgroundTest, OnlyADifferentDrawStyleIsAChange) {
  TBackground background;
  int changes = 0;
  background.OnChange = [&](TBackground* sender) {
    EXPECT_EQ(sender, &background);
    ++changes;
  };
  background.SetImageDrawStyle(TImageDrawStyle::idsAlongside);
  EXPECT_EQ(changes, 0);
  background.SetImageDrawStyle(TImageDrawStyle::idsTopLeft);
  EXPECT_EQ(changes, 1);
}

TEST(BackgroundTest, AssignFromCopiesEverything) {
  TBackground from;
  from.Brush().SetColor(Qt::red);
  from.Pen().SetStyle(TPenStyle::psClear);
  from.Image().SetBitmap(MarkedImage(4, 5));
  from.SetImageDrawStyle(TImageDrawStyle::idsStretch);
  TBackground to;
  to.AssignFrom(from);
  EXPECT_EQ(to.Brush().Color(), QColor(Qt::red));
  EXPECT_EQ(to.Pen().Style(), TPenStyle::psClear);
  EXPECT_EQ(to.Image().Width(), 4);
  EXPECT_EQ(to.ImageDrawStyle(), TImageDrawStyle::idsStretch);
}

// Shown on a screen of ratio 2, a skin drawn at that ratio keeps every device pixel of its own
// and covers the control's logical size.
TEST(BkControlTest, FinerSkinPaintsAtDeviceResolution) {
  TBkControl control;
  control.resize(8, 6);
  ClearBrushAndPen(control);
  control.Background().SetImageDrawStyle(TImageDrawStyle::idsTopLeft);
  control.Background().Image().SetBitmap(FineStripes(8, 6));
  QImage image(16, 12, QImage::Format_RGB32);
  image.setDevicePixelRatio(2);
  image.fill(kBack);
  control.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  for (int y = 0; y < 12; ++y) EXPECT_TRUE(Striped(image, 0, 15, y)) << y;
}

}  // namespace
}  // namespace halvena
