#pragma once

#include "viewer/language/frame_state.hpp"

namespace vexplot {

// Sorts all points of the frame into bins equal bins between low and high
// (either way round; bins >= 1): the value of a point is its number in the
// column of the first order item, its weight the number in the column of the
// second (no such column, or a weight of exactly 0, counts as 1); values
// outside the bins are dropped. The frame's order then becomes X Y SYMBOL and
// its points the bin centres with the bin totals. The frame is unchanged
// unless the points were binned. More than ten million bins are refused: no
// memory should be asked for on the word of a plot file.
enum class BinOutcome { kBinned, kNoPoints, kNoValueColumn, kTooManyBins };
BinOutcome binPoints(FrameState& frame, double low, double high, int bins);

}  // namespace vexplot
