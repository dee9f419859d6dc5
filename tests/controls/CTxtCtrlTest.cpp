#include "controls/CTxtCtrl.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWheelEvent>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ControlTesting.h"

namespace halvena {
namespace {

using Call = std::pair<int, TOwnerDrawState>;

// A list whose owner draws each row in a colour by its state and records the calls.
class ListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    list.resize(121, 97);
    list.OnDrawItem = [this](TGraphicControl* control, int index, TRect rect,
                             TOwnerDrawState state) {
      EXPECT_EQ(control, nullptr);
      calls.emplace_back(index, state);
      TCanvas* canvas = list.Canvas();
      ASSERT_NE(canvas, nullptr);
      canvas->Brush.SetStyle(TBrushStyle::bsSolid);
      canvas->Brush.SetColor(state == odHot        ? Qt::yellow
                             : state == odSelected ? Qt::blue
                                                   : Qt::white);
      canvas->FillRect(rect);
    };
  }
  // The test pointer keeps its place from one test to the next, and a move to where it already
  // is reaches no widget: leave it off the list so that the next test's first move counts.
  void TearDown() override {
    if (list.isVisible()) Move(QPoint(-1, -1));
  }
  void Fill(int count) {
    list.Items().BeginUpdate();
    list.Items().Clear();
    for (int i = 0; i < count; ++i) list.Items().Add("item " + std::to_string(i));
    list.Items().EndUpdate();
  }
  void Press(QPoint at) { QTest::mousePress(&list, Qt::LeftButton, {}, at); }
  void Release(QPoint at) { QTest::mouseRelease(&list, Qt::LeftButton, {}, at); }
  void Move(QPoint at) { QTest::mouseMove(&list, at); }
  // What the window shows now, without painting the list again.
  QImage Shown() {
    return QGuiApplication::primaryScreen()
        ->grabWindow(list.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }
  int RightColumn() const { return list.width() - list.ScrollWidth() / 2; }

  GTextControl list;
  std::vector<Call> calls;
  int mouseDowns = 0;
  int mouseUps = 0;
  int clicks = 0;
};

TEST_F(ListTest, EmptyListsDrawOneOutOfRangeRow) {
  ASSERT_TRUE(ShowAndWait(list));
  calls.clear();
  list.Repaint();
  EXPECT_EQ(calls, (std::vector<Call>{{-1, odSelected}}));  // new: top and selection are -1
  list.Items().Add("x");
  list.Items().Delete(0);
  calls.clear();
  list.Repaint();
  EXPECT_EQ(calls, (std::vector<Call>{{0, odSelected}}));
}

TEST_F(ListTest, FillingSelectsTheFirstItemAtTheTop) {
  Fill(30);
  list.SetTopIndex(7);
  list.SetItemIndex(9);
  Fill(3);
  EXPECT_EQ(list.TopIndex(), 0);
  EXPECT_EQ(list.ItemIndex(), 0);
  EXPECT_EQ(list.HotIndex(), -1);
}

// A letter switch empties a list and fills it inside an update bracket: the window paints it
// once, when events run, not at every step.
TEST_F(ListTest, ClearingAndRefillingPaintsOnceLater) {
  Fill(30);
  ASSERT_TRUE(ShowAndWait(list));
  QTest::qWait(20);
  TPaintCounter counter(list);
  list.Clear();
  list.Items().BeginUpdate();
  for (int i = 0; i < 12; ++i) list.Items().Add("entry " + std::to_string(i));
  list.Items().EndUpdate();
  EXPECT_EQ(counter.Paints(), 0);
  EXPECT_EQ(counter.PaintsAfterEvents(), 1);
  EXPECT_EQ(list.Items().Count(), 12);
}

TEST_F(ListTest, SettersAskForOnePaintInsteadOfPaintingAtOnce) {
  Fill(30);
  TPicture picture;
  picture.SetBitmap(SolidImage(4, 4, Qt::green));
  const struct {
    const char* name;
    std::function<void()> set;
  } setters[] = {
      {"Hotable", [&] { list.SetHotable(false); }},
      {"ItemHeight", [&] { list.SetItemHeight(20); }},
      {"TopIndex", [&] { list.SetTopIndex(3); }},
      {"ItemIndex", [&] { list.SetItemIndex(4); }},
      {"ScrollWidth", [&] { list.SetScrollWidth(12); }},
      {"ScrollUpImage", [&] { list.SetScrollUpImage(picture); }},
      {"ScrollImage", [&] { list.SetScrollImage(picture); }},
      {"ScrollDownImage", [&] { list.SetScrollDownImage(picture); }},
      {"SelectedImage", [&] { list.SetSelectedImage(picture); }},
      {"BiDiMode", [&] { list.SetBiDiMode(TBiDiMode::bdRightToLeft); }},
      {"Items", [&] { list.SetItems(TStringList()); }},
      {"ResetView", [&] { list.ResetView(); }},
  };
  ASSERT_TRUE(ShowAndWait(list));
  QTest::qWait(20);
  for (const auto& setter : setters) {
    SCOPED_TRACE(setter.name);
    TPaintCounter counter(list);
    setter.set();
    EXPECT_EQ(counter.Paints(), 0);
    EXPECT_EQ(counter.PaintsAfterEvents(), 1);
  }
}

TEST_F(ListTest, PaintDrawsVisibleRowsAndTheScrollBarPictures) {
  Fill(20);
  list.SetTopIndex(4);
  list.SetItemIndex(5);
  TPicture up, thumb, down;
  up.SetBitmap(SolidImage(5, 5, Qt::red));
  thumb.SetBitmap(SolidImage(5, 5, Qt::green));
  down.SetBitmap(SolidImage(5, 5, Qt::magenta));
  list.SetScrollUpImage(up);
  list.SetScrollImage(thumb);
  list.SetScrollDownImage(down);
  calls.clear();
  const QImage image = Render(list);
  // 97 pixels of 16-pixel rows: items 4 to 10, the last one cut.
  EXPECT_EQ(calls,
            (std::vector<Call>{{4, 0}, {5, odSelected}, {6, 0}, {7, 0}, {8, 0}, {9, 0}, {10, 0}}));
  EXPECT_EQ(CountColour(image, QRect(105, 0, 16, 16), Qt::red), 256);
  // Thumb top: round(4 / 19 * (97 - 48) + 16) = 26.
  EXPECT_EQ(CountColour(image, QRect(105, 26, 16, 16), Qt::green), 256);
  EXPECT_EQ(CountColour(image, QRect(105, 81, 16, 16), Qt::magenta), 256);
  EXPECT_EQ(image.pixelColor(50, 20), QColor(Qt::blue));  // item 5's row, y 16..31
}

TEST_F(ListTest, PageStepsMoveByTheRowsThatFitLessOne) {
  struct Row {
    int height, step;
  };
  for (const Row& row : {Row{192, 11}, Row{65, 3}, Row{73, 4}}) {
    list.resize(121, row.height);
    Fill(100);
    ASSERT_TRUE(ShowAndWait(list));
    Press(QPoint(RightColumn(), row.height - 17));  // page-down area under the thumb
    Release(QPoint(RightColumn(), row.height - 17));
    EXPECT_EQ(list.TopIndex(), row.step) << row.height;
  }
  list.SetTopIndex(50);  // thumb top round(50 / 99 * 25 + 16) = 29 in the 73-pixel list
  Press(QPoint(RightColumn(), 20));
  EXPECT_EQ(list.TopIndex(), 46);
}

TEST_F(ListTest, ScrollBarPressesAreNotPassedOn) {
  list.OnMouseDown = [this](TGraphicControl*, TMouseButton, TShiftState, int, int) {
    ++mouseDowns;
  };
  list.OnMouseUp = [this](TGraphicControl*, TMouseButton, TShiftState, int, int) { ++mouseUps; };
  Fill(10);
  ASSERT_TRUE(ShowAndWait(list));
  list.SetTopIndex(9);
  const QPoint downArrow(RightColumn(), list.height() - 3);
  Press(downArrow);
  EXPECT_EQ(list.ScrollMode(), TScrollMode::smLineDown);
  EXPECT_EQ(list.TopIndex(), 9);  // the last item is already at the top
  Release(downArrow);
  EXPECT_EQ(list.ScrollMode(), TScrollMode::smNone);
  EXPECT_EQ(list.ItemIndex(), 0);
  EXPECT_EQ(mouseDowns, 0);
  EXPECT_EQ(mouseUps, 0);
  Press(QPoint(RightColumn(), 3));  // up arrow
  EXPECT_EQ(list.TopIndex(), 8);
  Release(QPoint(10, 10));  // over an item, but ending a scroll gesture
  EXPECT_EQ(list.ItemIndex(), 0);
  EXPECT_EQ(mouseUps, 0);
  Press(QPoint(10, 10));
  Release(QPoint(10, 10));
  EXPECT_EQ(list.ItemIndex(), 8);
  EXPECT_EQ(mouseDowns, 1);
  EXPECT_EQ(mouseUps, 1);
}

TEST_F(ListTest, DraggingTheThumbFollowsThePointer) {
  Fill(100);
  ASSERT_TRUE(ShowAndWait(list));
  Press(QPoint(RightColumn(), 20));  // the thumb at the top
  EXPECT_EQ(list.ScrollMode(), TScrollMode::smThumb);
  Move(QPoint(RightColumn(), 16 + 49 / 2));  // half the track (97 - 48 = 49)
  EXPECT_EQ(list.TopIndex(), RoundEven(99 * (24.0 / 49)));
  Move(QPoint(RightColumn(), 96));
  EXPECT_EQ(list.TopIndex(), 99);
  Release(QPoint(RightColumn(), 96));
  EXPECT_EQ(list.ItemIndex(), 0);
}

TEST_F(ListTest, ListsThatAreNotHotableNeverSelect) {
  list.OnMouseUp = [this](TGraphicControl*, TMouseButton, TShiftState, int, int) { ++mouseUps; };
  list.OnClick = [this](TGraphicControl*) { ++clicks; };
  Fill(3);
  list.SetHotable(false);
  ASSERT_TRUE(ShowAndWait(list));
  QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(10, 20));
  EXPECT_EQ(list.ItemIndex(), 0);
  EXPECT_EQ(mouseUps, 0);
  EXPECT_EQ(clicks, 1);
  Move(QPoint(10, 36));
  EXPECT_EQ(list.HotIndex(), -1);
}

