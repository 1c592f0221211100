#include "viewer/render/dash_walk.hpp"

#include <cmath>

namespace vexplot {

namespace {

constexpr double kMaxPeriods = 1.0e6;

double distance(PagePoint a, PagePoint b) { return std::hypot(b.x - a.x, b.y - a.y); }

}  // namespace

bool isWalkablePattern(std::span<const double> pattern, double lineLength) {
  if (pattern.size() < 2) return false;
  double period = 0.0;
  for (const double length : pattern) {
    if (!(length >= 0.0)) return false;
    period += length;
  }
  return period > 0.0 && lineLength / period <= kMaxPeriods;
}

double polylineLength(std::span<const PagePoint> points, bool closed) {
  double length = 0.0;
  for (std::size_t i = 1; i < points.size(); ++i) length += distance(points[i - 1], points[i]);
  if (closed && points.size() > 1) length += distance(points.back(), points.front());
  return length;
}

void walkDashes(std::span<const PagePoint> points, bool closed, std::span<const double> pattern,
                const DashStep& step) {
  if (points.empty()) return;
  step(points[0], false);
  std::size_t element = 0;
  bool penDown = true;
  double used = 0.0;  // of the current element
  const std::size_t segments = closed ? points.size() : points.size() - 1;
  for (std::size_t s = 0; s < segments; ++s) {
    const PagePoint a = points[s];
    const PagePoint b = points[(s + 1) % points.size()];
    const double length = distance(a, b);
    if (length == 0.0) continue;
    double position = 0.0;  // along this segment
    for (;;) {
      const double restOfElement = pattern[element] - used;
      if (length - position <= restOfElement) {
        step(b, penDown);
        used += length - position;
        break;
      }
      position += restOfElement;
      const double t = position / length;
      step({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)}, penDown);
      element = (element + 1) % pattern.size();
      penDown = !penDown;
      used = 0.0;
    }
  }
}

}  // namespace vexplot
