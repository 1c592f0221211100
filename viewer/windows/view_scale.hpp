#pragma once

#include "viewer/language/frame_state.hpp"
#include "viewer/render/drawing_layer.hpp"
#include "viewer/render/text_painter.hpp"

// The scale of a magnified view: while a plot window shows less than the
// whole page, the frame's own axes are mostly out of sight, so the window
// draws a scale of its own over the picture, along the left and the bottom
// edge of the view.
namespace vexplot {

// The scale settings of a frame as it ends: its tick rules, its label and
// tick sizes and font, and its first titles beside the bottom and the left
// side as the axis descriptions.
ScaleStyle scaleStyleOf(const FrameState& frame);

// Draws the scale of the layer's current view, unless that is the whole
// page: for each axis the data range of the part of the region's window box
// that is in view, as an axis just inside the view's bottom (x) or left (y)
// edge with ticks and numbers laid out as the frame's own axes are (linear or
// logarithmic as the region is), and the axis description below it or left
// of it when it fits the axis's length. Sizes are the frame's divided by the
// magnification, so that the scale looks as the frame's axes do on the whole
// page. Everything is drawn with the thinnest pen in colour 0. Returns kDone
// or kOutOfMemory.
int drawViewScale(DrawingLayer& layer, TextPainter& text, const CoordinateRegion& region,
                  const ScaleStyle& style);

}  // namespace vexplot
