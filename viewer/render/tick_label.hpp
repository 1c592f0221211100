#pragma once

#include <string>

namespace vexplot {

// A label for the stroke text: its characters and the case letters under
// them (the same length).
struct TickLabel {
  std::string text;
  std::string caseLine;

  bool operator==(const TickLabel&) const = default;
};

// The label of a tick value. digits is the decimal exponent of the last digit
// to show; in automatic mode it is taken from the value itself (its last
// significant digit of nine). Between -3 and 3 the value is written plainly:
// with -digits decimals, or as its integer part. Otherwise it is written as a
// mantissa times 10 raised to the exponent, through the case letters of the
// stroke text: "X102" over "M  X" gives the multiplication sign, 10 and the
// start of a superscript, the exponent follows, and "3" over "X" ends it.
// The value 0 is always "0".
TickLabel formatTickLabel(double value, bool automatic, int digits);

}  // namespace vexplot
