// Drawing helpers shared by the skins and the pictures: the colour family of the window, a
// fine grain texture, soft inset wells and raised rims. Plain functions on a QPainter.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace halvena::assets {

// The window's greens, from light to dark, and the text colour drawn on the dark ones.
namespace colors {
inline const QColor kMist(214, 231, 221);
inline const QColor kPale(176, 206, 189);
inline const QColor kWindow(140, 177, 156);
inline const QColor kSage(101, 141, 115);
inline const QColor kDeep(62, 96, 78);
inline const QColor kNight(38, 62, 49);
inline const QColor kText(224, 235, 228);
inline const QColor kPanel(107, 113, 161);
}  // namespace colors

// `color` mixed with `other`; `amount` 0 keeps `color`, 1 gives `other`.
QColor Mix(const QColor& color, const QColor& other, double amount);

// Overlays `area` with a fine, even grain of light and dark specks. `strength` is the largest
// change of a channel (0 to 255); the grain is the same on every run.
void Grain(QPainter& painter, const QPainterPath& area, int strength);

// A sunken well: `area` filled with the vertical gradient `top` to `bottom`, darkened along
// its upper inside edge as if lit from above, and with a light line along its lower edge.
// `scale` is the zoom of the design (line widths and shadow depth grow with it).
void Well(QPainter& painter, const QPainterPath& area, const QColor& top, const QColor& bottom,
          double scale);

// A raised rim of width `width` around `inner` (a rounded rectangle of corner radius
// `radius`): light above, dark below, outlined in a dark line.
void Rim(QPainter& painter, const QRectF& inner, double radius, double width, double scale);

// A rounded rectangle path.
QPainterPath RoundedRect(const QRectF& rect, double radius);

}  // namespace halvena::assets
