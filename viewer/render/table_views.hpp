#pragma once

#include <memory>

#include "viewer/language/frame_state.hpp"
#include "viewer/render/drawing_layer.hpp"
#include "viewer/render/text_painter.hpp"

// The two tables of the View menu, drawn as frames of their own: every glyph
// of a stroke font, and the colour palette.
namespace vexplot {

// The frame of a font's table: numbered font + 1, titled "<keyword> Font
// Table", asking for the smaller of 90 % of the screen width and 800 pixels
// by the smaller of 80 % of the screen height and 600 pixels; a 13 by 10 page
// whose window box and limits are the page, without axes.
std::unique_ptr<FrameState> makeFontTableFrame(int font, double screenWidth, double screenHeight);

// Draws the font's glyphs on the layer's frame in two blocks, the letters and
// digits (columns "A" to "Z" and "0" to "9") above the other characters; each
// block has one row per case letter used with its characters (blank first;
// the case letters "$", "D", "U" and "V" get none), headed by that letter.
// Each glyph is centred in its cell at 0.8 of
// the smaller cell dimension; the rulings are drawn in colour 4 (RED) at
// width 1.0.
void drawFontTable(DrawingLayer& layer, TextPainter& text, int font);

// The frame of the colour table: numbered 10, titled "Color Table", asking
// for 400 by 350 pixels, on a 13 by 10 page without axes.
std::unique_ptr<FrameState> makeColourTableFrame();

// Draws the 16 palette colours as filled patches in a 4 by 4 grid of cells
// 13 x 2/9 wide and 10 x 2/9 high (on the screen only: fills are not
// recorded), each with its colour name below it in DUPLEX, centred, at one
// eighth of the cell height, in colour 0.
void drawColourTable(DrawingLayer& layer, TextPainter& text);

}  // namespace vexplot
