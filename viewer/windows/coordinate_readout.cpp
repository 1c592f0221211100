#include "viewer/windows/coordinate_readout.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vexplot {

namespace {

bool contains(const Rect& box, PagePoint point) {
  return box.x0 <= point.x && point.x <= box.x1 && box.y0 <= point.y && point.y <= box.y1;
}

template <class... Values>
std::string printed(const char* format, Values... values) {
  char text[64];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

}  // namespace

PagePoint pageFromDevice(const PlaneMapping& mapping, double x, double y) {
  return {(x - mapping.x.offset) / mapping.x.scale, (y - mapping.y.offset) / mapping.y.scale};
}

std::string formatPageReadout(PagePoint point) {
  return printed("(%7.3f,%7.3f) ", point.x, point.y);
}

std::string formatDataValue(double value) {
  const double size = std::fabs(value);
  return printed(size >= 0.01 && size < 100000.0 ? "%10.4g" : "%11.3e", value);
}

double regionValue(const CoordinateRegion& region, int axis, double page) {
  const bool isX = axis == 0;
  const double w0 = isX ? region.window.x0 : region.window.y0;
  const double w1 = isX ? region.window.x1 : region.window.y1;
  const double lo = isX ? region.limits.x0 : region.limits.y0;
  const double hi = isX ? region.limits.x1 : region.limits.y1;
  const double t = (page - w0) / (w1 - w0);
  return region.logScale[isX ? 0 : 1] ? lo * std::pow(hi / lo, t) : lo + t * (hi - lo);
}

void RegionOrder::cover(std::size_t regionCount) {
  for (std::size_t index = order_.size(); index < regionCount; ++index) order_.push_back(index);
}

bool RegionOrder::bringToFront(const std::vector<CoordinateRegion>& regions, char letter,
                               PagePoint point) {
  if (letter < 'a' || letter > 'z') return false;
  const std::size_t index = static_cast<std::size_t>(letter - 'a');
  if (index >= regions.size() || !contains(regions[index].window, point)) return false;
  cover(regions.size());
  const auto at = std::find(order_.begin(), order_.end(), index);
  if (at == order_.begin()) return false;
  std::rotate(order_.begin(), at, at + 1);
  return true;
}

std::string RegionOrder::dataReadout(const std::vector<CoordinateRegion>& regions,
                                     PagePoint point) {
  if (regions.size() > kMaxRegions) return {};
  cover(regions.size());
  std::string letters;
  const CoordinateRegion* first = nullptr;
  for (const std::size_t index : order_) {
    if (!contains(regions[index].window, point)) continue;
    if (first == nullptr) first = &regions[index];
    letters.push_back(static_cast<char>('a' + index));
  }
  if (first == nullptr) return {};
  std::string text = "[";
  text.append(formatDataValue(regionValue(*first, 0, point.x)))
      .append(",")
      .append(formatDataValue(regionValue(*first, 1, point.y)))
      .append(" (")
      .append(letters)
      .append(")]");
  return text;
}

const CoordinateRegion* RegionOrder::front(const std::vector<CoordinateRegion>& regions) {
  if (regions.empty()) return nullptr;
  cover(regions.size());
  return &regions[order_.front()];
}

}  // namespace vexplot
