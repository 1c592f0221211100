#include "viewer/render/frame_renderer.hpp"

#include <string>

#include "viewer/language/number_syntax.hpp"
#include "viewer/language/result_codes.hpp"
#include "viewer/render/axis_drawing.hpp"
#include "viewer/render/axis_limits.hpp"
#include "viewer/render/decorations.hpp"
#include "viewer/render/device_coordinates.hpp"
#include "viewer/render/point_plots.hpp"

namespace vexplot {

namespace {

bool hasPoints(const FrameState& frame) { return frame.pointSet && frame.pointSet->count() > 0; }

}  // namespace

WindowOutcome FrameRenderer::ensureWindow(FrameState& frame) {
  if (frame.windowOpen) return deviceFrame_ == &frame ? WindowOutcome::kReady : WindowOutcome::kFailed;
  const AreaSize area = fitPageIntoArea(frame.pageBox, frame.pixelWidth, frame.pixelHeight);
  DrawingDevice* device = windows_.openWindow(truncateToInt(area.width), truncateToInt(area.height),
                                              frame.title, frame.backgroundColour);
  if (device == nullptr) return WindowOutcome::kFailed;
  device_ = device;
  deviceFrame_ = &frame;
  frame.windowOpen = true;
  frame.setScreenSize(device->width(), device->height());
  pen_.hasVisibleEnd = false;
  return WindowOutcome::kReady;
}

template <class Draw>
int FrameRenderer::plotData(FrameState& frame, Draw draw) {
  if (ensureWindow(frame) != WindowOutcome::kReady) return kRejected;
  automaticLimits(frame);
  if (!hasPoints(frame)) return kDone;
  DrawingLayer layer = layerFor(frame);
  const int drawn = draw(layer);
  return drawn != kDone ? drawn : drawPendingAxes(frame);
}

int FrameRenderer::plotSymbols(FrameState& frame, PointRange range, bool dataCoordinates,
                               int colour) {
  return plotData(frame, [&](DrawingLayer& layer) {
    return drawSymbols(layer, text_, messages_, range, dataCoordinates, colour);
  });
}

int FrameRenderer::joinPoints(FrameState& frame, PointRange range, int texture,
                              bool dataCoordinates, int colour) {
  return plotData(frame, [&](DrawingLayer& layer) {
    return drawCurve(layer, messages_, range, texture, dataCoordinates, colour);
  });
}

int FrameRenderer::histogram(FrameState& frame, PointRange range, int texture, int colour) {
  return plotData(frame, [&](DrawingLayer& layer) {
    return drawHistogram(layer, range, texture, colour);
  });
}

int FrameRenderer::drawPendingAxes(FrameState& frame) {
  for (int side = kLeft; side <= kTop; ++side) {
    const int axis = side == kLeft || side == kRight ? kAxisY : kAxisX;
    if (!frame.axisOn[side] || frame.axisDrawn[side] || !frame.limitsSet[axis]) continue;
    if (ensureWindow(frame) != WindowOutcome::kReady) return kRejected;
    DrawingLayer layer = layerFor(frame);
    const AxisSpec sideSpec = sideAxis(frame, side);
    drawObject(layer, 0.0f, [&] { drawAxis(layer, text_, sideSpec, frame.tickPositions[axis]); });
    frame.axisDrawn[side] = true;
  }
  return drawPendingDecorations(frame);
}

int FrameRenderer::drawPendingDecorations(FrameState& frame) {
  const int code = hasPendingDecorations(frame) ? drawDecorations(frame) : kDone;
  recordCoordinateRegion(frame);
  return code;
}

int FrameRenderer::drawDecorations(FrameState& frame) {
  if (ensureWindow(frame) != WindowOutcome::kReady) return kRejected;
  DrawingLayer layer = layerFor(frame);
  drawPendingGrid(layer, text_);
  text_.drawPendingTitles(layer);
  drawPendingArrows(layer);
  drawPendingFigures(layer);
  return kDone;
}

WindowOutcome FrameRenderer::finishFrame(FrameState& frame) {
  return frame.windowOpen && deviceFrame_ == &frame ? windows_.finishWindow() : WindowOutcome::kReady;
}

}  // namespace vexplot
