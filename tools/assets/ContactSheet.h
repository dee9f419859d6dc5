// Contact sheets: the skins put together the way the main window shows them (the background,
// tab buttons collapsed and expanded with captions, lists with sample text, an open pop-up
// panel), and the resource and dialog pictures side by side, so that a person can judge them in
// one look. Plain functions.
#pragma once

#include <QImage>

#include "assets/SkinLayout.h"

namespace halvena::assets {

// The main window of `screenClass` built from its skins, with every tab glyph below it cut by
// both tab shapes.
QImage WindowSheet(const TScreenClass& screenClass);

// The intro and about pictures in true colour and in both 8-bit forms, the window icon at its
// sizes and the three dialog buttons with captions, on the dialog colour.
QImage PictureSheet();

}  // namespace halvena::assets
