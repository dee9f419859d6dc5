#include "layout/ScreenClass.h"

#include <gtest/gtest.h>

#include "layout/Files.h"

namespace halvena::layout {
namespace {

struct TScreenCase {
  const char* Name;
  int Width;
  int Height;
  std::optional<TScreenChoice> Expected;
};

class ScreenClassChoice : public ::testing::TestWithParam<TScreenCase> {};

TEST_P(ScreenClassChoice, JudgesTheSideTheScreenFillsLess) {
  const TScreenCase& c = GetParam();
  EXPECT_EQ(ChooseScreenClass(c.Width, c.Height), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScreenClassChoice,
    ::testing::Values(
        TScreenCase{"Screen800x600", 800, 600, TScreenChoice{0, 1, 1}},
        TScreenCase{"Screen1024x768", 1024, 768, TScreenChoice{1, 600, 480}},
        TScreenCase{"Screen1280x1024ByWidth", 1280, 1024, TScreenChoice{2, 1024, 640}},
        TScreenCase{"Screen1600x900ByHeight", 1600, 900, TScreenChoice{2, 768, 480}},
        TScreenCase{"Screen1024x600ByHeight", 1024, 600, TScreenChoice{0, 1, 1}},
        TScreenCase{"Screen600x800TooNarrow", 600, 800, std::nullopt},
        TScreenCase{"Screen1000x479TooLow", 1000, 479, std::nullopt},
        TScreenCase{"Screen640x480Smallest", 640, 480, TScreenChoice{0, 1, 1}},
        TScreenCase{"Screen1152x864ByHeight", 1152, 864, TScreenChoice{2, 768, 480}},
        TScreenCase{"Screen1151x864ByWidth", 1151, 864, TScreenChoice{1, 800, 640}},
        TScreenCase{"Screen1100x767", 1100, 767, TScreenChoice{0, 1, 1}},
        TScreenCase{"Screen1152x1024ByWidth", 1152, 1024, TScreenChoice{2, 1024, 640}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ScreenClassZoom, EdgesRoundHalvesAwayFromZero) {
  EXPECT_EQ(MulDiv(42, 600, 480), 53);    // 52.5
  EXPECT_EQ(MulDiv(-42, 600, 480), -53);  // -52.5
  EXPECT_EQ(MulDiv(3, 600, 480), 4);      // 3.75
  // The size is the difference of the rounded edges, not the rounded size.
  EXPECT_EQ(ZoomBounds(QRect(42, 132, 200, 192), 600, 480), QRect(53, 165, 250, 240));
  EXPECT_EQ(ZoomBounds(QRect(12, 4, 640, 480), 768, 480), QRect(19, 6, 1024, 768));
}

TEST(ScreenClassZoom, FontSizesZoomInPoints) {
  // 11 pixels are 8 points; 13 pixels are 10 points.
  EXPECT_EQ(ZoomFontHeight(-11, 1, 1), -11);
  EXPECT_EQ(ZoomFontHeight(-11, 600, 480), -13);
  EXPECT_EQ(ZoomFontHeight(-11, 768, 480), -17);
  EXPECT_EQ(ZoomFontHeight(-9, 600, 480), -12);
}

TEST(ScreenClassZoom, RowHeightsRoundHalvesToEven) {
  EXPECT_EQ(ZoomRowHeight(16, 0), 16);
  EXPECT_EQ(ZoomRowHeight(16, 1), 20);
  EXPECT_EQ(ZoomRowHeight(16, 2), 26);  // 25.6
  EXPECT_EQ(ZoomRowHeight(10, 1), 12);  // 12.5
  EXPECT_EQ(ZoomRowHeight(14, 1), 18);  // 17.5
}

TEST(ScreenClassNames, SkinPathsCarryTheClassSuffix) {
  EXPECT_EQ(SkinPath("bk", 0), "I\\B\\bk6x4");
  EXPECT_EQ(SkinPath("lpbk", 1), "I\\B\\lpbk8x6");
  EXPECT_EQ(SkinPath("bor", 2), "I\\B\\bor10x7");
  EXPECT_EQ(FigurePath(true, 0, 3), "I\\B\\m6x4\\m6x4_03");
  EXPECT_EQ(FigurePath(false, 2, 15), "I\\B\\f10x7\\f10x7_15");
  EXPECT_EQ(PortablePath("I\\B\\f8x6\\f8x6_00"), "I/B/f8x6/f8x6_00");
  // The larger pictures: the ratio before the extension of the last component only.
  EXPECT_EQ(ScaledPath(SkinPath("bk", 1), 1), "I\\B\\bk8x6");
  EXPECT_EQ(ScaledPath(SkinPath("bk", 1), kHiDpiRatio), "I\\B\\bk8x6@2x");
  EXPECT_EQ(ScaledPath(FigurePath(true, 0, 3), 2), "I\\B\\m6x4\\m6x4_03@2x");
  EXPECT_EQ(ScaledPath("I\\butup.bmp", 2), "I\\butup@2x.bmp");
  EXPECT_EQ(ScaledPath("I.d\\B\\bk", 2), "I.d\\B\\bk@2x");
  EXPECT_EQ(WindowSizeOf(0), QSize(640, 480));
  EXPECT_EQ(WindowSizeOf(1), QSize(800, 600));
  EXPECT_EQ(WindowSizeOf(2), QSize(1024, 768));
}

}  // namespace
}  // namespace halvena::layout
