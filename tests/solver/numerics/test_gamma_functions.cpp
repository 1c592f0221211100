#include "solver/numerics/gamma_functions.hpp"

#include "tests/solver/numerics/worst_error.hpp"

#include <boost/math/special_functions/factorials.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <gtest/gtest.h>

#include <cmath>

namespace quelm {
namespace {

using test::relativeError;
using test::WorstError;

TEST(Factorial, TabulatedRangeIsExactAndLargerArgumentsUseLogGamma)
{
    EXPECT_EQ(FACTRL(0), 1.0);
    EXPECT_EQ(FACTRL(5), 120.0);
    EXPECT_EQ(FACTRL(22), 1124000727777607680000.0); // largest exactly representable
    for (int n = 0; n <= 32; ++n) {
        EXPECT_LE(relativeError(FACTRL(n), boost::math::factorial<double>(n)), 1e-15) << n;
    }
    EXPECT_EQ(FACTRL(40), std::exp(GAMMLN(41.0)));
    EXPECT_LE(relativeError(FACTRL(33), boost::math::factorial<double>(33)), 1e-9);
    EXPECT_TRUE(std::isinf(FACTRL(200)));
}

TEST(Factorial, NegativeArgumentReportsAndReturnsNaNWithoutWaiting)
{
    testing::internal::CaptureStdout();
    const double value = FACTRL(-3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "negative factorial\n");
    EXPECT_TRUE(std::isnan(value));
}

TEST(LogGamma, MatchesReferenceToTheAccuracyOfTheSixTermSeries)
{
    EXPECT_NEAR(GAMMLN(1.0), 0.0, 1e-9);
    EXPECT_NEAR(GAMMLN(2.0), 0.0, 1e-9);
    // Absolute error where ln Γ is of order one, relative error beyond.
    WorstError small("GAMMLN abs, (0, 100]");
    WorstError large("GAMMLN rel, [100, 1e6]");
    for (double x = 1e-6; x <= 100.0; x *= 1.005) {
        small.add(std::fabs(GAMMLN(x) - boost::math::lgamma(static_cast<long double>(x))), x);
    }
    for (double x = 100.0; x <= 1e6; x *= 1.005) {
        large.add(relativeError(GAMMLN(x), boost::math::lgamma(static_cast<long double>(x))), x);
    }
    EXPECT_LE(small.report(), 3e-10);
    EXPECT_LE(large.report(), 1e-12);
    EXPECT_TRUE(std::isnan(GAMMLN(0.0)));
    EXPECT_TRUE(std::isnan(GAMMLN(-1.5)));
}

TEST(Gamma, ChebyshevSeriesAndReductionReachNearFullPrecision)
{
    EXPECT_NEAR(DGAMMA(0.5), 1.7724538509055160273, 4e-16);
    EXPECT_EQ(GAMMA(0.5f), 1.7724539f);
    EXPECT_NEAR(DGAMMA(3.0), 2.0, 1e-15);
    EXPECT_NEAR(DGAMMA(4.0), 6.0, 4e-15);
    WorstError core("DGAMMA rel, [3, 4)");
    WorstError small("DGAMMA rel, (0, 10]");
    WorstError large("DGAMMA rel, [10, 171]");
    const auto check = [](WorstError& worst, double x) {
        worst.add(relativeError(DGAMMA(x), boost::math::tgamma(static_cast<long double>(x))), x);
    };
    for (double x = 3.0; x < 4.0; x += 1.0 / 1024.0 + 1e-9) {
        check(core, x);
    }
    for (double x = 1e-8; x <= 10.0; x *= 1.002) {
        check(small, x);
    }
    for (double x = 10.0; x <= 171.0; x += 0.0771) {
        check(large, x);
    }
    EXPECT_LE(core.report(), 1e-15);
    EXPECT_LE(small.report(), 3e-15);
    EXPECT_LE(large.report(), 3e-14);
}

TEST(Gamma, OutOfRangeArgumentsGiveNaNOrInfinity)
{
    EXPECT_TRUE(std::isnan(DGAMMA(0.0)));
    EXPECT_TRUE(std::isnan(DGAMMA(-2.5)));
    EXPECT_TRUE(std::isnan(DGAMMA(std::nan(""))));
    EXPECT_TRUE(std::isinf(DGAMMA(171.7)));
    EXPECT_TRUE(std::isinf(DGAMMA(1e300)));
}

} // namespace
} // namespace quelm
