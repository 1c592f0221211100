#pragma once

#include <functional>
#include <span>

#include "viewer/render/page_point.hpp"

namespace vexplot {

// One step of a dashed line: go to the point with the pen down (draw) or up
// (move).
using DashStep = std::function<void(PagePoint point, bool penDown)>;

// True for a dash pattern that walkDashes can run along a polyline: at least
// two lengths, none negative, and periods long enough that a polyline of the
// given length needs at most a million of them. Other patterns (a zero sum
// would never get along the line) are drawn as solid lines.
bool isWalkablePattern(std::span<const double> pattern, double lineLength);

// The length of a polyline, with its closing segment when closed.
double polylineLength(std::span<const PagePoint> points, bool closed);

// Runs a dash pattern (dash, gap, dash, ... lengths in page units) along the
// polyline through points, back to the first point when closed: a move to the
// first point, then steps that alternate between drawn dashes and blank gaps.
// The pattern runs on across the vertices; segments of zero length are
// passed over; with an odd number of lengths dashes and gaps swap on every
// pass through the pattern.
void walkDashes(std::span<const PagePoint> points, bool closed, std::span<const double> pattern,
               const DashStep& step);

}  // namespace vexplot
