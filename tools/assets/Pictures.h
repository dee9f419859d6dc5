// The designed pictures of the program's small windows and its icon: the intro picture shown
// while the program starts, the about picture with the credits and the two logos, and the window
// icon. Plain functions; each call draws afresh, in true colour.
#pragma once

#include <QImage>
#include <QRect>

namespace halvena::assets {

// 280 x 280. The bottom strip is dark, for the white loading text and the gauge that the intro
// window lays over it.
QImage IntroPicture();

// 325 x 325, the credits of "Halvena 2.0 release 3". The about window shows it at (2, 2), so the
// logos lie in it at the places of the buttons over them less two pixels each way.
QImage AboutPicture();
// The places of the publisher's and the maker's logo in the about picture.
inline constexpr QRect kZentaLogo(209, 205, 78, 95);
inline constexpr QRect kTarnixLogo(38, 265, 130, 40);

// The window icon at `size` x `size` pixels, with transparency.
QImage WindowIcon(int size);

}  // namespace halvena::assets
