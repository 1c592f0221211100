#pragma once

#include "viewer/language/frame_state.hpp"
#include "viewer/render/page_point.hpp"

namespace vexplot {

// Where a pending title is drawn: at the anchor (the centre of its first
// character before justification) with the angle, or not yet (a data
// coordinate waits for its axis's limits), or never.
struct TitleAnchor {
  enum Outcome { kDraw, kWait, kDrop };
  Outcome outcome = kDrop;
  PagePoint anchor;
  double angle = 0.0;
};

// Places a title of the frame:
// - beside a side: outside the window box by a tenth of its extent, centred
//   along the side; turned by 90 degrees on the left and right sides;
// - at a position: the given point, a coordinate marked as data mapped
//   through its axis (a value that cannot be mapped, or one of the unset
//   markers 2147483647 and 4294967295, drops the title);
// - continuing: below the start of the frame's last drawn title by its
//   character height times the line spacing (2 when 0), perpendicular to its
//   angle, which is added to the title's own; dropped when no title was drawn.
// A line value other than 1 then moves the anchor by 2 (value - 1) character
// heights across the text direction (upwards for unturned text).
TitleAnchor placeTitle(FrameState& frame, const TitleText& title);

}  // namespace vexplot
