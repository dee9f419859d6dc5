#include "assets/figures/FigureScene.h"

#include <algorithm>
#include <cmath>

namespace halvena::figures {
namespace {

// Lines of sight start in front of everything and run towards -z.
constexpr double kNear = 4000;

}  // namespace

TFigureScene::TFigureScene(const TBodyModel& model, TGender gender, int view)
    : FModel(model), FGender(gender) {
  const TMat3 turn = TurnAboutVertical(view * 360.0 / kViewCount);
  const std::vector<TSolid>& solids = model.Solids(gender);
  const int bandCount = static_cast<int>(kFrameHeight) / kBandHeight + 1;
  FBands.resize(bandCount);
  for (std::size_t i = 0; i < solids.size(); ++i) {
    const TSolid& s = solids[i];
    TPlaced p;
    p.Index = static_cast<int>(i);
    p.Centre = turn.Apply(s.Centre);
    TVec3 lo, hi;
    if (s.Shape == TShape::Cone) {
      p.End = turn.Apply(s.End);
      lo = {std::min(p.Centre.X - s.R1, p.End.X - s.R2),
            std::min(p.Centre.Y - s.R1, p.End.Y - s.R2), 0};
      hi = {std::max(p.Centre.X + s.R1, p.End.X + s.R2),
            std::max(p.Centre.Y + s.R1, p.End.Y + s.R2), 0};
    } else {
      const TMat3 toView = turn * RotationXYZ(s.Turn);
      p.ToLocal = toView.Transposed();
      // Half extents of the turned solid along x and y.
      const TVec3 rows[2] = {toView.R0, toView.R1};
      double half[2];
      for (int a = 0; a < 2; ++a) {
        const TVec3 r = rows[a];
        half[a] =
            s.Shape == TShape::Ellipsoid
                ? std::sqrt(r.X * r.X * s.Size.X * s.Size.X + r.Y * r.Y * s.Size.Y * s.Size.Y +
                            r.Z * r.Z * s.Size.Z * s.Size.Z)
                : std::abs(r.X) * s.Size.X + std::abs(r.Y) * s.Size.Y + std::abs(r.Z) * s.Size.Z;
      }
      lo = {p.Centre.X - half[0], p.Centre.Y - half[1], 0};
      hi = {p.Centre.X + half[0], p.Centre.Y + half[1], 0};
    }
    p.MinX = lo.X + kFrameWidth / 2;
    p.MaxX = hi.X + kFrameWidth / 2;
    p.MinY = lo.Y;
    p.MaxY = hi.Y;
    const int first =
        std::clamp(static_cast<int>(std::floor(p.MinY / kBandHeight)), 0, bandCount - 1);
    const int last =
        std::clamp(static_cast<int>(std::floor(p.MaxY / kBandHeight)), 0, bandCount - 1);
    for (int b = first; b <= last; ++b) FBands[b].push_back(static_cast<int>(FPlaced.size()));
    FPlaced.push_back(p);
  }
}

bool TFigureScene::Enter(const TPlaced& p, double x, double y, TSurfaceHit& hit) const {
  const TSolid& s = Solids()[p.Index];
  const TVec3 origin{x - kFrameWidth / 2, y, kNear};
  if (s.Shape == TShape::Cone) {
    // A capsule with two radii: the cone's side between the two end spheres.
    const TVec3 rd{0, 0, -1};
    const TVec3 ba = p.End - p.Centre;
    const TVec3 oa = origin - p.Centre;
    const TVec3 ob = origin - p.End;
    const double rr = s.R1 - s.R2;
    const double m0 = Dot(ba, ba);
    const double m1 = Dot(ba, oa);
    const double m2 = Dot(ba, rd);
    const double m3 = Dot(rd, oa);
    const double m5 = Dot(oa, oa);
    const double m6 = Dot(ob, rd);
    const double m7 = Dot(ob, ob);
    const double d2 = m0 - rr * rr;
    const double k2 = d2 - m2 * m2;
    const double k1 = d2 * m3 - m1 * m2 + m2 * rr * s.R1;
    const double k0 = d2 * m5 - m1 * m1 + m1 * rr * s.R1 * 2 - m0 * s.R1 * s.R1;
    const double h = k1 * k1 - k0 * k2;
    if (h < 0) return false;
    double t = (-std::sqrt(h) - k1) / k2;
    const double along = m1 - s.R1 * rr + t * m2;
    if (k2 > 1e-9 && along > 0 && along < d2) {
      hit.Depth = kNear - t;
      hit.Normal = Normalized((oa + rd * t) * d2 - ba * along);
      return true;
    }
    const double h1 = m3 * m3 - m5 + s.R1 * s.R1;
    const double h2 = m6 * m6 - m7 + s.R2 * s.R2;
    if (std::max(h1, h2) < 0) return false;
    double best = 1e30;
    if (h1 > 0) {
      t = -m3 - std::sqrt(h1);
      best = t;
      hit.Normal = Normalized(oa + rd * t);
    }
    if (h2 > 0) {
      t = -m6 - std::sqrt(h2);
      if (t < best) {
        best = t;
        hit.Normal = Normalized(ob + rd * t);
      }
    }
    hit.Depth = kNear - best;
    return true;
  }

  const TVec3 o = p.ToLocal.Apply(origin - p.Centre);
  const TVec3 d = p.ToLocal.Apply({0, 0, -1});
  if (s.Shape == TShape::Ellipsoid) {
    const TVec3 os{o.X / s.Size.X, o.Y / s.Size.Y, o.Z / s.Size.Z};
    const TVec3 ds{d.X / s.Size.X, d.Y / s.Size.Y, d.Z / s.Size.Z};
    const double a = Dot(ds, ds);
    const double b = Dot(os, ds);
    const double c = Dot(os, os) - 1;
    const double disc = b * b - a * c;
    if (disc < 0) return false;
    const double t = (-b - std::sqrt(disc)) / a;
    const TVec3 q = o + d * t;
    const TVec3 n{q.X / (s.Size.X * s.Size.X), q.Y / (s.Size.Y * s.Size.Y),
                  q.Z / (s.Size.Z * s.Size.Z)};
    hit.Depth = kNear - t;
    hit.Normal = Normalized(p.ToLocal.Transposed().Apply(n));
    return true;
  }

  // Box: the slabs of its three axes.
  const double oc[3] = {o.X, o.Y, o.Z};
  const double dc[3] = {d.X, d.Y, d.Z};
  const double hc[3] = {s.Size.X, s.Size.Y, s.Size.Z};
  double tNear = -1e30;
  double tFar = 1e30;
  int axis = 0;
  for (int i = 0; i < 3; ++i) {
    if (std::abs(dc[i]) < 1e-12) {
      if (std::abs(oc[i]) > hc[i]) return false;
      continue;
    }
    double t1 = (-hc[i] - oc[i]) / dc[i];
    double t2 = (hc[i] - oc[i]) / dc[i];
    if (t1 > t2) std::swap(t1, t2);
    if (t1 > tNear) {
      tNear = t1;
      axis = i;
    }
    tFar = std::min(tFar, t2);
  }
  if (tNear > tFar) return false;
  TVec3 n;
  (axis == 0 ? n.X : axis == 1 ? n.Y : n.Z) = dc[axis] > 0 ? -1 : 1;
  hit.Depth = kNear - tNear;
  hit.Normal = p.ToLocal.Transposed().Apply(n);
  return true;
}

bool TFigureScene::Holds(const TPlaced& p, TVec3 point) const {
  const TSolid& s = Solids()[p.Index];
  if (s.Shape == TShape::Cone) {
    // Signed distance to the capsule with two radii; inside where it is not positive.
    const TVec3 ba = p.End - p.Centre;
    const double l2 = Dot(ba, ba);
    const double rr = s.R1 - s.R2;
    const double a2 = l2 - rr * rr;
    const double il2 = 1 / l2;
    const TVec3 pa = point - p.Centre;
    const double y = Dot(pa, ba);
    const double z = y - l2;
    const TVec3 side = pa * l2 - ba * y;
    const double x2 = Dot(side, side);
    const double y2 = y * y * l2;
    const double z2 = z * z * l2;
    const double k = (rr > 0 ? 1 : rr < 0 ? -1 : 0) * rr * rr * x2;
    double distance;
    if ((z > 0 ? 1 : z < 0 ? -1 : 0) * a2 * z2 > k) {
      distance = std::sqrt(x2 + z2) * il2 - s.R2;
    } else if ((y > 0 ? 1 : y < 0 ? -1 : 0) * a2 * y2 < k) {
      distance = std::sqrt(x2 + y2) * il2 - s.R1;
    } else {
      distance = (std::sqrt(x2 * a2 * il2) + y * rr) * il2 - s.R1;
    }
    return distance <= 0;
  }
  const TVec3 q = p.ToLocal.Apply(point - p.Centre);
  if (s.Shape == TShape::Ellipsoid) {
    const TVec3 u{q.X / s.Size.X, q.Y / s.Size.Y, q.Z / s.Size.Z};
    return Dot(u, u) <= 1;
  }
  return std::abs(q.X) <= s.Size.X && std::abs(q.Y) <= s.Size.Y && std::abs(q.Z) <= s.Size.Z;
}

TTrace TFigureScene::Trace(double x, double y) const {
  TTrace trace;
  if (y < 0 || y >= kFrameHeight) return trace;
  const std::vector<int>& band = FBands[static_cast<int>(y) / kBandHeight];
  const std::vector<TSolid>& solids = Solids();
  for (int i : band) {
    const TPlaced& p = FPlaced[i];
    if (x < p.MinX || x > p.MaxX || y < p.MinY || y > p.MaxY) continue;
    const TLayer layer = solids[p.Index].Layer;
    if (layer == TLayer::Zone) continue;
    TSurfaceHit hit;
    if (!Enter(p, x, y, hit)) continue;
    hit.Solid = p.Index;
    TSurfaceHit& nearest = layer == TLayer::Skin ? trace.Skin : trace.Inner;
    if (nearest.Solid < 0 || hit.Depth > nearest.Depth) nearest = hit;
  }
  if (trace.Inner.Solid >= 0 && solids[trace.Inner.Solid].Layer == TLayer::Organ) {
    trace.Region = solids[trace.Inner.Solid].Region;
  } else if (trace.Skin.Solid >= 0) {
    trace.Region = solids[trace.Skin.Solid].Region;
    const TVec3 point{x - kFrameWidth / 2, y, trace.Skin.Depth};
    for (int i : band) {
      const TPlaced& p = FPlaced[i];
      if (solids[p.Index].Layer == TLayer::Zone && Holds(p, point)) {
        trace.Region = solids[p.Index].Region;
        break;
      }
    }
  }
  return trace;
}

}  // namespace halvena::figures
