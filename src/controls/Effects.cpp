#include "controls/Effects.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace halvena {

namespace {

// The cells and the copies count logical pixels, of which a finer picture has fewer than pixels.
QSize LogicalSize(const QImage& image) {
  return image.deviceIndependentSize().toSize();
}

class TCellCopier {
 public:
  TCellCopier(const QImage& source, TCanvas* dest, int cellSize)
      : FSource(source), FLogical(LogicalSize(source)), FDest(dest), FSize(cellSize) {
    const std::int64_t spanX = static_cast<std::int64_t>(FLogical.width()) + 1;
    const std::int64_t spanY = static_cast<std::int64_t>(FLogical.height()) + 1;
    FCols = static_cast<int>(spanX / FSize + (spanX % FSize != 0 ? 1 : 0));
    FRows = static_cast<int>(spanY / FSize + (spanY % FSize != 0 ? 1 : 0));
  }

  int Cols() const { return FCols; }
  int Rows() const { return FRows; }

  // Cell (c, r), counted from 1; cells outside the grid have nothing to copy.
  void Copy(int c, int r) {
    if (c < 1 || r < 1 || c > FCols || r > FRows) return;
    const int left = (c - 1) * FSize;
    const int top = (r - 1) * FSize;
    const TRect cell{
        left, top,
        static_cast<int>(std::min<std::int64_t>(std::int64_t{c} * FSize, FLogical.width() + 1)),
        static_cast<int>(std::min<std::int64_t>(std::int64_t{r} * FSize, FLogical.height() + 1))};
    FDest->BitBlt(cell, FSource, QPoint(left, top), TRop::SRCCOPY);
    FDest->Present(cell.ToQRect());
  }

  // The two legs of one turn of the square spiral: n steps down then n right when n is even,
  // n steps up then n left when it is odd.
  void Turn(int n, int& c, int& r) {
    const int step = n % 2 == 0 ? 1 : -1;
    for (int i = 0; i < n; ++i) {
      r += step;
      Copy(c, r);
    }
    for (int i = 0; i < n; ++i) {
      c += step;
      Copy(c, r);
    }
  }

 private:
  const QImage& FSource;
  QSize FLogical;
  TCanvas* FDest;
  int FSize;
  int FCols = 0;
  int FRows = 0;
};

}  // namespace

void TransitionEffect(const QImage& source, TCanvas* dest, int cellSize, int speed,
                      EffectStyle style) {
  TCellCopier cells(source, dest, std::max(cellSize, 1));
  const int cols = cells.Cols();
  const int rows = cells.Rows();
  switch (style) {
    case EffectStyle::esRandom: {
      std::minstd_rand random(static_cast<std::minstd_rand::result_type>(
          std::chrono::steady_clock::now().time_since_epoch().count()));
      std::uniform_int_distribution<int> col(1, cols);
      std::uniform_int_distribution<int> row(1, rows);
      const std::int64_t cellCount = std::int64_t{cols} * rows;
      const int step = std::max(speed, 1);
      for (std::int64_t k = 1; k < cellCount; k += step) cells.Copy(col(random), row(random));
      break;
    }
    case EffectStyle::esExplode: {
      int c = RoundEven(cols / 2.0);
      int r = RoundEven(rows / 2.0);
      cells.Copy(c, r);
      for (int n = 1; c > 0 || r > 0; ++n) cells.Turn(n, c, r);
      break;
    }
    case EffectStyle::esImplode: {
      int n, c, r;
      if (cols > rows) {
        n = cols;
        c = 1;
        r = 1 - RoundEven((cols - rows) / 2.0);
      } else {
        n = rows;
        c = 1 - RoundEven((rows - cols) / 2.0);
        r = 1;
      }
      if (n % 2 != 0) ++n;
      for (; n > 0; --n) cells.Turn(n, c, r);
      break;
    }
  }
  const QSize logical = LogicalSize(source);
  const TRect whole = TRect::Box(0, 0, logical.width(), logical.height());
  dest->BitBlt(whole, source, QPoint(0, 0), TRop::SRCCOPY);
  dest->Present(whole.ToQRect());
}

}  // namespace halvena
