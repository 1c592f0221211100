#include "viewer/render/axis_limits.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vexplot {

namespace {

using Limits = std::pair<double, double>;

Limits linearLimits(double a, double b) {
  if (b - a == 0.0) {
    if (a == 0.0) return {-1.0, 1.0};
    return a > 0.0 ? Limits{0.0, 2.0 * a} : Limits{2.0 * a, 0.0};
  }
  return {a - 0.1 * (b - a), b + 0.1 * (b - a)};
}

Limits logarithmicLimits(double a, double b) {
  if (a > 0.0) {
    if (a == b) return {a / 2.0, 2.0 * a};
    const double f = std::pow(b / a, 0.1);
    return {a / f, b * f};
  }
  return {0.01 * b, 1.2 * b};
}

}  // namespace

int columnOfCode(const FrameState& frame, int code) {
  const auto item = std::find(frame.order.begin(), frame.order.end(), code);
  if (item == frame.order.end()) return -1;
  return frame.columnOfItem[static_cast<std::size_t>(item - frame.order.begin())];
}

void automaticLimits(FrameState& frame) {
  const PointSet* points = frame.pointSet.get();
  if (points == nullptr || points->count() == 0) return;
  for (const int axis : {kAxisX, kAxisY}) {
    if (frame.limitsSet[axis]) continue;
    const int column = columnOfCode(frame, axis == kAxisX ? kColumnX : kColumnY);
    if (column < 0) continue;
    double a = points->value(0, column);
    double b = a;
    for (std::size_t i = 1; i < points->count(); ++i) {
      a = std::min(a, points->value(i, column));
      b = std::max(b, points->value(i, column));
    }
    Limits limits;
    if (!frame.logScale[axis]) {
      limits = linearLimits(a, b);
    } else if (b > 0.0) {
      limits = logarithmicLimits(a, b);
    } else {
      limits = {0.0, 1.0};
      frame.setScale(axis, false);
    }
    frame.storeLimits(axis, limits.first, limits.second);
  }
}

bool checkLogLimits(FrameState& frame) {
  bool switched = false;
  for (const int axis : {kAxisX, kAxisY}) {
    if (!frame.logScale[axis] || !frame.limitsSet[axis]) continue;
    const double low = axis == kAxisX ? frame.limits.x0 : frame.limits.y0;
    const double high = axis == kAxisX ? frame.limits.x1 : frame.limits.y1;
    if (low > 0.0 && high > 0.0) continue;
    frame.setScale(axis, false);
    switched = true;
  }
  return switched;
}

}  // namespace vexplot
