#include "platform/Printers.h"

#include <QPrinterInfo>
#include <optional>

namespace halvena {
namespace {

std::optional<bool>& Override() {
  static std::optional<bool> installed;
  return installed;
}

}  // namespace

bool PrintersInstalled() {
  if (Override()) return *Override();
  return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void SetPrintersInstalledOverride(bool installed) {
  Override() = installed;
}

void ClearPrintersInstalledOverride() {
  Override().reset();
}

}  // namespace halvena
