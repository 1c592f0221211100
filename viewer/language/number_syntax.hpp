#pragma once

#include <climits>
#include <cmath>
#include <string_view>

namespace vexplot {

// Reads a token as a number: optional sign, digits with at most one decimal
// point, optional exponent introduced by E or D, spaces only after the number.
// Only the first 50 characters are looked at. error becomes 0 on success and 1
// otherwise (the value is then 0). An empty token, a lone sign and a lone point
// read as 0. A result that is not finite (an exponent far out of range) is an
// error, so no infinity or NaN reaches the frame state.
double parseNumber(std::string_view text, int& error);

// Reads a signed whole number (used for exponents); error as above. Values
// beyond the range of int saturate at its limits.
int parseInteger(std::string_view text, int& error);

// Cuts a double to a whole number toward zero, saturating at the limits of int
// (NaN gives 0), so that no value of a plot file makes the conversion undefined.
// Inline: every drawn point passes through it.
inline int truncateToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace vexplot
