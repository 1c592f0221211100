// The root search over the spread steps on hand-built coupling matrices.
// With a spread far below the synchrotron tune the dispersion function of
// mode m at Z is 1/(Z - m) up to a shift of order SPRD/NUS, so the roots of
// the determinant lie next to the eigenvalues of the matrix; the starts
// (the "eigenvalues" handed to the search) are chosen freely.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <sstream>
#include <string>
#include <vector>

#include "solver/current_scan.hpp"
#include "solver/result_output.hpp"
#include "solver/root_search.hpp"
#include "tests/solver/physics/physics_fixture.hpp"

namespace quelm {
namespace {

using Complex = std::complex<double>;

constexpr double NUSI = 0.01;
constexpr double TINY_SPREAD = 1e-6;  // moves the roots by about 4e-4

// Modes m = 0 and 1 (or m = 0 alone) without radial modes, and a matrix
// whose diagonal holds the given values: the roots of the determinant lie
// next to them.
struct HandCase {
    RunParameters p;
    CouplingMatrix M;
    ResultStores results;

    HandCase(const std::vector<Complex>& diagonal, int currents, int steps)
        : p(parameters(static_cast<int>(diagonal.size()), steps)), results(p.NTOT, currents, steps) {
        for (int j = 1; j <= p.NTOT; ++j)
            M.set(j, j, diagonal[static_cast<std::size_t>(j - 1)]);
    }

    static RunParameters parameters(int modes, int steps) {
        RunParameters p;
        p.NMODF = 0;
        p.NMODE = modes - 1;
        p.KRAD = 0;
        p.NMT = p.NTOT = modes;
        p.SPRDMAX = TINY_SPREAD;
        p.NSTPS = steps;
        return p;
    }

    Complex root(int j, int i, int k) const { return {results.ROOTRE(j, i, k), -results.ROOTIM(j, i, k)}; }
};

std::vector<MissingRoot> search(HandCase& c, int i, const std::vector<Complex>& starts) {
    std::vector<float> WR, WI;
    for (const Complex& z : starts) {
        WR.push_back(static_cast<float>(z.real()));
        WI.push_back(static_cast<float>(z.imag()));
    }
    RootSearch rootSearch(c.p, c.M);
    return rootSearch.run(i, NUSI, WR.data(), WI.data(), c.results);
}

// Both modes start next to the root at 0.5 + 0.05i and find it.  The second
// searches again from the conjugate with the first root divided out: there
// |DET| / |Z - r1|^2 = |Z - r2| / |Z - r1| leads to the other root, where
// the plain |DET| would lead straight back to r1.
TEST(RootSearch, SecondModeOnASharedRootIsSentToTheOtherRoot) {
    const Complex r1(0.5, 0.05), r2(0.8, 0.1);
    HandCase c({r1, r2}, 1, 1);
    EXPECT_TRUE(search(c, 1, {{0.50, 0.06}, {0.52, 0.04}}).empty());
    EXPECT_LT(std::abs(c.root(1, 1, 1) - r1), 1e-3) << c.root(1, 1, 1);
    EXPECT_LT(std::abs(c.root(2, 1, 1) - r2), 1e-3) << c.root(2, 1, 1);
}

// At the second current both modes start next to the real root 0.3.  The
// first takes the root of the previous current there; the second may not
// take the same one and starts on the other root of the previous current.
// (Roots next to the axis are not deflated: only the matching keeps the
// modes apart.)
TEST(RootSearch, EachModeIsMatchedToItsOwnRootOfThePreviousCurrent) {
    const Complex r1(0.3, 0.0), r2(0.7, 0.0);
    HandCase c({r1, r2}, 2, 1);
    EXPECT_TRUE(search(c, 1, {r1, r2}).empty());
    EXPECT_TRUE(search(c, 2, {{0.32, 0.0}, {0.35, 0.0}}).empty());
    for (int i = 1; i <= 2; ++i) {
        EXPECT_LT(std::abs(c.root(1, i, 1) - r1), 1e-3) << "current " << i << ": " << c.root(1, i, 1);
        EXPECT_LT(std::abs(c.root(2, i, 1) - r2), 1e-3) << "current " << i << ": " << c.root(2, i, 1);
    }
}

// Roots at 5.0 and 5.6; both move left by about 0.385 at the spread 0.001
// of the second step, while the starts from the eigenvalues move by 0.2.
// At the first step both modes find the root at 5.0.  At the second each
// starts again from its eigenvalue, since the root of the first step is
// shared, and the second mode reaches the other root.
TEST(RootSearch, ModesThatSharedARootStartTheNextStepFromTheirEigenvalues) {
    HandCase c({5.0, 5.6}, 1, 2);
    c.p.SPRD0 = TINY_SPREAD;
    c.p.SPRDMAX = 0.001;
    EXPECT_TRUE(search(c, 1, {5.0, 5.2}).empty());
    EXPECT_NEAR(c.root(1, 1, 1).real(), 5.0, 1e-3);
    EXPECT_NEAR(c.root(2, 1, 1).real(), 5.0, 1e-3);
    EXPECT_NEAR(c.root(1, 1, 2).real(), 4.615, 1e-3);
    EXPECT_NEAR(c.root(2, 1, 2).real(), 5.216, 1e-3);
}

// One mode whose root (5.0) lies farther than CXMAX from its start at the
// first step: NaN, reported.  The second step starts from the eigenvalue
// again, not from the NaN, and finds the root that the spread has moved
// towards the start.
TEST(RootSearch, RootNotFoundIsNaNAndReportedAndStartsNothing) {
    HandCase c({5.0}, 1, 2);
    c.p.SPRD0 = TINY_SPREAD;
    c.p.SPRDMAX = 0.0015;
    const std::vector<MissingRoot> missing = search(c, 1, {4.4});
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].step, 1);
    EXPECT_EQ(missing[0].mode, 1);
    EXPECT_TRUE(std::isnan(c.results.ROOTRE(1, 1, 1)));
    EXPECT_TRUE(std::isnan(c.results.ROOTIM(1, 1, 1)));
    EXPECT_NEAR(c.root(1, 1, 2).real(), 4.433, 1e-3);
}

