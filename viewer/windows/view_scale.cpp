#include "viewer/windows/view_scale.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "viewer/render/axis_drawing.hpp"
#include "viewer/render/stroke_font.hpp"
#include "viewer/render/stroke_layout.hpp"
#include "viewer/render/tick_label.hpp"
#include "viewer/render/tick_layout.hpp"
#include "viewer/windows/coordinate_readout.hpp"

namespace vexplot {

namespace {

// The scale's colour: index 0, drawn black on the white paper.
constexpr int kScaleColour = 0;
// The tick count that stands in for an axis whose ticks the frame switched
// off.
constexpr int kDefaultMajorCount = 6;

// The page extent of a string in the font, characters of the given size.
double textLength(int font, std::string_view text, std::string_view caseLine, double size) {
  return std::fabs(measureText(strokeFont(font), text, caseLine).endX) * size;
}

// The visible part of one axis of the region's window box: page
// coordinates from low to high, and whether there is any.
struct AxisPart {
  double low = 0.0;
  double high = 0.0;
  bool visible() const { return low < high; }
};

AxisPart visiblePart(double windowLow, double windowHigh, double viewLow, double viewHigh) {
  return {std::max(std::min(windowLow, windowHigh), viewLow), std::min(std::max(windowLow, windowHigh), viewHigh)};
}

// The longest tick label of the axis, in page units.
double widestLabel(const AxisSpec& axis, int font) {
  const TickLayout layout = axisTicks(axis);
  double widest = 0.0;
  for (const Tick& tick : layout.ticks) {
    if (!tick.major) continue;
    const TickLabel label = formatTickLabel(tick.value, !layout.linear, layout.exponent);
    widest = std::max(widest, textLength(font, label.text, label.caseLine, axis.labelSize));
  }
  return widest;
}

class ScaleDrawer {
 public:
  ScaleDrawer(DrawingLayer& layer, TextPainter& text, const CoordinateRegion& region,
              const ScaleStyle& style, double magnification)
      : layer_(layer), text_(text), region_(region), style_(style),
        tickSize_(style.tickSize / magnification),
        labelSize_(style.labelSize / magnification),
        magnification_(magnification) {}

  void drawBottom(const Rect& view, AxisPart part) {
    const AxisDescription& description = style_.descriptions[kAxisX];
    const double descriptionHeight = descriptionRoom(description, part);
    const double y = view.y0 + descriptionHeight + labelSize_ * style_.labelAspect + 0.7 * labelSize_ +
                     tickSize_ + 0.5 * labelSize_;
    AxisSpec axis = visibleAxis(kAxisX, {part.low, y}, {part.high, y});
    applySideLayout(axis, kBottom);
    drawAxisSpec(axis);
    if (descriptionHeight > 0.0) {
      drawDescription(description, {(part.low + part.high) / 2.0, view.y0 + descriptionHeight / 2.0}, 0.0);
    }
  }

  void drawLeft(const Rect& view, AxisPart part) {
    const AxisDescription& description = style_.descriptions[kAxisY];
    const double descriptionWidth = descriptionRoom(description, part);
    AxisSpec axis = visibleAxis(kAxisY, {0.0, part.low}, {0.0, part.high});
    const double x = view.x0 + descriptionWidth + widestLabel(axis, style_.font) + 0.7 * labelSize_ +
                     tickSize_ + 0.5 * labelSize_;
    axis.from.x = axis.to.x = x;
    applySideLayout(axis, kLeft);
    drawAxisSpec(axis);
    if (descriptionWidth > 0.0) {
      drawDescription(description, {view.x0 + descriptionWidth / 2.0, (part.low + part.high) / 2.0}, 90.0);
    }
  }

 private:
  // The axis of the region along the visible part, from page point from to
  // page point to.
  AxisSpec visibleAxis(int axisIndex, PagePoint from, PagePoint to) const {
    AxisSpec axis;
    axis.from = from;
    axis.to = to;
    const bool isX = axisIndex == kAxisX;
    axis.low = regionValue(region_, axisIndex, isX ? from.x : from.y);
    axis.high = regionValue(region_, axisIndex, isX ? to.x : to.y);
    axis.logarithmic = region_.logScale[static_cast<std::size_t>(axisIndex)];
    const std::array<int, 2>& ticks = style_.tickParams[static_cast<std::size_t>(axisIndex)];
    axis.majorCount = ticks[0] != 0 ? ticks[0] : kDefaultMajorCount;
    axis.minorCount = ticks[1];
    axis.tickSize = tickSize_;
    axis.labelsOn = true;
    axis.labelSize = labelSize_;
    axis.font = style_.font;
    axis.colour = kScaleColour;
    axis.labelAspect = style_.labelAspect;
    return axis;
  }

  void drawAxisSpec(const AxisSpec& axis) {
    std::vector<double> feet;
    drawObject(layer_, 0.0f, [&] { drawAxis(layer_, text_, axis, feet); });
  }

  // The room across the axis that its description takes: a line of its
  // characters with half a line of room on either side (for subscripts), or
  // nothing when it is longer than the visible part of the axis.
  double descriptionRoom(const AxisDescription& description, AxisPart part) const {
    if (description.text.empty() || description.size <= 0.0) return 0.0;
    const double size = description.size / magnification_;
    if (textLength(style_.font, description.text, description.caseLine, size) > part.high - part.low) return 0.0;
    return 2.0 * size * style_.labelAspect;
  }

  void drawDescription(const AxisDescription& description, PagePoint centre, double angle) {
    const TextStyle textStyle{description.size / magnification_, style_.font, 0.5, angle,
                              style_.labelAspect, kScaleColour};
    text_.drawText(layer_, description.text, description.caseLine, centre, textStyle);
  }

  DrawingLayer& layer_;
  TextPainter& text_;
  const CoordinateRegion& region_;
  const ScaleStyle& style_;
  double tickSize_;
  double labelSize_;
  double magnification_;
};

}  // namespace

void drawViewScale(DrawingLayer& layer, TextPainter& text, const CoordinateRegion& region,
                   const ScaleStyle& style) {
  const ViewState& view = layer.view();
  if (view.showsWholePage()) return;
  const Rect& shown = view.current();
  ScaleDrawer scale(layer, text, region, style, view.magnification());
  const AxisPart x = visiblePart(region.window.x0, region.window.x1, shown.x0, shown.x1);
  const AxisPart y = visiblePart(region.window.y0, region.window.y1, shown.y0, shown.y1);
  if (x.visible()) scale.drawBottom(shown, x);
  if (y.visible()) scale.drawLeft(shown, y);
}

}  // namespace vexplot