TEST_F(ListTest, HotTrackingRedrawsOnlyTheTwoRowsConcerned) {
  Fill(4);
  ASSERT_TRUE(ShowAndWait(list));
  calls.clear();
  Move(QPoint(10, 20));  // row of item 1
  EXPECT_EQ(list.HotIndex(), 1);
  EXPECT_EQ(calls, (std::vector<Call>{{1, odHot}}));
  calls.clear();
  Move(QPoint(10, 36));
  EXPECT_EQ(calls, (std::vector<Call>{{1, 0}, {2, odHot}}));
  QImage shown = Shown();
  EXPECT_EQ(shown.pixelColor(50, 40), QColor(Qt::yellow));
  EXPECT_EQ(shown.pixelColor(50, 20), QColor(Qt::white));
  EXPECT_EQ(shown.pixelColor(50, 5), QColor(Qt::blue));  // the selected row stays as it was

  calls.clear();
  Move(QPoint(10, 5));   // onto the selected item: the hot row stays
  Move(QPoint(10, 90));  // below the last item: likewise
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(list.HotIndex(), 2);

  Move(QPoint(RightColumn(), 40));  // over the scroll-bar column
  EXPECT_EQ(list.HotIndex(), -1);
  EXPECT_EQ(calls, (std::vector<Call>{{2, 0}}));
}

