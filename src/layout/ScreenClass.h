// The screen-size classes of the main window and the arithmetic of zooming its design to a
// class: which class a screen gets, how edges, font sizes and list row heights grow. This is the
// one MulDiv of the program and its generators. Plain functions; safe from any thread.
#pragma once

#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>

namespace halvena::layout {

// The number of screen-size classes: 0, 1 and 2.
constexpr int kScreenClassCount = 3;

// a × b ÷ c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);

// The class a screen gets and the zoom M/D of the design to it (1/1 for class 0).
struct TScreenChoice {
  std::uint8_t ScreenClass = 0;
  int M = 1;
  int D = 1;
  bool operator==(const TScreenChoice&) const = default;
};

// The class for a screen of `width` × `height` pixels, or none when the screen is too small
// for the design (the program then ends with exit code 1). The screen is judged by the side
// it fills less: by its height when width/640 >= height/480, else by its width.
std::optional<TScreenChoice> ChooseScreenClass(int width, int height);

// The window size of a class: 640 × 480, 800 × 600 or 1024 × 768.
QSize WindowSizeOf(std::uint8_t screenClass);

// The zoom of the design in a class as the window gets it when the class is chosen by the
// screen's height (1/1, 600/480, 768/480); chosen by width the factor is the same.
TScreenChoice DesignZoom(std::uint8_t screenClass);

// A control's bounds zoomed by M/D: each edge multiplied with MulDiv, so the size is the
// difference of the rounded edges.
QRect ZoomBounds(const QRect& bounds, int m, int d);

// A font's character height in pixels (negative, as designed) zoomed by M/D: the size in
// points at 96 pixels per inch is zoomed with MulDiv and turned back into a height.
int ZoomFontHeight(int height, int m, int d);

// A list's row height in a class: multiplied by 1, 1.25 or 1.6 and rounded, halves to even.
int ZoomRowHeight(int height, std::uint8_t screenClass);

}  // namespace halvena::layout
