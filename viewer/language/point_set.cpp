#include "viewer/language/point_set.hpp"

#include <algorithm>

namespace vexplot {

void PointSet::append(std::span<const double> row, SymbolCode symbol) {
  if (count() == capacity()) {
    const std::size_t wanted = capacity() + std::max(kGrowthStep, capacity() / 2);
    const std::size_t points = (wanted + kGrowthStep - 1) / kGrowthStep * kGrowthStep;
    values.reserve(points * static_cast<std::size_t>(columnCount));
    symbols.reserve(points);
  }
  values.insert(values.end(), row.begin(), row.end());
  symbols.push_back(symbol);
}

}  // namespace vexplot
