// TGraphicControl: the base of the windowless controls: a child widget without a window of
// its own that paints itself through a TCanvas and reports the mouse through events that take
// the control as `Sender`. User-interface thread only.
//
// Painting: Paint draws the whole control; Repaint runs it at once, Invalidate some time later.
// A control may also draw part of itself at once outside Paint (PaintPart), as a hot row of a
// list does. The canvas exists while either runs.
#pragma once

#include <QWidget>
#include <functional>

#include "controls/Canvas.h"

namespace halvena {

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// The mouse button of a Qt event; every other button counts as the left one.
TMouseButton ButtonOf(Qt::MouseButton button);
using TShiftState = Qt::KeyboardModifiers;

class TGraphicControl;
using TNotifyEvent = std::function<void(TGraphicControl* Sender)>;
using TMouseEvent = std::function<void(TGraphicControl* Sender, TMouseButton Button,
                                       TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent =
    std::function<void(TGraphicControl* Sender, TShiftState Shift, int X, int Y)>;

class TGraphicControl : public QWidget {
 public:
  // `parent`, when given, owns the control.
  explicit TGraphicControl(QWidget* parent = nullptr);

  // The canvas while the control paints, else null. Owned by the control.
  TCanvas* Canvas() const { return FCanvas; }

  // The font of the control's text; changing it invalidates the control.
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& font) { FFont.Assign(font); }
  // The background colour where a control fills itself; default white. Invalidates.
  QColor Color() const { return FColor; }
  void SetColor(const QColor& color);
  // The slot of the global cursor table shown over the control (0: the arrow).
  int CursorSlot() const { return FCursorSlot; }
  void SetCursorSlot(int slot);

  // Paints the whole control at once.
  virtual void Repaint();
  // Paints the whole control when the event loop next runs.
  virtual void Invalidate();

  // Whole device pixels per logical pixel of the screen the control is on, at least 1: the
  // images the control composes itself in are made that fine, so that it shows at the screen's
  // resolution.
  int PixelRatio() const;

  // The palette the control needs realised while it paints; none here.
  virtual const TPalette* GetPalette() const { return nullptr; }

  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

 protected:
  // Draws the whole control on Canvas().
  virtual void Paint() {}
  // Runs `draw` at once on the canvas of the part `area` of the control (nothing is erased
  // first; a hidden control draws nothing).
  void PaintPart(const QRect& area, const std::function<void()>& draw);

  // The framework's handling of the mouse: each fires its event.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void Click();
  virtual void DblClick();

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  TFont FFont;
  QColor FColor = Qt::white;
  int FCursorSlot = 0;
  TCanvas* FCanvas = nullptr;
  const std::function<void()>* FPartDraw = nullptr;
  QRect FPartArea;
  bool FClicked = false;
};

}  // namespace halvena
