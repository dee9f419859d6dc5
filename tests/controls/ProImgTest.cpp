#include "controls/ProImg.h"

#include <gtest/gtest.h>

#include <set>

#include "ControlTesting.h"

namespace halvena {
namespace {

void SetPicture(TProportionalImage& control, int width, int height, QColor colour) {
  TPicture picture;
  picture.SetBitmap(SolidImage(width, height, colour));
  control.SetImage(picture);
}

TEST(ProportionalImageTest, PictureKeepsItsAspectWithinThePercentages) {
  struct Row {
    QSize picture;
    QRect expected;
    bool sxStatic = false, syStatic = false;
  };
  const Row rows[] = {{{200, 100}, {5, 27, 90, 45}},
                      {{100, 200}, {27, 5, 45, 90}},
                      // StaticSx 50, StaticSy 50: 50 × 25; the static width replaces 90.
                      {{200, 100}, {25, 27, 50, 45}, true, false},
                      {{200, 100}, {5, 37, 90, 25}, false, true}};
  for (const Row& row : rows) {
    TProportionalImage control;
    control.SetStaticSx(50);
    control.SetStaticSy(50);
    control.SetSxIsStatic(row.sxStatic);
    control.SetSyIsStatic(row.syStatic);
    SetPicture(control, row.picture.width(), row.picture.height(), Qt::red);
    const QImage image = Render(control);
    EXPECT_EQ(CountColour(image, row.expected, Qt::red),
              row.expected.width() * row.expected.height())
        << row.picture.width() << "x" << row.picture.height();
    EXPECT_EQ(CountColour(image, image.rect(), Qt::red),
              row.expected.width() * row.expected.height());
  }
}

TEST(ProportionalImageTest, BackdropAndOutlineFillTheFrame) {
  TProportionalImage control;
  control.Background().Brush().SetColor(Qt::yellow);
  const QImage image = Render(control);
  EXPECT_EQ(CountColour(image, QRect(1, 1, 98, 98), Qt::yellow), 98 * 98);
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
}

TEST(ProportionalImageTest, CaptionBoxSitsCentredOnTheBottomEdge) {
  TProportionalImage control;
  control.resize(200, 100);
  control.Background().Brush().SetColor(Qt::blue);
  QImage image = Render(control);
  EXPECT_EQ(CountColour(image, QRect(1, 80, 198, 19), Qt::blue), 198 * 19);
  control.SetText(QStringLiteral("Hart"));
  image = Render(control);
  // The box is white inside a black frame whose bottom edge is the control's last row.
  int left = 1;
  while (left < 100 && image.pixelColor(left, 90) == QColor(Qt::blue)) ++left;
  const int right = 199 - left;
  EXPECT_EQ(image.pixelColor(left, 90), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(right, 90), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(right + 1, 90), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(left + 1, 85 + 1), QColor(Qt::white));
  EXPECT_GT(CountColour(image, QRect(left + 1, 80, right - left - 1, 19), Qt::black), 0);
  // Font of height -11: 8 points, a line of 11 pixels, a box of 15.
  EXPECT_EQ(image.pixelColor(100, 84), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(100, 85), QColor(Qt::black));
}

TEST(ProportionalImageTest, RasterOperationCombinesTheFrame) {
  TProportionalImage control;
  control.SetRasterOperation(TRasterOperation::roNOTSRCCOPY);
  EXPECT_EQ(Render(control).pixelColor(50, 50), QColor(Qt::black));  // white frame inverted
  control.SetRasterOperation(TRasterOperation::roWHITENESS);
  EXPECT_EQ(Render(control).pixelColor(0, 0), QColor(Qt::white));
}

TEST(ProportionalImageTest, EffectEndsOnTheFrameShownWithoutIt) {
  for (EffectStyle style :
       {EffectStyle::esRandom, EffectStyle::esExplode, EffectStyle::esImplode}) {
    TProportionalImage plain, effect;
    effect.SetEffects(true);
    effect.SetEffect(style);
    effect.SetEffectSize(7);
    for (TProportionalImage* control : {&plain, &effect}) {
      control->resize(90, 60);
      SetPicture(*control, 30, 40, Qt::red);
      control->SetText(QStringLiteral("Long"));
    }
    ASSERT_TRUE(effect.NewImage);
    EXPECT_EQ(Render(effect), Render(plain)) << int(style);
    EXPECT_FALSE(effect.NewImage);  // every paint clears it
  }
}

TEST(ProportionalImageTest, ShownEffectPresentsCellsOnTheScreen) {
  TProportionalImage control;
  control.SetEffects(true);
  control.SetEffect(EffectStyle::esImplode);
  control.SetEffectSize(25);
  ASSERT_TRUE(ShowAndWait(control));
  SetPicture(control, 50, 50, Qt::red);
  EXPECT_FALSE(control.NewImage);
  const QImage shown = Render(control);
  EXPECT_EQ(CountColour(shown, shown.rect(), Qt::red), 90 * 90);
}

TEST(ProportionalImageTest, TintLiesOverThePictureInItsAreaOnly) {
  TProportionalImage control;
  control.SetSx(100);
  control.SetSy(100);
  SetPicture(control, 100, 100, Qt::white);
  control.SetTintColor(QColor(255, 0, 0, 128));
  control.SetTint(QRegion(10, 10, 20, 20) + QRegion(50, 60, 5, 5));
  const QImage image = Render(control);
  const QColor tinted = image.pixelColor(15, 15);
  EXPECT_EQ(tinted.red(), 255);
  EXPECT_GT(tinted.green(), 100);  // the picture shows through
  EXPECT_LT(tinted.green(), 160);
  EXPECT_EQ(CountColour(image, image.rect(), tinted), 20 * 20 + 5 * 5);
  control.SetTint(QRegion());
  EXPECT_EQ(CountColour(Render(control), control.rect(), tinted), 0);
}

TEST(ProportionalImageTest, ChangingTheTintRepaintsOnlyWhereItChanges) {
  TProportionalImage control;
  control.SetTintColor(QColor(0, 0, 255, 100));
  ASSERT_TRUE(ShowAndWait(control));
  QTest::qWait(20);
  const QRegion first(10, 10, 20, 20);
  const QRegion second(40, 10, 20, 20);
  {
    TPaintCounter counter(control);
    control.SetTint(first);
    ASSERT_GT(counter.PaintsAfterEvents(), 0);
    EXPECT_EQ(counter.Painted(), first);
  }
  {
    TPaintCounter counter(control);
    control.SetTint(second);
    ASSERT_GT(counter.PaintsAfterEvents(), 0);
    EXPECT_EQ(counter.Painted(), first + second);
  }
  {
    TPaintCounter counter(control);
    control.SetTint(second);
    control.SetTintColor(control.TintColor());
    EXPECT_EQ(counter.PaintsAfterEvents(), 0);
  }
}

// A destination that records the cells the effect presents.
struct TRecording {
  QImage image = SolidImage(100, 100, Qt::black);
  std::vector<QRect> cells;
  TCanvas canvas{&image, 32};
  TRecording() {
    canvas.OnPresent = [this](const QRect& cell) { cells.push_back(cell); };
  }
};

QImage Source() {
  QImage image(100, 100, QImage::Format_RGB32);
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) image.setPixel(x, y, qRgb(x, y, 128));
  }
  return image;
}

