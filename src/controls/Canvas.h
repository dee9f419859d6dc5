// TCanvas: the drawing surface of a control or of an off-screen bitmap, with a brush, a pen and
// a font, and the geometry of the Windows drawing interface the controls were designed for:
// rectangles include their left and top edge and exclude their right and bottom edge, lines
// exclude their end point, and text is drawn without background under a clear brush.
// Coordinates count logical pixels: on a device with more device pixels per logical pixel (a
// HiDPI screen, an image with a device pixel ratio) text and shapes are drawn at the device's
// resolution, and so are pictures that are finer copies (see TPicture). User-interface thread
// only.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace halvena {

class TPicture;

// A rectangle by its edges; it covers Left..Right-1 across and Top..Bottom-1 down.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  // The rectangle of `width` × `height` pixels whose top-left corner is (left, top).
  static TRect Box(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
  }
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
  bool operator==(const TRect&) const = default;
};

// Rounds to the nearest integer, halves to the even neighbour.
int RoundEven(double value);

// A logical palette: the colours that a display of 8 bits per pixel or fewer can show while the
// palette is realised.
struct TPalette {
  std::vector<QRgb> Entries;
  // The entry nearest to `colour` (smallest squared distance in red, green and blue).
  QRgb Nearest(QRgb colour) const;
};

enum class TBrushStyle : std::uint8_t { bsSolid, bsClear };
enum class TPenStyle : std::uint8_t { psSolid, psClear };
// How the pen and the brush of outlined shapes and lines combine with what is already there.
enum class TPenMode : std::uint8_t { pmCopy, pmMask, pmMerge, pmNot, pmXor };

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TBrush {
 public:
  TBrush() = default;
  TBrush(const TBrush&) = delete;
  TBrush& operator=(const TBrush&) = delete;

  QColor Color() const { return FColor; }
  void SetColor(const QColor& color);  // default white
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle style);  // default solid
  // Takes colour and style of `other`; OnChange runs once when anything changed.
  void Assign(const TBrush& other);

  std::function<void()> OnChange;

 private:
  void Changed();

  QColor FColor = Qt::white;
  TBrushStyle FStyle = TBrushStyle::bsSolid;
};

class TPen {
 public:
  TPen() = default;
  TPen(const TPen&) = delete;
  TPen& operator=(const TPen&) = delete;

  QColor Color() const { return FColor; }
  void SetColor(const QColor& color);  // default black
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle style);  // default solid
  int Width() const { return FWidth; }
  void SetWidth(int width);  // default 1
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode mode);  // default copy
  // Takes colour, style, width and mode of `other`; OnChange runs once when anything changed.
  void Assign(const TPen& other);

  std::function<void()> OnChange;

 private:
  void Changed();

  QColor FColor = Qt::black;
  TPenStyle FStyle = TPenStyle::psSolid;
  int FWidth = 1;
  TPenMode FMode = TPenMode::pmCopy;
};

// The pixels per inch of every canvas: text sizes in points convert through it.
constexpr int kPixelsPerInch = 96;

class TFont {
 public:
  TFont() = default;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  QString Name() const { return FName; }
  void SetName(const QString& name);  // default "Arial"
  // Negative: the character height in pixels; positive: the cell height. Default -11.
  int Height() const { return FHeight; }
  void SetHeight(int height);
  // The size in points at kPixelsPerInch, rounded (8 for a height of -11).
  int Size() const;
  void SetSize(int points);
  unsigned Style() const { return FStyle; }
  void SetStyle(unsigned style);  // a mask of TFontStyle, default none
  QColor Color() const { return FColor; }
  void SetColor(const QColor& color);  // default black
  void Assign(const TFont& other);
  QFont ToQFont() const;

  std::function<void()> OnChange;

 private:
  void Changed();

  QString FName = QStringLiteral("Arial");
  int FHeight = -11;
  unsigned FStyle = 0;
  QColor FColor = Qt::black;
};

// The ternary raster operations of block transfers.
enum class TRop : std::uint32_t {
  BLACKNESS = 0x00000042,
  DSTINVERT = 0x00550009,
  MERGECOPY = 0x00C000CA,
  MERGEPAINT = 0x00BB0226,
  NOTSRCCOPY = 0x00330008,
  NOTSRCERASE = 0x001100A6,
  PATCOPY = 0x00F00021,
  PATINVERT = 0x005A0049,
  PATPAINT = 0x00FB0A09,
  SRCAND = 0x008800C6,
  SRCCOPY = 0x00CC0020,
  SRCERASE = 0x00440328,
  SRCINVERT = 0x00660046,
  SRCPAINT = 0x00EE0086,
  WHITENESS = 0x00FF0062,
};

