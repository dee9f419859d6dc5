#include "anatomy/QueryFiles.h"

#include <gtest/gtest.h>

namespace halvena {
namespace {

using Lines = std::vector<std::string>;

TEST(QueryLines, EndAtCrLfOrCrLfAndStopAtNul) {
  EXPECT_EQ(SplitQueryLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitQueryLines("a\n\nb\r\n"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitQueryLines("\r\r\n"), (Lines{"", ""}));
  EXPECT_EQ(SplitQueryLines(std::string("a\nb\0c\nd", 7)), (Lines{"a", "b"}));
  EXPECT_EQ(SplitQueryLines(" x \xE9 "), (Lines{" x \xE9 "}));  // kept as they are
  EXPECT_EQ(SplitQueryLines(""), Lines{});
  EXPECT_EQ(ReadQueryLines("/nonexistent/qf.dat"), Lines{});
}

TEST(QueryLines, RectangleFieldsAreLenient) {
  struct Case {
    const char* line;
    int l, t, r, b;
  } cases[] = {
      {"10,20,30,40=Hart|", 10, 20, 30, 40},
      {" 10,  20,-3,+4=x|", 10, 20, -3, 4},
      {"10 ,20,30,40=x|", 0, 20, 30, 40},  // a blank after the number spoils the field
      {"1,2=x|", 1, 0, 0, 2},              // missing commas: the rest is the bottom
      {"7=x|", 0, 0, 0, 7},
      {"a,b,c,d=x|", 0, 0, 0, 0},
      {"1,2,3,4,5=x|", 1, 2, 3, 0},
      {"99999999999,1,2,3=x|", 0, 1, 2, 3},
  };
  for (const Case& c : cases) {
    const TFigureRect r = ParseRegionRect(c.line);
    EXPECT_EQ(r.Left, c.l) << c.line;
    EXPECT_EQ(r.Top, c.t) << c.line;
    EXPECT_EQ(r.Right, c.r) << c.line;
    EXPECT_EQ(r.Bottom, c.b) << c.line;
  }
}

const Lines kFile = {
    "; made by hand",
    "[0]",
    "10,10,20,20=Hart|hart",
    "0,0,100,100=Borst|",
    "150,150,160,160=Zonder streep",
    "0,0,500,1400=Na streeploze regel|",
    "",
    "0,0,500,1400=Na lege regel|",
    "[01]",
    "0,0,500,1400=Voorloopnul|",
    "[1]",
    "0,0,500,1400=Lever|x|y",
    "[0]",
    "0,0,500,1400=Tweede sectie|",
    "[queries]",
    "Lever=+fout",
    "[Queries]",
    "Hart=+\"hart\"%\"hartspier\"",
    "Lever=+lever=a|b",
    "Lever=+tweede",
};

TEST(RegionLookup, FirstRectangleThatHoldsThePointWins) {
  EXPECT_EQ(LookUpRegion(kFile, 0, 15, 15).Name, "Hart");
  EXPECT_EQ(LookUpRegion(kFile, 0, 15, 15).Query, "+\"hart\"%\"hartspier\"");
  EXPECT_EQ(LookUpRegion(kFile, 0, 25, 15).Name, "Borst");
  EXPECT_EQ(LookUpRegion(kFile, 0, 25, 15).Query, "");  // no query line: shown, no search
}

TEST(RegionLookup, LeftAndTopEdgesAreInsideRightAndBottomOutside) {
  EXPECT_EQ(LookUpRegion(kFile, 0, 10, 10).Name, "Hart");
  EXPECT_EQ(LookUpRegion(kFile, 0, 20, 15).Name, "Borst");
  EXPECT_EQ(LookUpRegion(kFile, 0, 15, 20).Name, "Borst");
  EXPECT_EQ(LookUpRegion(kFile, 0, 100, 5).Name, "Na streeploze regel");  // not Borst
}

TEST(RegionLookup, SectionsEndAtAnEmptyLineAndOnlyTheFirstCounts) {
  // "Na lege regel" and "Tweede sectie" are never read; "Na streeploze regel" is.
  EXPECT_EQ(LookUpRegion(kFile, 0, 300, 300).Name, "Na streeploze regel");
  EXPECT_EQ(LookUpRegion(kFile, 0, 300, 1450).Name, "");
  // "[01]" is not the header of view 1; the query section needs its capital Q.
  EXPECT_EQ(LookUpRegion(kFile, 1, 300, 300).Name, "Lever");
  EXPECT_EQ(LookUpRegion(kFile, 1, 300, 300).Query, "+lever=a|b");
  EXPECT_EQ(LookUpRegion(kFile, 2, 1, 1).Name, "");
}

TEST(RegionLookup, LineWithoutBarIsAHitWithoutRegion) {
  const TRegionHit hit = LookUpRegion(kFile, 0, 155, 155);
  EXPECT_EQ(hit.Name, "");
  EXPECT_EQ(hit.Query, "");
}

TEST(RegionLookup, MissingFileHasNoRegions) {
  EXPECT_EQ(LookUpRegion({}, 0, 10, 10).Name, "");
}

TEST(RegionLookup, QueryKeyWithoutEqualsSignGivesAnEmptyQuery) {
  const Lines lines = {"[0]", "0,0,9,9=Milt|", "[Queries]", "Milt", "Milt=+milt"};
  const TRegionHit hit = LookUpRegion(lines, 0, 1, 1);
  EXPECT_EQ(hit.Name, "Milt");
  EXPECT_EQ(hit.Query, "");
}

TEST(FigureFrame, MousePointsScaleToTheReferenceFrame) {
  int x = 0, y = 0;
  MapToFigureFrame(37, 100, 74, 215, x, y);
  EXPECT_EQ(x, 254);
  EXPECT_EQ(y, 687);
  MapToFigureFrame(74, 215, 74, 215, x, y);
  EXPECT_EQ(x, kFigureFrameWidth);
  EXPECT_EQ(y, kFigureFrameHeight);
}

}  // namespace
}  // namespace halvena
