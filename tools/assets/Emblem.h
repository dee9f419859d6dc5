// The marks drawn into the program's pictures: Halvena's emblem (an open book under a cross on a
// green disc), the logo of the publisher Uitgeverij Zenta and the logo of the maker Tarnix
// Software. Plain functions on a QPainter.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>

namespace halvena::assets {

// The emblem inside the square `box`. Below 24 pixels only the cross on the disc is drawn, so
// that the mark stays clear at icon sizes.
void DrawEmblem(QPainter& painter, const QRectF& box);

// The publisher's logo filling `box` (designed for 78 x 95): a mark with a "Z" of two pages
// above the name "ZENTA" and the word "uitgeverij".
void DrawZentaLogo(QPainter& painter, const QRectF& box);

// The maker's logo filling `box` (designed for 130 x 40): a hexagon mark beside the name
// "TARNIX" and the word "software".
void DrawTarnixLogo(QPainter& painter, const QRectF& box);

// Liberation Sans, metrically Arial, at `pixels` pixels.
QFont SansFont(double pixels, bool bold = false, bool italic = false);

}  // namespace halvena::assets
