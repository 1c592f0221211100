#pragma once

#include <optional>

#include "viewer/language/frame_state.hpp"
#include "viewer/render/page_point.hpp"

namespace vexplot {

// The data-to-page transform of the frame: per axis the window interval over
// the limits, on log10 of the values for a logarithmic axis. Computed when
// first needed and kept until the page, window, limits or a scale change;
// nullptr while an axis has no limits.
const PlaneMapping* dataTransform(FrameState& frame);

// The page coordinate of a data value on one axis; nothing when the axis has
// no limits, for a value <= 0 on a logarithmic axis, or when the result is
// not a finite number.
std::optional<double> mapDataValue(FrameState& frame, int axis, double value);

// Both coordinates of a data point, or nothing when either cannot be mapped.
std::optional<PagePoint> mapDataPoint(FrameState& frame, double x, double y);

}  // namespace vexplot
