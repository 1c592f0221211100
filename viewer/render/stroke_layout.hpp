#pragma once

#include <span>
#include <string_view>

#include "viewer/render/page_point.hpp"
#include "viewer/render/stroke_font.hpp"
#include "viewer/render/text_painter.hpp"

// The layout of a string in a stroke font, in two passes: measureText counts
// the stroke points and finds the end point, collectStrokes stores the points
// into storage of exactly that size, and placeStrokes puts them on the page.
namespace vexplot {

// The factor from degrees to radians of text angles: pi / 180 in single
// precision, as the text has always been turned by.
inline constexpr double kTextDegree = 0.0174532925239284;

// A stroke point: where the pen goes, and whether it draws on the way. Before
// placement in units of the string's character size from the text origin,
// after it in page units.
struct StrokePoint {
  bool draw = false;
  double x = 0.0;
  double y = 0.0;

  bool operator==(const StrokePoint&) const = default;
};

// The result of the measuring pass: the number of stroke points and the
// point where the string ends, in character-size units.
struct TextMeasure {
  int pointCount = 0;
  double endX = 0.0;
  double endY = 0.0;
};

// Where a placed string stands on the page: the centre of its first
// character, its end point, its size and its angle.
struct TextPlacement {
  PagePoint start;
  PagePoint end;
  double size = 0.0;
  double angle = 0.0;
};

// Character i of the text is drawn with case letter i of the case line (a
// blank beyond its end). The case letters X, Y and Z make the character a
// control that changes the text state instead of drawing:
//   "0" X  subscript on:     x -= s/9, y -= s/2, s *= 2/3
//   "1" X  subscript off:    x += s/6, y += 3s/4, s *= 1.5
//   "2" X  superscript on:   x -= s/9, y += s/2, s *= 2/3
//   "3" X  superscript off:  x += s/6, y -= 3s/4, s *= 1.5
//   "0" Y  x += s/6, y += s/4, s *= 1.5;  "1" Y  x += s/9, y += s/6, s *= 2/3
//   "0", "2", "4", "6" Z save x, y and s in slot 0 to 3; "1", "3", "5", "7" Z
//   restore them; any other control does nothing.
// Every other pair draws its glyph (the blank when the font has none) scaled
// by s over the font's height unit, and the text advances by s.
TextMeasure measureText(const StrokeFont& font, std::string_view text, std::string_view caseLine);

// Stores the stroke points of the text; points has measureText's pointCount
// entries.
void collectStrokes(const StrokeFont& font, std::string_view text, std::string_view caseLine,
                    std::span<StrokePoint> points);

// Puts collected points on the page, in place: for a justification j other
// than 0 and more than one character (n, controls included) everything moves
// back by j (n - 1) / n times the end point; then x is scaled by the size and
// y by size times aspect, the angle turns the points about the text origin,
// and the position is added.
TextPlacement placeStrokes(std::span<StrokePoint> points, const TextMeasure& measure,
                           std::size_t characterCount, const TextStyle& style,
                           PagePoint position);

}  // namespace vexplot
