#pragma once

namespace vexplot {

struct FrameState;

// Points named by a drawing command, as indices from 0: all points when first
// is negative, first to last when last is above first, else the single point
// first. Points beyond the last existing one are passed over.
struct PointRange {
  int first = -1;
  int last = -1;
};

// What became of a plot window when its frame was handed over: ready to be
// shown, or failed (the interpreter reports the failure with this number).
enum class WindowOutcome { kReady = 0, kFailed = 1 };

// A colour or texture argument that stands for the frame's own setting.
inline constexpr int kFrameColour = -1;
inline constexpr int kFrameTexture = -1;

// The drawing side of a frame, provided by the rendering and plot-window
// layers. The language calls it to draw a frame's points, axes and queued
// items, and to hand a finished frame over. Each drawing call returns kDone
// or a result code: kSyntaxError when the data order has no X or no Y
// column, kRejected when no window could be opened for the frame (nothing is
// drawn then).
class FrameDrawing {
 public:
  virtual ~FrameDrawing() = default;

  // The frame's symbol (or each point's own) at each point of the range, in
  // data coordinates or, without dataCoordinates, in page coordinates.
  virtual int plotSymbols(FrameState& frame, PointRange range, bool dataCoordinates,
                          int colour) = 0;
  // A curve through the points of the range.
  virtual int joinPoints(FrameState& frame, PointRange range, int texture, bool dataCoordinates,
                         int colour) = 0;
  // A step outline over the points of the range, in data coordinates.
  virtual int histogram(FrameState& frame, PointRange range, int texture, int colour) = 0;
  // Draws every enabled side whose limits are set and that is not drawn
  // yet, then the pending items.
  virtual int drawPendingAxes(FrameState& frame) = 0;
  // Draws the frame's pending grid, titles, arrows and figures in its current
  // coordinates.
  virtual int drawPendingDecorations(FrameState& frame) = 0;

  // Hands a frame whose plot window is open over to that window.
  virtual WindowOutcome finishFrame(FrameState& frame) = 0;
};

}  // namespace vexplot
