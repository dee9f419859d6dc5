// The main window's keyboard: which command a key press runs, decided from the key, its
// modifiers and what the window shows, and the list of shortcuts that the help button's hint
// shows. The keyword field keeps every key it uses itself. Plain functions; safe from any
// thread.
#pragma once

#include <Qt>
#include <cstdint>
#include <string>

#include "navigation/ListSteps.h"

namespace halvena {

enum class TKeyCommand : std::uint8_t {
  kcNone,         // the key is not the window's: it goes on as usual
  kcListStep,     // a step through the list of the current mode (Step)
  kcHistoryBack,  // the entry before the selected one in the history
  kcSearch,       // search mode with the keyword field focused
  kcCopyEntry,    // the entry on screen to the clipboard, as "Klembord"
  kcPrint,        // the entry on screen to the printer, as "Afdrukken"
  kcClosePopUp,   // closes the open pop-up list
  kcHelp,         // the help button
  kcLetter,       // the letter button of Letter
};

struct TKeyAction {
  TKeyCommand Command = TKeyCommand::kcNone;
  TListStep Step = TListStep::lsDown;  // for kcListStep
  char Letter = '\0';                  // "A" to "Z", for kcLetter
};

// What the decision looks at besides the key.
struct TKeyContext {
  bool FieldFocused = false;       // the keyword field has the keyboard focus
  bool FieldHasSelection = false;  // text is selected in the keyword field
  bool ContentsMode = false;       // the window is in contents mode
  bool PopUpOpen = false;          // the history or the cross-reference list is open
};

// The command of `key` (a Qt::Key) pressed with `modifiers`; the keypad's modifier does not
// count. Up, Down, Page Up and Page Down step through the list; Home and End too, unless the
// keyword field has the focus (it moves its cursor with them). Alt+Left steps back in the
// history, Ctrl+F searches, Ctrl+C copies the entry unless the focused field has a selection
// (the field copies that), Ctrl+P prints, Escape closes an open pop-up list, F1 is help. A
// letter, with or without Shift, opens its letter in contents mode while the field has no
// focus.
TKeyAction KeyActionOf(int key, Qt::KeyboardModifiers modifiers, const TKeyContext& context);

// The shortcuts, one a line: the keys, a colon, and what they do.
std::string ShortcutList();

}  // namespace halvena
