#include "solver/numerics/gauss_quadrature.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstddef>
#include <sstream>

namespace {

using quelm::FGAUSS;
using Complex = std::complex<double>;

constexpr double accuracy = 1e-7;

Complex integrate(const auto& f, Complex a, Complex b, std::ostream& console)
{
    Complex result(99.0, 99.0);
    FGAUSS(
        result, [&](Complex& value, const Complex& z) { value = f(z); }, a, b, accuracy, console);
    return result;
}

// Positive root x of the Legendre polynomial P_n nearest to the guess, with
// its Gauss weight, in long double.
void legendreNode(int n, long double guess, long double& x, long double& weight)
{
    x = guess;
    long double derivative = 0.0L;
    for (int iteration = 0; iteration < 50; ++iteration) {
        long double p0 = 1.0L;
        long double p1 = x;
        for (int j = 2; j <= n; ++j) {
            const long double p2 = ((2 * j - 1) * x * p1 - (j - 1) * p0) / j;
            p0 = p1;
            p1 = p2;
        }
        derivative = n * (x * p1 - p0) / (x * x - 1.0L);
        x -= p1 / derivative;
    }
    weight = 2.0L / ((1.0L - x * x) * derivative * derivative);
}

template <std::size_t Points>
void expectRoundedLegendreRule(int n, const std::array<float, Points>& abscissae,
                               const std::array<float, Points>& weights)
{
    const long double pi = 3.14159265358979323846L;
    for (std::size_t k = 0; k < Points; ++k) {
        long double x = 0.0L;
        long double w = 0.0L;
        const int fromTop = int(Points - k); // node k counts from the centre
        legendreNode(n, std::cos(pi * (fromTop - 0.25L) / (n + 0.5L)), x, w);
        EXPECT_EQ(abscissae[k], static_cast<float>(x)) << n << "-point node " << k;
        EXPECT_EQ(weights[k], static_cast<float>(w)) << n << "-point weight " << k;
    }
}

TEST(Fgauss, NodesAndWeightsAreLegendreValuesInSinglePrecision)
{
    expectRoundedLegendreRule(8, quelm::gaussAbscissae8, quelm::gaussWeights8);
    expectRoundedLegendreRule(16, quelm::gaussAbscissae16, quelm::gaussWeights16);
    EXPECT_EQ(double(quelm::gaussAbscissae8[3]), 0.9602898359298706);
    EXPECT_EQ(double(quelm::gaussWeights16[7]), 0.02715246006846428);
}

TEST(Fgauss, PolynomialsAlongRealAndComplexSegments)
{
    std::ostringstream console;
    const Complex one = integrate([](Complex) { return Complex(1.0); }, 0.0, Complex(1.0, 1.0),
                                  console);
    EXPECT_NEAR(std::abs(one - Complex(1.0, 1.0)), 0.0, 1e-15);

    const Complex square = integrate([](Complex z) { return z * z; }, 0.0, 2.0, console);
    EXPECT_NEAR(square.real(), 8.0 / 3.0, 1e-7 * 8.0 / 3.0);
    EXPECT_EQ(square.imag(), 0.0);
    EXPECT_TRUE(console.str().empty());
}

TEST(Fgauss, AnalyticFunctionsToTheRequestedAccuracy)
{
    std::ostringstream console;
    const Complex b(1.0, 1.0);
    const Complex exponential = integrate([](Complex z) { return std::exp(z); }, 0.0, b, console);
    EXPECT_LE(std::abs(exponential - (std::exp(b) - 1.0)), 1e-7 * std::abs(std::exp(b) - 1.0));

    // A pole 0.1 below the real path, as in the coupling integrals.
    const Complex pole(0.5, -0.1);
    const Complex cauchy =
        integrate([&](Complex z) { return 1.0 / (z - pole); }, -3.0, 4.0, console);
    const Complex exact = std::log((4.0 - pole) / (-3.0 - pole));
    EXPECT_LE(std::abs(cauchy - exact), 1e-7 * std::abs(exact));
    EXPECT_TRUE(console.str().empty());
}

TEST(Fgauss, EqualEndPointsGiveZeroWithoutEvaluating)
{
    int calls = 0;
    Complex result(5.0, 5.0);
    std::ostringstream console;
    FGAUSS(
        result,
        [&](Complex& value, const Complex&) {
            ++calls;
            value = 1.0;
        },
        Complex(2.0, 3.0), Complex(2.0, 3.0), accuracy, console);
    EXPECT_EQ(result, Complex(0.0));
    EXPECT_EQ(calls, 0);
}

TEST(Fgauss, UnreachableAccuracyPrintsTheLineAndGivesZero)
{
    // A pole on the path: the pieces next to it never agree.
    std::ostringstream console;
    const Complex result = integrate([](Complex z) { return 1.0 / (z - 1.0); }, 0.0, 3.0, console);
    EXPECT_EQ(result, Complex(0.0));
    EXPECT_EQ(console.str(), "CGAUSS ... TOO HIGH ACCURACY REQUIRED\n");
}

// A path far shorter than its distance from the origin, where halving runs
// into the spacing of doubles before the minimum length: the search must
// still end.
TEST(Fgauss, HalvingBelowTheSpacingOfDoublesEnds)
{
    std::ostringstream console;
    const Complex result =
        integrate([](Complex) { return Complex(std::nan("")); }, 1e8, 1e8 + 1e-6, console);
    EXPECT_EQ(result, Complex(0.0));
    EXPECT_EQ(console.str(), "CGAUSS ... TOO HIGH ACCURACY REQUIRED\n");
}

} // namespace
