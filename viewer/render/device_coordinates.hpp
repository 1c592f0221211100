#pragma once

#include "viewer/language/frame_items.hpp"
#include "viewer/render/drawing_device.hpp"
#include "viewer/render/page_point.hpp"

namespace vexplot {

// The pixel of a page point under a page-to-device mapping; each coordinate
// is truncated toward zero (saturating, so that no page value makes the
// conversion undefined).
DevicePoint toDevicePixel(const PlaneMapping& mapping, PagePoint point);

// The screen pen for a line width: (trunc(width) + 1) / 2 pixels, so 1 pixel
// for the default 2.0 and 0 (the thinnest pen) for widths below 1.
int screenPenWidth(float width);

struct AreaSize {
  double width = 0.0;
  double height = 0.0;
};

// The part of a requested drawing area that the page fills with one scale
// for both directions: the direction with room to spare is shrunk.
AreaSize fitPageIntoArea(const Rect& page, double width, double height);

}  // namespace vexplot
