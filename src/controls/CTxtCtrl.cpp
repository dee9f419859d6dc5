#include "controls/CTxtCtrl.h"

#include <QAccessible>
#include <QApplication>
#include <QWheelEvent>
#include <algorithm>

#include "platform/CodePageQt.h"

namespace halvena {

GCustomTextControl::GCustomTextControl(QWidget* parent) : GGraphicControl(parent) {
  resize(121, 97);
  FItems.OnChange = [this] { ResetView(); };
}

void GCustomTextControl::SetHotable(bool hotable) {
  if (FHotable == hotable) return;
  FHotable = hotable;
  Invalidate();
}

void GCustomTextControl::SetItems(const TStringList& items) {
  FItems.Assign(items);
  ResetView();
}

void GCustomTextControl::SetItemHeight(int height) {
  if (FItemHeight == height) return;
  FItemHeight = height;
  Invalidate();
}

void GCustomTextControl::SetTopIndex(int index) {
  if (FTopIndex == index) return;
  FTopIndex = index;
  Invalidate();
}

void GCustomTextControl::SetItemIndex(int index) {
  if (FItemIndex == index) return;
  FItemIndex = index;
  Invalidate();
  // Announced only to a screen reader that listens: asking for the interface without one
  // would build it for nothing.
  if (QAccessible::isActive() && index >= 0 && index < FItems.Count()) {
    QAccessibleEvent event(this, QAccessible::Selection);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
  }
}

void GCustomTextControl::SetScrollWidth(int width) {
  if (FScrollWidth == width) return;
  FScrollWidth = width;
  Invalidate();
}

void GCustomTextControl::SetScrollUpImage(const TPicture& picture) {
  FScrollUpImage.Assign(picture);
  Invalidate();
}

void GCustomTextControl::SetScrollImage(const TPicture& picture) {
  FScrollImage.Assign(picture);
  Invalidate();
}

void GCustomTextControl::SetScrollDownImage(const TPicture& picture) {
  FScrollDownImage.Assign(picture);
  Invalidate();
}

void GCustomTextControl::SetSelectedImage(const TPicture& picture) {
  FSelectedImage.Assign(picture);
  Invalidate();
}

void GCustomTextControl::SetBiDiMode(TBiDiMode mode) {
  if (FBiDiMode == mode) return;
  FBiDiMode = mode;
  Invalidate();
}

void GCustomTextControl::Clear() {
  // Emptying a list that holds items resets the view too; both requests make one paint.
  FItems.Clear();
  Invalidate();
}

void GCustomTextControl::ResetView() {
  FTopIndex = 0;
  FHotIndex = -1;
  FItemIndex = 0;
  Invalidate();
}

TRect GCustomTextControl::ItemRect(int index) const {
  const int top = (index - FTopIndex) * FItemHeight;
  return {0, top, width(), top + FItemHeight};
}

int GCustomTextControl::ItemAtPoint(QPoint point) const {
  if (!rect().contains(point) || FItemHeight <= 0) return -1;
  const int index = FTopIndex + point.y() / FItemHeight;
  if (index < 0 || index >= FItems.Count()) return -1;
  return index;
}

bool GCustomTextControl::ScrollBarActive() const {
  const int count = FItems.Count();
  return count > 0 && (static_cast<long long>(count) * FItemHeight > height() || FTopIndex > 0);
}

TRect GCustomTextControl::UpArrowRect() const {
  return {width() - FScrollWidth, 0, width(), FScrollWidth};
}

TRect GCustomTextControl::DownArrowRect() const {
  return {width() - FScrollWidth, height() - FScrollWidth, width(), height()};
}

TRect GCustomTextControl::ThumbRect() const {
  // A single item has no range to move over: its thumb stays at the top of the track.
  const int count = FItems.Count();
  const double fraction = count > 1 ? static_cast<double>(FTopIndex) / (count - 1) : 0.0;
  const int top = RoundEven(fraction * (height() - 3 * FScrollWidth) + FScrollWidth);
  return {width() - FScrollWidth, top, width(), top + FScrollWidth};
}

TRect GCustomTextControl::PageUpRect() const {
  return {width() - FScrollWidth, FScrollWidth, width(), ThumbRect().Top};
}

TRect GCustomTextControl::PageDownRect() const {
  return {width() - FScrollWidth, ThumbRect().Bottom, width(), height() - FScrollWidth};
}

void GCustomTextControl::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(nullptr, index, rect, state);
    return;
  }
  TCanvas* canvas = Canvas();
  if (canvas == nullptr || index < 0 || index >= FItems.Count()) return;
  TRect textRect = rect;
  unsigned flags = DT_SINGLELINE | DT_VCENTER;
  if (FBiDiMode == TBiDiMode::bdRightToLeft) {
    flags |= DT_RIGHT | DT_RTLREADING;
    textRect.Right -= 2;
  } else {
    textRect.Left += 2;
  }
  canvas->Brush.SetStyle(TBrushStyle::bsClear);
  canvas->DrawText(textRect, ItemCaption(index), flags);
}

