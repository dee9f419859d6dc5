// TIntroForm: the small window that stands on the screen while the program starts, with its
// picture, the line "Een ogenblik geduld, bezig met laden..." and a gauge that follows the
// loading of the dictionary. User-interface thread only.
#pragma once

#include <QLabel>
#include <QWidget>

#include "app/FormControls.h"
#include "controls/Bk.h"
#include "controls/Gauges.h"

namespace halvena {

class TIntroForm;

// True exactly while an intro window exists.
extern bool IntroActive;
// The intro window, or null. Owned through this reference: whoever deletes the window clears
// it.
extern TIntroForm* IntroForm;

class TIntroForm : public QWidget {
 public:
  // A borderless, always-on-top window of 282 × 282 centred on the screen. On a display of
  // fewer than 24 bits per pixel its picture is the bitmap resource "Intro256" (exactly 8) or
  // "Intro"; otherwise the true-colour picture "IntroFormImg". Sets IntroActive.
  TIntroForm();
  // Clears IntroActive.
  ~TIntroForm() override;

  TPanel* BackgroundPnl;
  TBkControl* IntroFormImg;
  QLabel* Text;
  TGauge* Gauge;
};

// Shows the intro window: brings an existing one to the front, or creates it (in IntroForm),
// lets pending messages run and shows it.
void ShowIntro();

}  // namespace halvena
