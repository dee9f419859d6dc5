// The two message boxes through which the image loader reports a failure: an error box with the
// decoder's text and an information box naming the format. Tests put a recorder in their place.
// User-interface thread only.
#pragma once

#include <QString>

namespace halvena {

class TImageMessages {
 public:
  virtual ~TImageMessages() = default;
  // An error box with OK.
  virtual void ShowError(const QString& text) = 0;
  // An information box with OK.
  virtual void ShowInformation(const QString& text) = 0;
};

// The real boxes (modal, over the active window). Needs a QApplication.
class TMessageBoxes : public TImageMessages {
 public:
  void ShowError(const QString& text) override;
  void ShowInformation(const QString& text) override;
};

}  // namespace halvena
