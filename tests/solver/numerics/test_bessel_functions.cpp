#include "solver/numerics/bessel_functions.hpp"

#include "tests/solver/numerics/high_precision_reference.hpp"
#include "tests/solver/numerics/worst_error.hpp"

#include <boost/math/special_functions/bessel.hpp>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>
#include <string>

namespace quelm {
namespace {

using test::besselReference;
using test::WorstError;
using Complex = std::complex<double>;

long double referenceJ(int n, double x)
{
    return boost::math::cyl_bessel_j(n, static_cast<long double>(x));
}

TEST(BesselRealArgument, KnownValuesAndSymmetries)
{
    EXPECT_NEAR(BESSJ(2, 1.0), 0.11490348493190048047, 1e-9);
    EXPECT_EQ(BESSJ(3, -2.0), -BESSJ(3, 2.0));
    EXPECT_EQ(BESSJ(4, -2.0), BESSJ(4, 2.0));
    EXPECT_EQ(BESSJ1(-9.0), -BESSJ1(9.0));
    EXPECT_EQ(BESSJ(2, 0.0), 0.0);
    EXPECT_EQ(BESSJ(7, 0.0), 0.0);
    EXPECT_NEAR(BESSJ0(0.0), 1.0, 1e-8);
}

// Far below the order, where the recurrence's rescaling cannot keep up
// (2N/|x| > 1e10), the values are the power series': finite, falling
// towards zero, and underflowing to it.
TEST(BesselRealArgument, TinyArgumentsFallTowardsZero)
{
    EXPECT_EQ(BESSJ(2, 1e-300), 0.0);
    EXPECT_EQ(BESSJ(60, 1.2e-11), 0.0);
    WorstError relative("BESSJ rel, 2N/|x| > 1e10 (power series)");
    for (const int n : {2, 3, 5, 10}) {
        for (const double x : {1e-10, -3e-11, 1e-15, 2e-20}) {
            const long double reference = referenceJ(n, x);
            relative.add(std::fabs((BESSJ(n, x) - reference) / reference), x);
        }
    }
    EXPECT_LE(relative.report(), 1e-15);
}

TEST(BesselRealArgument, NegativeOrdersFollowTheReflectionRule)
{
    EXPECT_EQ(BESSJ(-1, 1.5), -BESSJ(1, 1.5));
    EXPECT_EQ(BESSJ(-2, 1.5), BESSJ(2, 1.5));
    EXPECT_EQ(BESSJ(-5, -7.0), -BESSJ(5, -7.0));
}

TEST(BesselRealArgument, OrdersZeroAndOneAgainstReference)
{
    WorstError small("BESSJ0/BESSJ1 abs, |x| < 8");
    WorstError large("BESSJ0/BESSJ1 abs, 8 <= |x| <= 1000");
    for (double x = -1000.0; x <= 1000.0; x += 0.0137) {
        WorstError& worst = std::fabs(x) < 8.0 ? small : large;
        worst.add(std::fabs(BESSJ0(x) - referenceJ(0, x)), x);
        worst.add(std::fabs(BESSJ1(x) - referenceJ(1, x)), x);
    }
    EXPECT_LE(small.report(), 1e-8);
    EXPECT_LE(large.report(), 1e-8);
}

TEST(BesselRealArgument, HigherOrdersAgainstReference)
{
    WorstError upward("BESSJ abs, |x| > N (upward)");
    WorstError downward("BESSJ abs, |x| <= N (Miller)");
    WorstError downwardRelative("BESSJ rel, |x| <= N/2 (Miller)");
    // Miller's start 2⌊(N + ⌊sqrt(40N)⌋)/2⌋ is short next to |x| = N: the
    // truncation there reaches a few parts in 1e7.
    for (int n = 2; n <= 60; ++n) {
        for (double x = -100.0; x <= 100.0; x += 0.173) {
            const long double reference = referenceJ(n, x);
            const double value = BESSJ(n, x);
            (std::fabs(x) > n ? upward : downward).add(std::fabs(value - reference), x);
            if (std::fabs(x) <= 0.5 * n) {
                downwardRelative.add(std::fabs((value - reference) / reference), x);
            }
        }
    }
    EXPECT_LE(upward.report(), 1e-8);
    EXPECT_LE(downward.report(), 2e-7);
    EXPECT_LE(downwardRelative.report(), 2e-10);
}

// ---- Complex argument ----

using Orders = std::array<Complex, 101>;

// Error of WBSJA against the series over a spread of the orders 0..nmax,
// relative to max(|J_k|, |J_(k+1)|): next to a real zero of J_k no method
// keeps relative accuracy, and J_(k+1) gives the local size there. Values
// below the normal range are skipped (gradual underflow).
double worstAgainstSeries(Complex x, double a, int nmax, const Orders& values)
{
    double worst = 0.0;
    for (const int k : {0, 1, 2, 3, 5, 8, 12, 20, 33, 50, 75, 99, 100}) {
        if (k > nmax) {
            break;
        }
        const Complex reference = besselReference(a, k, x);
        const double scale = std::max(std::abs(reference), std::abs(besselReference(a, k + 1, x)));
        if (std::abs(reference) > 1e-290) {
            worst = std::max(worst, std::abs(values[k] - reference) / scale);
        }
    }
    return worst;
}

TEST(BesselComplexArgument, SolverUseThreeDigits)
{
    WorstError worst("WBSJA rel to local size, ND=3, A=0");
    std::ostringstream listing;
    for (const Complex x : {Complex(0.3, 0.01), Complex(2.0, -0.5), Complex(-7.5, 0.2), Complex(12.0, -3.0),
                            Complex(0.01, 25.0), Complex(-40.0, -1.0)}) {
        for (int nmax = 1; nmax <= 12; nmax += 11) {
            Orders values{};
            WBSJA(x, 0.0, nmax, 3, values, listing);
            worst.add(worstAgainstSeries(x, 0.0, nmax, values), x);
        }
    }
    EXPECT_EQ(listing.str(), "");
    EXPECT_LE(worst.report(), 5e-4);
}

TEST(BesselComplexArgument, ThirteenDigitsInAllQuadrants)
{
    WorstError worst("WBSJA rel to local size, ND=13, |X| <= 30");
    std::ostringstream listing;
    for (const double a : {0.0, 0.25, 0.5, 0.999}) {
        for (const double radius : {0.05, 1.0, 6.0, 17.0, 30.0}) {
            for (const double angle : {0.3, 1.5707963267948966, 2.2, 3.1, -0.4, -1.2, -2.5, -3.14159}) {
                const Complex x = std::polar(radius, angle);
                Orders values{};
                WBSJA(x, a, 100, 13, values, listing);
                worst.add(worstAgainstSeries(x, a, 100, values), x);
            }
        }
    }
    EXPECT_EQ(listing.str(), "");
    EXPECT_LE(worst.report(), 1e-13);
}

TEST(BesselComplexArgument, LargeRealArgument)
{
    WorstError worst("WBSJA rel to local size, ND=13, X = 1000");
    std::ostringstream listing;
    for (const double a : {0.0, 0.5}) {
        Orders values{};
        WBSJA({1000.0, 0.0}, a, 100, 13, values, listing);
        std::array<double, 102> reference{};
        for (int k = 0; k <= 101; ++k) {
            reference[k] = static_cast<double>(boost::math::cyl_bessel_j(a + k, 1000.0L));
        }
        for (int k = 0; k <= 100; ++k) {
            const double scale = std::max(std::fabs(reference[k]), std::fabs(reference[k + 1]));
            worst.add(std::abs(values[k] - reference[k]) / scale, {a, double(k)});
        }
    }
    EXPECT_EQ(listing.str(), "");
    EXPECT_LE(worst.report(), 1e-13);
}

constexpr const char* kUnreasonable = " *****PLOX C344 WBSJA ... UNREASONABLE ARGUMENT OR ORDER\n";
constexpr const char* kNoConvergence =
    " *****PLOX C344 WBSJA ... ITERATION DOES NOT CONVERGE, TRY SMALLER ND\n";

// Runs WBSJA on a B filled with a marker; returns the listing text and
// checks that B kept the marker.
std::string rejectedRun(Complex x, double a, int nmax, int nd, std::size_t room = 101)
{
    const Complex marker(-7.0, 7.0);
    Orders values;
    values.fill(marker);
    std::ostringstream listing;
    WBSJA(x, a, nmax, nd, std::span<Complex>(values.data(), room), listing);
    for (const Complex& value : values) {
        EXPECT_EQ(value, marker);
    }
    return listing.str();
}

TEST(BesselComplexArgument, UnreasonableArgumentsLeaveBUnchanged)
{
    EXPECT_EQ(rejectedRun({1.0, 1.0}, 0.0, 101, 3), kUnreasonable);
    EXPECT_EQ(rejectedRun({1.0, 1.0}, 0.0, -1, 3), kUnreasonable);
    EXPECT_EQ(rejectedRun({0.0, 0.0}, 0.0, 5, 3), kUnreasonable);
    EXPECT_EQ(rejectedRun({-2.0, 0.0}, 0.5, 5, 3), kUnreasonable);
    EXPECT_EQ(rejectedRun({1.0, 1.0}, 1.0, 5, 3), kUnreasonable);
    EXPECT_EQ(rejectedRun({1.0, 1.0}, -0.1, 5, 3), kUnreasonable);
    EXPECT_EQ(rejectedRun({1.0, 1.0}, std::nan(""), 5, 3), kUnreasonable);
    EXPECT_EQ(rejectedRun({std::nan(""), 1.0}, 0.0, 5, 3), kUnreasonable);
    EXPECT_EQ(rejectedRun({1.0, 1.0}, 0.0, 5, 3, 5), kUnreasonable); // B one too short
}

TEST(BesselComplexArgument, UnreachableDigitsLeaveBUnchanged)
{
    EXPECT_EQ(rejectedRun({1.0, 1.0}, 0.0, 5, 14), kNoConvergence);
    EXPECT_EQ(rejectedRun({1e7, 1.0}, 0.0, 5, 3), kNoConvergence);
}

} // namespace
} // namespace quelm