QString GCustomTextControl::ItemCaption(int index) const {
  if (index < 0 || index >= FItems.Count()) return {};
  return OnItemText ? OnItemText(FItems[index]) : Cp1252ToQString(FItems[index]);
}

void GCustomTextControl::DrawScrollBar() {
  TCanvas* canvas = Canvas();
  if (canvas == nullptr) return;
  if (FScrollUpImage.HasGraphic()) canvas->StretchDraw(UpArrowRect(), FScrollUpImage);
  if (FScrollImage.HasGraphic()) canvas->StretchDraw(ThumbRect(), FScrollImage);
  if (FScrollDownImage.HasGraphic()) canvas->StretchDraw(DownArrowRect(), FScrollDownImage);
}

void GCustomTextControl::Paint() {
  TCanvas* canvas = Canvas();
  const int count = FItems.Count();
  if (!OnDrawItem) {
    canvas->Brush.SetColor(Color());
    canvas->Brush.SetStyle(TBrushStyle::bsSolid);
    canvas->Pen.SetColor(Color());
    canvas->Font.Assign(Font());
    canvas->FillRect({0, 0, width(), height()});
  }
  int y = 0;
  int i = FTopIndex;
  while (y < height()) {
    if (i == FItemIndex) {
      DrawItem(i, ItemRect(i), odSelected);
      if (!OnDrawItem && FSelectedImage.HasGraphic()) {
        const TRect row = ItemRect(FItemIndex);
        canvas->Draw(row.Left, row.Top + (FItemHeight - FSelectedImage.Height()) / 2,
                     FSelectedImage);
      }
    } else {
      DrawItem(i, ItemRect(i), 0);
    }
    y += FItemHeight;
    ++i;
    if (i >= count) break;
  }
  if (count > 0 && ScrollBarActive()) DrawScrollBar();
}

void GCustomTextControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!ScrollBarActive()) {
    FScrollMode = TScrollMode::smNone;
    GGraphicControl::MouseDown(button, shift, x, y);
    return;
  }
  const struct {
    TRect area;
    TScrollMode mode;
  } parts[] = {{UpArrowRect(), TScrollMode::smLineUp},
               {PageUpRect(), TScrollMode::smPageUp},
               {ThumbRect(), TScrollMode::smThumb},
               {PageDownRect(), TScrollMode::smPageDown},
               {DownArrowRect(), TScrollMode::smLineDown}};
  for (const auto& part : parts) {
    if (!part.area.Contains(x, y)) continue;
    FScrollMode = part.mode;
    if (part.mode == TScrollMode::smThumb) {
      Repaint();
    } else {
      ScrollStep(QPoint(x, y));
    }
    return;
  }
  GGraphicControl::MouseDown(button, shift, x, y);
}

void GCustomTextControl::ScrollStep(QPoint pointer) {
  const int count = FItems.Count();
  // Items a page moves by: the rows that fit, less the one that stays in view.
  const int pageStep =
      FItemHeight > 0 ? RoundEven(static_cast<double>(height()) / FItemHeight) - 1 : 0;
  switch (FScrollMode) {
    case TScrollMode::smLineUp:
      if (FTopIndex > 0) SetTopIndex(FTopIndex - 1);
      break;
    case TScrollMode::smLineDown:
      if (FTopIndex < count - 1) SetTopIndex(FTopIndex + 1);
      break;
    case TScrollMode::smPageUp:
      if (PageUpRect().Contains(pointer.x(), pointer.y())) {
        SetTopIndex(std::max(FTopIndex - pageStep, 0));
      } else {
        FScrollMode = TScrollMode::smNone;
      }
      break;
    case TScrollMode::smPageDown:
      if (PageDownRect().Contains(pointer.x(), pointer.y())) {
        SetTopIndex(std::max(std::min(FTopIndex + pageStep, count - 1), 0));
      } else {
        FScrollMode = TScrollMode::smNone;
      }
      break;
    case TScrollMode::smNone:
    case TScrollMode::smThumb:
      break;
  }
}

