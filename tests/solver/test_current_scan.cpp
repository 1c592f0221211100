// The current scan end to end: physics that a reader of the listing relies on.
#include <gtest/gtest.h>

#include <cmath>
#include <new>
#include <sstream>

#include "solver/current_scan.hpp"
#include "solver/parallel_for.hpp"
#include "solver/physics/bunch_parameters.hpp"
#include "solver/physics/impedance_moments.hpp"
#include "solver/root_search.hpp"
#include "tests/support/mode_coupling_cases.hpp"

namespace quelm {
namespace {

// The ring example's machine scanned over 0.5 to 10 mA, modes -2..1, k = 0..2.
RunParameters ring() {
    RunParameters p = testing::ringMachine();
    p.CRNT = 0.5;
    p.STPC = 0.5;
    p.NCR = 20;
    p.NMODF = -2;
    p.NMODE = 1;
    p.KRAD = 2;
    p.LZOT = true;
    return p;
}

struct Scanned {
    RunParameters p;
    std::unique_ptr<CurrentScan> scan;
    std::ostringstream listing, console, errors;

    explicit Scanned(RunParameters parameters) : p(parameters) {
        prepareAfterReading(p);
        computeDerivedQuantities(p);
        scan = std::make_unique<CurrentScan>(p);
        scan->run(listing, console, errors);
    }