// The desktop's rows per notch for the lifetime of the object.
class TWheelLines {
 public:
  explicit TWheelLines(int lines) : FSaved(QApplication::wheelScrollLines()) {
    QApplication::setWheelScrollLines(lines);
  }
  ~TWheelLines() { QApplication::setWheelScrollLines(FSaved); }
  TWheelLines(const TWheelLines&) = delete;
  TWheelLines& operator=(const TWheelLines&) = delete;

 private:
  int FSaved;
};

// Turns the wheel over `at` by `angle` (positive: up), or by `pixels` as a touchpad reports.
bool Wheel(QWidget& widget, QPoint at, int angle, QPoint pixels = QPoint()) {
  QWheelEvent wheel(QPointF(at), QPointF(widget.mapToGlobal(at)), pixels, QPoint(0, angle),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&widget, &wheel);
  return wheel.isAccepted();
}

TEST_F(ListTest, WheelScrollsByTheDesktopsRowsAndTheHotRowFollows) {
  const TWheelLines lines(3);
  Fill(30);
  ASSERT_TRUE(ShowAndWait(list));
  Move(QPoint(10, 20));  // row 1
  ASSERT_EQ(list.HotIndex(), 1);
  calls.clear();
  EXPECT_TRUE(Wheel(list, QPoint(10, 20), -120));
  EXPECT_EQ(list.TopIndex(), 3);
  // Painted at once, the row under the pointer hot over the plain one.
  EXPECT_EQ(list.HotIndex(), 4);
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.back(), Call(4, odHot));
  EXPECT_EQ(Shown().pixelColor(50, 20), QColor(Qt::yellow));
  EXPECT_EQ(list.ItemIndex(), 0);

  // A touchpad's small steps add up: a third of a notch is a row.
  EXPECT_TRUE(Wheel(list, QPoint(10, 20), 20));
  EXPECT_EQ(list.TopIndex(), 3);
  Wheel(list, QPoint(10, 20), 20);
  EXPECT_EQ(list.TopIndex(), 2);
  Wheel(list, QPoint(10, 20), 0, QPoint(0, -40));  // pixels: two rows of 16 and a rest
  EXPECT_EQ(list.TopIndex(), 4);

  // Up to the first item, down to the last at the top, as the arrows go; the selected row
  // under the pointer does not turn hot.
  Wheel(list, QPoint(10, 5), 10 * 120);
  EXPECT_EQ(list.TopIndex(), 0);
  EXPECT_EQ(list.HotIndex(), -1);
  Wheel(list, QPoint(RightColumn(), 20), -20 * 120);
  EXPECT_EQ(list.TopIndex(), 29);
  EXPECT_EQ(list.HotIndex(), -1);  // the pointer is over the scroll bar
}

