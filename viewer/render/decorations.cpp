#include "viewer/render/decorations.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "viewer/render/data_mapping.hpp"
#include "viewer/render/outlines.hpp"

namespace vexplot {

namespace {

// Coordinate regions are kept in blocks of this many.
constexpr std::size_t kRegionBlock = 10;

bool limitsComplete(const FrameState& frame) {
  return frame.limitsSet[kAxisX] && frame.limitsSet[kAxisY];
}

bool gridReady(const FrameState& frame) {
  if (!frame.gridOn) return false;
  const bool xs = !frame.tickPositions[kAxisX].empty();
  const bool ys = !frame.tickPositions[kAxisY].empty();
  switch (frame.gridMode) {
    case kGridHorizontal: return ys;
    case kGridVertical: return xs;
    case kGridOn: return xs || ys;
    default: return xs && ys;
  }
}

bool arrowReady(const FrameState& frame, const QueuedArrow& arrow) {
  return !arrow.drawn && (limitsComplete(frame) || (!arrow.from.isData && !arrow.to.isData));
}

bool figureReady(const FrameState& frame, const QueuedFigure& figure) {
  return !figure.drawn && (limitsComplete(frame) || !figure.isData);
}

// The page position of a point given in data or page coordinates.
std::optional<PagePoint> placeOnPage(FrameState& frame, double x, double y, bool isData) {
  if (!isData) return PagePoint{x, y};
  return mapDataPoint(frame, x, y);
}

void drawGridLines(DrawingLayer& layer) {
  FrameState& frame = layer.frame();
  const Rect& w = frame.windowBox;
  const std::span<const double> pattern = frame.textureLengths(frame.texture);
  const bool vertical = frame.gridMode == kGridVertical || frame.gridMode == kGridOn;
  const bool horizontal = frame.gridMode == kGridHorizontal || frame.gridMode == kGridOn;
  std::vector<std::array<PagePoint, 2>> lines;
  if (vertical) {
    for (const double x : frame.tickPositions[kAxisX]) lines.push_back({{{x, w.y0}, {x, w.y1}}});
  }
  if (horizontal) {
    for (const double y : frame.tickPositions[kAxisY]) lines.push_back({{{w.x0, y}, {w.x1, y}}});
  }
  for (const std::array<PagePoint, 2>& line : lines) {
    layer.texturedPolyline(line, false, pattern, frame.colour, frame.lineWidth);
  }
}

void drawGridSymbols(DrawingLayer& layer, TextPainter& text) {
  FrameState& frame = layer.frame();
  const TextStyle style{frame.gridSymbolSize, kSimplex, 0.0, 0.0, 1.0, frame.colour};
  for (const double x : frame.tickPositions[kAxisX]) {
    for (const double y : frame.tickPositions[kAxisY]) {
      drawSymbol(text, layer, frame.gridSymbol, {x, y}, style);
    }
  }
}

void drawArrow(DrawingLayer& layer, const QueuedArrow& arrow) {
  FrameState& frame = layer.frame();
  const std::optional<PagePoint> from = placeOnPage(frame, arrow.from.x, arrow.from.y, arrow.from.isData);
  const std::optional<PagePoint> to = placeOnPage(frame, arrow.to.x, arrow.to.y, arrow.to.isData);
  if (!from || !to) return;
  const double headLength = arrow.headLength < 0.0 ? frame.arrowSize : arrow.headLength;
  const double ratio = arrow.headWidthRatio < 0.0 ? frame.arrowFlare : arrow.headWidthRatio;
  const std::optional<ArrowStrokes> strokes =
      arrowStrokes(*from, *to, arrow.from.gap, arrow.to.gap, headLength, ratio);
  if (!strokes) return;

  const int colour = arrow.colour < 0 ? frame.colour : arrow.colour;
  const WindowBoxClip clip(layer, arrow.from.isData || arrow.to.isData);
  drawObject(layer, frame.lineWidth, [&] {
    layer.segment(strokes->shaftStart, strokes->shaftEnd, colour, frame.lineWidth);
    if (strokes->head) layer.polyline(*strokes->head, true, colour, frame.lineWidth);
  });
}

void drawFigure(DrawingLayer& layer, const QueuedFigure& figure) {
  FrameState& frame = layer.frame();
  const std::optional<PagePoint> centre = placeOnPage(frame, figure.x, figure.y, figure.isData);
  if (!centre) return;
  const int kind = std::clamp(figure.kind, static_cast<int>(kFigureBox), static_cast<int>(kFigureEllipse));
  const bool ownSize = figure.hasSize && figure.width != 0.0;
  const double width = ownSize ? figure.width : frame.boxSize[static_cast<std::size_t>(kind)][0];
  const double height = ownSize ? figure.height : frame.boxSize[static_cast<std::size_t>(kind)][1];
  const std::vector<PagePoint> outline = figureOutline(kind, *centre, width, height);

  const int colour = figure.colour < 0 ? frame.colour : figure.colour;
  const WindowBoxClip clip(layer, figure.isData);
  drawObject(layer, frame.lineWidth, [&] {
    layer.texturedPolyline(outline, true, frame.textureLengths(frame.texture), colour, frame.lineWidth);
  });
}

}  // namespace

bool hasPendingDecorations(const FrameState& frame) {
  return gridReady(frame) ||
         std::any_of(frame.titles.begin(), frame.titles.end(), [](const TitleText& t) { return !t.drawn; }) ||
         std::any_of(frame.arrows.begin(), frame.arrows.end(),
                     [&](const QueuedArrow& a) { return arrowReady(frame, a); }) ||
         std::any_of(frame.figures.begin(), frame.figures.end(),
                     [&](const QueuedFigure& f) { return figureReady(frame, f); });
}

void drawPendingGrid(DrawingLayer& layer, TextPainter& text) {
  FrameState& frame = layer.frame();
  if (!gridReady(frame)) return;
  frame.gridOn = false;
  const WindowBoxClip clip(layer, true);
  drawObject(layer, frame.lineWidth, [&] {
    if (frame.gridMode == kGridSymbol) {
      drawGridSymbols(layer, text);
    } else {
      drawGridLines(layer);
    }
  });
}

void drawPendingArrows(DrawingLayer& layer) {
  FrameState& frame = layer.frame();
  for (QueuedArrow& arrow : frame.arrows) {
    if (!arrowReady(frame, arrow)) continue;
    arrow.drawn = true;
    drawArrow(layer, arrow);
  }
}

void drawPendingFigures(DrawingLayer& layer) {
  FrameState& frame = layer.frame();
  for (QueuedFigure& figure : frame.figures) {
    if (!figureReady(frame, figure)) continue;
    figure.drawn = true;
    drawFigure(layer, figure);
  }
}

void recordCoordinateRegion(FrameState& frame) {
  if (!limitsComplete(frame)) return;
  const CoordinateRegion region{frame.windowBox, frame.limits, frame.logScale};
  std::vector<CoordinateRegion>& regions = frame.drawing().coordinateRegions;
  if (std::find(regions.begin(), regions.end(), region) != regions.end()) return;
  if (regions.size() == regions.capacity()) regions.reserve(regions.size() + kRegionBlock);
  regions.push_back(region);
}

}  // namespace vexplot
