#pragma once

namespace vexplot {

// A point in page coordinates (page units, y upwards).
struct PagePoint {
  double x = 0.0;
  double y = 0.0;

  bool operator==(const PagePoint&) const = default;
};

}  // namespace vexplot
