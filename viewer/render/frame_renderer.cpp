#include "viewer/render/frame_renderer.hpp"

#include <new>
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

// Runs a drawing step; a container that cannot grow ends it with
// kOutOfMemory.
template <class Step>
int guarded(Step step) {
  try {
    return step();
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  }
}

bool hasPoints(const FrameState& frame) { return frame.pointSet && frame.pointSet->count() > 0; }

}  // namespace

int FrameRenderer::ensureWindow(FrameState& frame) {
  if (frame.windowOpen) return deviceFrame_ == &frame ? kDone : kWindowNotOpened;
  const AreaSize area = fitPageIntoArea(frame.pageBox, frame.pixelWidth, frame.pixelHeight);
  DrawingDevice* device = windows_.openWindow(truncateToInt(area.width), truncateToInt(area.height),
                                              frame.title, frame.backgroundColour);
  if (device == nullptr) return kWindowNotOpened;
  device_ = device;
  deviceFrame_ = &frame;
  frame.windowOpen = true;
  frame.setScreenSize(device->width(), device->height());
  pen_.hasVisibleEnd = false;
  return kDone;
}

template <class Draw>
int FrameRenderer::plotData(FrameState& frame, Draw draw) {
  int code = ensureWindow(frame);
  if (code != kDone) return code;
  code = guarded([&] {
    automaticLimits(frame);
    if (!hasPoints(frame)) return kDone;
    DrawingLayer layer = layerFor(frame);
    const int drawn = draw(layer);
    return drawn != kDone ? drawn : drawPendingAxes(frame);
  });
  return code;
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
    int code = ensureWindow(frame);
    if (code != kDone) return code;
    code = guarded([&] {
      DrawingLayer layer = layerFor(frame);
      const AxisSpec sideSpec = sideAxis(frame, side);
      return drawObject(layer, 0.0f, [&] {
        return drawAxis(layer, text_, sideSpec, frame.tickPositions[axis]);
      });
    });
    if (code != kDone) return code;
    frame.axisDrawn[side] = true;
  }
  return drawPendingDecorations(frame);
}

int FrameRenderer::drawPendingDecorations(FrameState& frame) {
  return guarded([&] {
    const int code = hasPendingDecorations(frame) ? drawDecorations(frame) : kDone;
    recordCoordinateRegion(frame);
    return code;
  });
}

int FrameRenderer::drawDecorations(FrameState& frame) {
  int code = ensureWindow(frame);
  if (code != kDone) return code;
  DrawingLayer layer = layerFor(frame);
  code = drawPendingGrid(layer, text_);
  if (code == kDone) code = text_.drawPendingTitles(layer);
  if (code == kDone) code = drawPendingArrows(layer);
  if (code == kDone) code = drawPendingFigures(layer);
  return code;
}

int FrameRenderer::finishFrame(FrameState& frame) {
  return frame.windowOpen && deviceFrame_ == &frame ? windows_.finishWindow() : kDone;
}

}  // namespace vexplot
