#pragma once

namespace vexplot {

struct FrameState;

// The drawing side of a frame, provided by the rendering and plot-window
// layers. The language calls it where a frame's queued items must be drawn and
// where a finished frame is handed over.
class FrameDrawing {
 public:
  virtual ~FrameDrawing() = default;

  // Draws the frame's pending grid, titles, arrows and figures in its current
  // coordinates; returns kDone or an error code (kOutOfMemory).
  virtual int drawPendingDecorations(FrameState& frame) = 0;

  // Hands a frame whose plot window is open over to that window; returns
  // kDone or the window layer's error code.
  virtual int finishFrame(FrameState& frame) = 0;
};

// A drawing side that draws nothing: frames never open a window.
class NullFrameDrawing final : public FrameDrawing {
 public:
  int drawPendingDecorations(FrameState&) override { return 0; }
  int finishFrame(FrameState&) override { return 0; }
};

}  // namespace vexplot
