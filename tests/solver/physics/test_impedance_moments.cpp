#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <sstream>

#include "solver/numerics/bessel_functions.hpp"
#include "solver/numerics/gamma_functions.hpp"
#include "solver/physics/impedance_moments.hpp"
#include "tests/solver/physics/physics_fixture.hpp"

namespace quelm {
namespace {

using Complex = std::complex<double>;

// Largest difference of two tables relative to the largest entry of the
// second: entries far below it are pure cancellation and carry only the
// quadrature's absolute error.
double tableDifference(const std::vector<Complex>& a, const std::vector<Complex>& b) {
    double worst = 0.0, largest = 0.0;
    for (std::size_t N = 0; N < a.size(); ++N) {
        worst = std::max(worst, std::abs(a[N] - b[N]));
        largest = std::max(largest, std::abs(b[N]));
    }
    return worst / largest;
}

// The wake summed over the integer revolution harmonics directly:
// sum over n of f(n) / (n - p1) - f(n) / (n - p2).  Earlier turns are
// contained in it, so the integral with its multi-turn correction must
// reproduce it for a bunch that is short compared with the ring.
template <class Spectrum>
Complex harmonicSum(const RunParameters& p, double halfWidth, Spectrum f) {
    const double shift = chromaticShift(p);
    Complex sum;
    for (long n = static_cast<long>(std::ceil(shift - halfWidth)); n <= static_cast<long>(std::floor(shift + halfWidth)); ++n) {
        const double z = static_cast<double>(n);
        sum += f(z) / (z - p.WRES1) - f(z) / (z - p.WRES2);
    }
    return sum;
}

TEST(ImpedanceMoments, ClosedFormAndIntegrationAgreeForShortBunches) {
    for (const RunParameters& p : {testing::broadBandRing(), testing::ringingMode(), testing::ringingResonator()}) {
        const CurrentStep s = currentStep(p, 2.0);
        const double difference = tableDifference(closedFormMoments(p, s), integratedMoments(p, s, std::cout));
        std::cout << "closed form vs integration, multi-turn " << isMultiTurnResonator(p)
                  << ", sigma*nu_r " << s.SGMI * p.FREQ / p.REVFRQ << ": " << difference << '\n';
        // The single-precision constants of the two ways alone differ by a
        // few 1e-6; the quadrature is asked for 1e-7.
        EXPECT_LT(difference, 2e-5);
    }
}

TEST(ImpedanceMoments, ClosedFormPartsFromIntegrationForLongBunches) {
    RunParameters p = testing::broadBandRing();
    p.SGMZ = 4.0;  // sigma_t * omega_r near 9
    computeDerivedQuantities(p);
    const CurrentStep s = currentStep(p, 2.0);
    std::ostringstream console;
    const double difference = closedFormDisagreement(p, s, console);
    std::cout << "long bunch, closed form vs integration: " << difference << '\n';
    EXPECT_GT(difference, 1e-4);
}

TEST(ImpedanceMoments, MultiTurnCorrectionReproducesTheHarmonicSum) {
    for (const RunParameters& p : {testing::ringingMode(), testing::ringingResonator()}) {
        ASSERT_TRUE(isMultiTurnResonator(p));
        const CurrentStep s = currentStep(p, 2.0);
        const double sigma = s.SGMI;
        std::vector<Complex> direct;
        for (int N = 0; N <= highestMomentOrder(p); ++N) {
            direct.push_back(harmonicSum(p, 12.0 / sigma, [&](double z) {
                const double zeta = sigma * z;
                return integerPower(zeta / 1.41421356, N) * std::exp(-zeta * zeta);
            }));
        }
        const double integrated = tableDifference(integratedMoments(p, s, std::cout), direct);
        const double closed = tableDifference(closedFormMoments(p, s), direct);
        std::cout << "harmonic sum vs integration " << integrated << ", vs closed form " << closed << '\n';
        EXPECT_LT(integrated, 1e-6);
        EXPECT_LT(closed, 2e-5);
    }
}

TEST(ImpedanceMoments, BinomialMultiTurnTermCarriesTheModeFactor) {
    RunParameters p = testing::ringingResonator();
    p.LBIN = true;
    p.MU = 2;
    p.NMODF = 0;
    p.NMODE = 1;
    p.KRAD = 0;
    computeDerivedQuantities(p);
    const CurrentStep s = currentStep(p, 2.0);
    ImpedanceMoments moments(p);
    std::ostringstream listing;
    moments.compute(p, s, listing, std::cout);
    EXPECT_EQ(listing.str(), "");
    const int mu = p.MU;
    const double scaled = p.BINFAC * s.SGMI;
    for (int a = 0; a <= 1; ++a) {
        for (int b = 0; b <= a; ++b) {
            const double Cab = FACTRL(mu) * std::sqrt(FACTRL(mu + a + 1) / FACTRL(a)) *
                               std::sqrt(FACTRL(mu + b + 1) / FACTRL(b));
            const Complex direct = harmonicSum(p, 30.0 / scaled, [&](double z) {
                const double y = scaled * z;
                // At y = 0 only J_(mu+1)^2 / y^(2mu+2) survives, as 1 / (2^(mu+1) (mu+1)!)^2.
                const double spectrum = y != 0.0 ? BESSJ(mu + a + 1, y) * BESSJ(mu + b + 1, y) / std::pow(y, 2 * mu + 2)
                                        : a + b == 0 ? std::pow(std::ldexp(1.0, mu + 1) * FACTRL(mu + 1), -2)
                                                     : 0.0;
                return std::ldexp(1.0, 2 * mu + 2) * Cab * spectrum;
            });
            EXPECT_LT(std::abs(moments.D(a, b) - direct), 1e-3 * std::abs(direct)) << a << ", " << b;
            EXPECT_EQ(moments.D(a, b), moments.D(b, a));
        }
    }
}

TEST(ImpedanceMoments, BinomialTableStaysFiniteForLargeModeNumbers) {
    RunParameters p = testing::broadBandRing();
    p.LBIN = true;
    p.MU = 60;
    p.NMODF = 0;
    p.NMODE = 1;
    p.KRAD = 0;
    computeDerivedQuantities(p);
    ImpedanceMoments moments(p);
    std::ostringstream console, listing;
    moments.compute(p, currentStep(p, 2.0), listing, console);
    for (int a = 0; a <= 1; ++a) {
        EXPECT_TRUE(std::isfinite(std::abs(moments.D(a, a))));
        EXPECT_GT(std::abs(moments.D(a, a)), 0.0);
    }
    EXPECT_EQ(console.str(), "");
}

TEST(ImpedanceMoments, CutOffAndReuseRule) {
    EXPECT_NEAR(FRT(0.0, 1.0, 0), 1.0 - 1e-8, 1e-15);
    EXPECT_LT(FRT(6.78, 1.0, 0), 0.0);

    MomentReuseRule rule(1.0);
    EXPECT_TRUE(rule.mustRecompute(1, 1.0));       // always at the first current
    EXPECT_FALSE(rule.mustRecompute(2, 1.0005));   // 0.05 %: reuse
    EXPECT_FALSE(rule.mustRecompute(3, 1.0009));   // measured from the last computation
    EXPECT_TRUE(rule.mustRecompute(4, 1.0011));    // 0.11 %: recompute
    EXPECT_FALSE(rule.mustRecompute(5, 1.0015));   // now measured from 1.0011
}

}  // namespace
}  // namespace quelm
