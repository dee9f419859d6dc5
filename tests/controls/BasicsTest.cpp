#include "controls/Basics.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>

#include "ControlTesting.h"

namespace halvena {
namespace {

TEST(PaletteTest, DisplayDepthChoosesThePalette) {
  struct Row {
    int bits;
    const TPalette* expected;
  };
  const Row rows[] = {{32, nullptr},     {24, nullptr},    {16, nullptr},   {15, nullptr},
                      {8, Palette256()}, {4, Palette16()}, {1, Palette16()}};
  for (const Row& row : rows) {
    TDepthOverride depth(row.bits);
    EXPECT_EQ(CurrentPalette(), row.expected) << row.bits << " bits per pixel";
  }
}

TEST(PaletteTest, PalettesHoldTheResourceColours) {
  ASSERT_NE(Palette16(), nullptr);
  ASSERT_NE(Palette256(), nullptr);
  const std::vector<QRgb> vga = {
      qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
      qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
      qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
      qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
  EXPECT_EQ(Palette16()->Entries, vga);
  const std::vector<QRgb>& wide = Palette256()->Entries;
  ASSERT_EQ(wide.size(), 256u);
  EXPECT_EQ(wide[8], qRgb(192, 220, 192));
  EXPECT_EQ(wide[9], qRgb(166, 202, 240));
  EXPECT_EQ(wide[246], qRgb(255, 251, 240));
  EXPECT_EQ(wide[247], qRgb(160, 160, 164));
  EXPECT_EQ(wide[255], qRgb(255, 255, 255));
}

TEST(PaletteTest, ReleasedPalettesStayNone) {
  ReleasePalettes();
  for (int bits : {4, 8}) {
    TDepthOverride depth(bits);
    EXPECT_EQ(CurrentPalette(), nullptr);
  }
  LoadPalettes();
  EXPECT_NE(Palette16(), nullptr);
}

// A control whose palette query answers the current palette, as the skinned controls do.
class TPaletteUser : public TGraphicControl {
 public:
  const TPalette* GetPalette() const override { return CurrentPalette(); }
};

TEST(PaletteTest, BracketMapsColoursOnlyOnPaletteDisplays) {
  const QColor green(101, 141, 115);
  struct Row {
    int bits;
    QRgb expected;
  };
  const Row rows[] = {
      {32, green.rgb()}, {8, Palette256()->Nearest(green.rgb())}, {4, qRgb(128, 128, 128)}};
  TPaletteUser control;
  for (const Row& row : rows) {
    TDepthOverride depth(row.bits);
    QImage image = SolidImage(4, 4, Qt::white);
    {
      TCanvas canvas(&image, row.bits);
      TPaletteBracket bracket(&canvas, control);
      EXPECT_EQ(bracket.Selected(), row.bits <= 8);
      canvas.Brush.SetColor(green);
      canvas.FillRect({0, 0, 4, 4});
    }
    EXPECT_EQ(image.pixel(1, 1), row.expected) << row.bits << " bits per pixel";
  }
}

TEST(PaletteTest, BracketRestoresThePreviousPalette) {
  TDepthOverride depth(8);
  TPaletteUser control;
  QImage image = SolidImage(4, 4, Qt::white);
  TCanvas canvas(&image, 8);
  TPalette previous{{qRgb(1, 2, 3)}};
  canvas.SelectPalette(&previous);
  {
    TPaletteBracket bracket(&canvas, control);
    EXPECT_EQ(canvas.SelectedPalette(), Palette256());
  }
  EXPECT_EQ(canvas.SelectedPalette(), &previous);
}

TEST(DrawGraphicTest, StretchedBoxCoversExactlyItsPixels) {
  for (TGraphicKind kind : {TGraphicKind::Bitmap, TGraphicKind::Icon}) {
    TPicture picture;
    const QImage red = SolidImage(3, 4, Qt::red);
    if (kind == TGraphicKind::Bitmap) {
      picture.SetBitmap(red);
    } else {
      picture.SetIcon(red);
    }
    QImage image = SolidImage(30, 40, Qt::white);
    {
      TCanvas canvas(&image, 32);
      DrawGraphicStretched(&canvas, 5, 7, 10, 20, &picture);
    }
    EXPECT_EQ(CountColour(image, QRect(5, 7, 10, 20), Qt::red), 200);
    EXPECT_EQ(CountColour(image, image.rect(), Qt::red), 200);
  }
}

TEST(DrawGraphicTest, AtNaturalSize) {
  TPicture picture;
  picture.SetBitmap(SolidImage(6, 3, Qt::blue));
  QImage image = SolidImage(20, 20, Qt::white);
  {
    TCanvas canvas(&image, 32);
    DrawGraphicAt(&canvas, 2, 9, &picture);
  }
  EXPECT_EQ(CountColour(image, QRect(2, 9, 6, 3), Qt::blue), 18);
  EXPECT_EQ(CountColour(image, image.rect(), Qt::blue), 18);
}

TEST(DrawGraphicTest, EmptyOrMissingPictureDrawsNothingAndKeepsStretchMode) {
  TPicture none;
  TPicture empty;
  empty.SetBitmap(QImage());
  const TPicture* pictures[] = {nullptr, &none, &empty};
  for (const TPicture* picture : pictures) {
    QImage image = SolidImage(8, 8, Qt::white);
    TCanvas canvas(&image, 32);
    DrawGraphicAt(&canvas, 0, 0, picture);
    DrawGraphicStretched(&canvas, 0, 0, 8, 8, picture);
    EXPECT_EQ(canvas.StretchMode(), BLACKONWHITE);
  }
  DrawGraphicAt(nullptr, 0, 0, &none);
}

TEST(GraphicControlTest, EnterAndLeaveFireTheirEvents) {
  class TProbe : public GGraphicControl {
   public:
    using GGraphicControl::OnMouseIn;
    using GGraphicControl::OnMouseOut;
  };
  TProbe control;
  std::vector<std::string> seen;
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&control, &enter);  // nothing assigned: nothing happens
  control.OnMouseIn = [&](GGraphicControl* sender) {
    EXPECT_EQ(sender, &control);
    seen.push_back("in");
  };
  control.OnMouseOut = [&](GGraphicControl* sender) {
    EXPECT_EQ(sender, &control);
    seen.push_back("out");
  };
  QApplication::sendEvent(&control, &enter);
  QApplication::sendEvent(&control, &leave);
  EXPECT_EQ(seen, (std::vector<std::string>{"in", "out"}));
}

}  // namespace
}  // namespace halvena
