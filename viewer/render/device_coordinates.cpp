#include "viewer/render/device_coordinates.hpp"

#include "viewer/language/number_syntax.hpp"

namespace vexplot {

DevicePoint toDevicePixel(const PlaneMapping& mapping, PagePoint point) {
  return {truncateToInt(point.x * mapping.x.scale + mapping.x.offset),
          truncateToInt(point.y * mapping.y.scale + mapping.y.offset)};
}

int screenPenWidth(float width) { return (truncateToInt(width) + 1) / 2; }

AreaSize fitPageIntoArea(const Rect& page, double width, double height) {
  const double pageWidth = page.x1 - page.x0;
  const double pageHeight = page.y1 - page.y0;
  const double sx = width / pageWidth;
  const double sy = height / pageHeight;
  if (sx <= sy) return {width, sx * pageHeight};
  return {sy * pageWidth, height};
}

}  // namespace vexplot
