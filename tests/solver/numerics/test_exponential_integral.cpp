#include "solver/numerics/exponential_integral.hpp"

#include "tests/solver/numerics/worst_error.hpp"

#include <boost/math/special_functions/expint.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quelm {
namespace {

using test::relativeError;
using test::WorstError;
using Real50 = boost::multiprecision::cpp_bin_float_50;

// E1(x) for x > 0, -Ei(-x) for x < 0.
double reference(double x)
{
    const Real50 value =
        x > 0.0 ? boost::math::expint(1, Real50(x)) : Real50(-boost::math::expint(Real50(-x)));
    return static_cast<double>(value);
}

// Worst relative error over points spaced geometrically in |X| from `from`
// to `to` (both of one sign).
double sweep(const std::string& label, double from, double to, int points)
{
    WorstError worst("DEXPIN rel, " + label);
    const double ratio = std::pow(to / from, 1.0 / (points - 1));
    double x = from;
    for (int i = 0; i < points; ++i, x *= ratio) {
        worst.add(relativeError(DEXPIN(x), reference(x)), x);
    }
    return worst.report();
}

TEST(ExponentialIntegral, KnownValues)
{
    EXPECT_EQ(DEXPIN(0.0), 0.0);
    EXPECT_LE(relativeError(DEXPIN(1.0), 0.21938393439552027368), 1e-15);
    EXPECT_LE(relativeError(DEXPIN(-1.0), -1.8951178163559367555), 1e-15);
    EXPECT_TRUE(std::isnan(DEXPIN(std::nan(""))));
}

TEST(ExponentialIntegral, FullPrecisionOnEveryInterval)
{
    constexpr double tolerance = 1e-14;
    EXPECT_LE(sweep("E1, (0, 1)", 1e-12, 0.999999, 400), tolerance);
    EXPECT_LE(sweep("E1, [1, 4]", 1.0, 4.0, 300), tolerance);
    EXPECT_LE(sweep("E1, (4, 700]", 4.000001, 700.0, 400), tolerance);
    EXPECT_LE(sweep("-Ei, (-6, 0)", -1e-12, -5.999999, 400), tolerance);
    EXPECT_LE(sweep("-Ei, (-12, -6]", -6.0, -11.999999, 200), tolerance);
    EXPECT_LE(sweep("-Ei, (-24, -12]", -12.0, -23.999999, 200), tolerance);
    EXPECT_LE(sweep("-Ei, [-700, -24]", -24.0, -700.0, 400), tolerance);
}

TEST(ExponentialIntegral, KeepsRelativeAccuracyAtTheZeroOfEi)
{
    constexpr double zero = 0.37250741078136663446;
    WorstError worst("DEXPIN rel, next to the zero of Ei");
    for (int ulps = -2000; ulps <= 2000; ulps += 7) {
        const double x = -zero * (1.0 + ulps * 1.1102230246251565e-16);
        worst.add(relativeError(DEXPIN(x), reference(x)), x);
    }
    for (double offset = 1e-15; offset < 0.1; offset *= 1.5) {
        for (const double x : {-zero - offset, -zero + offset}) {
            worst.add(relativeError(DEXPIN(x), reference(x)), x);
        }
    }
    EXPECT_LE(worst.report(), 1e-14);
}

TEST(ExponentialIntegral, ContinuousAcrossMethodChanges)
{
    for (const double x : {1.0, -44.0}) {
        const double below = DEXPIN(std::nextafter(x, 0.0));
        const double above = DEXPIN(std::nextafter(x, 2.0 * x));
        EXPECT_LE(relativeError(below, DEXPIN(x)), 1e-14) << x;
        EXPECT_LE(relativeError(above, DEXPIN(x)), 1e-14) << x;
    }
}

TEST(ExponentialIntegral, ExtremeArgumentsUnderflowAndOverflowCleanly)
{
    EXPECT_EQ(DEXPIN(800.0), 0.0);
    EXPECT_TRUE(std::isinf(DEXPIN(-800.0)) && DEXPIN(-800.0) < 0.0);
    EXPECT_LE(relativeError(DEXPIN(-715.0), reference(-715.0)), 1e-14); // e^715 alone overflows
}

} // namespace
} // namespace quelm
