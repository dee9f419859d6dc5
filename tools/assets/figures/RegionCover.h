// The region rectangles of the anatomy query files. One view of the figure is cut into cells
// of the reference frame, each named by the region drawn at most of its points; every
// region's cells are then covered by rectangles, small regions first, so that the first
// rectangle holding a point (the way the program looks regions up) names the region drawn
// there, give or take one cell at a region's edge. Plain functions; safe to call on several
// threads at once.
#pragma once

#include <string>
#include <vector>

#include "assets/figures/FigureScene.h"

namespace halvena::figures {

// Edge of a cell in frame units; the frame is a whole number of cells wide and high.
constexpr int kCoverCell = 4;

// A rectangle in frame units: left and top inside, right and bottom outside.
struct TRegionRect {
  int Region = -1;  // index into the model's regions
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

// The rectangles of one view in the order they are to be written.
std::vector<TRegionRect> CoverRegions(const TFigureScene& scene);

// A whole query file: the sections "[0]" to "[15]" with one line "left,top,right,bottom=Name|"
// per rectangle of `views` (one list per view), then "[Queries]" with "Name=query" for every
// region of `gender`. Lines end with CR LF.
std::string QueryFileText(const TBodyModel& model, TGender gender,
                          const std::vector<std::vector<TRegionRect>>& views);

}  // namespace halvena::figures
