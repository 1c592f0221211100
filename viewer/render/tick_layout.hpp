#pragma once

#include <vector>

namespace vexplot {

struct Tick {
  double value = 0.0;
  bool major = false;

  bool operator==(const Tick&) const = default;
};

// The ticks of an axis in ascending order, the decimal exponent of the major
// step (the digits of the labels of a linear layout), and whether the layout
// is linear.
struct TickLayout {
  std::vector<Tick> ticks;
  int exponent = 0;
  bool linear = true;
};

// Ticks at whole multiples of a minor step between lo and hi (in either
// order), within 0.1 % of the range beyond its ends. The major step is 1, 2
// or 5 times a power of ten chosen so that about 0.75 N major steps cover the
// range; each major step holds M minor steps (M = 0: 4 for a step of 2, else
// 5). N <= 0, an empty or an infinite range, or more than 10000 ticks give no
// ticks; M is not negative.
TickLayout linearTicks(double lo, double hi, int majorCount, int minorCount);

// Ticks of a logarithmic axis: per decade the multipliers of a level chosen
// from the ratio of the limits and N (1; 1 and 5; 1 to 9), majors at the
// powers of ten (and at 5, or at 2, 4, 6 and 8, on the finest levels). A range
// within one decade or of a ratio below 10 (or limits that are not positive)
// falls back to linearTicks.
TickLayout logTicks(double lo, double hi, int majorCount, int minorCount);

}  // namespace vexplot