TEST_F(ListTest, WheelLeavesAListThatFitsOrIsHeld) {
  const TWheelLines lines(1);
  Fill(4);
  ASSERT_TRUE(ShowAndWait(list));
  EXPECT_TRUE(Wheel(list, QPoint(10, 20), -120));
  EXPECT_EQ(list.TopIndex(), 0);

  Fill(30);
  Press(QPoint(RightColumn(), list.height() - 2));  // holds the down arrow
  ASSERT_EQ(list.TopIndex(), 1);
  Wheel(list, QPoint(10, 20), -120);
  EXPECT_EQ(list.TopIndex(), 1);
  Release(QPoint(RightColumn(), list.height() - 2));
  Wheel(list, QPoint(10, 20), -120);
  EXPECT_EQ(list.TopIndex(), 2);
}

TEST_F(ListTest, HotRowsLeaveTheScrollBarWhole) {
  Fill(20);
  TPicture thumb;
  thumb.SetBitmap(SolidImage(4, 4, Qt::green));
  list.SetScrollImage(thumb);
  ASSERT_TRUE(ShowAndWait(list));
  Move(QPoint(10, 20));  // item 1, beside the thumb (rows 16 to 31)
  Move(QPoint(10, 36));  // item 2: item 1 is drawn plainly again, over the thumb too
  EXPECT_EQ(CountColour(Shown(), QRect(105, 16, 16, 16), Qt::green), 256);
}

