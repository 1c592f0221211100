#include "viewer/render/stroke_text.hpp"

#include <vector>

#include "viewer/render/stroke_font.hpp"
#include "viewer/render/title_placement.hpp"

namespace vexplot {

namespace {

// Text is drawn with the thinnest pen.
constexpr float kTextWidth = 0.0f;

void drawPoints(DrawingLayer& layer, const std::vector<StrokePoint>& points, int colour) {
  drawObject(layer, kTextWidth, [&] {
    for (const StrokePoint& point : points) {
      if (point.draw) {
        layer.drawTo({point.x, point.y}, colour, kTextWidth);
      } else {
        layer.moveTo({point.x, point.y});
      }
    }
  });
}

}  // namespace

int drawStrokeText(DrawingLayer& layer, std::string_view text, std::string_view caseLine,
                   PagePoint& position, const TextStyle& style, TextPlacement* placement) {
  const StrokeFont& font = strokeFont(style.font);
  const TextMeasure measure = measureText(font, text, caseLine);
  std::vector<StrokePoint> points(static_cast<std::size_t>(measure.pointCount));
  collectStrokes(font, text, caseLine, points);
  const TextPlacement placed = placeStrokes(points, measure, text.size(), style, position);
  if (!points.empty()) drawPoints(layer, points, style.colour);
  position = placed.end;
  if (placement != nullptr) *placement = placed;
  return measure.pointCount;
}

void StrokeTextPainter::drawPendingTitles(DrawingLayer& layer) {
  FrameState& frame = layer.frame();
  for (TitleText& title : frame.titles) {
    if (title.drawn) continue;
    const TitleAnchor anchor = placeTitle(frame, title);
    if (anchor.outcome == TitleAnchor::kWait) continue;
    title.drawn = true;
    if (anchor.outcome == TitleAnchor::kDrop) continue;
    const TextStyle style{title.size,    frame.font,        title.justification,
                          anchor.angle, frame.labelAspect, frame.colour};
    PagePoint position = anchor.anchor;
    TextPlacement placed;
    drawStrokeText(layer, title.text, title.caseLine, position, style, &placed);
    frame.lastTitle = {true, placed.start.x, placed.start.y, placed.size * frame.labelAspect,
                       placed.angle};
  }
}

}  // namespace vexplot
