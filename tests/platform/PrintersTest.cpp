#include "platform/Printers.h"

#include <gtest/gtest.h>

#include <QPrinterInfo>

namespace halvena {
namespace {

TEST(Printers, OverrideWinsAndClearingReturnsToTheSystemList) {
  const bool system = !QPrinterInfo::availablePrinterNames().isEmpty();
  SetPrintersInstalledOverride(!system);
  EXPECT_EQ(PrintersInstalled(), !system);
  ClearPrintersInstalledOverride();
  EXPECT_EQ(PrintersInstalled(), system);
}

}  // namespace
}  // namespace halvena
