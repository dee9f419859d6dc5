// The pictures of the message dialog's buttons, "I/butup.bmp", "I/butdown.bmp" and
// "I/butdisabled.bmp": 104 x 26, drawn on the dialog colour RGB 101, 141, 115 so that their
// corners melt into it, dark enough for the light caption. Plain functions.
#pragma once

#include <QImage>

namespace halvena::assets {

enum class TDialogButtonLook { Up, Down, Disabled };

// The up look stands on a soft shadow to its lower right; the down look has none and is
// darker from the top, and the button paints it moved onto the shadow's place; the disabled
// look is flat and pale. At `ratio` above 1 the same drawing has `ratio` times the pixels each
// way and that device pixel ratio.
QImage DialogButton(TDialogButtonLook look, int ratio = 1);

}  // namespace halvena::assets
