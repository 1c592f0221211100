#pragma once

#include <string_view>

#include "viewer/render/drawing_layer.hpp"
#include "viewer/render/page_point.hpp"
#include "viewer/render/stroke_layout.hpp"
#include "viewer/render/text_painter.hpp"

namespace vexplot {

// Lays a string out in the style's stroke font and draws it through the
// layer as one object of thin lines in the style's colour. The position moves
// to the string's end; placement, when given, receives where the string
// stands. Returns the number of stroke points (0 for a string without any,
// which draws nothing).
int drawStrokeText(DrawingLayer& layer, std::string_view text, std::string_view caseLine,
                   PagePoint& position, const TextStyle& style,
                   TextPlacement* placement = nullptr);

// The text side of the drawing in the built-in stroke fonts.
class StrokeTextPainter final : public TextPainter {
 public:
  int drawText(DrawingLayer& layer, std::string_view text, std::string_view caseLine,
               PagePoint& position, const TextStyle& style) override {
    return drawStrokeText(layer, text, caseLine, position, style);
  }

  // Each pending title of the frame that can be placed is drawn once, in the
  // frame's font, colour and label aspect of the moment, and becomes the
  // frame's last title; a title that can never be placed is dropped, one
  // whose data coordinates lack limits stays pending.
  void drawPendingTitles(DrawingLayer& layer) override;
};

}  // namespace vexplot