    std::complex<double> eigenvalue(int j, int i) const {
        return {scan->results().EIGRE(j, i), -scan->results().EIGIM(j, i)};
    }
};

TEST(CurrentScan, WithoutImpedanceEveryTuneIsAnAzimuthalNumber) {
    RunParameters p = ring();
    p.RS = 0.0;
    const Scanned s(p);
    for (int i = 1; i <= p.NCR; ++i) {
        int count[4] = {};
        for (int j = 1; j <= s.p.NTOT; ++j) {
            const std::complex<double> z = s.eigenvalue(j, i);
            ASSERT_EQ(z.imag(), 0.0);
            ASSERT_EQ(z.real(), std::round(z.real()));
            ++count[static_cast<int>(z.real()) + 2];
        }
        for (int c : count) EXPECT_EQ(c, 3);  // KRAD + 1 radial modes per m
    }
}

TEST(CurrentScan, LowCurrentShiftOfModeZeroFollowsTheDiagonalElement) {
    RunParameters p = ring();
    p.CRNT = 0.01;
    p.STPC = 0.01;
    p.NCR = 2;
    p.KRAD = 0;
    const Scanned s(p);
    // The eigenvalue nearest 0 against g c_0 at both currents: first-order
    // perturbation theory, with the sign (downwards) and the slope in g.
    ImpedanceMoments moments(s.p);
    std::ostringstream sink;
    const CurrentStep step = currentStep(s.p, 0.01);
    moments.compute(s.p, step, sink, sink);
    const double predicted = (step.COUPK * moments.c(0)).real();
    ASSERT_LT(predicted, 0.0);
    for (int i = 1; i <= 2; ++i) {
        double nearest = 1e9;
        for (int j = 1; j <= s.p.NTOT; ++j) {
            if (std::fabs(s.eigenvalue(j, i).real()) < std::fabs(nearest)) nearest = s.eigenvalue(j, i).real();
        }
        EXPECT_NEAR(nearest, i * predicted, 0.02 * std::fabs(i * predicted)) << "current " << i;
    }
}

TEST(CurrentScan, ModesMergeAtTheInstabilityThreshold) {
    const Scanned s(ring());
    // Below threshold every tune is real; above it a pair shares its real
    // part with imaginary parts of opposite sign that grow with the current.
    double previousGrowth = 0.0;
    int firstUnstable = 0;
    for (int i = 1; i <= s.p.NCR; ++i) {
        double growth = 0.0;
        int pairPartner = 0;
        for (int j = 1; j <= s.p.NTOT; ++j) {
            const std::complex<double> z = s.eigenvalue(j, i);
            if (z.imag() > growth) {
                growth = z.imag();
                pairPartner = 0;
                for (int l = 1; l <= s.p.NTOT; ++l) {
                    const std::complex<double> w = s.eigenvalue(l, i);
                    if (std::abs(w - std::conj(z)) < 1e-4 * std::abs(z)) pairPartner = l;
                }
                EXPECT_NE(pairPartner, 0) << "current " << i;
            }
        }
        if (growth > 1e-3) {
            if (firstUnstable == 0) firstUnstable = i;
            EXPECT_GE(growth, previousGrowth) << "current " << i;
            previousGrowth = growth;
        } else {
            EXPECT_EQ(firstUnstable, 0) << "stable again at current " << i;
        }
    }
    EXPECT_GT(firstUnstable, 2);
    EXPECT_LT(firstUnstable, s.p.NCR);
}

TEST(CurrentScan, MomentsAreComputedOnlyWhenTheBunchLengthMoves) {
    EXPECT_EQ(Scanned(ring()).scan->momentComputations(), 1);

    RunParameters p = ring();
    p.SGMZ = -1.0;  // lengthening law, X^(1/3): 0.1 % per 0.3 % of current
    p.CRNT = 10.0;
    p.STPC = 0.01;
    p.NCR = 40;
    p.LZOT = false;
    p.NMODF = 0;
    p.NMODE = 0;
    p.KRAD = 0;
    const Scanned s(p);
    MomentReuseRule rule(FSGM(p.CRNT, s.p));
    int expected = 0;
    for (int i = 1; i <= p.NCR; ++i) expected += rule.mustRecompute(i, FSGM(p.CRNT + (i - 1) * p.STPC, s.p));
    EXPECT_EQ(s.scan->momentComputations(), expected);
    EXPECT_GT(expected, 2);
    EXPECT_LT(expected, p.NCR / 2);
}

TEST(CurrentScan, LongBunchWarnsAboutTheClosedForm) {
    RunParameters p = ring();
    p.SGMZ = 10.0;  // sigma_t omega_r about 6
    p.NCR = 1;
    EXPECT_NE(Scanned(p).errors.str().find("consider LZOT=F"), std::string::npos);
    EXPECT_EQ(Scanned(ring()).errors.str(), "");
}

TEST(RootSearch, SmallSpreadKeepsTheRootsNextToTheEigenvalues) {
    RunParameters p = ring();
    p.SPRD = 1e-5;
    p.NCR = 3;
    p.NSTPS = 2;
    const Scanned s(p);
    ASSERT_TRUE(searchesRoots(s.p));
    for (int i = 1; i <= p.NCR; ++i) {
        for (int j = 1; j <= s.p.NMT; ++j) {
            // Some eigenvalue lies next to every root.
            double nearest = 1e9;
            const std::complex<double> root(s.scan->results().ROOTRE(j, i, 2), -s.scan->results().ROOTIM(j, i, 2));
            for (int l = 1; l <= s.p.NTOT; ++l) nearest = std::min(nearest, std::abs(root - s.eigenvalue(l, i)));
            EXPECT_LT(nearest, 0.02) << "mode " << j << " current " << i << " root " << root;
        }
    }
}

TEST(RootSearch, SpreadOfEachStep) {
    RunParameters p;
    p.SPRDMAX = 0.004;
    p.NSTPS = 4;
    EXPECT_DOUBLE_EQ(spreadOfStep(p, 1), 0.001);
    EXPECT_DOUBLE_EQ(spreadOfStep(p, 4), 0.004);
    p.SPRD0 = 0.001;
    EXPECT_DOUBLE_EQ(spreadOfStep(p, 1), 0.001);
    EXPECT_DOUBLE_EQ(spreadOfStep(p, 3), 0.003);
    p.NSTPS = 1;
    EXPECT_EQ(spreadOfStep(p, 1), 0.001);
}

// The scan's eigenvalues at the largest order, on two threads, against
// zgeev on the same double matrices: no false instability, and every
// eigenvalue within 1e-6 of the reference.
TEST(CurrentScan, EigenvaluesAtOrder500MatchZgeev) {
    const RunParameters p = testing::ringCase(-12, 12, 19);
    ASSERT_EQ(p.NTOT, 500);
    CurrentScan scan(p);
    std::ostringstream sink;
    scan.run(sink, sink, sink, 2);
    EXPECT_TRUE(scan.warnings().empty());
    testing::CaseMatrices cases(p);
    for (int i = 1; i <= p.NCR; ++i) {
        testing::Eigenvalues scanned;
        for (int j = 1; j <= p.NTOT; ++j) scanned.emplace_back(scan.results().EIGRE(j, i), -scan.results().EIGIM(j, i));
        const auto error = testing::matchedError(scanned, testing::zgeevEigenvalues(cases.dense(i - 1), p.NTOT));
        EXPECT_LE(error.worst, 1e-6) << "current " << cases.current(i - 1);
        EXPECT_LE(error.spuriousImaginary, 1e-6) << "current " << cases.current(i - 1);
    }
}

// An exception on a worker thread (out of memory, say) ends the loop and
// reaches the caller instead of ending the process.
TEST(ParallelFor, AnExceptionOfAnItemReachesTheCaller) {
    const auto body = [&](int item, int) {
        if (item == 3) throw std::bad_alloc();
    };
    EXPECT_THROW(parallelFor(1000, 3, body), std::bad_alloc);
}

}  // namespace
}  // namespace quelm
