#pragma once

#include "viewer/language/frame_drawing.hpp"
#include "viewer/language/message_sink.hpp"
#include "viewer/render/drawing_device.hpp"
#include "viewer/render/drawing_layer.hpp"
#include "viewer/render/text_painter.hpp"

namespace vexplot {

// The drawing side of the interpreter's frames: opens each frame's plot
// window at its first drawing, draws its points, axes and pending items
// through the drawing layer, and hands finished frames to the window side.
// It keeps the one pen of the drawing layer; frames are drawn one at a time.
class FrameRenderer final : public FrameDrawing {
 public:
  FrameRenderer(WindowHost& windows, TextPainter& text, MessageSink& messages)
      : windows_(windows), text_(text), messages_(messages) {}

  int plotSymbols(FrameState& frame, PointRange range, bool dataCoordinates, int colour) override;
  int joinPoints(FrameState& frame, PointRange range, int texture, bool dataCoordinates,
                 int colour) override;
  int histogram(FrameState& frame, PointRange range, int texture, int colour) override;
  int drawPendingAxes(FrameState& frame) override;
  // In the order grid, titles, arrows, figures; then the coordinate region
  // of the frame's data is recorded.
  int drawPendingDecorations(FrameState& frame) override;
  WindowOutcome finishFrame(FrameState& frame) override;

  // Opens the frame's plot window unless it is open: the requested size of
  // the frame is shrunk so that the page fits it with one scale, the device
  // box becomes the size the window got, and the page fills it. A new window
  // starts a new display list, whose first record is a Move.
  WindowOutcome ensureWindow(FrameState& frame);

 private:
  // The steps of a data plot: the window, the limits from the data, the
  // drawing itself when there are points, then the pending axes and items.
  template <class Draw>
  int plotData(FrameState& frame, Draw draw);
  int drawDecorations(FrameState& frame);
  DrawingLayer layerFor(FrameState& frame) { return DrawingLayer(frame, *device_, pen_); }

  WindowHost& windows_;
  TextPainter& text_;
  MessageSink& messages_;
  Pen pen_;
  DrawingDevice* device_ = nullptr;  // of the frame whose window opened last
  const FrameState* deviceFrame_ = nullptr;
};

}  // namespace vexplot
