#include "controls/Picture.h"

namespace halvena {

int TPicture::Width() const {
  return qRound(FImage.deviceIndependentSize().width());
}

int TPicture::Height() const {
  return qRound(FImage.deviceIndependentSize().height());
}

void TPicture::SetBitmap(const QImage& image) {
  FKind = TGraphicKind::Bitmap;
  FImage = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
  Changed();
}

void TPicture::SetIcon(const QImage& image) {
  FKind = TGraphicKind::Icon;
  FImage = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  Changed();
}

void TPicture::Clear() {
  FKind = TGraphicKind::None;
  FImage = QImage();
  Changed();
}

void TPicture::Assign(const TPicture& other) {
  if (&other == this) return;
  FKind = other.FKind;
  FImage = other.FImage;
  Changed();
}

void TPicture::Changed() {
  if (OnChange) OnChange();
}

}  // namespace halvena
