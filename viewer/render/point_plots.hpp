#pragma once

#include "viewer/language/frame_drawing.hpp"
#include "viewer/language/message_sink.hpp"
#include "viewer/render/drawing_layer.hpp"
#include "viewer/render/text_painter.hpp"

// The drawings of a frame's points, in the X and Y columns of its order, into
// the frame's open window. In data coordinates the points are mapped through
// the limits (which must be set) and clipped to the window box; points that
// cannot be placed (not positive on a logarithmic axis) are left out. In
// page coordinates the values are page positions. A colour of kFrameColour
// and a texture outside 0..4 take the frame's own. Each returns kDone (also
// when no point could be placed), kSyntaxError when the order has no X or no
// Y column.
namespace vexplot {

// The symbol of each point (its own, else the frame's) as a one-glyph string
// centred on it. A logarithmic axis whose limits are not both positive is
// first made linear, with a report.
int drawSymbols(DrawingLayer& layer, TextPainter& text, MessageSink& messages, PointRange range,
                bool dataCoordinates, int colour);

// A curve through the points in their order, in the texture and the frame's
// line width; the same switch of logarithmic axes as drawSymbols.
int drawCurve(DrawingLayer& layer, MessageSink& messages, PointRange range, int texture,
              bool dataCoordinates, int colour);

// The step outline over the points in data coordinates; a y value that is
// not positive on a logarithmic axis stands on the window's lower edge.
// Logarithmic axes without positive limits are made linear without a report.
int drawHistogram(DrawingLayer& layer, PointRange range, int texture, int colour);

}  // namespace vexplot
