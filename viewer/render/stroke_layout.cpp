#include "viewer/render/stroke_layout.hpp"

#include <array>
#include <cmath>
#include <cstddef>

namespace vexplot {

namespace {

// The constants of the controls, as the text has always used them.
constexpr double kNinth = 0.1111111111;
constexpr double kSixth = 0.1666666667;
constexpr double kShrink = 0.6666666667;
constexpr double kGrow = 1.5;

// Where the text stands while it is laid out, in units of the string's
// character size. (The size also serves as the width factor: the two always
// change together.)
struct TextCursor {
  double x = 0.0;
  double y = 0.0;
  double size = 1.0;
};

struct TextState {
  TextCursor cursor;
  std::array<TextCursor, 4> slots{};
};

bool isControl(char caseLetter) { return caseLetter == 'X' || caseLetter == 'Y' || caseLetter == 'Z'; }

void moveAndScale(TextCursor& c, double dx, double dy, double factor) {
  c.x += dx * c.size;
  c.y += dy * c.size;
  c.size *= factor;
}

void applyControl(TextState& state, char character, char caseLetter) {
  if (character < '0' || character > '7') return;
  const int digit = character - '0';
  TextCursor& c = state.cursor;
  if (caseLetter == 'Z') {
    if (digit % 2 == 0) {
      state.slots[digit / 2] = c;
    } else {
      c = state.slots[digit / 2];
    }
  } else if (caseLetter == 'X') {
    switch (digit) {
      case 0: moveAndScale(c, -kNinth, -0.5, kShrink); break;  // subscript on
      case 1: moveAndScale(c, kSixth, 0.75, kGrow); break;     // subscript off
      case 2: moveAndScale(c, -kNinth, 0.5, kShrink); break;   // superscript on
      case 3: moveAndScale(c, kSixth, -0.75, kGrow); break;    // superscript off
      default: break;
    }
  } else if (digit == 0) {
    moveAndScale(c, kSixth, 0.25, kGrow);
  } else if (digit == 1) {
    moveAndScale(c, kNinth, kSixth, kShrink);
  }
}

// Walks the text, calling visit(draw, x, y) for each stroke point; returns
// the final state.
template <class Visit>
TextCursor layout(const StrokeFont& font, std::string_view text, std::string_view caseLine,
                  Visit visit) {
  TextState state;
  TextCursor& c = state.cursor;
  const double unit = font.heightUnit();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char caseLetter = i < caseLine.size() ? caseLine[i] : ' ';
    if (isControl(caseLetter)) {
      applyControl(state, text[i], caseLetter);
      continue;
    }
    const int glyph = font.findGlyph(text[i], caseLetter);
    const int steps = font.header(glyph).stepCount;
    const double scale = c.size / unit;
    for (int k = 0; k < steps; ++k) {
      const StrokeStep step = font.step(glyph, k);
      c.x += step.dx * scale;
      c.y += step.dy * scale;
      visit(step.draw, c.x, c.y);
    }
    c.x += c.size;
  }
  return c;
}

}  // namespace

TextMeasure measureText(const StrokeFont& font, std::string_view text, std::string_view caseLine) {
  int count = 0;
  const TextCursor end = layout(font, text, caseLine, [&](bool, double, double) { ++count; });
  return {count, end.x, end.y};
}

void collectStrokes(const StrokeFont& font, std::string_view text, std::string_view caseLine,
                    std::span<StrokePoint> points) {
  std::size_t next = 0;
  layout(font, text, caseLine, [&](bool draw, double x, double y) {
    if (next < points.size()) points[next] = {draw, x, y};
    ++next;
  });
}

TextPlacement placeStrokes(std::span<StrokePoint> points, const TextMeasure& measure,
                           std::size_t characterCount, const TextStyle& style,
                           PagePoint position) {
  const double n = static_cast<double>(characterCount);
  const double back = style.justification != 0.0 && characterCount > 1
                          ? style.justification * (n - 1.0) / n
                          : 0.0;
  const double shiftX = back * measure.endX;
  const double shiftY = back * measure.endY;
  const bool turned = style.angle != 0.0;
  const double cosine = turned ? std::cos(style.angle * kTextDegree) : 1.0;
  const double sine = turned ? std::sin(style.angle * kTextDegree) : 0.0;
  const auto place = [&](double x, double y) {
    const double sx = (x - shiftX) * style.size;
    const double sy = (y - shiftY) * style.size * style.aspect;
    return PagePoint{sx * cosine - sy * sine + position.x, sx * sine + sy * cosine + position.y};
  };
  for (StrokePoint& point : points) {
    const PagePoint placed = place(point.x, point.y);
    point.x = placed.x;
    point.y = placed.y;
  }
  return {place(0.0, 0.0), place(measure.endX, measure.endY), style.size, style.angle};
}

}  // namespace vexplot
