#pragma once

#include "viewer/language/frame_items.hpp"
#include "viewer/render/drawing_layer.hpp"
#include "viewer/render/text_painter.hpp"

// The scale of a magnified view: while a plot window shows less than the
// whole page, the frame's own axes are mostly out of sight, so the window
// draws a scale of its own over the picture, along the left and the bottom
// edge of the view.
namespace vexplot {

// Draws the scale of the layer's current view, unless that is the whole
// page: for each axis the data range of the part of the region's window box
// that is in view, as an axis just inside the view's bottom (x) or left (y)
// edge with ticks and numbers laid out as the frame's own axes are (linear or
// logarithmic as the region is), and the axis description below it or left
// of it when it fits the axis's length. Sizes are the frame's divided by the
// magnification, so that the scale looks as the frame's axes do on the whole
// page. Everything is drawn with the thinnest pen in colour 0.
void drawViewScale(DrawingLayer& layer, TextPainter& text, const CoordinateRegion& region,
                  const ScaleStyle& style);

}  // namespace vexplot
