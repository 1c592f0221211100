#pragma once

#include "viewer/language/frame_items.hpp"
#include "viewer/render/page_point.hpp"

namespace vexplot {

// Clips the segment from a to b to the rectangle, edges included. Returns
// false when nothing of the segment is visible; otherwise a and b become the
// ends of its visible part. Both ends beyond the same edge see nothing. An end
// outside is moved to the segment's crossing with the first of the edges it
// lies beyond, tried in the order left, bottom, right, top, whose crossing
// lies on the rectangle's side; when there is none the segment misses the
// rectangle.
bool clipSegment(const Rect& rectangle, PagePoint& a, PagePoint& b);

}  // namespace vexplot
