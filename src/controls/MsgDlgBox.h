// TMessageDlgBox: the program's own two-button question box, a borderless modal window built
// from the skinned controls (a framed background, a wrapped text and two TBaseBtn buttons whose
// captions the caller chooses). Only one exists at a time. User-interface thread only.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QString>

#include "controls/BaseBtn.h"
#include "controls/Bk.h"

namespace halvena {

class TPMultiImage;

// True from the end of a dialog's construction until its destruction.
extern bool MessageDlgBoxShown;

class TMessageDlgBox : public QDialog {
 public:
  // A 400 x 150 window, centred on the screen and on top of the others, with the captions "Ok"
  // and "Cancel". The button glyphs come from the files "I\butup.bmp", "I\butdown.bmp" and
  // "I\butdisabled.bmp" of the program folder, loaded through `loader` (the caller's image
  // loader, used during the construction only), or else from the resources "ButUp", ...
  // ("ButUp256", ... on an 8-bit display); a glyph found nowhere stays empty. Sets
  // MessageDlgBoxShown.
  explicit TMessageDlgBox(TPMultiImage& loader);
  // Clears MessageDlgBoxShown.
  ~TMessageDlgBox() override;
  TMessageDlgBox(const TMessageDlgBox&) = delete;
  TMessageDlgBox& operator=(const TMessageDlgBox&) = delete;

  TBkControl* Background;
  TBaseBtn* OkBtn;      // ends the dialog with result 1
  TBaseBtn* CancelBtn;  // ends the dialog with result 2
  QLabel* MsgLbl;

 protected:
  // The dialog has no keyboard handling: Escape does not close it.
  void keyPressEvent(QKeyEvent* event) override;
};

// Shows `text` with the two button captions modally and answers true exactly when the first
// button was chosen; closing the window otherwise answers false. While a dialog is up, that
// one is brought to the front and the answer is false at once. `loader` as for the
// constructor.
bool ShowMessageDlgBox(TPMultiImage& loader, const QString& text, const QString& okCaption,
                       const QString& cancelCaption);

}  // namespace halvena
