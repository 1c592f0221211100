#include "viewer/language/point_binning.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "viewer/language/result_codes.hpp"

namespace vexplot {

namespace {

constexpr int kMostBins = 10'000'000;

// The weight of a point, or 1 when it has none.
double weightOf(const PointSet& points, std::size_t point, int column) {
  if (column < 0) return 1.0;
  const double weight = points.value(point, column);
  return weight == 0.0 ? 1.0 : weight;
}

}  // namespace

BinOutcome binPoints(FrameState& frame, double low, double high, int bins) {
  const PointSet* points = frame.pointSet.get();
  if (points == nullptr || points->count() == 0) return BinOutcome::kNoPoints;
  if (frame.columnOfItem.empty() || frame.columnOfItem[0] < 0) return BinOutcome::kNoValueColumn;
  if (bins > kMostBins) return BinOutcome::kTooManyBins;
  const int valueColumn = frame.columnOfItem[0];
  const int weightColumn = frame.columnOfItem.size() > 1 ? frame.columnOfItem[1] : -1;
  const double width = std::fabs(high - low) / bins;
  const double start = std::min(low, high);

  std::vector<double> totals(static_cast<std::size_t>(bins), 0.0);
  for (std::size_t i = 0; i < points->count(); ++i) {
    const double position = std::floor((points->value(i, valueColumn) - start) / width);
    if (!(position >= 0.0 && position < bins)) continue;
    totals[static_cast<std::size_t>(position)] += weightOf(*points, i, weightColumn);
  }
  auto binned = std::make_unique<PointSet>(2);
  for (int i = 0; i < bins; ++i) {
    const std::array<double, 2> row{start + (i + 0.5) * width, totals[static_cast<std::size_t>(i)]};
    binned->append(row, SymbolCode{'\0', '\0'});
  }
  constexpr std::array<int, 3> kBinOrder{kColumnX, kColumnY, kColumnSymbol};
  frame.setOrder(kBinOrder);
  frame.pointSet = std::move(binned);
  frame.pointSetUsed = false;
  return BinOutcome::kBinned;
}

}  // namespace vexplot
