// TAboutBox: the small borderless window with the credits picture and two invisible buttons
// over the publisher's and the maker's logo that open their web sites. There is at most one;
// closing it only hides it, and the program entry destroys it at the end. It also stands on the
// screen for a moment as the farewell while the program closes. User-interface thread only.
#pragma once

#include <QWidget>

#include "app/FormControls.h"
#include "controls/BaseBtn.h"
#include "controls/ProImg.h"

namespace halvena {

class TAboutBox;

// True from the about window's construction to its destruction.
extern bool AboutBoxExists;
// The about window, or null before the first ShowAboutBox and after FreeAboutBox.
extern TAboutBox* AboutBox;

class TAboutBox : public QWidget {
 public:
  // An always-on-top window of 329 x 329 centred on the screen: a black frame of 2 pixels round
  // the picture. On a display of fewer than 24 bits per pixel the picture is the bitmap resource
  // "About256" (exactly 8) or "About"; otherwise the true-colour designed picture. Sets
  // AboutBoxExists.
  TAboutBox();
  // Clears AboutBoxExists (and AboutBox when it is this window).
  ~TAboutBox() override;
  TAboutBox(const TAboutBox&) = delete;
  TAboutBox& operator=(const TAboutBox&) = delete;

  // Open the publisher's (maker's) web site in the browser, close the window and minimise the
  // program.
  void ZentaSBtnClick(TGraphicControl* Sender);
  void TarnixSBtnClick(TGraphicControl* Sender);

  TPanel* BkPanel;
  TProportionalImage* AboutBoxImage;
  TBaseBtn* ZentaSBtn;
  TBaseBtn* TarnixSBtn;

 protected:
  // Losing the activation to another window closes the window, once the window system has
  // answered the activation requests still under way.
  void changeEvent(QEvent* event) override;
  // Enter or Escape released without a modifier closes the window.
  void keyReleaseEvent(QKeyEvent* event) override;
};

// Shows the about window, not modally: the existing one again, brought to the front, or a new
// one.
void ShowAboutBox();
// Destroys the about window when there is one.
void FreeAboutBox();

// How long the farewell stays on the screen, in milliseconds; 2000 unless tests shorten it.
int FarewellMilliseconds();
void SetFarewellMilliseconds(int milliseconds);
// The farewell at program end: shows the about window, lets pending messages run for
// FarewellMilliseconds (less when the window is closed earlier), then closes it.
void ShowFarewell();

}  // namespace halvena
