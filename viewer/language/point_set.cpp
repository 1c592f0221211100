#include "viewer/language/point_set.hpp"

namespace vexplot {

void PointSet::append(std::span<const double> row, SymbolCode symbol) {
  if (count() == capacity()) {
    const std::size_t points = capacity() + kGrowthStep;
    values.reserve(points * static_cast<std::size_t>(columnCount));
    symbols.reserve(points);
  }
  values.insert(values.end(), row.begin(), row.end());
  symbols.push_back(symbol);
}

}  // namespace vexplot
