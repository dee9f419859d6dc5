#include "Application.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTimer>

#include "Resources.h"

namespace halvena {
namespace {

TEST(Application, CursorSlotsHoldTheHandsAfterLoading) {
  EXPECT_EQ(GlobalCursor(-7).shape(), Qt::ArrowCursor);  // an empty slot
  LoadProgramCursors();
  EXPECT_EQ(GlobalCursor(crHand).hotSpot(), CursorResource("HandCursor")->hotSpot());
  EXPECT_EQ(GlobalCursor(crFlatHand).hotSpot(), CursorResource("HandNoFingersCursor")->hotSpot());
  SetGlobalCursor(crHand, QCursor(Qt::CrossCursor));
  EXPECT_EQ(GlobalCursor(crHand).shape(), Qt::CrossCursor);
}

TEST(Application, HourglassIsShownOnceAndRemoved) {
  SetHourglass(true);
  SetHourglass(true);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  SetHourglass(false);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  SetHourglass(false);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(Application, ProcessMessagesRunsPendingEvents) {
  bool ran = false;
  QTimer::singleShot(0, [&ran] { ran = true; });
  ProcessMessages();
  EXPECT_TRUE(ran);
}

}  // namespace
}  // namespace halvena
