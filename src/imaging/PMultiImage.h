// TPMultiImage: the image loader. Setting ImageName to a file's full path decodes the file at
// once into Picture, reduced to the palette for 16- and 256-colour displays; a probe or decode
// failure is reported through two message boxes. User-interface thread only.
//
// Callers keep one order: check that the file exists, set ImageName, copy Picture, set
// ImageName to empty.
#pragma once

#include <QImage>
#include <QRgb>
#include <QString>
#include <QVector>

#include "imaging/ImageMessages.h"

namespace halvena {

// The depth of the decoded picture.
enum TImageReadRes {
  lColor16,   // at most 16 colours of the palette, as an 8-bit indexed image
  lColor256,  // at most 256 colours of the palette, as an 8-bit indexed image
  lColorTrue  // 32-bit colour
};

// The depth that suits a display of `bitsPerPixel`: below 8 lColor16, 8 to 15 lColor256, else
// lColorTrue.
TImageReadRes ReadResForDepth(int bitsPerPixel);

class TPMultiImage {
 public:
  TPMultiImage() = default;
  TPMultiImage(const TPMultiImage&) = delete;
  TPMultiImage& operator=(const TPMultiImage&) = delete;

  TImageReadRes ImageReadRes() const { return FImageReadRes; }
  // Default lColorTrue; applies to the next load.
  void SetImageReadRes(TImageReadRes res) { FImageReadRes = res; }
  bool ImageDither() const { return FImageDither; }
  // Default false; dithering applies to lColor16 and lColor256 only, from the next load.
  void SetImageDither(bool dither) { FImageDither = dither; }

  // The palette pictures are decoded against for lColor16 (its first 16 colours) and lColor256
  // (its first 256). Without one (the default), every picture stays true colour.
  void SetPalette(const QVector<QRgb>& palette) { FPalette = palette; }
  const QVector<QRgb>& Palette() const { return FPalette; }

  // Where failures are reported; not owned, must outlive this loader; null restores the real
  // message boxes.
  void SetMessages(TImageMessages* messages);
  TImageMessages* Messages() const { return FMessages; }

  const QString& ImageName() const { return FImageName; }
  // A full path loads the file now; an empty name empties Picture.
  void SetImageName(const QString& name);

  // The last picture loaded: null when none was or the load failed; after a picture ended
  // early, the part that was decoded. Indexed pictures carry the palette as colour table.
  const QImage& Picture() const { return FPicture; }

 private:
  void Load();
  QImage Reduce(const QImage& image) const;

  TImageReadRes FImageReadRes = lColorTrue;
  bool FImageDither = false;
  QVector<QRgb> FPalette;
  TMessageBoxes FMessageBoxes;
  TImageMessages* FMessages = &FMessageBoxes;
  QString FImageName;
  QImage FPicture;
};

}  // namespace halvena
