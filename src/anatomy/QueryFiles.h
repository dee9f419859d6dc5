// The anatomy query files d\qf.dat and d\qm.dat: for each of the sixteen views of the body
// figure, which rectangles of the figure's reference frame belong to which named region, and
// which keyword query belongs to each region name. Plain functions on the lines in memory;
// no window needed.
//
// A section is a header line ("[0]" ... "[15]" or "[Queries]", compared byte for byte) and the
// lines after it up to the first empty line, the first line beginning with "[" or the end; only
// the first section with a given header counts. A region line is "left,top,right,bottom=Name|…",
// a query line "Name=query".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace halvena {

// Width and height of the reference frame in which the rectangles are given.
constexpr int kFigureFrameWidth = 508;
constexpr int kFigureFrameHeight = 1476;

// The lines of a query file's bytes: CR, LF or CR LF ends a line, a NUL byte ends the text, and
// the bytes are kept as they are. A last line without line end counts; an empty text has none.
std::vector<std::string> SplitQueryLines(std::string_view bytes);

// The lines of the file at `path`; an empty list when it cannot be read.
std::vector<std::string> ReadQueryLines(const std::string& path);

// A rectangle of a region line: left and top inside, right and bottom outside.
struct TFigureRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
};

// The rectangle before the first "=" of a region line. A field that is empty or not a signed
// decimal integer (leading blanks allowed, nothing after the digits) counts as 0.
TFigureRect ParseRegionRect(std::string_view line);

// What a point of the figure hits.
struct TRegionHit {
  std::string Name;   // empty when the point is in no region (or the hit line has no name)
  std::string Query;  // the region's query; empty when the name has no query line
};

// The region of view `bodyView` under the point (x, y) of the reference frame: the first line
// of the view's section whose rectangle holds the point, then the first query line of that
// name.
TRegionHit LookUpRegion(const std::vector<std::string>& lines, int bodyView, int x, int y);

// The point of the reference frame under pixel (x, y) of a figure shown `width` x `height`
// pixels large: each coordinate scaled by frame size / shown size and rounded, halves to even.
void MapToFigureFrame(int x, int y, int width, int height, int& frameX, int& frameY);

}  // namespace halvena