enum TStretchMode { BLACKONWHITE = 1, COLORONCOLOR = 3 };

// Flags of DrawText.
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_RTLREADING = 0x20000;

class TCanvas {
 public:
  // Draws on `device` (a widget inside its paint event, or an image), which must outlive the
  // canvas; nothing else may paint on it meanwhile. `bitsPerPixel` is the depth of the display
  // the device stands for.
  TCanvas(QPaintDevice* device, int bitsPerPixel);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  TBrush Brush;
  TPen Pen;
  TFont Font;

  int BitsPerPixel() const { return FBitsPerPixel; }
  TStretchMode StretchMode() const { return FStretchMode; }
  void SetStretchMode(TStretchMode mode) { FStretchMode = mode; }  // default BLACKONWHITE

  // Fills with the brush; the pen mode does not apply.
  void FillRect(const TRect& rect);
  // Shapes: outline with the pen, inside with the brush, both combined by the pen mode.
  void Rectangle(const TRect& rect);
  void RoundRect(const TRect& rect, int ellipseWidth, int ellipseHeight);
  void Ellipse(const TRect& rect);
  // The sector of the ellipse in `rect` from the radial through `start` counter-clockwise to
  // the radial through `end`; the whole ellipse when both radials coincide.
  void Pie(const TRect& rect, QPoint start, QPoint end);
  void MoveTo(int x, int y);
  // A line from the pen position to (x, y) without its end point, which becomes the position.
  void LineTo(int x, int y);

  // Text with its top-left corner at (x, y), in the font's colour, over the brush colour when
  // the brush is solid.
  void TextOut(int x, int y, const QString& text);
  // TextOut clipped to `clip`; a solid brush fills the whole of `clip` first.
  void TextRect(const TRect& clip, int x, int y, const QString& text);
  // One line of text placed in `rect` by the DT_ flags, clipped to it.
  void DrawText(const TRect& rect, const QString& text, unsigned flags);
  int TextWidth(const QString& text) const;
  int TextHeight(const QString& text) const;

  // The picture at natural size with its top-left corner at (x, y); nothing when it is empty.
  void Draw(int x, int y, const TPicture& picture);
  // The picture stretched into `rect`; nothing when it is empty.
  void StretchDraw(const TRect& rect, const TPicture& picture);
  // Copies `source` (from `sourceOrigin`, the size of `dest`) into `dest` by `rop`.
  void BitBlt(const TRect& dest, const QImage& source, QPoint sourceOrigin, TRop rop);
  // Stretches `sourceRect` of `source` into `dest` by `rop`.
  void StretchBlt(const TRect& dest, const QImage& source, const QRect& sourceRect, TRop rop);

  void SetClipRegion(const QRegion& region);
  void ClearClipRegion();

  // Selects a palette (not owned; it must outlive its selection) and answers the one selected
  // before. While a palette is realised on a canvas of 8 bits per pixel or fewer, every colour
  // and every picture drawn is mapped to the nearest colour of the palette.
  const TPalette* SelectPalette(const TPalette* palette);
  void RealizePalette();
  const TPalette* SelectedPalette() const { return FSelectedPalette; }

  // The party that shows this canvas on the screen (a control) is told that `rect` was drawn
  // and should be shown now; drawing in steps (the transition effect) calls it after each step.
  void Present(const QRect& rect);
  std::function<void(const QRect&)> OnPresent;

 private:
  // `image` stretched to `width` x `height` logical pixels at its own device pixel ratio.
  static QImage ScaledToLogical(const QImage& image, int width, int height);
  // Device pixels per logical pixel of the device being drawn on.
  qreal DeviceRatio() const;
  QColor DeviceColor(const QColor& colour) const;
  QImage DeviceImage(const QImage& image) const;
  void ApplyPenMode();
  void SetUpShape();
  void CombineImage(const QRect& dest, const QImage& source, TRop rop);

  QPainter FPainter;
  int FBitsPerPixel;
  TStretchMode FStretchMode = BLACKONWHITE;
  QPoint FPenPos;
  const TPalette* FSelectedPalette = nullptr;
  const TPalette* FRealizedPalette = nullptr;
};

}  // namespace halvena
