#include "viewer/language/number_syntax.hpp"

#include <climits>
#include <cmath>

namespace vexplot {

namespace {

constexpr std::size_t kNumberLookahead = 50;

// Phases of the scan: nothing read yet, inside the number, after a trailing
// space.
enum Phase { kBefore, kInside, kAfter };

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isExponentMark(char c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

}  // namespace

int parseInteger(std::string_view text, int& error) {
  error = 1;
  Phase phase = kBefore;
  long long magnitude = 0;
  bool negative = false;
  for (const char c : text) {
    if (c == ' ') {
      if (phase == kInside) phase = kAfter;
    } else if (phase == kAfter) {
      return 0;
    } else if ((c == '+' || c == '-') && phase == kBefore) {
      phase = kInside;
      negative = c == '-';
    } else if (isDigit(c)) {
      phase = kInside;
      if (magnitude <= INT_MAX) magnitude = magnitude * 10 + (c - '0');
    } else {
      return 0;
    }
  }
  error = 0;
  if (negative) return magnitude > INT_MAX ? INT_MIN : static_cast<int>(-magnitude);
  return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

double parseNumber(std::string_view text, int& error) {
  error = 1;
  text = text.substr(0, kNumberLookahead);
  Phase phase = kBefore;
  double sign = 1.0;
  double value = 0.0;
  double place = 1.0;
  bool fraction = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == ' ') {
      if (phase == kInside) phase = kAfter;
    } else if (phase == kAfter) {
      return 0.0;
    } else if ((c == '+' || c == '-') && phase == kBefore) {
      phase = kInside;
      if (c == '-') sign = -1.0;
    } else if (c == '.') {
      if (fraction) return 0.0;
      fraction = true;
    } else if (isDigit(c)) {
      phase = kInside;
      if (fraction) {
        place *= 0.1;
        value += (c - '0') * place;
      } else {
        value = value * 10.0 + (c - '0');
      }
    } else if (isExponentMark(c) && phase == kInside && i + 1 < text.size()) {
      int exponentError = 0;
      const int exponent = parseInteger(text.substr(i + 1), exponentError);
      if (exponentError != 0) return 0.0;
      const double result = std::pow(10.0, exponent) * sign * value;
      if (!std::isfinite(result)) return 0.0;
      error = 0;
      return result;
    } else {
      return 0.0;
    }
  }
  const double result = sign * value;
  if (!std::isfinite(result)) return 0.0;
  error = 0;
  return result;
}

}  // namespace vexplot
