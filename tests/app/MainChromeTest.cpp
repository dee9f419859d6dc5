#include <gtest/gtest.h>

#include <QTest>

#include "AppTesting.h"
#include "app/Main.h"
#include "platform/Application.h"

namespace halvena {
namespace {

using test::SendMouse;

class MainChromeTest : public test::TProgramFolderTest {
 protected:
  void SetUp() override {
    TProgramFolderTest::SetUp();
    SetDisplay(1024, 768, 32);
    FForm = std::make_unique<TMainForm>();
    FForm->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FForm.get()));
  }
  void TearDown() override {
    FForm.reset();
    TProgramFolderTest::TearDown();
  }

  static qint64 CursorKey(const QWidget* widget) { return widget->cursor().pixmap().cacheKey(); }
  static qint64 SlotKey(int slot) { return GlobalCursor(slot).pixmap().cacheKey(); }

  std::unique_ptr<TMainForm> FForm;
};

TEST_F(MainChromeTest, LeftDragByBackgroundOrTitleMovesTheWindowByTheMouse) {
  for (QWidget* sender :
       {static_cast<QWidget*>(FForm->Bk), static_cast<QWidget*>(FForm->CaptionLbl)}) {
    SCOPED_TRACE(sender == FForm->Bk ? "Bk" : "CaptionLbl");
    const QPoint before = FForm->pos();
    const QPoint press(60, 8);
    SendMouse(sender, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(CursorKey(sender), SlotKey(crHand));
    SendMouse(sender, QEvent::MouseMove, press + QPoint(30, -10), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(FForm->pos(), before + QPoint(30, -10));
    // The window moved with the mouse, so a further 5 pixels to the right arrive at the
    // press point plus 5 in the sender's coordinates.
    SendMouse(sender, QEvent::MouseMove, press + QPoint(5, 0), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(FForm->pos(), before + QPoint(35, -10));
    SendMouse(FForm->CaptionLbl, QEvent::MouseButtonRelease, press, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(FForm->DragStartX, 0);
    EXPECT_EQ(FForm->DragStartY, 0);
  }
}

TEST_F(MainChromeTest, DragThatStartsWithADoubleClickMovesTheWindowByTheMouse) {
  for (QWidget* sender :
       {static_cast<QWidget*>(FForm->Bk), static_cast<QWidget*>(FForm->CaptionLbl)}) {
    SCOPED_TRACE(sender == FForm->Bk ? "Bk" : "CaptionLbl");
    const QPoint before = FForm->pos();
    const QPoint press(60, 8);
    SendMouse(sender, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
    SendMouse(sender, QEvent::MouseButtonRelease, press, Qt::LeftButton, Qt::NoButton);
    // The second press of a double click arrives as a double click of its own.
    FForm->HintPnl->show();
    SendMouse(sender, QEvent::MouseButtonDblClick, press, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(FForm->HintPnl->isHidden());
    SendMouse(sender, QEvent::MouseMove, press + QPoint(30, -10), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(FForm->pos(), before + QPoint(30, -10));
    SendMouse(sender, QEvent::MouseButtonRelease, press, Qt::LeftButton, Qt::NoButton);
  }
}

TEST_F(MainChromeTest, RightButtonOnlyHidesTheHintPanel) {
  FForm->HintPnl->show();
  const QPoint before = FForm->pos();
  SendMouse(FForm->Bk, QEvent::MouseButtonPress, QPoint(60, 8), Qt::RightButton, Qt::RightButton);
  EXPECT_TRUE(FForm->HintPnl->isHidden());
  EXPECT_EQ(FForm->DragStartX, 0);
  SendMouse(FForm->Bk, QEvent::MouseMove, QPoint(90, 0), Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(FForm->pos(), before);
}

TEST_F(MainChromeTest, TopStripShowsTheHandPointer) {
  SendMouse(FForm->Bk, QEvent::MouseMove, QPoint(300, 19), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(CursorKey(FForm->Bk), SlotKey(crHand));
  SendMouse(FForm->Bk, QEvent::MouseMove, QPoint(300, 20), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(CursorKey(FForm->Bk), SlotKey(crFlatHand));
  SendMouse(FForm->CaptionLbl, QEvent::MouseMove, QPoint(10, 5), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(CursorKey(FForm->CaptionLbl), SlotKey(crHand));
}

TEST_F(MainChromeTest, ReleaseOverTheBackgroundTakesTheDragStartAgain) {
  FForm->HintPnl->show();
  SendMouse(FForm->Bk, QEvent::MouseButtonRelease, QPoint(50, 40), Qt::LeftButton, Qt::NoButton);
  const QPoint expected = FForm->mapToGlobal(QPoint(50, 40));
  EXPECT_EQ(QPoint(FForm->DragStartX, FForm->DragStartY), expected);
  EXPECT_EQ(CursorKey(FForm->Bk), SlotKey(crHand));
  EXPECT_TRUE(FForm->HintPnl->isHidden());
}

TEST_F(MainChromeTest, MinimiseAndShowInstanceRestore) {
  QTest::mouseClick(FForm->MinimizeBtn, Qt::LeftButton, Qt::NoModifier, QPoint(9, 9));
  EXPECT_TRUE(FForm->isMinimized());
  FForm->WMShowInstance();
  EXPECT_FALSE(FForm->isMinimized());
  EXPECT_TRUE(FForm->isVisible());
}

TEST_F(MainChromeTest, QuitButtonClosesTheWindow) {
  int closed = 0;
  FForm->OnClosed = [&closed] { ++closed; };
  QTest::mouseClick(FForm->QuitBtn, Qt::LeftButton, Qt::NoModifier, QPoint(9, 9));
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(FForm->isVisible());
  EXPECT_EQ(FForm->RecFile, nullptr);
}

}  // namespace
}  // namespace halvena
