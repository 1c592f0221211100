#include "viewer/render/drawing_layer.hpp"

#include <algorithm>
#include <array>
#include <limits>

#include "viewer/render/clipping.hpp"
#include "viewer/render/dash_walk.hpp"
#include "viewer/render/device_coordinates.hpp"

namespace vexplot {

namespace {

// Records keep single precision; a page coordinate beyond its range (a page
// of absurd size) is kept at the largest value.
float toRecordCoordinate(double value) {
  constexpr double kLargest = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(value, -kLargest, kLargest));
}

}  // namespace

void DrawingLayer::drawTo(PagePoint point, int colour, float width) {
  PagePoint start = pen_.last;
  PagePoint end = point;
  pen_.last = point;
  const Rect& clip = secondaryClipOn_ ? secondaryClip_ : view_.current();
  if (!clipSegment(clip, start, end)) return;

  // The end is drawn again one pixel to the right so that its pixel is
  // painted.
  const DevicePoint deviceStart = toDevicePixel(view_.deviceMapping(), start);
  const DevicePoint deviceEnd = toDevicePixel(view_.deviceMapping(), end);
  const std::array<DevicePoint, 3> line{deviceStart, deviceEnd, {deviceEnd.x + 1, deviceEnd.y}};
  device_.drawPolyline(line, colour, screenPenWidth(width));

  const bool connected = pen_.hasVisibleEnd && start == pen_.visibleEnd;
  pen_.visibleEnd = end;
  pen_.hasVisibleEnd = true;
  if (!connected) record(kMove, start, colour, width);
  record(kDraw, end, colour, width);
}

void DrawingLayer::segment(PagePoint from, PagePoint to, int colour, float width) {
  moveTo(from);
  drawTo(to, colour, width);
}

void DrawingLayer::polyline(std::span<const PagePoint> points, bool closed, int colour, float width) {
  if (points.empty()) return;
  moveTo(points.front());
  for (std::size_t i = 1; i < points.size(); ++i) drawTo(points[i], colour, width);
  if (closed && points.size() > 1) drawTo(points.front(), colour, width);
}

void DrawingLayer::texturedPolyline(std::span<const PagePoint> points, bool closed,
                                    std::span<const double> pattern, int colour, float width) {
  if (!isWalkablePattern(pattern, polylineLength(points, closed))) {
    polyline(points, closed, colour, width);
    return;
  }
  walkDashes(points, closed, pattern, [&](PagePoint point, bool penDown) {
    if (penDown) {
      drawTo(point, colour, width);
    } else {
      moveTo(point);
    }
  });
}

void DrawingLayer::setSecondaryClip(const Rect& rectangle) {
  if (!(rectangle.x0 < rectangle.x1 && rectangle.y0 < rectangle.y1)) return;
  secondaryClip_ = rectangle;
  secondaryClipOn_ = true;
}

void DrawingLayer::fillRect(DevicePoint corner, DevicePoint opposite, int colour, int hatch) {
  device_.fillRect({std::min(corner.x, opposite.x), std::min(corner.y, opposite.y)},
                   {std::max(corner.x, opposite.x), std::max(corner.y, opposite.y)}, colour, hatch);
}

void DrawingLayer::record(DisplayKind kind, PagePoint point, int colour, float width) {
  if (recording_ == nullptr) return;
  recording_->append({kind, colour, width, toRecordCoordinate(point.x), toRecordCoordinate(point.y)});
}

void replay(const DisplayList& list, const ViewState& view, DrawingDevice& device) {
  Pen pen;
  DrawingLayer layer(view, device, pen, nullptr);
  list.forEach([&](const DisplayRecord& record) {
    const PagePoint point{record.x, record.y};
    if (record.kind == kMove) {
      layer.moveTo(point);
    } else if (record.kind == kDraw) {
      layer.drawTo(point, record.colour, record.width);
    }
  });
}

}  // namespace vexplot
