#include "viewer/render/data_mapping.hpp"

#include <cmath>

namespace vexplot {

namespace {

AxisMapping axisMapping(double w0, double w1, double low, double high, bool logarithmic) {
  if (logarithmic) {
    low = std::log10(low);
    high = std::log10(high);
  }
  const double scale = (w1 - w0) / (high - low);
  return {scale, w0 - low * scale};
}

}  // namespace

const PlaneMapping* dataTransform(FrameState& frame) {
  if (!frame.limitsSet[kAxisX] || !frame.limitsSet[kAxisY]) return nullptr;
  if (!frame.dataTransformValid) {
    const Rect& w = frame.windowBox;
    const Rect& l = frame.limits;
    frame.dataTransform = {axisMapping(w.x0, w.x1, l.x0, l.x1, frame.logScale[kAxisX]),
                           axisMapping(w.y0, w.y1, l.y0, l.y1, frame.logScale[kAxisY])};
    frame.dataTransformValid = true;
  }
  return &frame.dataTransform;
}

std::optional<double> mapDataValue(FrameState& frame, int axis, double value) {
  const PlaneMapping* transform = dataTransform(frame);
  if (transform == nullptr) return std::nullopt;
  if (frame.logScale[axis]) {
    if (!(value > 0.0)) return std::nullopt;
    value = std::log10(value);
  }
  const AxisMapping& mapping = axis == kAxisX ? transform->x : transform->y;
  const double page = value * mapping.scale + mapping.offset;
  if (!std::isfinite(page)) return std::nullopt;
  return page;
}

std::optional<PagePoint> mapDataPoint(FrameState& frame, double x, double y) {
  const std::optional<double> px = mapDataValue(frame, kAxisX, x);
  const std::optional<double> py = mapDataValue(frame, kAxisY, y);
  if (!px || !py) return std::nullopt;
  return PagePoint{*px, *py};
}

}  // namespace vexplot
