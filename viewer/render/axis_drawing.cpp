#include "viewer/render/axis_drawing.hpp"

#include <climits>
#include <cmath>
#include <numbers>

#include "viewer/render/tick_label.hpp"
#include "viewer/render/tick_layout.hpp"

namespace vexplot {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// Per side: tick angle, label justification and label angle.
struct SideLayout {
  double tickAngle;
  double justification;
  double labelAngle;
};

// Ticks point away from the box; labels read horizontally.
constexpr SideLayout kSides[4] = {{90.0, 1.0, -90.0}, {-90.0, 0.0, -90.0}, {-90.0, 0.5, 0.0},
                                  {90.0, 0.5, 0.0}};

// The direction of the axis in degrees.
double axisDirection(PagePoint from, PagePoint to) {
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  if (dx == 0.0) return dy < 0.0 ? -90.0 : 90.0;
  const double angle = std::atan(dy / dx) / kDegree;
  return dx < 0.0 ? -angle : angle;
}

PagePoint along(PagePoint p, double length, double angleInDegrees) {
  return {p.x + length * std::cos(angleInDegrees * kDegree),
          p.y + length * std::sin(angleInDegrees * kDegree)};
}

// |count|, also for the most negative count.
int magnitude(int count) { return count == INT_MIN ? INT_MAX : std::abs(count); }

double scaled(double value, bool logarithmic) { return logarithmic ? std::log10(value) : value; }

void drawTickLabel(DrawingLayer& layer, TextPainter& text, const AxisSpec& axis, PagePoint anchor,
                   double value, const TickLayout& layout, double direction) {
  const TickLabel label = formatTickLabel(value, !layout.linear, layout.exponent);
  const TextStyle style{axis.labelSize, axis.font,        axis.justification,
                        direction + axis.labelAngle, axis.labelAspect, axis.colour};
  text.drawText(layer, label.text, label.caseLine, anchor, style);
}

void drawTicks(DrawingLayer& layer, TextPainter& text, const AxisSpec& axis,
              const TickLayout& layout, std::vector<double>& feet) {
  const double direction = axisDirection(axis.from, axis.to);
  const double tickDirection = direction + axis.tickAngle;
  const double majorLength = axis.majorCount > 0 ? axis.tickSize : 0.6 * axis.tickSize;
  const double minorLength = axis.minorCount > 0 ? axis.tickSize : 0.6 * axis.tickSize;
  const double low = scaled(axis.low, axis.logarithmic);
  const double range = scaled(axis.high, axis.logarithmic) - low;
  const bool horizontal = axis.from.x != axis.to.x;
  for (const Tick& tick : layout.ticks) {
    const double t = (scaled(tick.value, axis.logarithmic) - low) / range;
    const PagePoint foot{axis.from.x + t * (axis.to.x - axis.from.x),
                         axis.from.y + t * (axis.to.y - axis.from.y)};
    const PagePoint end = along(foot, tick.major ? majorLength : minorLength, tickDirection);
    layer.segment(foot, end, axis.colour, 0.0f);
    if (tick.major && axis.labelsOn) {
      drawTickLabel(layer, text, axis, along(end, 0.7 * axis.labelSize, tickDirection), tick.value,
                    layout, direction);
    }
    if (tick.major) feet.push_back(horizontal ? foot.x : foot.y);
  }
}

// Whether the axis is drawn at all: limits that differ (and are positive on
// a logarithmic axis) between ends that differ.
bool isDrawable(const AxisSpec& axis) {
  if (axis.low == axis.high || axis.from == axis.to) return false;
  return !axis.logarithmic || (axis.low > 0.0 && axis.high > 0.0);
}

}  // namespace

void applySideLayout(AxisSpec& axis, int side) {
  axis.tickAngle = kSides[side].tickAngle;
  axis.justification = kSides[side].justification;
  axis.labelAngle = kSides[side].labelAngle;
}

AxisSpec sideAxis(const FrameState& frame, int side) {
  const Rect& w = frame.windowBox;
  const bool vertical = side == kLeft || side == kRight;
  const int axisIndex = vertical ? kAxisY : kAxisX;
  AxisSpec axis;
  switch (side) {
    case kLeft: axis.from = {w.x0, w.y0}; axis.to = {w.x0, w.y1}; break;
    case kRight: axis.from = {w.x1, w.y0}; axis.to = {w.x1, w.y1}; break;
    case kBottom: axis.from = {w.x0, w.y0}; axis.to = {w.x1, w.y0}; break;
    default: axis.from = {w.x0, w.y1}; axis.to = {w.x1, w.y1}; break;
  }
  axis.low = vertical ? frame.limits.y0 : frame.limits.x0;
  axis.high = vertical ? frame.limits.y1 : frame.limits.x1;
  axis.logarithmic = frame.logScale[axisIndex];
  axis.majorCount = frame.tickParams[axisIndex][0];
  axis.minorCount = frame.tickParams[axisIndex][1];
  axis.tickSize = frame.tickSize;
  axis.ticksOn = frame.ticksOn[side];
  axis.labelsOn = frame.labelsOn[side];
  axis.labelSize = frame.labelSize;
  axis.font = frame.font;
  axis.colour = frame.colour;
  axis.labelAspect = frame.labelAspect;
  applySideLayout(axis, side);
  return axis;
}

TickLayout axisTicks(const AxisSpec& axis) {
  if (!isDrawable(axis) || axis.majorCount == 0 || !axis.ticksOn) return {};
  const int n = magnitude(axis.majorCount);
  const int m = magnitude(axis.minorCount);
  return axis.logarithmic ? logTicks(axis.low, axis.high, n, m)
                          : linearTicks(axis.low, axis.high, n, m);
}

void drawAxis(DrawingLayer& layer, TextPainter& text, const AxisSpec& axis,
              std::vector<double>& majorFeet) {
  if (!isDrawable(axis)) return;
  layer.segment(axis.from, axis.to, axis.colour, 0.0f);
  if (axis.majorCount == 0 || !axis.ticksOn) return;

  const TickLayout layout = axisTicks(axis);
  std::vector<double> feet;
  feet.reserve(layout.ticks.size());
  drawTicks(layer, text, axis, layout, feet);
  majorFeet = std::move(feet);
}

}  // namespace vexplot
