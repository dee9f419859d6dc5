// Names and sizes of the figure pictures in the program folder: for each gender and screen-size
// class a folder I/B/<g><class>/ holding the views <g><class>_00 ... _15, BMP files without an
// extension, each the size of the body figure's control in that class. Plain functions.
#pragma once

#include <QSize>
#include <QString>

#include "assets/figures/BodyModel.h"

namespace halvena::figures {

constexpr int kScreenClassCount = 3;

// The skin-name suffix of a screen-size class: "6x4", "8x6", "10x7".
const char* ClassSuffix(int screenClass);

// The size of the figure's control in a class: the 640 x 480 design zoomed edge by edge, halves
// rounded away from zero.
QSize FigureSize(int screenClass);

// The picture of one view, under the program folder `folder`.
QString FigurePath(const QString& folder, TGender gender, int screenClass, int view);

// The anatomy query file of a gender, D/qf.dat or D/qm.dat, under `folder`.
QString QueryFilePath(const QString& folder, TGender gender);

}  // namespace halvena::figures
