// The six picture formats the image loader reads, how a file name selects one and how the
// content is probed when it does not. Plain functions without state; safe from any thread.
#pragma once

#include <QByteArray>
#include <QString>

namespace halvena {

enum class TImageFormat { None, Bmp, Gif, Jpeg, Pcx, Png, Tif };

// The format's name as the probe reports it: "BMP", "GIF", "JPEG", "PCX", "PNG", "TIF"; empty
// for None.
QString FormatName(TImageFormat format);

// The lower-case short name of the format in the loader's failure texts ("bmp", "gif", "jpg",
// "pcx", "png", "tif"); empty for None.
QString FormatShortName(TImageFormat format);

// The format that the upper-cased extension of `fileName` selects (".BMP", ".GIF", ".JPG",
// ".PCX", ".PNG", ".TIF"); None for any other extension or none at all.
TImageFormat FormatFromFileName(const QString& fileName);

// The format whose signature `content` starts with; None when it matches none.
TImageFormat ProbeImageFormat(const QByteArray& content);

}  // namespace halvena
