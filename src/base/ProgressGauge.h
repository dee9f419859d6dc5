// TProgressGauge: what the dictionary loader and the keyword filter report their progress to.
// The skinned gauge of the window implements it; tests record the calls. User-interface
// thread only.
#pragma once

namespace halvena {

class TProgressGauge {
 public:
  virtual ~TProgressGauge() = default;
  // Shows a whole percentage, 0 to 100.
  virtual void SetProgress(int percent) = 0;
  virtual void SetVisible(bool visible) = 0;
  // Lets the user interface handle pending messages, so that the gauge and the window around
  // it repaint during a long operation.
  virtual void LetPendingWorkRun() = 0;
};

}  // namespace halvena
