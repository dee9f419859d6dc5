// One view of one body figure: the model's solids of a gender turned to a view and traced by
// parallel lines of sight through the points of the figure's reference frame. Immutable once
// built, so Trace may run on several threads at once.
//
// View n shows the body turned n x 22.5 degrees about its vertical axis, the front turning
// towards the viewer's left. The frame is 508 x 1476 units; the body's axis stands at x = 254.
#pragma once

#include <array>
#include <vector>

#include "assets/figures/BodyModel.h"

namespace halvena::figures {

constexpr int kViewCount = 16;
constexpr double kFrameWidth = 508;
constexpr double kFrameHeight = 1476;

// Where a line of sight enters a solid: the solid (index into the gender's solids), the depth
// of the point (larger is nearer the viewer) and the outward normal in view space (x to the
// right, y down, z towards the viewer).
struct TSurfaceHit {
  int Solid = -1;  // -1: nothing was met
  double Depth = 0;
  TVec3 Normal;
};

struct TTrace {
  TSurfaceHit Skin;   // the nearest skin surface
  TSurfaceHit Inner;  // the nearest organ or bone
  int Region = -1;    // the region drawn here (index into the model's regions), -1 for none
};

class TFigureScene {
 public:
  // `model` must outlive the scene.
  TFigureScene(const TBodyModel& model, TGender gender, int view);

  // The line of sight through the frame point (x, y). An organ names the point wherever it is
  // met; otherwise the skin does, through the first zone that holds the skin's point, else by
  // the skin solid's own region.
  TTrace Trace(double x, double y) const;
  int RegionAt(double x, double y) const { return Trace(x, y).Region; }

  const TBodyModel& Model() const { return FModel; }
  const std::vector<TSolid>& Solids() const { return FModel.Solids(FGender); }

 private:
  // A solid turned into view space.
  struct TPlaced {
    int Index = 0;
    TMat3 ToLocal;  // view space to the solid's own axes (ellipsoids and boxes)
    TVec3 Centre;   // centre, or the first end of a cone
    TVec3 End;      // second end of a cone
    double MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;  // bounds in the frame
  };
  static constexpr int kBandHeight = 16;

  bool Enter(const TPlaced& p, double x, double y, TSurfaceHit& hit) const;
  bool Holds(const TPlaced& p, TVec3 point) const;

  const TBodyModel& FModel;
  TGender FGender;
  std::vector<TPlaced> FPlaced;
  std::vector<std::vector<int>> FBands;  // the placed solids that reach into each band of rows
};

}  // namespace halvena::figures
