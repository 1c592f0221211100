#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "viewer/language/frame_items.hpp"

namespace vexplot {

// The data points of a frame: columnCount values per point in the order of the
// frame's numeric columns, and each point's own symbol ({0, 0}: none).
struct PointSet {
  // Room for points comes in blocks of this many. It grows by at least a
  // block and at least half of what it was, so that filling a large set
  // copies each point a few times only.
  static constexpr std::size_t kGrowthStep = 1024;

  explicit PointSet(int columns) : columnCount(columns) {}

  int columnCount;
  std::vector<double> values;
  std::vector<SymbolCode> symbols;

  std::size_t count() const { return symbols.size(); }
  std::size_t capacity() const { return symbols.capacity(); }
  double value(std::size_t point, int column) const {
    return values[point * static_cast<std::size_t>(columnCount) + static_cast<std::size_t>(column)];
  }

  // Appends a point whose row holds columnCount values; throws std::bad_alloc
  // when the room cannot grow (the set is then unchanged).
  void append(std::span<const double> row, SymbolCode symbol);
};

}  // namespace vexplot
