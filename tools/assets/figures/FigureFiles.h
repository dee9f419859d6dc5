// Names and sizes of the figure pictures and anatomy query files in the program folder, as the
// design's layout names them: the views <g><class>_00 ... _15 of each gender and screen-size
// class, BMP files without an extension, each the size of the body figure's control in that
// class. Plain functions.
#pragma once

#include <QSize>
#include <QString>

#include "assets/figures/BodyModel.h"
#include "layout/Files.h"
#include "layout/ScreenClass.h"

namespace halvena::figures {

using layout::kHiDpiRatio;
using layout::kScreenClassCount;

// The size of the figure's control in a class: its design place zoomed edge by edge.
QSize FigureSize(int screenClass);

// The picture of one view, under the program folder `folder`; at `ratio` above 1 the name of
// its picture drawn that many times as fine.
QString FigurePath(const QString& folder, TGender gender, int screenClass, int view, int ratio = 1);

// The anatomy query file of a gender under `folder`.
QString QueryFilePath(const QString& folder, TGender gender);

}  // namespace halvena::figures
