#include "platform/Application.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "platform/Resources.h"

namespace halvena {
namespace {

TEST(Application, EmptyCursorSlotIsTheArrow) {
  EXPECT_EQ(GlobalCursor(crFlatHand - 1).shape(), Qt::ArrowCursor);
}

// The table lives as long as the process, so the slots start from another cursor here rather
// than from empty: loading must replace whatever they hold.
TEST(Application, CursorSlotsHoldTheHandsAfterLoading) {
  SetGlobalCursor(crHand, QCursor(Qt::CrossCursor));
  SetGlobalCursor(crFlatHand, QCursor(Qt::CrossCursor));
  LoadProgramCursors();
  EXPECT_EQ(GlobalCursor(crHand).shape(), Qt::BitmapCursor);
  EXPECT_EQ(GlobalCursor(crHand).hotSpot(), CursorResource("HandCursor")->hotSpot());
  EXPECT_EQ(GlobalCursor(crFlatHand).hotSpot(), CursorResource("HandNoFingersCursor")->hotSpot());
  EXPECT_NE(GlobalCursor(crHand).hotSpot(), GlobalCursor(crFlatHand).hotSpot());
}

TEST(Application, HourglassIsShownOnceAndRemoved) {
  SetHourglass(true);
  SetHourglass(true);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  SetHourglass(false);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace halvena
