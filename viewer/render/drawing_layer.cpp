#include "viewer/render/drawing_layer.hpp"

#include <algorithm>
#include <array>
#include <limits>

#include "viewer/language/result_codes.hpp"
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

int DrawingLayer::drawTo(PagePoint point, int colour, float width) {
  PagePoint start = pen_.last;
  PagePoint end = point;
  pen_.last = point;
  const Rect& clip = secondaryClipOn_ ? secondaryClip_ : view_.current();
  if (!clipSegment(clip, start, end)) return kDone;

  // The end is drawn again one pixel to the right so that its pixel is
  // painted.
  const DevicePoint deviceStart = toDevicePixel(view_.deviceMapping(), start);
  const DevicePoint deviceEnd = toDevicePixel(view_.deviceMapping(), end);
  const std::array<DevicePoint, 3> line{deviceStart, deviceEnd, {deviceEnd.x + 1, deviceEnd.y}};
  device_.drawPolyline(line, colour, screenPenWidth(width));

  const bool connected = pen_.hasVisibleEnd && start == pen_.visibleEnd;
  pen_.visibleEnd = end;
  pen_.hasVisibleEnd = true;
  if (!connected) {
    const int code = record(kMove, start, colour, width);
    if (code != kDone) return code;
  }
  return record(kDraw, end, colour, width);
}

int DrawingLayer::segment(PagePoint from, PagePoint to, int colour, float width) {
  moveTo(from);
  return drawTo(to, colour, width);
}

int DrawingLayer::polyline(std::span<const PagePoint> points, bool closed, int colour, float width) {
  if (points.empty()) return kDone;
  moveTo(points.front());
  for (std::size_t i = 1; i < points.size(); ++i) {
    const int code = drawTo(points[i], colour, width);
    if (code != kDone) return code;
  }
  return closed && points.size() > 1 ? drawTo(points.front(), colour, width) : kDone;
}

int DrawingLayer::texturedPolyline(std::span<const PagePoint> points, bool closed,
                                   std::span<const double> pattern, int colour, float width) {
  if (!isWalkablePattern(pattern, polylineLength(points, closed))) {
    return polyline(points, closed, colour, width);
  }
  return walkDashes(points, closed, pattern, [&](PagePoint point, bool penDown) {
    if (penDown) return drawTo(point, colour, width);
    moveTo(point);
    return kDone;
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

int DrawingLayer::record(DisplayKind kind, PagePoint point, int colour, float width) {
  if (recording_ == nullptr) return kDone;
  const DisplayRecord record{kind, colour, width, toRecordCoordinate(point.x),
                             toRecordCoordinate(point.y)};
  return recording_->append(record) ? kDone : kOutOfMemory;
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
