#pragma once

#include "viewer/language/frame_state.hpp"
#include "viewer/render/drawing_layer.hpp"
#include "viewer/render/text_painter.hpp"

// The items a frame draws when its pending items are flushed: the grid, the
// queued arrows and figures (the titles belong to the text side), and the
// coordinate regions of its data. Items in data coordinates wait until both
// axes have limits; the grid waits for the tick positions it runs through.
// Each item is drawn once.
namespace vexplot {

// True when the grid, a title, an arrow or a figure is ready to be drawn.
bool hasPendingDecorations(const FrameState& frame);

// Lines through the stored major tick positions across the window box (or,
// in the symbol mode, the grid symbol at every pair of them), in the frame's
// texture, colour and line width, as one object.
void drawPendingGrid(DrawingLayer& layer, TextPainter& text);

// Each arrow as its shaft and head, as one object; an arrow whose ends cannot
// be placed is dropped.
void drawPendingArrows(DrawingLayer& layer);

// Each figure's closed outline in the frame's texture, as one object; a
// figure whose centre cannot be placed is dropped.
void drawPendingFigures(DrawingLayer& layer);

// Once both axes have limits, records the frame's window box, limits and
// scales as a coordinate region unless the same one is recorded already.
// Throws std::bad_alloc when the region list cannot grow.
void recordCoordinateRegion(FrameState& frame);

}  // namespace vexplot
