#include "controls/BaseBtn.h"

#include <gtest/gtest.h>

#include "ControlTesting.h"
#include "platform/Application.h"

namespace halvena {
namespace {

const QColor kGrey(0x80, 0x80, 0x80);
const QColor kBack(0, 100, 0);  // what lies behind the button

class TCountingBtn : public TBaseBtn {
 public:
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    TBaseBtn::Paint();
  }
};

// The message dialog's button: 104 × 26, face 0.9 × 0.9, shadow 0.02 / 0.05, corners 8 × 8.
void MakeDialogButton(TBaseBtn& button) {
  button.resize(104, 26);
  button.SetFaceWidth(0.9);
  button.SetFaceHeight(0.9);
  button.SetShadowXOffset(0.02);
  button.SetShadowYOffset(0.05);
  button.SetCaptionXRound(8);
  button.SetCaptionYRound(8);
  button.SetShadowColor(Qt::blue);
}

TEST(BaseBtnTest, ShadowLiesBehindTheFaceAtItsOffsets) {
  TBaseBtn button;
  MakeDialogButton(button);
  const QImage image = Render(button, kBack);
  // Face (0, 0)-(94, 23), shadow (2, 1)-(96, 25), both without their right and bottom edge.
  EXPECT_EQ(image.pixelColor(47, 0), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(47, 22), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(93, 12), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(47, 10), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(94, 12), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(95, 12), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(47, 24), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(96, 12), kBack);
  EXPECT_EQ(image.pixelColor(47, 25), kBack);
}

TEST(BaseBtnTest, DownButtonMovesOntoItsShadow) {
  TBaseBtn button;
  MakeDialogButton(button);
  button.SetButtonIsDown(true);
  const QImage image = Render(button, kBack);
  EXPECT_EQ(CountColour(image, image.rect(), Qt::blue), 0);
  EXPECT_EQ(image.pixelColor(95, 12), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(47, 24), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(47, 1), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(47, 0), kBack);
}

TEST(BaseBtnTest, HiddenFaceShowsOnlyCaptionAndFrames) {
  struct Row {
    bool down, hot;
    QColor topLeft, bottomRight;
  };
  const Row rows[] = {{false, false, kBack, kBack},
                      {false, true, Qt::white, kGrey},
                      {true, false, kGrey, Qt::white},
                      {true, true, kGrey, Qt::white}};
  for (const Row& row : rows) {
    TBaseBtn button;
    button.resize(40, 20);
    button.SetFaceVisible(false);
    button.SetButtonIsDown(row.down);
    button.SetButtonIsHot(row.hot);
    const QImage image = Render(button, kBack);
    EXPECT_EQ(image.pixelColor(20, 0), row.topLeft) << row.down << row.hot;
    EXPECT_EQ(image.pixelColor(0, 10), row.topLeft);
    EXPECT_EQ(image.pixelColor(20, 19), row.bottomRight);
    EXPECT_EQ(image.pixelColor(39, 10), row.bottomRight);
    EXPECT_EQ(image.pixelColor(20, 10), kBack);
  }
}

TEST(BaseBtnTest, GlyphOfEachState) {
  TPicture up, down, disabled;
  up.SetBitmap(SolidImage(4, 4, Qt::red));
  down.SetBitmap(SolidImage(4, 4, Qt::blue));
  disabled.SetBitmap(SolidImage(4, 4, Qt::yellow));
  struct Row {
    bool enabled, isDown, upIsDown, withDown, withDisabled;
    QColor glyph;  // at the glyph's place, up (2, 2) or down (2 + 10, 2 + 5)
  };
  const Row rows[] = {
      {true, false, false, true, true, Qt::red}, {true, true, false, true, true, Qt::blue},
      {true, true, false, false, true, kBack},  // no GlyphDown: no glyph
      {true, true, true, true, true, Qt::red},   {false, false, false, true, true, Qt::yellow},
      {false, false, false, true, false, kBack},  // never GlyphUp while disabled
  };
  for (const Row& row : rows) {
    TBaseBtn button;
    button.resize(100, 100);
    button.SetFaceVisible(false);
    button.SetShadowXOffset(0.1);
    button.SetShadowYOffset(0.05);
    button.SetGlyphUp(up);
    if (row.withDown) button.SetGlyphDown(down);
    if (row.withDisabled) button.SetGlyphDisabled(disabled);
    button.SetGlyphUpIsGlyphDown(row.upIsDown);
    button.SetButtonIsDown(row.isDown);
    button.setEnabled(row.enabled);
    const QImage image = Render(button, kBack);
    const QPoint at = row.isDown ? QPoint(12, 7) : QPoint(2, 2);
    EXPECT_EQ(image.pixelColor(at), row.glyph)
        << row.enabled << row.isDown << row.upIsDown << row.withDown << row.withDisabled;
  }
}

TEST(BaseBtnTest, GlyphPlacement) {
  TPicture glyph;
  glyph.SetBitmap(SolidImage(10, 6, Qt::red));
  TBaseBtn button;
  button.resize(100, 50);
  button.SetFaceVisible(false);
  button.SetGlyphUp(glyph);
  button.SetGlyphXOffset(0.1);
  button.SetGlyphYOffset(0.2);
  EXPECT_EQ(CountColour(Render(button), QRect(10, 10, 10, 6), Qt::red), 60);

  button.SetGlyphStretched(true);  // the offsets count into the size: 30 × 40 at (10, 10)
  button.SetGlyphWidth(0.2);
  button.SetGlyphHeight(0.6);
  QImage image = Render(button);
  EXPECT_EQ(CountColour(image, QRect(10, 10, 30, 40), Qt::red), 1200);
  EXPECT_EQ(CountColour(image, image.rect(), Qt::red), 1200);

  button.SetGlyphCentered(true);
  EXPECT_FALSE(button.GlyphStretched());
  image = Render(button);
  EXPECT_EQ(CountColour(image, QRect(45, 22, 10, 6), Qt::red), 60);
  button.SetGlyphStretched(true);
  EXPECT_FALSE(button.GlyphCentered());
}

TEST(BaseBtnTest, CaptionColoursAndOutlineCopy) {
  TBaseBtn button;
  button.resize(60, 30);
  button.SetFaceVisible(false);
  button.SetCaption(QStringLiteral("Ok"));
  button.Font().SetColor(Qt::yellow);
  EXPECT_GT(CountColour(Render(button, kBack), button.rect(), Qt::yellow), 0);
  button.SetCaptionPenVisible(true);
  button.SetCaptionPenColor(Qt::red);
  QImage image = Render(button, kBack);
  EXPECT_GT(CountColour(image, button.rect(), Qt::red), 0);
  EXPECT_GT(CountColour(image, button.rect(), Qt::yellow), 0);
  button.setEnabled(false);
  image = Render(button, kBack);
  EXPECT_EQ(CountColour(image, button.rect(), Qt::yellow), 0);
  EXPECT_GT(CountColour(image, button.rect(), clGrayText), 0);
}

TEST(BaseBtnTest, PressShowsDownUntilRelease) {
  TBaseBtn button;
  ASSERT_TRUE(ShowAndWait(button));
  std::vector<std::string> seen;
  button.OnMouseDown = [&](TGraphicControl*, TMouseButton, TShiftState, int, int) {
    seen.push_back(button.Pressed() ? "down pressed" : "down");
  };
  button.OnMouseUp = [&](TGraphicControl*, TMouseButton, TShiftState, int, int) {
    seen.push_back(button.Pressed() ? "up pressed" : "up");
  };
  button.OnClick = [&](TGraphicControl*) { seen.push_back("click"); };
  QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(button.Pressed());
  QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(button.Pressed());
  EXPECT_EQ(seen, (std::vector<std::string>{"down", "click", "up pressed"}));
  QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(seen.size(), 5u);  // no click for the right button
}

TEST(BaseBtnTest, SettersRepaintOnlyOnChangeAndGlyphsNotAtAll) {
  TCountingBtn button;
  ASSERT_TRUE(ShowAndWait(button));
  QCoreApplication::processEvents();
  const int before = button.Paints;
  button.SetFaceVisible(true);  // unchanged
  TPicture glyph;
  glyph.SetBitmap(SolidImage(3, 3, Qt::red));
  button.SetGlyphUp(glyph);
  QCoreApplication::processEvents();
  EXPECT_EQ(button.Paints, before);
  button.Brush().SetColor(Qt::cyan);
  QCoreApplication::processEvents();
  EXPECT_EQ(button.Paints, before + 1);
  button.SetCaption(QStringLiteral("x"));
  QCoreApplication::processEvents();
  EXPECT_EQ(button.Paints, before + 2);
}

TEST(BaseBtnTest, InstallsTheHandCursors) {
  TBaseBtn button;
  EXPECT_EQ(button.CursorSlot(), crHand);
  EXPECT_EQ(button.cursor().shape(), Qt::BitmapCursor);
  EXPECT_EQ(GlobalCursor(crFlatHand).shape(), Qt::BitmapCursor);
}

TEST(BaseBtnTest, ClipRegionLimitsThePaint) {
  TBaseBtn button;
  button.resize(40, 20);
  button.SetFaceWidth(1);
  button.SetFaceHeight(1);
  const QRegion left(0, 0, 20, 20);
  button.SetClipRegion(&left);
  const QImage image = Render(button, kBack);
  EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(30, 10), kBack);
}

}  // namespace
}  // namespace halvena
