#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <sstream>

#include "solver/numerics/complex_eigenvalues.hpp"
#include "solver/numerics/gamma_functions.hpp"
#include "solver/physics/coupling_matrix.hpp"
#include "tests/solver/physics/physics_fixture.hpp"

namespace quelm {
namespace {

using Complex = std::complex<double>;

struct Built {
    RunParameters p;
    CurrentStep step;
    ImpedanceMoments moments;
    CouplingMatrix matrix;

    explicit Built(const RunParameters& parameters, double current = 3.0)
        : p(parameters), step(currentStep(p, current)), moments(p) {
        std::ostringstream listing;
        moments.compute(p, step, listing, std::cout);
        buildCouplingMatrix(matrix, p, step, moments, p.SPRD);
    }

    std::vector<Complex> eigenvalues() {
        std::vector<float> wr(CouplingMatrix::NM), wi(CouplingMatrix::NM);
        int ierr = 0;
        EISCG2(CouplingMatrix::NM, p.NTOT, matrix.AR(), matrix.AI(), wr.data(), wi.data(), ierr);
        EXPECT_EQ(ierr, 0);
        std::vector<Complex> values;
        for (int j = 0; j < p.NTOT; ++j) values.emplace_back(wr[j], wi[j]);
        std::sort(values.begin(), values.end(),
                  [](Complex a, Complex b) { return a.real() != b.real() ? a.real() < b.real() : a.imag() < b.imag(); });
        return values;
    }
};

TEST(CouplingMatrix, WithoutImpedanceTheTunesAreTheAzimuthalNumbers) {
    RunParameters p = testing::broadBandRing();
    p.RS = 0.0;
    computeDerivedQuantities(p);
    Built built(p);
    const std::vector<Complex> values = built.eigenvalues();
    ASSERT_EQ(values.size(), 10u);
    for (int j = 0; j < 10; ++j) {
        EXPECT_EQ(values[j], Complex(-2 + j / 2, 0.0));
    }
}

TEST(CouplingMatrix, MatrixTreatmentOfTheSpreadAddsDmxOnly) {
    RunParameters p = testing::broadBandRing();
    p.RS = 0.0;
    p.SPRD = 0.001;
    p.LMTRIX = true;
    p.LINTGL = false;
    p.NDISP = 2;
    p.NMODF = 0;
    p.NMODE = 0;
    p.KRAD = 0;
    prepareAfterReading(p);
    computeDerivedQuantities(p);
    ASSERT_EQ(p.NTOT, 3);
    Built built(p);
    const double a = p.SPRD / 0.008;
    EXPECT_EQ(built.matrix.M(1, 1), Complex(-4 * a, 0));
    EXPECT_EQ(built.matrix.M(3, 3), Complex(-12 * a, 0));
    EXPECT_EQ(built.matrix.M(1, 2), Complex(2 * std::sqrt(2.0) * a, 0));
    EXPECT_EQ(built.matrix.M(1, 3), Complex());
}

TEST(CouplingMatrix, DmxValues) {
    RunParameters p;
    p.LMTRIX = true;
    p.LINTGL = false;
    EXPECT_DOUBLE_EQ(DMX(2, 3, p, 0.001, 0.01), 2 * std::sqrt(12.0) * 0.1);
    EXPECT_DOUBLE_EQ(DMX(2, 2, p, 0.001, 0.01), -4 * 3 * 0.1);
    EXPECT_EQ(DMX(2, 5, p, 0.001, 0.01), 0.0);
    p.LMTRIX = false;
    EXPECT_EQ(DMX(2, 3, p, 0.001, 0.01), 0.0);
    // The dispersion integral takes the spread over: the matrix does not
    // count it a second time.
    p.LMTRIX = true;
    p.LINTGL = true;
    EXPECT_EQ(DMX(2, 2, p, 0.001, 0.01), 0.0);
}

TEST(CouplingMatrix, ElementsFromTheMomentTable) {
    Built built(testing::broadBandRing());
    const RunParameters& p = built.p;
    const double g = built.step.COUPK;
    // Row and column of (m, k) with n = 0.
    const auto at = [&](int m, int k) { return (m - p.NMODF) * (p.KRAD + 1) + k + 1; };
    EXPECT_EQ(built.matrix.M(at(0, 0), at(0, 0)), g * built.moments.c(0));
    // m = 1, k = 0 against m' = 0, k' = 1: i^1 c_(1+0+0+2) / sqrt(0! 1! 1! 1!).
    EXPECT_EQ(built.matrix.M(at(1, 0), at(0, 1)), g * Complex(0, 1) * built.moments.c(3) / 1.0);
    // Negative modes carry (-1)^|m|: m = -1 against m' = 1.
    EXPECT_EQ(built.matrix.M(at(-1, 0), at(1, 0)), -(g * Complex(-1, 0) * built.moments.c(2)));
    // The diagonal holds m on top of the impedance term.
    EXPECT_EQ(built.matrix.M(at(2, 1), at(2, 1)),
              g * built.moments.c(2 + 2 + 4) / std::sqrt(FACTRL(1) * FACTRL(3) * FACTRL(1) * FACTRL(3)) + 2.0);
}

TEST(CouplingMatrix, SymmetryOfTheImpedanceTerms) {
    // M(I, J) and M(J, I) share their moment; i^(m-m') and the signs of
    // negative modes make them equal up to (-1)^(m - m').
    Built built(testing::broadBandRing());
    const RunParameters& p = built.p;
    for (int I = 1; I <= p.NTOT; ++I) {
        for (int J = 1; J <= p.NTOT; ++J) {
            if (I == J) continue;
            const int m = p.NMODF + (I - 1) / (p.KRAD + 1);
            const int mc = p.NMODF + (J - 1) / (p.KRAD + 1);
            const double sign = (m - mc) % 2 == 0 ? 1.0 : -1.0;
            EXPECT_EQ(built.matrix.M(I, J), sign * built.matrix.M(J, I)) << I << ", " << J;
        }
    }
}

TEST(CouplingMatrix, TwoModesByHand) {
    // Modes m = 0 and m = 1, k = 0: M = [[g c0, -i g c1], [i g c1, g c2 + 1]].
    RunParameters p = testing::broadBandRing();
    p.NMODF = 0;
    p.NMODE = 1;
    p.KRAD = 0;
    computeDerivedQuantities(p);
    Built built(p, 8.0);
    const double g = built.step.COUPK;
    const Complex c0 = built.moments.c(0), c1 = built.moments.c(1), c2 = built.moments.c(2);
    EXPECT_EQ(built.matrix.M(1, 1), g * c0);
    EXPECT_EQ(built.matrix.M(1, 2), g * Complex(0, -1) * c1);
    EXPECT_EQ(built.matrix.M(2, 1), g * Complex(0, 1) * c1);
    EXPECT_EQ(built.matrix.M(2, 2), g * c2 + 1.0);
    // Eigenvalues of the 2 x 2 matrix from its trace and determinant.
    const Complex trace = g * c0 + g * c2 + 1.0;
    const Complex det = g * c0 * (g * c2 + 1.0) - g * c1 * g * c1;
    const Complex root = std::sqrt(trace * trace - 4.0 * det);
    std::vector<Complex> expected = {(trace - root) / 2.0, (trace + root) / 2.0};
    if (expected[0].real() > expected[1].real()) std::swap(expected[0], expected[1]);
    const std::vector<Complex> values = built.eigenvalues();
    for (int j = 0; j < 2; ++j) EXPECT_LT(std::abs(values[j] - expected[j]), 1e-5) << values[j];
    EXPECT_EQ(built.matrix.AR()[CouplingMatrix::NM], static_cast<float>(built.matrix.M(1, 2).real()));
}

}  // namespace
}  // namespace quelm
