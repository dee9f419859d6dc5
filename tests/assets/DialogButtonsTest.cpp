#include "assets/DialogButtons.h"

#include <gtest/gtest.h>

#include "Contrast.h"

namespace halvena::assets {
namespace {

// The dialog button draws the picture at its top left (moved by 2, 1 while pressed) and its
// light caption "Ok" or "Cancel" at (10, 4), both moving together.
TEST(DialogButtons, CaptionReadsAndCornersMeltIntoTheDialog) {
  const QRgb dialog = qRgb(101, 141, 115);
  for (const TDialogButtonLook look :
       {TDialogButtonLook::Up, TDialogButtonLook::Down, TDialogButtonLook::Disabled}) {
    const QImage button = DialogButton(look);
    ASSERT_EQ(button.size(), QSize(104, 26));
    EXPECT_EQ(button.pixel(0, 25), dialog);
    EXPECT_EQ(button.pixel(103, 0), dialog);
    if (look != TDialogButtonLook::Disabled) {
      EXPECT_GE(test::LowestContrast(button, QRect(10, 5, 60, 12), qRgb(224, 235, 228)), 4.5)
          << static_cast<int>(look);
    }
  }
}

}  // namespace
}  // namespace halvena::assets
