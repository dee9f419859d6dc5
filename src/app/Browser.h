// Opening a web page in the desktop's browser: the browser registered for HTML documents in
// the registry view, started through the shell's execute operation. User-interface thread only.
#pragma once

#include <string_view>

namespace halvena {

// Opens `address`; true when a browser was started. Nothing is shown when none could be.
bool OpenInBrowser(std::string_view address);

}  // namespace halvena
