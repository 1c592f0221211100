#pragma once

#include <vector>

#include "viewer/language/frame_state.hpp"
#include "viewer/render/drawing_layer.hpp"
#include "viewer/render/page_point.hpp"
#include "viewer/render/text_painter.hpp"
#include "viewer/render/tick_layout.hpp"

namespace vexplot {

// One axis from page point from (the value low) to page point to (high), with
// its ticks and labels. The signs of the tick counts choose the tick lengths:
// the tick size for a positive count, 0.6 of it otherwise; their magnitudes
// the layout. Angles are in degrees relative to the axis direction.
struct AxisSpec {
  PagePoint from;
  PagePoint to;
  double low = 0.0;
  double high = 1.0;
  bool logarithmic = false;
  int majorCount = 6;
  int minorCount = 0;
  double tickSize = 0.1;
  double tickAngle = 0.0;
  bool ticksOn = true;
  bool labelsOn = false;
  double justification = 0.0;
  double labelSize = 0.16;
  double labelAngle = 0.0;
  int font = 0;
  int colour = 0;
  double labelAspect = 1.2;
};

// The tick angle, label justification and label angle of a side of the
// window box (kLeft .. kTop): ticks point away from the box, labels read
// horizontally.
void applySideLayout(AxisSpec& axis, int side);

// The axis of one side of the frame's window box with the frame's limits,
// scale, tick counts, switches and text settings of the moment.
AxisSpec sideAxis(const FrameState& frame, int side);

// Draws the axis line, its ticks and the labels of its major ticks, all with
// the thinnest pen. When ticks were laid out, majorFeet receives the
// positions of the major tick feet along the axis (x for a horizontal axis,
// y for a vertical one). Nothing is drawn for equal limits, limits that are
// not positive on a logarithmic axis, or equal ends.
void drawAxis(DrawingLayer& layer, TextPainter& text, const AxisSpec& axis,
             std::vector<double>& majorFeet);

// The ticks drawAxis lays out for the axis: none where it draws none.
TickLayout axisTicks(const AxisSpec& axis);

}  // namespace vexplot
