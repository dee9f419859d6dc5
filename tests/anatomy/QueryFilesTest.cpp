#include "anatomy/QueryFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "support/ScratchFolder.h"

namespace halvena {
namespace {

using Lines = std::vector<std::string>;
struct TShownSize {
  int W, H;
};

TEST(QueryLines, EndAtCrLfOrCrLfAndStopAtNul) {
  EXPECT_EQ(SplitQueryLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitQueryLines("a\n\nb\r\n"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitQueryLines("\r\r\n"), (Lines{"", ""}));
  EXPECT_EQ(SplitQueryLines(std::string("a\nb\0c\nd", 7)), (Lines{"a", "b"}));
  EXPECT_EQ(SplitQueryLines(" x \xE9 "), (Lines{" x \xE9 "}));  // kept as they are
  EXPECT_EQ(SplitQueryLines(""), Lines{});
}

// A scratch folder that goes with the test.
class QueryFileReading : public test::ScratchFolderTest {};

TEST_F(QueryFileReading, RegularFileGivesItsLines) {
  Write("qf.dat", "[0]\r\n1,1,9,9=Hart|\r\n");
  EXPECT_EQ(ReadQueryLines(PathOf("qf.dat")), (Lines{"[0]", "1,1,9,9=Hart|"}));
}

TEST_F(QueryFileReading, AnythingButARegularFileWithinTheCapIsAnEmptyList) {
  EXPECT_EQ(ReadQueryLines(PathOf("missing.dat")), Lines{});
  EXPECT_EQ(ReadQueryLines(FDir.string()), Lines{});  // a folder
  // A pipe without a writer would block a plain open; it must be refused at once.
  ASSERT_EQ(::mkfifo(PathOf("fifo.dat").c_str(), 0600), 0);
  EXPECT_EQ(ReadQueryLines(PathOf("fifo.dat")), Lines{});
  EXPECT_EQ(ReadQueryLines("/dev/zero"), Lines{});  // endless device
  // The program's own names standing for such things.
  std::filesystem::create_directory(PathOf("qm.dat"));
  EXPECT_EQ(ReadQueryLines(PathOf("qm.dat")), Lines{});
  std::filesystem::create_symlink("/dev/zero", PathOf("qf.dat"));
  EXPECT_EQ(ReadQueryLines(PathOf("qf.dat")), Lines{});
  Write("big.dat", std::string(kMaxQueryFileBytes + 1, 'x'));
  EXPECT_EQ(ReadQueryLines(PathOf("big.dat")), Lines{});
  Write("cap.dat", "[0]\n" + std::string(kMaxQueryFileBytes - 4, 'x'));
  EXPECT_EQ(ReadQueryLines(PathOf("cap.dat")).size(), 2u);
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

TEST(RegionLookup, NameAndQueryAreReadInPlace) {
  const TRegionHit hit = LookUpRegion(kFile, 0, 15, 15);
  EXPECT_EQ(hit.Name.data(), kFile[2].data() + kFile[2].find('=') + 1);
  EXPECT_EQ(hit.Query.data(), kFile[17].data() + 5);
}

TEST(RegionLookup, NoRegionNeverTakesTheQueryOfAnEmptyKey) {
  // A point outside every rectangle, or on a line without "|", has no name; a query line with
  // an empty key must not give such a point a search.
  const Lines lines = {"[0]", "0,0,9,9=Zonder streep", "[Queries]", "=+alles"};
  EXPECT_EQ(LookUpRegion(lines, 0, 1, 1).Query, "");
  EXPECT_EQ(LookUpRegion(lines, 0, 50, 50).Query, "");
}

TEST(RegionRects, EveryLineOfTheNamedRegionInTheViewsFirstSection) {
  const Lines lines = {"[0]",
                       "10,10,20,20=Hart|a",
                       "0,0,9,9=Long|",
                       "30,30,40,40=Hart|",
                       "1,1,2,2=Hart",
                       "5,5,6,6=Hartje|",
                       "",
                       "7,7,8,8=Hart|",
                       "[1]",
                       "3,3,4,4=Hart|",
                       "[0]",
                       "9,9,9,9=Hart|"};
  const auto rects = RegionRects(lines, 0, "Hart");
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0].Left, 10);
  EXPECT_EQ(rects[1].Bottom, 40);
  EXPECT_EQ(RegionRects(lines, 1, "Hart").size(), 1u);
  EXPECT_TRUE(RegionRects(lines, 2, "Hart").empty());
  // A line without "|" names no region, so an empty name has no area.
  EXPECT_TRUE(RegionRects(lines, 0, "").empty());
}

// The area drawn for a rectangle is exactly the pixels the pointer hits it at, at every size
// the figure is shown in, also for rectangles reaching off the frame or turned inside out.
TEST(FigureFrame, PixelsOfARectangleAreThoseThatMapIntoIt) {
  const TFigureRect rects[] = {{254, 687, 255, 688}, {0, 0, 254, 1000},    {-50, 1400, 600, 2000},
                               {100, 100, 101, 101}, {300, 300, 200, 400}, {0, 0, 508, 1476}};
  for (const TShownSize size : {TShownSize{74, 215}, TShownSize{93, 268}, TShownSize{119, 344}}) {
    for (const TFigureRect& rect : rects) {
      const TFigureRect pixels = FigurePixelsOf(rect, size.W, size.H);
      for (int y = -1; y <= size.H; ++y) {
        for (int x = -1; x <= size.W; ++x) {
          int fx = 0, fy = 0;
          ASSERT_TRUE(MapToFigureFrame(x, y, size.W, size.H, fx, fy));
          const bool onFigure = x >= 0 && x < size.W && y >= 0 && y < size.H;
          EXPECT_EQ(pixels.Contains(x, y), onFigure && rect.Contains(fx, fy))
              << size.W << " " << x << "," << y << " in " << rect.Left << "," << rect.Top;
        }
      }
    }
  }
  EXPECT_FALSE(FigurePixelsOf({0, 0, 508, 1476}, 0, 10).Contains(0, 0));
}

TEST(FigureFrame, MousePointsScaleToTheReferenceFrame) {
  int x = 0, y = 0;
  ASSERT_TRUE(MapToFigureFrame(37, 100, 74, 215, x, y));
  EXPECT_EQ(x, 254);
  EXPECT_EQ(y, 687);
  ASSERT_TRUE(MapToFigureFrame(74, 215, 74, 215, x, y));
  EXPECT_EQ(x, kFigureFrameWidth);
  EXPECT_EQ(y, kFigureFrameHeight);
  // 508 / 8 * 1 = 63.5 and 508 / 8 * 3 = 190.5: halves go to the even neighbour.
  ASSERT_TRUE(MapToFigureFrame(1, 0, 8, 1476, x, y));
  EXPECT_EQ(x, 64);
  ASSERT_TRUE(MapToFigureFrame(3, 0, 8, 1476, x, y));
  EXPECT_EQ(x, 190);
}

TEST(FigureFrame, NoPointOnAFigureWithoutSizeOrFarOffIt) {
  int x = 7, y = 7;
  EXPECT_FALSE(MapToFigureFrame(1, 1, 0, 215, x, y));
  EXPECT_FALSE(MapToFigureFrame(1, 1, 74, -1, x, y));
  EXPECT_FALSE(MapToFigureFrame(0, 2147483647, 74, 1, x, y));
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 7);
}

}  // namespace
}  // namespace halvena
