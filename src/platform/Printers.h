// The printers of the system as the program sees them, with an override that tests use to
// pretend that printers exist or not. User-interface thread only.
#pragma once

namespace halvena {

// Whether the system has at least one installed printer (CUPS through Qt's printer list), or the
// override when one is set.
bool PrintersInstalled();
void SetPrintersInstalledOverride(bool installed);
void ClearPrintersInstalledOverride();

}  // namespace halvena
