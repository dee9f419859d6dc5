// The anatomy query files d\qf.dat and d\qm.dat: for each of the sixteen views of the body
// figure, which rectangles of the figure's reference frame belong to which named region, and
// which keyword query belongs to each region name. Plain functions on the lines in memory, shared
// by the main window, the figure generator's tests and halvena-dict; safe to call on several
// threads at once on lists nobody changes.
//
// A section is a header line ("[0]" ... "[15]" or "[Queries]", compared byte for byte) and the
// lines after it up to the first empty line, the first line beginning with "[" or the end; only
// the first line with a given header text counts. A region line is "left,top,right,bottom=Name|…",
// a query line "Name=query".
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace halvena {

// Width and height of the reference frame in which the rectangles are given.
constexpr int kFigureFrameWidth = 508;
constexpr int kFigureFrameHeight = 1476;

// The largest query file that is read; a larger file reads as an empty list.
constexpr std::size_t kMaxQueryFileBytes = std::size_t{4} << 20;

// The lines of a query file's bytes: CR, LF or CR LF ends a line, a NUL byte ends the text, and
// the bytes are kept as they are. A last line without line end counts; an empty text has none.
std::vector<std::string> SplitQueryLines(std::string_view bytes);

// The lines of the regular file at `path`. An empty list, and no exception, when the file is
// missing, is not a regular file (a directory, a pipe or a device is never waited on), is larger
// than kMaxQueryFileBytes, or cannot be read.
std::vector<std::string> ReadQueryLines(const std::string& path) noexcept;

// A rectangle of a region line: left and top inside, right and bottom outside.
struct TFigureRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
};

// The rectangle before the first "=" of a region line: four fields separated by commas, where a
// missing comma leaves the fields that would end at it empty and the rest is the bottom. A field
// that is empty or not a signed decimal integer (leading blanks allowed, nothing after the
// digits, within the range of int) counts as 0.
TFigureRect ParseRegionRect(std::string_view line);

// What a point of the figure hits: views into the lines looked in, valid as long as those lines
// are neither changed nor freed.
struct TRegionHit {
  std::string_view Name;   // empty when the point is in no region (or the hit line names none)
  std::string_view Query;  // the region's query; empty without a name or without a query line
};

// The region of view `bodyView` under the point (x, y) of the reference frame: the first line
// of the view's section whose rectangle holds the point stops the walk; its name is the text
// between the first "=" and the first "|" after it (none without that "|"). A name then takes
// the text after the first "=" of the first line of "[Queries]" whose key equals it. Reads the
// lines in place and copies none.
TRegionHit LookUpRegion(std::span<const std::string> lines, int bodyView, int x, int y);

// The rectangles of the region `name` in view `bodyView`, in file order: those of every line of
// the view's section whose name, read as LookUpRegion reads it, equals `name`. None for an
// empty name.
std::vector<TFigureRect> RegionRects(std::span<const std::string> lines, int bodyView,
                                     std::string_view name);

// The point of the reference frame under pixel (x, y) of a figure shown `width` x `height`
// pixels large: each coordinate scaled by frame size / shown size (the quotient first) and
// rounded, halves to even. False, leaving the outputs alone, when the shown size is not
// positive or the point lies too far off the figure to be mapped.
bool MapToFigureFrame(int x, int y, int width, int height, int& frameX, int& frameY);

// The pixels of a figure shown `width` x `height` pixels large that MapToFigureFrame maps into
// `rect`: a rectangle of pixels within the figure, empty (right <= left or bottom <= top) when
// no pixel maps into it or the shown size is not positive.
TFigureRect FigurePixelsOf(const TFigureRect& rect, int width, int height);

}  // namespace halvena
