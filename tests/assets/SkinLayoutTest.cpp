#include "assets/SkinLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace halvena::assets {
namespace {

TEST(SkinLayout, ClassesHaveTheirSuffixesAndWindowSizes) {
  const auto& classes = ScreenClasses();
  EXPECT_EQ(classes[0].Suffix, "6x4");
  EXPECT_EQ(classes[1].Suffix, "8x6");
  EXPECT_EQ(classes[2].Suffix, "10x7");
  for (const TScreenClass& screenClass : classes) {
    EXPECT_EQ(screenClass.Zoom(QRect(QPoint(0, 0), layout::kDesignSize)).size(), screenClass.Window)
        << screenClass.Suffix.toStdString();
  }
}

TEST(SkinLayout, ZoomRoundsHalvesAwayFromZero) {
  const struct {
    int screenClass;
    int value;
    int zoomed;
  } cases[] = {
      {0, 410, 410}, {1, 70, 88},    // 87.5
      {1, 410, 513},                 // 512.5, where halves to even would give 512
      {1, 125, 156}, {1, 139, 174},  // 156.25, 173.75
      {1, -70, -88}, {2, 17, 27},    // 27.2
      {2, 426, 682}, {2, 287, 459},  // 681.6, 459.2
      {2, 5, 8},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScreenClasses()[static_cast<std::size_t>(c.screenClass)].Zoom(c.value), c.zoomed)
        << "class " << c.screenClass << ", " << c.value;
  }
}

TEST(SkinLayout, ZoomedWidthIsTheDifferenceOfTheRoundedEdges) {
  const TScreenClass& large = ScreenClasses()[2];
  EXPECT_EQ(large.Zoom(layout::kSeeAlsoBtn), QRect(459, 656, 223, 27));
  EXPECT_EQ(large.Zoom(layout::kGoToBtn), QRect(200, 656, 222, 27));
  EXPECT_EQ(large.Zoom(layout::kGoToPnl).size(), QSize(249, 178));
  EXPECT_EQ(large.Zoom(layout::kSeeAlsoPnl).size(), QSize(250, 178));
  EXPECT_EQ(TabSize(large), QSize(222, 27));
  EXPECT_EQ(TabSize(ScreenClasses()[1]), QSize(174, 21));
  EXPECT_EQ(TabSize(ScreenClasses()[0]), QSize(139, 17));
}

// Each tab shape covers exactly its button: the full width expanded, 65/139 of it (rounded to
// the nearest, halves to even) collapsed; the right group's collapsed button keeps the right
// edge, so its shape also starts at 0 in the button's own coordinates.
TEST(SkinLayout, TabShapesCoverTheirButtons) {
  for (const TScreenClass& screenClass : ScreenClasses()) {
    const QSize full = TabSize(screenClass);
    const int collapsed = static_cast<int>(std::nearbyint(full.width() * 65.0 / 139));
    for (const TTabGroup group : {TTabGroup::Left, TTabGroup::Right}) {
      for (const bool expanded : {false, true}) {
        const QRect bounds = TabRegion(group, expanded, full).boundingRect();
        EXPECT_EQ(bounds, QRect(0, 0, expanded ? full.width() : collapsed, full.height()))
            << screenClass.Suffix.toStdString() << (group == TTabGroup::Left ? " left" : " right")
            << (expanded ? " expanded" : " collapsed");
      }
    }
  }
}

TEST(SkinLayout, KnobsAreLowerThanTheBarAndSitAtTheOuterEnd) {
  const QSize full(139, 17);
  // The knob is less than full height: its column misses the top row; the bar's column has it.
  const QRegion left = TabRegion(TTabGroup::Left, true, full);
  EXPECT_FALSE(left.contains(QPoint(9, 0)));
  EXPECT_TRUE(left.contains(QPoint(9, 7)));
  EXPECT_TRUE(left.contains(QPoint(70, 0)));
  const QRegion rightExpanded = TabRegion(TTabGroup::Right, true, full);
  EXPECT_FALSE(rightExpanded.contains(QPoint(130, 0)));
  EXPECT_TRUE(rightExpanded.contains(QPoint(130, 7)));
  const QRegion rightCollapsed = TabRegion(TTabGroup::Right, false, full);
  EXPECT_FALSE(rightCollapsed.contains(QPoint(56, 0)));
  EXPECT_TRUE(rightCollapsed.contains(QPoint(56, 7)));
  // A collapsed left tab is a part of the expanded one.
  EXPECT_EQ(TabRegion(TTabGroup::Left, false, full).subtracted(left), QRegion());
}

TEST(SkinLayout, PanelShapeIsTheRoundedRectangleInsideTheFourPixelMargin) {
  const QPainterPath shape = PanelShape(QSize(156, 111));
  EXPECT_EQ(shape.boundingRect(), QRectF(4, 4, 149, 104));
  EXPECT_TRUE(shape.contains(QPointF(78, 5)));
  EXPECT_FALSE(shape.contains(QPointF(5, 5)));  // cut off by the rounded corner
}

}  // namespace
}  // namespace halvena::assets