// A minimisation that ends at its iteration limit (here: a convergence
// test that never passes) finds no root, however close it came.
TEST(RootSearch, MinimisationWithoutConvergenceFindsNoRoot) {
    HandCase c({5.0}, 1, 1);
    c.p.FEPSEFF = -1.0;
    EXPECT_EQ(search(c, 1, {5.0}).size(), 1u);
    EXPECT_TRUE(std::isnan(c.results.ROOTRE(1, 1, 1)));
}

// A ring whose modes m = +2 run off farther than CXMAX at every current:
// one warning per mode and current, NaN in the root table, no data line in
// the plot file.
TEST(RootSearch, RootsNotFoundAreWarningsOfTheScan) {
    RunParameters p = testing::broadBandRing();
    p.SPRD = 0.0008;
    p.NCR = 2;
    p.LZOT = true;
    p.LPLE = true;
    prepareAfterReading(p);
    CurrentScan scan(p);
    std::ostringstream listing, plotFile, sink;
    scan.run(sink, sink, sink);

    std::vector<std::string> texts;
    for (const ScanWarning& warning : scan.warnings())
        texts.push_back(warning.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"ROOT NOT FOUND AT CURRENT    1.0000 mA, SPREAD STEP  1, MODE   9",
                                               "ROOT NOT FOUND AT CURRENT    1.0000 mA, SPREAD STEP  1, MODE  10",
                                               "ROOT NOT FOUND AT CURRENT    2.0000 mA, SPREAD STEP  1, MODE   9",
                                               "ROOT NOT FOUND AT CURRENT    2.0000 mA, SPREAD STEP  1, MODE  10"}));
    for (int j = 1; j <= p.NMT; ++j)
        EXPECT_EQ(std::isnan(scan.results().ROOTRE(j, 2, 1)), j >= 9) << "mode " << j;

    writeResultTables(listing, p, scan.results());
    EXPECT_NE(listing.str().find("      NaN:      NaN         NaN:      NaN"), std::string::npos);
    writeResultPlots(sink, plotFile, p, scan.results());
    EXPECT_EQ(plotFile.str().find("NaN"), std::string::npos);
}

// The plots sort the real parts of each current's eigenvalues, and their
// imaginary parts apart from them; the roots stay as found.
TEST(ResultPlots, RealAndImaginaryPartsAreSortedApart) {
    RunParameters p;
    p.NTOT = 3;
    p.NCR = 1;
    ResultStores results(3, 1, 1);
    const double re[] = {2.0, 0.0, 1.0}, im[] = {-1.0, 3.0, 0.0}, sortedIm[] = {-1.0, 0.0, 3.0};
    for (int j = 1; j <= 3; ++j) {
        results.EIGRE(j, 1) = re[j - 1];
        results.EIGIM(j, 1) = im[j - 1];
        results.ROOTRE(j, 1, 1) = re[j - 1];
    }
    sortEigenvaluesForPlotting(results, p);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(results.EIGRE(j, 1), j - 1.0);
        EXPECT_EQ(results.EIGIM(j, 1), sortedIm[j - 1]);
        EXPECT_EQ(results.ROOTRE(j, 1, 1), re[j - 1]);
    }
}

}  // namespace
}  // namespace quelm