TEST(TransitionEffectTest, GridCoversTheAreaPlusOnePixel) {
  const QImage source = Source();
  TRecording dest;
  TransitionEffect(source, &dest.canvas, 10, 1, EffectStyle::esExplode);
  std::set<std::pair<int, int>> corners;
  for (size_t i = 0; i + 1 < dest.cells.size(); ++i) {
    corners.emplace(dest.cells[i].left(), dest.cells[i].top());
  }
  int rightmost = 0;
  for (const auto& corner : corners) rightmost = std::max(rightmost, corner.first);
  EXPECT_EQ(rightmost, 100);  // the 11th column is the one extra pixel
  EXPECT_LE(corners.size(), 121u);
  EXPECT_EQ(dest.cells.back(), QRect(0, 0, 100, 100));
  EXPECT_EQ(dest.image, source);
}

TEST(TransitionEffectTest, ImplodeClosesInFromTheEdges) {
  TRecording dest;
  TransitionEffect(Source(), &dest.canvas, 10, 1, EffectStyle::esImplode);
  ASSERT_GT(dest.cells.size(), 20u);
  EXPECT_EQ(dest.cells.front().left(), 0);
  const QRect last = dest.cells[dest.cells.size() - 2];
  EXPECT_LE(std::abs(last.center().x() - 50), 20);
  EXPECT_LE(std::abs(last.center().y() - 50), 20);
}

TEST(TransitionEffectTest, DegenerateSizesAndSpeedsEndWithTheWholeFrame) {
  const QImage source = Source();
  struct Row {
    int size, speed;
    EffectStyle style;
  };
  const Row rows[] = {{10, 0, EffectStyle::esRandom},    {0, 1, EffectStyle::esExplode},
                      {-5, 1, EffectStyle::esImplode},   {0, 0, EffectStyle::esRandom},
                      {1000, 1, EffectStyle::esExplode}, {1000, 1, EffectStyle::esImplode}};
  for (const Row& row : rows) {
    TRecording dest;
    TransitionEffect(source, &dest.canvas, row.size, row.speed, row.style);
    EXPECT_EQ(dest.image, source) << row.size << " " << row.speed;
  }
}

}  // namespace
}  // namespace halvena
