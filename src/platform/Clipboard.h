// The clipboard as the program writes it: plain text only. User-interface thread only.
#pragma once

#include <string_view>

namespace halvena {

// Replaces the clipboard's contents by the Windows-1252 text `text`, converted for the desktop.
// Does nothing without a GUI application.
void SetClipboardText(std::string_view text);

}  // namespace halvena
