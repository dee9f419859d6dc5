// GCustomTextControl and GTextControl: the program's scrolling list of text lines, a
// windowless control that paints one row per item (itself or through the owner's OnDrawItem)
// with a skinned vertical scroll bar of three pictures along its right edge, and tracks a
// selected item and a hot item under the pointer. The mouse wheel and the touchpad scroll it by
// the desktop's rows per notch. User-interface thread only.
#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "base/StringList.h"
#include "controls/Basics.h"
#include "controls/WheelSteps.h"

namespace halvena {

enum class TScrollMode : std::uint8_t {
  smNone,
  smLineUp,
  smLineDown,
  smPageUp,
  smPageDown,
  smThumb
};

// The state of a row handed to the drawing: a mask of odSelected and odHot.
using TOwnerDrawState = std::uint16_t;
constexpr TOwnerDrawState odSelected = 1;
constexpr TOwnerDrawState odHot = 16;

// The owner's row drawing. `Control` is always null: the handler draws on the canvas of its own
// list. Indices outside 0..count-1 come with an empty list and must be ignored.
using TDrawItemEvent =
    std::function<void(TGraphicControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;

enum class TBiDiMode : std::uint8_t { bdLeftToRight, bdRightToLeft };

// Property setters and changes of the items ask for a repaint (Invalidate) rather than painting
// at once, so that a run of changes paints the list once; a hot row under the pointer is drawn
// at once, and only the rows it concerns.
class GCustomTextControl : public GGraphicControl {
 public:
  // `parent`, when given, owns the list. 121 × 97 pixels.
  explicit GCustomTextControl(QWidget* parent = nullptr);

  // Hot tracking and click selection; default true.
  bool Hotable() const { return FHotable; }
  void SetHotable(bool hotable);
  // The rows. Any change resets the view (ResetView); add many inside BeginUpdate/EndUpdate.
  TStringList& Items() { return FItems; }
  const TStringList& Items() const { return FItems; }
  void SetItems(const TStringList& items);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int height);  // default 16
  bool Sorted() const { return FSorted; }
  void SetSorted(bool sorted) { FSorted = sorted; }  // kept, without effect
  // Index of the item in the first row; -1 on a new list. Not range-checked.
  int TopIndex() const { return FTopIndex; }
  void SetTopIndex(int index);
  int HotIndex() const { return FHotIndex; }
  // Index of the selected item, -1 for none. Not range-checked. A change is announced to
  // assistive technology.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int index);
  TScrollMode ScrollMode() const { return FScrollMode; }
  // Width of the scroll bar and height of each of its pictures; default 16.
  int ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int width);
  // The scroll-bar pictures and the marker of the selected row (drawn only without
  // OnDrawItem). The setters copy the picture and ask for a repaint.
  const TPicture& ScrollUpImage() const { return FScrollUpImage; }
  void SetScrollUpImage(const TPicture& picture);
  const TPicture& ScrollImage() const { return FScrollImage; }
  void SetScrollImage(const TPicture& picture);
  const TPicture& ScrollDownImage() const { return FScrollDownImage; }
  void SetScrollDownImage(const TPicture& picture);
  const TPicture& SelectedImage() const { return FSelectedImage; }
  void SetSelectedImage(const TPicture& picture);
  // Reading order of the default row drawing; default left to right.
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode mode);

  // Empties the list (which resets the view) and asks for a repaint.
  void Clear();
  // Top and selection to the first item, no hot item, then asks for a repaint.
  void ResetView();
  // The item whose row contains `point`, or -1.
  int ItemAtPoint(QPoint point) const;
  // The row of item `index` (it may lie outside the control).
  TRect ItemRect(int index) const;

  // The text that row `index` shows: OnItemText of its item when assigned, otherwise the item
  // itself; empty outside 0..count-1. The default row drawing and assistive technology read it.
  QString ItemCaption(int index) const;

  TDrawItemEvent OnDrawItem;
  std::function<QString(const std::string& item)> OnItemText;

 protected:
  // Draws one row: through OnDrawItem when assigned, otherwise the item's text.
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);

  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseOut() override;
  // Scrolls as far as the scroll bar's arrows may (the last item at the top at most), while
  // the list has a scroll bar and none of its parts is held; the row under the pointer turns
  // hot. The list keeps the event either way.
  void wheelEvent(QWheelEvent* event) override;

 private:
  bool ScrollBarActive() const;
  TRect UpArrowRect() const;
  TRect DownArrowRect() const;
  TRect ThumbRect() const;
  TRect PageUpRect() const;
  TRect PageDownRect() const;
  void DrawScrollBar();
  void ScrollStep(QPoint pointer);
  // Redraws the hot row plainly (unless it is the selected one) and forgets it.
  void ClearHot();
  // Draws a row at once.
  void RedrawRow(int index, TOwnerDrawState state);
  // Draws the scroll bar at once, when it is active.
  void RedrawScrollBar();

  bool FHotable = true;
  TStringList FItems;
  int FItemHeight = 16;
  bool FSorted = false;
  int FTopIndex = -1;
  int FHotIndex = -1;
  int FItemIndex = -1;
  TScrollMode FScrollMode = TScrollMode::smNone;
  TPicture FScrollUpImage;
  TPicture FScrollImage;
  TPicture FScrollDownImage;
  int FScrollWidth = 16;
  TPicture FSelectedImage;
  TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
  TWheelSteps FWheel;
};

// The list as the windows use it.
class GTextControl : public GCustomTextControl {
 public:
  using GCustomTextControl::GCustomTextControl;
};

}  // namespace halvena
