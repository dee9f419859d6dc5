// The skins of the main window, one set per screen-size class: the window background "bk", the
// pop-up panel backgrounds "lpbk" and "rpbk", and the tab-button glyphs "bil", "bol", "bir",
// "bor". Plain functions; each call draws afresh. Each picture can be drawn `ratio` times as fine
// for screens of that pixel density: the picture then has `ratio` times the pixels each way and
// that device pixel ratio, with the same drawing in it.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "assets/SkinLayout.h"

namespace halvena::assets {

// The whole window at the class's window size: a title strip, the contents and search well on
// the left and the entry well on the right, framed around the components' places. The insides
// of the wells are dark and even, so that the light text of the lists reads on them.
QImage WindowSkin(const TScreenClass& screenClass, int ratio = 1);

// A pop-up panel background at the zoomed size of `GoToPnl` ("lpbk", `left`) or `SeeAlsoPnl`
// ("rpbk"), in the panel colour, drawn inside the panel's rounded shape.
QImage PanelSkin(const TScreenClass& screenClass, bool left, int ratio = 1);

// A tab-button glyph at the full tab size of the class. The bar is even along its length and the
// window shapes of the buttons give it its ends, so it looks whole when cut by the collapsed or
// the expanded shape. The up glyph is a light bar (a collapsed tab); the down glyph is a dark
// bar (an expanded tab) on which the light caption reads, with a lit jewel in the knob.
QImage TabGlyph(const TScreenClass& screenClass, TTabGroup group, bool down, int ratio = 1);

// A skin file: its path in the program folder (I/B/, stem and class suffix) and its picture.
struct TSkinFile {
  QString Name;
  QImage Picture;
};

// Every skin of every class, 7 stems x 3 classes, once as they are and once at the larger ratio
// under the larger set's names.
std::vector<TSkinFile> SkinFiles();

}  // namespace halvena::assets
