// Small vector and rotation helpers for the body model: a point or direction in space and a
// 3 x 3 rotation. Plain values; safe to use from any thread.
#pragma once

#include <cmath>

namespace halvena::figures {

struct TVec3 {
  double X = 0;
  double Y = 0;
  double Z = 0;
};

inline TVec3 operator+(TVec3 a, TVec3 b) {
  return {a.X + b.X, a.Y + b.Y, a.Z + b.Z};
}
inline TVec3 operator-(TVec3 a, TVec3 b) {
  return {a.X - b.X, a.Y - b.Y, a.Z - b.Z};
}
inline TVec3 operator*(TVec3 a, double s) {
  return {a.X * s, a.Y * s, a.Z * s};
}
inline double Dot(TVec3 a, TVec3 b) {
  return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}
inline TVec3 Normalized(TVec3 a) {
  const double length = std::sqrt(Dot(a, a));
  return length > 0 ? a * (1 / length) : TVec3{0, 0, 1};
}

// A rotation as its three rows. Apply() maps a vector; Transposed() is the inverse rotation.
struct TMat3 {
  TVec3 R0{1, 0, 0};
  TVec3 R1{0, 1, 0};
  TVec3 R2{0, 0, 1};

  TVec3 Apply(TVec3 v) const { return {Dot(R0, v), Dot(R1, v), Dot(R2, v)}; }
  TMat3 Transposed() const { return {{R0.X, R1.X, R2.X}, {R0.Y, R1.Y, R2.Y}, {R0.Z, R1.Z, R2.Z}}; }
  TMat3 operator*(const TMat3& b) const {
    const TMat3 bt = b.Transposed();
    return {{Dot(R0, bt.R0), Dot(R0, bt.R1), Dot(R0, bt.R2)},
            {Dot(R1, bt.R0), Dot(R1, bt.R1), Dot(R1, bt.R2)},
            {Dot(R2, bt.R0), Dot(R2, bt.R1), Dot(R2, bt.R2)}};
  }
};

// Rotation by `degrees` about the vertical (y) axis, turning +z (towards the viewer) towards -x
// (the viewer's left) for positive angles.
inline TMat3 TurnAboutVertical(double degrees) {
  const double a = degrees * M_PI / 180;
  const double c = std::cos(a);
  const double s = std::sin(a);
  return {{c, 0, -s}, {0, 1, 0}, {s, 0, c}};
}

// The rotation that turns a solid's own axes into the model's: first about x, then y, then z,
// angles in degrees (z turns within the picture plane, clockwise on screen since y points down).
inline TMat3 RotationXYZ(TVec3 degrees) {
  const double ax = degrees.X * M_PI / 180;
  const double ay = degrees.Y * M_PI / 180;
  const double az = degrees.Z * M_PI / 180;
  const TMat3 rx{{1, 0, 0}, {0, std::cos(ax), -std::sin(ax)}, {0, std::sin(ax), std::cos(ax)}};
  const TMat3 ry{{std::cos(ay), 0, std::sin(ay)}, {0, 1, 0}, {-std::sin(ay), 0, std::cos(ay)}};
  const TMat3 rz{{std::cos(az), -std::sin(az), 0}, {std::sin(az), std::cos(az), 0}, {0, 0, 1}};
  return rz * ry * rx;
}

}  // namespace halvena::figures
