// The impedance budget: linearity of the moments, a table standing in for
// a resonator, the resistive wall against its closed-form tune shift, and
// the reach of a table against the bunch spectrum.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <numbers>
#include <sstream>

#include "solver/budget_checks.hpp"
#include "solver/current_scan.hpp"
#include "solver/physics/budget_moments.hpp"
#include "solver/physics/impedance_moments.hpp"
#include "tests/solver/physics/physics_fixture.hpp"

namespace quelm {
namespace {

using Complex = std::complex<double>;

RunParameters withBudget(RunParameters p, const ImpedanceBudget& budget) {
    p.ZPARM = budget;
    prepareAfterReading(p);
    computeDerivedQuantities(p);
    return p;
}

// GIMP c_N, the moment as the matrix elements see it.
std::vector<Complex> scaledMoments(const RunParameters& p, double current) {
    ImpedanceMoments moments(p);
    std::ostringstream listing, console;
    moments.compute(p, currentStep(p, current), listing, console);
    std::vector<Complex> c;
    for (int N = 0; N <= highestMomentOrder(p); ++N)
        c.push_back(p.GIMP * moments.c(N));
    return c;
}

// Eigenvalues of every current of the scan, each current's sorted.
std::vector<std::vector<Complex>> eigenvalues(const RunParameters& p) {
    CurrentScan scan(p);
    std::ostringstream listing, console, errors;
    scan.run(listing, console, errors);
    std::vector<std::vector<Complex>> tunes(static_cast<std::size_t>(p.NCR));
    for (int i = 1; i <= p.NCR; ++i) {
        auto& atCurrent = tunes[static_cast<std::size_t>(i - 1)];
        for (int j = 1; j <= p.NTOT; ++j)
            atCurrent.emplace_back(scan.results().EIGRE(j, i), -scan.results().EIGIM(j, i));
        std::sort(atCurrent.begin(), atCurrent.end(), [](const Complex& a, const Complex& b) {
            return a.real() != b.real() ? a.real() < b.real() : a.imag() < b.imag();
        });
    }
    return tunes;
}

double largestDifference(const std::vector<std::vector<Complex>>& a, const std::vector<std::vector<Complex>>& b) {
    double worst = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (std::size_t j = 0; j < a[i].size(); ++j)
            worst = std::max(worst, std::abs(a[i][j] - b[i][j]));
    }
    return worst;
}

Complex resonatorImpedance(double MHz, double FREQ, double RS, double QV) {
    if (MHz == 0.0) return {0.0, -RS / QV};
    return (FREQ / MHz) * RS / Complex(1.0, QV * (FREQ / MHz - MHz / FREQ));
}

TEST(BudgetMoments, TwoResonatorsGiveTheSumOfTheirSingleTables) {
    for (const bool closedForm : {true, false}) {
        RunParameters broad = testing::broadBandRing();
        broad.LZOT = closedForm;
        // A narrow resonator whose wake rings for several turns.
        RunParameters narrow = broad;
        narrow.FREQ = 800.0;
        narrow.RS = 0.05;
        narrow.QV = 2000.0;
        computeDerivedQuantities(narrow);
        ASSERT_TRUE(isMultiTurnResonator(narrow));

        // Both in the budget; RS = 0 removes the IPARM resonator.
        RunParameters none = broad;
        none.FREQ = none.RS = none.QV = 0.0;
        ImpedanceBudget budget;
        budget.NRES = 2;
        budget.FRES = {broad.FREQ, narrow.FREQ};
        budget.RSRES = {broad.RS, narrow.RS};
        budget.QRES = {broad.QV, narrow.QV};
        const RunParameters both = withBudget(none, budget);

        const auto sum = scaledMoments(both, 2.0);
        const auto one = scaledMoments(broad, 2.0);
        const auto two = scaledMoments(narrow, 2.0);
        for (std::size_t N = 0; N < sum.size(); ++N) {
            const Complex single = one[N] + two[N];
            EXPECT_LE(std::abs(sum[N] - single), 1e-13 * std::abs(single)) << "N " << N << " LZOT " << closedForm;
        }
    }
}

TEST(BudgetMoments, TableSampledFromAResonatorConvergesToItsEigenvalues) {
    RunParameters resonator = testing::broadBandRing();
    resonator.NCR = 6;
    resonator.CRNT = 2.0;
    resonator.STPC = 2.0;
    const auto exact = eigenvalues(resonator);

    RunParameters none = resonator;
    none.RS = 0.0;
    double previous = 0.0;
    for (const double spacing : {1000.0, 500.0, 250.0, 125.0}) {
        ImpedanceBudget budget;
        budget.ZTFILE = "resonator.txt";
        for (double f = 0.0; f <= 60000.0; f += spacing) {
            const Complex Z = resonatorImpedance(f, resonator.FREQ, resonator.RS, resonator.QV);
            budget.table.push_back({f, Z.real(), Z.imag()});
        }
        const RunParameters tabulated = withBudget(none, budget);
        ASSERT_LT(spectrumBeyondTable(tabulated), NEGLIGIBLE_SPECTRUM_FRACTION);
        const double error = largestDifference(eigenvalues(tabulated), exact);
        std::cout << "table every " << spacing << " MHz: largest eigenvalue error " << error << '\n';
        // Linear interpolation: the error falls as the square of the spacing.
        if (previous > 0.0) {
            EXPECT_LT(error, previous / 3.0);
        }
        previous = error;
    }
    EXPECT_LT(previous, 1e-4);
}

// The tune shift of mode (0, 0) to first order in the current, for a
// Gaussian bunch in a resistive wall (docs/impedance.md):
// dnu/dI = -Gamma(1/4)/(4 pi^2) beta L R / (b^3 E/e) sqrt(Z0 / (2 sigma_c sigma_z)).
double resistiveWallSlopePerMilliampere(const RunParameters& p, const ImpedanceBudget& wall) {
    const double pi = std::numbers::pi;
    const double c = 299792458.0;
    const double Z0 = 4e-7 * pi * c;
    const double R = c / (2.0 * pi * p.REVFRQ * 1e6);
    const double b = wall.RWRAD * 1e-3;
    const double sigmaZ = p.SGMZ * 1e-2;
    const double perAmpere = -std::tgamma(0.25) / (4.0 * pi * pi) * wall.RWBETA * wall.RWLEN * R /
                             (b * b * b * p.ENGY * 1e9) * std::sqrt(Z0 / (2.0 * wall.RWSIG * sigmaZ));
    return perAmpere * 1e-3 / p.NUS;
}

TEST(BudgetMoments, ResistiveWallSlopeOfModeZeroMatchesTheClosedForm) {
    RunParameters p = testing::broadBandRing();
    p.RS = 0.0;
    p.NMODF = -1;
    p.NMODE = 1;
    p.KRAD = 0;
    ImpedanceBudget wall;
    wall.RWLEN = 150.0;
    wall.RWRAD = 12.0;
    wall.RWSIG = 5.9e7;
    wall.RWBETA = 8.0;  // not BETAC: the wall's own beta function weighs it
    const double slope = resistiveWallSlopePerMilliampere(p, wall);
    // A current where mode 0 has moved by 0.01: the next order is 1e-4 of that.
    p.CRNT = 0.01 / std::fabs(slope);
    p.NCR = 1;
    const auto tunes = eigenvalues(withBudget(p, wall));
    const double measured = tunes[0][1].real() / p.CRNT;
    std::cout << "resistive wall slope of mode 0: " << measured << " per mA, closed form " << slope
              << ", relative difference " << measured / slope - 1.0 << '\n';
    EXPECT_NEAR(measured / slope, 1.0, 1e-3);
    EXPECT_NEAR(tunes[0][1].imag(), 0.0, 1e-6);  // no chromaticity, no growth
}

TEST(BudgetMoments, SpectrumBeyondTheTableAndItsWarning) {
    // Moment order 0 alone: the weight of e^(-t^2) beyond |t| = 2 is erfc(2).
    EXPECT_NEAR(spectrumFractionBeyond(2.0, 1.0, 0.0, 0), std::erfc(2.0), 1e-15);
    // Order 2: erfc(t) + 2 t e^(-t^2) / sqrt(pi); a chromatic shift moves the spectrum.
    const double t1 = 1.5, t2 = 2.5;
    const auto order2 = [](double t) {
        return 0.5 * (std::erfc(t) + 2.0 * t * std::exp(-t * t) / std::sqrt(std::numbers::pi));
    };
    EXPECT_NEAR(spectrumFractionBeyond(2.0, 1.0, 0.5, 2), order2(t1) + order2(t2), 1e-15);

    RunParameters p = testing::broadBandRing();
    p.RS = 0.0;
    ImpedanceBudget budget;
    budget.ZTFILE = "short.txt";
    budget.table = {{0.0, 0.0, -0.4}, {0.0, 0.0, 0.0}};
    int warned = 0, quiet = 0;
    for (const double end : {5000.0, 10000.0, 15000.0, 20000.0, 25000.0, 30000.0, 40000.0}) {
        budget.table.back().MHz = end;
        const RunParameters q = withBudget(p, budget);
        std::ostringstream listing, errors;
        warnAboutTableReach(listing, errors, q);
        const bool tooShort = spectrumBeyondTable(q) > NEGLIGIBLE_SPECTRUM_FRACTION;
        EXPECT_EQ(listing.str().find("**WARNING** IMPEDANCE TABLE short.txt ENDS AT") != std::string::npos, tooShort);
        EXPECT_EQ(errors.str().find("quelmw: warning: the impedance table short.txt ends at") != std::string::npos,
                  tooShort);
        (tooShort ? warned : quiet)++;
    }
    EXPECT_GT(warned, 0);
    EXPECT_GT(quiet, 0);
}

}  // namespace
}  // namespace quelm