void GCustomTextControl::RedrawRow(int index, TOwnerDrawState state) {
  const TRect row = ItemRect(index);
  PaintPart(row.ToQRect(), [&] {
    // A part has a canvas of its own: the rows drawn here get the font a whole paint gives
    // them.
    if (!OnDrawItem) Canvas()->Font.Assign(Font());
    DrawItem(index, row, state);
  });
}

void GCustomTextControl::RedrawScrollBar() {
  if (!ScrollBarActive()) return;
  const QRect column(width() - FScrollWidth, 0, FScrollWidth, height());
  PaintPart(column, [&] { DrawScrollBar(); });
}

void GCustomTextControl::ClearHot() {
  const int old = FHotIndex;
  if (old != FItemIndex) RedrawRow(old, 0);
  FHotIndex = -1;
  RedrawScrollBar();
}

void GCustomTextControl::MouseMove(TShiftState shift, int x, int y) {
  const int count = FItems.Count();
  if (!ScrollBarActive()) {
    FScrollMode = TScrollMode::smNone;
  } else if (FScrollMode == TScrollMode::smThumb) {
    const int track = height() - 3 * FScrollWidth;
    if (track > 0) {
      int top = RoundEven((count - 1) * (static_cast<double>(y - FScrollWidth) / track));
      top = std::max(std::min(top, count - 1), 0);
      SetTopIndex(top);
    }
  }
  if (FHotable) {
    const bool overText = x >= 0 && y >= 0 && x < width() - FScrollWidth && y < height();
    if (FScrollMode == TScrollMode::smNone && overText) {
      const int i = ItemAtPoint(QPoint(x, y));
      if (i >= 0 && i < count && i != FItemIndex && i != FHotIndex) {
        const int old = FHotIndex;
        if (old >= 0 && old != FItemIndex) RedrawRow(old, 0);
        FHotIndex = i;
        RedrawRow(i, odHot);
        // Both rows may have drawn over the scroll bar.
        RedrawScrollBar();
      }
    } else if (FHotIndex != -1) {
      ClearHot();
    }
  }
  GGraphicControl::MouseMove(shift, x, y);
}

void GCustomTextControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (!FHotable) {
    FScrollMode = TScrollMode::smNone;
    return;
  }
  if (FScrollMode != TScrollMode::smNone) {
    FScrollMode = TScrollMode::smNone;
    return;
  }
  const int i = ItemAtPoint(QPoint(x, y));
  if (i >= 0 && i < FItems.Count()) {
    FItemIndex = i;
    Repaint();
  }
  GGraphicControl::MouseUp(button, shift, x, y);
}

void GCustomTextControl::MouseOut() {
  if (FScrollMode == TScrollMode::smNone && FHotIndex != -1) ClearHot();
  GGraphicControl::MouseOut();
}

void GCustomTextControl::wheelEvent(QWheelEvent* event) {
  event->accept();
  if (event->phase() == Qt::ScrollBegin) FWheel.Reset();
  const QPoint pixels = event->pixelDelta();
  const int rows = !pixels.isNull()
                       ? FWheel.AddPixels(pixels.y(), FItemHeight)
                       : FWheel.AddAngle(event->angleDelta().y(), QApplication::wheelScrollLines());
  if (rows == 0 || FScrollMode != TScrollMode::smNone || !ScrollBarActive()) return;
  const int last = std::max(FItems.Count() - 1, 0);
  const int top =
      std::clamp(static_cast<long long>(FTopIndex) - rows, 0LL, static_cast<long long>(last));
  if (top == FTopIndex) return;
  FTopIndex = static_cast<int>(top);
  FHotIndex = -1;
  Repaint();
  // The rows moved under a pointer that stayed: the one under it now is the hot one.
  const QPoint at = event->position().toPoint();
  const bool overText = at.x() >= 0 && at.y() >= 0 && at.x() < width() - FScrollWidth;
  const int hot = FHotable && overText ? ItemAtPoint(at) : -1;
  if (hot >= 0 && hot != FItemIndex) {
    FHotIndex = hot;
    RedrawRow(hot, odHot);
    RedrawScrollBar();
  }
}

}  // namespace halvena
