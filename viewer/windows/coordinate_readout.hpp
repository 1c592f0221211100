#pragma once

#include <string>
#include <vector>

#include "viewer/language/frame_items.hpp"
#include "viewer/render/page_point.hpp"

// The coordinate read-outs of a plot window's status bar: the page point under
// the mouse, and its data coordinates in the regions the frame's data were
// drawn in.
namespace vexplot {

// The page point of a position on the drawing area (pixels, fractions
// allowed): the inverse of the page-to-device mapping.
PagePoint pageFromDevice(const PlaneMapping& mapping, double x, double y);

// The text read-out: "(%7.3f,%7.3f) ".
std::string formatPageReadout(PagePoint point);

// One read-out value: "%10.4g" when 0.01 <= |v| < 100000, else "%11.3e".
std::string formatDataValue(double value);

// The data value at a page position along one axis of a region, linear or
// logarithmic between the limits.
double regionValue(const CoordinateRegion& region, int axis, double page);

// The order in which a frame's coordinate regions are consulted. Regions are
// named a, b, c, ... in order of creation, and that is their first order; a
// letter key over a point inside its region moves that region to the front.
class RegionOrder {
 public:
  static constexpr std::size_t kMaxRegions = 26;

  // Moves the region named by letter to the front when it contains the
  // point; returns whether the order changed.
  bool bringToFront(const std::vector<CoordinateRegion>& regions, char letter, PagePoint point);

  // "[x,y (letters)]" with the values of the first region containing the
  // point and the letters of all that contain it, in region order; empty when
  // none contains it or there are more than 26 regions.
  std::string dataReadout(const std::vector<CoordinateRegion>& regions, PagePoint point);

  // The first of the regions in this order; nothing without regions.
  const CoordinateRegion* front(const std::vector<CoordinateRegion>& regions);

 private:
  // Extends the order by the regions created since it was last used.
  void cover(std::size_t regionCount);

  std::vector<std::size_t> order_;
};

}  // namespace vexplot
