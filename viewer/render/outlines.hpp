#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "viewer/render/page_point.hpp"

namespace vexplot {

// The step outline of bars at the page points (x_i, y_i) standing on the
// line y = base: 2n + 2 vertices from the base at the first bar's left edge,
// across each bar at its height with vertical steps between bars, back to
// the base at the last bar's right edge. Bar edges lie halfway between
// neighbouring x; the first bar starts at 1.5 x_0 - 0.5 x_1 and the last ends
// at 1.5 x_(n-1) - 0.5 x_(n-2). Fewer than two bars give no outline.
std::vector<PagePoint> histogramOutline(std::span<const PagePoint> bars, double base);

// The closed outline (its last vertex joins the first) of a figure of width w
// and height h centred on centre: a box of 4 vertices, a diamond of 4, an
// ellipse of 4k with k = trunc(1 + 25 sqrt(max(|w|, |h|))), at most 10000.
std::vector<PagePoint> figureOutline(int kind, PagePoint centre, double w, double h);

// The strokes of an arrow: the shaft from from to to, each end moved towards
// the other by its gap, and a closed triangular head of the given length and
// width ratio with its tip at the shaft's (moved) end; no head for a length
// that is not positive. Nothing for an arrow of zero length.
struct ArrowStrokes {
  PagePoint shaftStart;
  PagePoint shaftEnd;
  std::optional<std::array<PagePoint, 3>> head;
};
std::optional<ArrowStrokes> arrowStrokes(PagePoint from, PagePoint to, double fromGap, double toGap,
                                         double headLength, double headWidthRatio);

}  // namespace vexplot
