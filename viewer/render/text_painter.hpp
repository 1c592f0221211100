#pragma once

#include <string_view>

#include "viewer/language/frame_items.hpp"
#include "viewer/render/drawing_layer.hpp"
#include "viewer/render/page_point.hpp"

namespace vexplot {

// How a string is laid out: size is the width of a character cell (and its
// height before the aspect factor) in page units; justification 0 puts the
// first character's centre on the position, 0.5 centres the string, 1 puts the
// last character's centre there; angle in degrees.
struct TextStyle {
  double size = 0.1;
  int font = 0;
  double justification = 0.0;
  double angle = 0.0;
  double aspect = 1.0;
  int colour = 0;
};

// The text side of the drawing: strings and titles in stroke fonts, drawn as
// lines through the drawing layer.
class TextPainter {
 public:
  virtual ~TextPainter() = default;

  // Draws the text with its case line at the position and moves the
  // position to the string's end. Returns the number of stroke points, 0
  // when the string produced none.
  virtual int drawText(DrawingLayer& layer, std::string_view text, std::string_view caseLine,
                       PagePoint& position, const TextStyle& style) = 0;

  // Draws the titles of the layer's frame that are still pending.
  virtual void drawPendingTitles(DrawingLayer& layer) = 0;
};

// A text side without fonts: it draws nothing and leaves titles pending.
class BlankTextPainter final : public TextPainter {
 public:
  int drawText(DrawingLayer&, std::string_view, std::string_view, PagePoint&,
               const TextStyle&) override {
    return 0;
  }
  void drawPendingTitles(DrawingLayer&) override {}
};

// Draws a symbol code, its glyph character over its case letter, as a
// one-glyph string at the position; the result of drawText.
int drawSymbol(TextPainter& text, DrawingLayer& layer, const SymbolCode& symbol, PagePoint position,
               const TextStyle& style);

}  // namespace vexplot
