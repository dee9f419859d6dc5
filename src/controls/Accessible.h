// What assistive technology sees of the skinned controls, which paint themselves by hand and so
// show a screen reader nothing on their own. A TBaseBtn is a push button named by its caption,
// or by its hint when it has none, pressed while it shows down, and pressed through its click;
// a GCustomTextControl is a list whose rows are list items named by the text they show, the
// selected row selected; a TProportionalImage is a graphic named by its accessible name and
// description. User-interface thread only.
#pragma once

namespace halvena {

// Lets Qt's accessibility ask for the skinned controls' interfaces from here on. Call it once
// the QApplication exists; later calls do nothing.
void InstallAccessibleControls();

}  // namespace halvena
