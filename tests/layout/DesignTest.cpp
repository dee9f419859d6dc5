#include "layout/Design.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace halvena::layout {
namespace {

TEST(Design, EveryControlHasOneNameAndLiesInsideWhatItSitsOn) {
  std::set<std::string_view> names;
  for (const TDesignControl& control : DesignControls()) {
    EXPECT_TRUE(names.insert(control.Name).second) << control.Name;
    const QRect area = control.Parent.empty()              ? QRect(QPoint(12, 4), kDesignSize)
                       : control.Parent == "MainFormPanel" ? QRect(QPoint(0, 0), kDesignSize)
                                                           : QRect(QPoint(0, 0), kGoToPnl.size());
    EXPECT_TRUE(area.contains(control.Bounds)) << control.Name;
    EXPECT_FALSE(control.Bounds.isEmpty()) << control.Name;
  }
  // The 42 controls of the window with a place of their own and the 26 letter buttons.
  EXPECT_EQ(names.size(), 42u + 26u);
  EXPECT_EQ(kGoToPnl.size(), kSeeAlsoPnl.size());
  EXPECT_EQ(kPnlBk.size(), kGoToPnl.size());
}

TEST(Design, LetterButtonsStandInThreeRows) {
  const struct {
    const char* Name;
    QRect Bounds;
  } cases[] = {{"BaseBtn2", QRect(64, 339, 16, 18)},  {"BaseBtn10", QRect(206, 339, 16, 18)},
               {"BaseBtn11", QRect(74, 354, 16, 18)}, {"BaseBtn18", QRect(198, 354, 16, 18)},
               {"BaseBtn19", QRect(64, 369, 16, 18)}, {"BaseBtn27", QRect(206, 369, 16, 18)}};
  for (const auto& c : cases) EXPECT_EQ(FindDesignRect(c.Name), c.Bounds) << c.Name;
  EXPECT_EQ(FindDesignRect("BaseBtn28"), std::nullopt);
  EXPECT_EQ(FindDesignRect("ContentLst"), QRect(42, 132, 200, 192));
}

TEST(Design, TabButtonsShareOneFullWidth) {
  for (const char* name : {"ContentBtn", "AnatomicBtn", "SearchBtn", "GoToBtn", "SeeAlsoBtn",
                           "ToClipBrdBtn", "PrintBtn"}) {
    EXPECT_EQ(FindDesignRect(name)->width(), kTabWidth) << name;
  }
  // The collapse and the expansion return exactly to both widths.
  EXPECT_EQ(qRound(kTabWidth * kTabCollapseFactor), kTabCollapsedWidth);
  EXPECT_EQ(qRound(kTabCollapsedWidth * kTabExpandFactor), kTabWidth);
}

}  // namespace
}  // namespace halvena::layout
