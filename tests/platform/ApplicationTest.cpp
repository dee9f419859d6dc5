#include "platform/Application.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "platform/Resources.h"

namespace halvena {
namespace {

TEST(Application, CursorSlotsHoldTheHandsAfterLoading) {
  EXPECT_EQ(GlobalCursor(crHand).shape(), Qt::ArrowCursor);  // empty until loaded
  LoadProgramCursors();
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
