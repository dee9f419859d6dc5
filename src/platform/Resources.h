// The bitmaps and cursors compiled into the program (Qt resource system), reached by the
// resource names the program uses. User-interface thread only.
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>
#include <optional>

namespace halvena {

// The bytes of a bitmap resource as a Windows resource holds them: a device-independent
// bitmap (an information header of 12 or 40 bytes, the colour table, the pixels), without a
// file header. Empty when there is no such resource. Names: "PAL16", "PAL256", "Intro",
// "Intro256", "About", "About256"; names compare with letter case ignored.
QByteArray BitmapResource(const QString& name);

// A cursor resource ("HandCursor", "HandNoFingersCursor"), or none.
std::optional<QCursor> CursorResource(const QString& name);

// A picture resource as an image: "ScrollUp", "ScrollThumb", "ScrollDown" for the text list's
// scroll bar, "IntroFormImg" (280 x 280) and "AboutBoxImage" (325 x 325), the true-colour
// pictures of the intro and about windows. A null image when there is none.
QImage PictureResource(const QString& name);

// The window icon, at the sizes it was drawn at (16 to 64 pixels).
QIcon WindowIcon();

}  // namespace halvena