TEST_F(ListTest, HotRowsKeepTheListFontWithoutOwnerDrawing) {
  list.OnDrawItem = nullptr;
  list.Font().SetColor(Qt::red);
  Fill(4);
  ASSERT_TRUE(ShowAndWait(list));
  Move(QPoint(12, 22));
  ASSERT_EQ(list.HotIndex(), 1);
  const QImage shown = Shown();
  EXPECT_GT(CountColour(shown, QRect(0, 16, 121, 16), Qt::red), 0);
  EXPECT_EQ(CountColour(shown, QRect(0, 16, 121, 16), Qt::black), 0);
}

TEST_F(ListTest, LeavingTheControlClearsTheHotRow) {
  Fill(4);
  ASSERT_TRUE(ShowAndWait(list));
  Move(QPoint(10, 20));
  ASSERT_EQ(list.HotIndex(), 1);
  calls.clear();
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&list, &leave);
  EXPECT_EQ(list.HotIndex(), -1);
  EXPECT_EQ(calls, (std::vector<Call>{{1, 0}}));
}

TEST_F(ListTest, SingleItemScrolledAwayStillPaintsAndScrolls) {
  Fill(1);
  list.SetTopIndex(1);
  TPicture thumb;
  thumb.SetBitmap(SolidImage(4, 4, Qt::green));
  list.SetScrollImage(thumb);
  const QImage image = Render(list);
  EXPECT_EQ(CountColour(image, QRect(105, 16, 16, 16), Qt::green), 256);  // at the top
  ASSERT_TRUE(ShowAndWait(list));
  for (int y : {3, 20, 40, 60, 90}) {
    list.SetTopIndex(1);
    Press(QPoint(RightColumn(), y));
    Release(QPoint(RightColumn(), y));
  }
  Press(QPoint(RightColumn(), 3));
  EXPECT_EQ(list.TopIndex(), 0);
}

TEST(ListDefaultDrawingTest, RowsShowTheirTextOverTheColourAndTheMarker) {
  GTextControl list;
  list.resize(100, 40);
  list.SetColor(Qt::cyan);
  list.Items().Add("W\xe9");  // Windows-1252 text
  list.Items().Add("second");
  TPicture marker;
  marker.SetBitmap(SolidImage(2, 6, Qt::red));
  list.SetSelectedImage(marker);
  const QImage image = Render(list);
  EXPECT_EQ(CountColour(image, QRect(0, 0, 100, 40), Qt::cyan) +
                CountColour(image, QRect(0, 0, 100, 40), Qt::black) + 12,
            100 * 40);
  EXPECT_EQ(CountColour(image, QRect(0, 5, 2, 6), Qt::red), 12);    // (16 - 6) / 2 = 5
  EXPECT_EQ(CountColour(image, QRect(0, 0, 2, 40), Qt::black), 0);  // text starts at x 2
  EXPECT_GT(CountColour(image, QRect(2, 16, 60, 16), Qt::black), 0);
}

TEST(ListDefaultDrawingTest, RightToLeftRowsEndTwoPixelsFromTheRightEdge) {
  GTextControl list;
  list.resize(100, 16);
  list.SetBiDiMode(TBiDiMode::bdRightToLeft);
  list.Items().Add("abc");
  const QImage image = Render(list);
  EXPECT_GT(CountColour(image, QRect(70, 0, 28, 16), Qt::black), 0);
  EXPECT_EQ(CountColour(image, QRect(98, 0, 2, 16), Qt::black), 0);
  EXPECT_EQ(CountColour(image, QRect(0, 0, 60, 16), Qt::black), 0);
}

}  // namespace
}  // namespace halvena
