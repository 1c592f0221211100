#include "viewer/render/outlines.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "viewer/language/frame_items.hpp"
#include "viewer/language/number_syntax.hpp"

namespace vexplot {

namespace {

// Ellipses of more than about 160000 page units keep this many vertices per
// quarter, so that no size overflows the count or exhausts memory.
constexpr double kMostQuarterVertices = 10000.0;

}  // namespace

std::vector<PagePoint> histogramOutline(std::span<const PagePoint> bars, double base) {
  const std::size_t n = bars.size();
  if (n < 2) return {};
  std::vector<PagePoint> outline;
  outline.reserve(2 * n + 2);
  double left = 1.5 * bars[0].x - 0.5 * bars[1].x;
  outline.push_back({left, base});
  for (std::size_t i = 0; i < n; ++i) {
    const double right =
        i + 1 < n ? (bars[i].x + bars[i + 1].x) / 2.0 : 1.5 * bars[n - 1].x - 0.5 * bars[n - 2].x;
    outline.push_back({left, bars[i].y});
    outline.push_back({right, bars[i].y});
    left = right;
  }
  outline.push_back({left, base});
  return outline;
}

std::vector<PagePoint> figureOutline(int kind, PagePoint centre, double w, double h) {
  const double cx = centre.x;
  const double cy = centre.y;
  switch (std::clamp(kind, static_cast<int>(kFigureBox), static_cast<int>(kFigureEllipse))) {
    case kFigureBox:
      return {{cx + w / 2, cy - h / 2}, {cx + w / 2, cy + h / 2}, {cx - w / 2, cy + h / 2},
              {cx - w / 2, cy - h / 2}};
    case kFigureDiamond:
      return {{cx + w / 2, cy}, {cx, cy + h / 2}, {cx - w / 2, cy}, {cx, cy - h / 2}};
    default: {
      const int k = truncateToInt(
          std::min(1.0 + 25.0 * std::sqrt(std::max(std::fabs(w), std::fabs(h))), kMostQuarterVertices));
      const int count = 4 * k;
      std::vector<PagePoint> outline;
      outline.reserve(static_cast<std::size_t>(count));
      for (int j = 0; j < count; ++j) {
        const double a = 2.0 * std::numbers::pi * j / count;
        outline.push_back({cx + w / 2 * std::cos(a), cy + h / 2 * std::sin(a)});
      }
      return outline;
    }
  }
}

std::optional<ArrowStrokes> arrowStrokes(PagePoint from, PagePoint to, double fromGap, double toGap,
                                         double headLength, double headWidthRatio) {
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  const double length = std::hypot(dx, dy);
  if (length == 0.0) return std::nullopt;
  const double ux = dx / length;
  const double uy = dy / length;
  ArrowStrokes strokes{{from.x + fromGap * ux, from.y + fromGap * uy},
                       {to.x - toGap * ux, to.y - toGap * uy},
                       std::nullopt};
  if (headLength > 0.0) {
    const PagePoint tip = strokes.shaftEnd;
    const double hx = ux * headLength;
    const double hy = uy * headLength;
    const double px = 0.5 * headWidthRatio * hy;
    const double py = -0.5 * headWidthRatio * hx;
    strokes.head = std::array<PagePoint, 3>{
        tip, PagePoint{tip.x - hx + px, tip.y - hy + py}, PagePoint{tip.x - hx - px, tip.y - hy - py}};
  }
  return strokes;
}

}  // namespace vexplot
