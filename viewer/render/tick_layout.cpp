#include "viewer/render/tick_layout.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace vexplot {

namespace {

// Tick indices beyond this magnitude would not fit the integer walk; such
// ranges (far from the origin compared with their width) get no ticks. Nor
// do tick counts so large that the ticks would blacken the axis.
constexpr double kLargestIndex = 1.0e15;
constexpr double kMostTicks = 1.0e4;

struct LogLevel {
  std::span<const int> multipliers;
  std::span<const int> majors;
};

constexpr std::array<int, 1> kOne{1};
constexpr std::array<int, 2> kOneAndFive{1, 5};
constexpr std::array<int, 9> kAllDigits{1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array<int, 5> kEvenDigits{1, 2, 4, 6, 8};

constexpr std::array<LogLevel, 5> kLogLevels{{{kOne, kOne},
                                              {kOneAndFive, kOne},
                                              {kAllDigits, kOne},
                                              {kAllDigits, kOneAndFive},
                                              {kAllDigits, kEvenDigits}}};

// The finer levels are chosen for smaller ratios of the limits.
int logLevel(double ratio, int majorCount) {
  const int n = majorCount <= 1 ? 6 : std::min(majorCount, 10);
  const double x = std::pow(10.0, n / 2.0);
  if (ratio > 1.0e9 / x) return 0;
  if (ratio > 1.0e7 / x) return 1;
  if (ratio > 1.0e5 / x) return 2;
  if (ratio > 1.0e3 / x) return 3;
  return 4;
}

}  // namespace

TickLayout linearTicks(double lo, double hi, int majorCount, int minorCount) {
  TickLayout layout;
  const double d = hi - lo;
  if (d == 0.0 || !std::isfinite(d) || majorCount <= 0) return layout;
  const double l = std::log10(std::fabs(d) / (0.75 * majorCount));
  const double e = std::floor(l);
  const double f = l - e;
  const int digit = f < 0.3 ? 1 : f < 0.6 ? 2 : 5;
  const int m = minorCount != 0 ? minorCount : digit == 2 ? 4 : 5;
  const double step = digit * std::pow(10.0, e) / m;
  layout.exponent = static_cast<int>(e);

  const double first = std::floor(std::min(lo, hi) / step);
  const double last = std::floor(std::max(lo, hi) / step) + 1.0;
  if (!(std::fabs(first) <= kLargestIndex && std::fabs(last) <= kLargestIndex &&
        last - first <= kMostTicks)) {
    return layout;
  }
  for (long long i = static_cast<long long>(first); i <= static_cast<long long>(last); ++i) {
    const double value = static_cast<double>(i) * step;
    const double t = (value - lo) / d;
    if (t >= -0.001 && t <= 1.001) layout.ticks.push_back({value, i % m == 0});
  }
  return layout;
}

TickLayout logTicks(double lo, double hi, int majorCount, int minorCount) {
  const double a = std::min(lo, hi);
  const double b = std::max(lo, hi);
  const double ratio = b / a;
  if (!(a > 0.0) || !std::isfinite(ratio)) return linearTicks(lo, hi, majorCount, minorCount);
  const double ea = std::floor(std::log10(a));
  const double eb = std::floor(std::log10(b));
  if (ea == eb || ratio < 10.0) return linearTicks(lo, hi, majorCount, minorCount);

  TickLayout layout;
  layout.linear = false;
  const LogLevel& level = kLogLevels[static_cast<std::size_t>(logLevel(ratio, majorCount))];
  for (double k = ea - 1.0; k <= eb + 1.0; ++k) {
    const double decade = std::pow(10.0, k);
    for (const int multiplier : level.multipliers) {
      const double value = multiplier * decade;
      if (value > b * 1.001) break;
      if (value < a * 0.999) continue;
      const bool major =
          std::find(level.majors.begin(), level.majors.end(), multiplier) != level.majors.end();
      layout.ticks.push_back({value, major});
    }
  }
  return layout;
}

}  // namespace vexplot
