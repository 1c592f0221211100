#include "viewer/render/text_painter.hpp"

namespace vexplot {

namespace {

// One character of a symbol code as a string; empty for an absent one.
std::string_view codeCharacter(const SymbolCode& code, std::size_t i) {
  return code[i] == '\0' ? std::string_view() : std::string_view(&code[i], 1);
}

}  // namespace

int drawSymbol(TextPainter& text, DrawingLayer& layer, const SymbolCode& symbol, PagePoint position,
               const TextStyle& style) {
  return text.drawText(layer, codeCharacter(symbol, 0), codeCharacter(symbol, 1), position, style);
}

}  // namespace vexplot
