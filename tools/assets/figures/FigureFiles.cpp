#include "assets/figures/FigureFiles.h"

#include <cstdlib>

namespace halvena::figures {
namespace {

// The zoom of each class as a fraction of the 640 x 480 design.
struct TZoom {
  int Numerator;
  int Denominator;
};
constexpr TZoom kZooms[kScreenClassCount] = {{1, 1}, {600, 480}, {768, 480}};

// The figure's control on the 640 x 480 design: left, top, width, height.
constexpr int kDesignLeft = 137, kDesignTop = 98, kDesignWidth = 74, kDesignHeight = 215;

// a * m / d rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int m, int d) {
  const long long p = static_cast<long long>(a) * m;
  const long long q = (std::llabs(p) * 2 + d) / (2LL * d);
  return static_cast<int>(p < 0 ? -q : q);
}

}  // namespace

const char* ClassSuffix(int screenClass) {
  static const char* const kSuffixes[kScreenClassCount] = {"6x4", "8x6", "10x7"};
  return kSuffixes[screenClass];
}

QSize FigureSize(int screenClass) {
  const TZoom z = kZooms[screenClass];
  const int left = MulDiv(kDesignLeft, z.Numerator, z.Denominator);
  const int right = MulDiv(kDesignLeft + kDesignWidth, z.Numerator, z.Denominator);
  const int top = MulDiv(kDesignTop, z.Numerator, z.Denominator);
  const int bottom = MulDiv(kDesignTop + kDesignHeight, z.Numerator, z.Denominator);
  return {right - left, bottom - top};
}

QString FigurePath(const QString& folder, TGender gender, int screenClass, int view) {
  const QString stem = QString(gender == TGender::Female ? "f" : "m") + ClassSuffix(screenClass);
  return QStringLiteral("%1/I/B/%2/%2_%3").arg(folder, stem).arg(view, 2, 10, QLatin1Char('0'));
}

QString QueryFilePath(const QString& folder, TGender gender) {
  return folder + (gender == TGender::Female ? "/D/qf.dat" : "/D/qm.dat");
}

}  // namespace halvena::figures
