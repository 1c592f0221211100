#pragma once

#include "viewer/language/frame_state.hpp"

namespace vexplot {

// The numeric column of the frame's points that holds the first order item
// with the code (kColumnX, kColumnY, ...), or -1 when the order has none.
int columnOfCode(const FrameState& frame, int code);

// Gives each axis without limits the limits that its drawn data (the X or
// the Y column) calls for, stored as SET LIMIT would store them. A linear
// axis gets a tenth of the data range beyond each end, or (0, 2a), (2a, 0) or
// (-1, 1) when all values equal a; a logarithmic axis gets a tenth of the
// decades beyond each end, or (a / 2, 2a) for equal values, (0.01 b, 1.2 b)
// when the smallest value is not positive, and (0, 1) on a linear scale when
// no value is positive. Axes without a column or without points stay open.
void automaticLimits(FrameState& frame);

// Switches every logarithmic axis whose limits are not both positive to a
// linear scale; true when an axis was switched.
bool checkLogLimits(FrameState& frame);

}  // namespace vexplot
