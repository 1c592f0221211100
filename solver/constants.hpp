// Constants of the solver as its formulas have always used them.
//
// Several were written as single-precision literals and then entered
// double-precision expressions; the widened values are kept, not the exact
// decimals, so that results agree digit for digit with earlier runs.
#pragma once

namespace quelm {

inline constexpr double PI_SINGLE = static_cast<double>(3.1415927f);          // 3.1415927410125732
inline constexpr double TWO_PI_SINGLE = static_cast<double>(6.2831854f);      // 6.283185482025146
inline constexpr double ONE_TENTH_SINGLE = static_cast<double>(0.1f);         // 0.10000000149011612
inline constexpr double ONE_HUNDREDTH_SINGLE = static_cast<double>(0.01f);    // 0.009999999776482582
inline constexpr double ONE_THOUSANDTH_SINGLE = static_cast<double>(0.001f);  // 0.0010000000474974513

// Speed of light in cm per microsecond, as the ring-radius formula writes it.
inline constexpr double LIGHT_SPEED_CM_PER_US = 29979.2;

// The program's version, as --version and the results file give it.
inline constexpr const char* PROGRAM_VERSION = "4.0";

// Capacities of the run: matrix order, currents of a scan, spread steps.
inline constexpr int MAX_MODES = 500;
inline constexpr int MAX_CURRENTS = 1005;
inline constexpr int MAX_SPREAD_STEPS = 10;

}  // namespace quelm
