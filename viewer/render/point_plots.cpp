#include "viewer/render/point_plots.hpp"

#include <algorithm>
#include <optional>
#include <vector>

#include "viewer/language/result_codes.hpp"
#include "viewer/render/axis_limits.hpp"
#include "viewer/render/data_mapping.hpp"
#include "viewer/render/outlines.hpp"

namespace vexplot {

namespace {

struct DataColumns {
  int x;
  int y;
};

std::optional<DataColumns> drawnColumns(const FrameState& frame) {
  const int x = columnOfCode(frame, kColumnX);
  const int y = columnOfCode(frame, kColumnY);
  if (x < 0 || y < 0) return std::nullopt;
  return DataColumns{x, y};
}

// The rows [begin, end) that a range selects among count points.
struct RowSpan {
  std::size_t begin;
  std::size_t end;
};

RowSpan selectRows(PointRange range, std::size_t count) {
  if (range.first < 0) return {0, count};
  const std::size_t first = static_cast<std::size_t>(range.first);
  const std::size_t last = range.last > range.first ? static_cast<std::size_t>(range.last) : first;
  return {std::min(first, count), std::min(last + 1, count)};
}

struct PlacedPoint {
  PagePoint page;
  std::size_t row;
};

std::vector<PlacedPoint> placePoints(FrameState& frame, PointRange range, DataColumns columns,
                                     bool dataCoordinates) {
  std::vector<PlacedPoint> placed;
  const PointSet* points = frame.pointSet.get();
  if (points == nullptr) return placed;
  const RowSpan rows = selectRows(range, points->count());
  for (std::size_t row = rows.begin; row < rows.end; ++row) {
    const double x = points->value(row, columns.x);
    const double y = points->value(row, columns.y);
    if (!dataCoordinates) {
      placed.push_back({{x, y}, row});
    } else if (const std::optional<PagePoint> page = mapDataPoint(frame, x, y)) {
      placed.push_back({*page, row});
    }
  }
  return placed;
}

void checkLogLimitsWithReport(FrameState& frame, MessageSink& messages) {
  if (checkLogLimits(frame)) messages.reportMessage("Negative labels for log axis", "Error");
}

int colourOrFrame(const FrameState& frame, int colour) { return colour < 0 ? frame.colour : colour; }

std::span<const double> patternOf(const FrameState& frame, int texture) {
  return frame.textureLengths(texture >= kSolid && texture <= kPatterned ? texture : frame.texture);
}

}  // namespace

int drawSymbols(DrawingLayer& layer, TextPainter& text, MessageSink& messages, PointRange range,
                bool dataCoordinates, int colour) {
  FrameState& frame = layer.frame();
  checkLogLimitsWithReport(frame, messages);
  const std::optional<DataColumns> columns = drawnColumns(frame);
  if (!columns) return kSyntaxError;
  const std::vector<PlacedPoint> placed = placePoints(frame, range, *columns, dataCoordinates);
  if (placed.empty()) return kDone;

  const TextStyle style{frame.symbolSize, frame.font, 0.0, 0.0, 1.0, colourOrFrame(frame, colour)};
  const WindowBoxClip clip(layer, dataCoordinates);
  drawObject(layer, 0.0f, [&] {
    for (const PlacedPoint& point : placed) {
      const SymbolCode& own = frame.pointSet->symbols[point.row];
      const SymbolCode& symbol = own[0] == '\0' && own[1] == '\0' ? frame.symbol : own;
      drawSymbol(text, layer, symbol, point.page, style);
    }
  });
  return kDone;
}

int drawCurve(DrawingLayer& layer, MessageSink& messages, PointRange range, int texture,
              bool dataCoordinates, int colour) {
  FrameState& frame = layer.frame();
  checkLogLimitsWithReport(frame, messages);
  const std::optional<DataColumns> columns = drawnColumns(frame);
  if (!columns) return kSyntaxError;
  std::vector<PagePoint> curve;
  for (const PlacedPoint& point : placePoints(frame, range, *columns, dataCoordinates)) {
    curve.push_back(point.page);
  }
  if (curve.empty()) return kDone;

  const WindowBoxClip clip(layer, dataCoordinates);
  drawObject(layer, frame.lineWidth, [&] {
    layer.texturedPolyline(curve, false, patternOf(frame, texture), colourOrFrame(frame, colour),
                           frame.lineWidth);
  });
  return kDone;
}

int drawHistogram(DrawingLayer& layer, PointRange range, int texture, int colour) {
  FrameState& frame = layer.frame();
  checkLogLimits(frame);
  const std::optional<DataColumns> columns = drawnColumns(frame);
  if (!columns) return kSyntaxError;
  const PointSet* points = frame.pointSet.get();
  if (points == nullptr) return kDone;

  std::vector<PagePoint> bars;
  const double base = frame.windowBox.y0;
  const RowSpan rows = selectRows(range, points->count());
  for (std::size_t row = rows.begin; row < rows.end; ++row) {
    const std::optional<double> x = mapDataValue(frame, kAxisX, points->value(row, columns->x));
    const double yValue = points->value(row, columns->y);
    const std::optional<double> y = frame.logScale[kAxisY] && !(yValue > 0.0)
                                        ? base
                                        : mapDataValue(frame, kAxisY, yValue);
    if (x && y) bars.push_back({*x, *y});
  }
  const std::vector<PagePoint> outline = histogramOutline(bars, base);
  if (outline.empty()) return kDone;

  const WindowBoxClip clip(layer, true);
  drawObject(layer, frame.lineWidth, [&] {
    layer.texturedPolyline(outline, false, patternOf(frame, texture), colourOrFrame(frame, colour),
                           frame.lineWidth);
  });
  return kDone;
}

}  // namespace vexplot
