// Set-up for every application test: the farewell at the main window's close is cut short, so
// that closing costs no test two seconds; the about window, which outlives the windows that
// show it, is destroyed at the end while the QApplication still exists.
#include <gtest/gtest.h>

#include "app/About.h"

namespace halvena {
namespace {

class TAppEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { SetFarewellMilliseconds(0); }
  void TearDown() override { FreeAboutBox(); }
};

[[maybe_unused]] ::testing::Environment* const kAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new TAppEnvironment);

}  // namespace
}  // namespace halvena
