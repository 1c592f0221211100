#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <iostream>
#include <sstream>

extern "C" {
#include <quadmath.h>
}

#include "solver/numerics/complex_eigenvalues.hpp"
#include "solver/physics/dispersion_relation.hpp"
#include "tests/solver/physics/physics_fixture.hpp"

namespace quelm {
namespace {

using Complex = std::complex<double>;

// z e^z E1(z) in quadruple precision from the power series with the
// principal logarithm: slow, but exact enough to judge double precision
// throughout |z| <= 15, where its cancellation costs at most 1e-12 of 1e-34.
Complex referenceZeze1(Complex zd) {
    __complex128 z;
    __real__ z = zd.real();
    __imag__ z = zd.imag();
    static const __float128 eulerGamma = strtoflt128("0.57721566490153286060651209008240243", nullptr);
    __complex128 sum = -eulerGamma - clogq(z);
    __complex128 term = 1;
    for (int n = 1; n < 400; ++n) {
        term = -term * z / n;
        sum -= term / n;
    }
    const __complex128 result = z * cexpq(z) * sum;
    return {static_cast<double>(crealq(result)), static_cast<double>(cimagq(result))};
}

double relativeError(Complex value, Complex reference) { return std::abs(value - reference) / std::abs(reference); }

TEST(Zeze1, KnownValues) {
    EXPECT_EQ(ZEZE1(0.0), Complex());
    EXPECT_NEAR(ZEZE1(1.0).real(), 0.596347362323194, 1e-14);
    EXPECT_EQ(ZEZE1(1.0).imag(), 0.0);
    // Large |z|: tends to 1.
    EXPECT_NEAR(std::abs(ZEZE1(Complex(500.0, 300.0)) - 1.0), 0.0, 3e-3);
    EXPECT_NEAR(ZEZE1(1e6).real(), 1.0, 1e-5);
}

TEST(Zeze1, FullPrecisionInsideTheSeriesRegion) {
    double worst = 0.0;
    for (double x = -10.0; x <= 10.0; x += 0.37) {
        for (double y = -10.0; y <= 10.0; y += 0.41) {
            if (y == 0.0) continue;
            const Complex z(x, y);
            worst = std::max(worst, relativeError(ZEZE1(z), referenceZeze1(z)));
        }
    }
    std::cout << "ZEZE1 worst relative error in |Re|, |Im| <= 10: " << worst << '\n';
    EXPECT_LT(worst, 1e-13);
}

TEST(Zeze1, RealAxisBranches) {
    for (double x : {-700.0, -100.0, -20.0, -3.0, -0.5, 0.25, 2.0, 30.0, 699.0}) {
        const Complex value = ZEZE1(x);
        EXPECT_TRUE(std::isfinite(value.real()) && std::isfinite(value.imag())) << x;
        if (std::fabs(x) <= 15.0) {
            EXPECT_LT(relativeError(value, referenceZeze1(Complex(x, 0.0))), 1e-7) << x;
        }
    }
    // Beyond the range where the factors are representable the rational
    // form takes over; the value stays near 1 instead of overflowing.
    for (double x : {-800.0, 701.0, 5000.0}) {
        EXPECT_NEAR(ZEZE1(x).real(), 1.0, 2e-3) << x;
    }
    // Just on either side of the switch the two branches agree closely.
    EXPECT_NEAR(std::abs(ZEZE1(700.0) - ZEZE1(700.0001)), 0.0, 1e-5);
}

TEST(Zeze1, BranchSwitchesAreNearlyContinuous) {
    // The rational approximation takes over at |Re| or |Im| = 10; it is good
    // to about 1e-4 there.
    for (const Complex inside : {Complex(10.0, 3.0), Complex(-4.0, 10.0), Complex(10.0, 10.0), Complex(-10.0, -2.0)}) {
        const Complex outside = inside + Complex(inside.real() == 10.0 || inside.real() == -10.0 ? std::copysign(1e-9, inside.real()) : 0.0,
                                                 std::fabs(inside.imag()) == 10.0 ? std::copysign(1e-9, inside.imag()) : 0.0);
        EXPECT_LT(relativeError(ZEZE1(outside), ZEZE1(inside)), 1e-3) << inside;
    }
    // z = 10 + 10i still lies in the exact region, 10.5 + 0.1i beyond it.
    EXPECT_LT(relativeError(ZEZE1(Complex(10.0, 10.0)), referenceZeze1(Complex(10.0, 10.0))), 1e-13);
    EXPECT_GT(relativeError(ZEZE1(Complex(10.5, 0.1)), referenceZeze1(Complex(10.5, 0.1))), 1e-12);
}

// A dispersion relation over the coupling matrix of a small ring.
struct Relation {
    RunParameters p;
    CouplingMatrix matrix;
    std::unique_ptr<DispersionRelation> relation;
    CurrentStep step;

    Relation(double spread, double current) {
        p = testing::broadBandRing();
        p.NMODF = -1;
        p.NMODE = 1;
        p.KRAD = 1;
        computeDerivedQuantities(p);
        step = currentStep(p, current);
        ImpedanceMoments moments(p);
        std::ostringstream listing;
        moments.compute(p, step, listing, std::cout);
        buildCouplingMatrix(matrix, p, step, moments, 0.0);
        relation = std::make_unique<DispersionRelation>(p, matrix);
        relation->setStep(step.NUSI, spread);
    }
};

TEST(DispersionRelation, TinySpreadHasRootsAtTheEigenvalues) {
    // The spread shifts each root by about -4 SPRD / NUS from its
    // eigenvalue: 5e-7 here.
    Relation r(1e-9, 5.0);
    CouplingMatrix copy = r.matrix;
    std::vector<float> wr(CouplingMatrix::NM), wi(CouplingMatrix::NM);
    int ierr = 0;
    EISCG2(CouplingMatrix::NM, r.p.NTOT, copy.AR(), copy.AI(), wr.data(), wi.data(), ierr);
    ASSERT_EQ(ierr, 0);
    // At an eigenvalue the determinant is small compared with its size a
    // little way off, and it changes sign-like around the root.
    double worst = 0.0;
    for (int j = 0; j < r.p.NTOT; ++j) {
        const Complex root(wr[j], wi[j]);
        const double at = std::abs(r.relation->DET(root));
        const double off = std::abs(r.relation->DET(root + Complex(0.05, 0.0)));
        worst = std::max(worst, at / off);
    }
    std::cout << "|DET| at eigenvalues relative to 0.05 away, spread 1e-9: " << worst << '\n';
    EXPECT_LT(worst, 1e-3);
}

TEST(DispersionRelation, DiagonalMatrixDeterminant) {
    RunParameters p = testing::broadBandRing();
    p.RS = 0.0;
    p.NMODF = 0;
    p.NMODE = 1;
    p.KRAD = 0;
    computeDerivedQuantities(p);
    CouplingMatrix matrix;
    ImpedanceMoments moments(p);
    std::ostringstream listing;
    moments.compute(p, currentStep(p, 1.0), listing, std::cout);
    buildCouplingMatrix(matrix, p, currentStep(p, 1.0), moments, 0.0);
    DispersionRelation relation(p, matrix);
    relation.setStep(0.008, 1e-6);
    // Without coupling the determinant is the product of the diagonal
    // entries M(I, I) - m - 1/G_m = -1/G_m, which vanish nowhere but tend to
    // Z - m for a vanishing spread.
    const Complex Z(0.3, 0.02);
    const Complex D = relation.DET(Z);
    EXPECT_LT(std::abs(D - Z * (Z - 1.0)), 1e-3 * std::abs(D));
    EXPECT_LT(std::abs(relation.DET(Complex(1.0, 0.0))), 1e-3);
}

TEST(DispersionRelation, DeflationDividesByAllButTheLastRoot) {
    Relation r(0.001, 3.0);
    const double X[2] = {0.2, 0.01};
    const double plain = r.relation->FUN(X);
    EXPECT_EQ(plain, std::abs(r.relation->DET(Complex(0.2, 0.01))));
    r.relation->DEFLATE = true;
    r.relation->ROOTLIST.K = 1;
    r.relation->ROOTLIST.re[0] = 0.5;
    EXPECT_EQ(r.relation->FUN(X), plain);
    r.relation->ROOTLIST.K = 2;
    r.relation->ROOTLIST.re[1] = 7.0;
    EXPECT_DOUBLE_EQ(r.relation->FUN(X), plain / (0.3 * 0.3 + 0.01 * 0.01));
}

TEST(DispersionRelation, PivotingDeterminantOfATwoByTwoBlock) {
    RunParameters p = testing::broadBandRing();
    p.NMODF = 0;
    p.NMODE = 0;
    p.KRAD = 1;
    computeDerivedQuantities(p);
    CouplingMatrix matrix;
    matrix.set(1, 1, {0.2, 0.1});
    matrix.set(2, 2, {0.1, 0.0});
    matrix.set(1, 2, {5.0, 1.0});
    matrix.set(2, 1, {-3.0, 0.5});
    DispersionRelation relation(p, matrix);
    const double nus = 0.008, spread = 0.001;
    relation.setStep(nus, spread);
    const Complex Z(0.1, 0.05);
    const double scale = nus / (2 * spread);
    const Complex G = scale * (1.0 - ZEZE1(Complex(scale * Z.real(), scale * Z.imag())));
    const Complex a = Complex(0.2, 0.1) - 1.0 / G, d = Complex(0.1, 0.0) - 1.0 / G;
    const Complex expected = a * d - Complex(5.0, 1.0) * Complex(-3.0, 0.5);
    EXPECT_LT(std::abs(relation.DET(Z) - expected), 1e-14 * std::abs(expected));

    // Two equal rows make the block singular: the determinant is 0.
    const Complex diagonal = 1.0 / G;  // M(I, I) - 1/G_0 then vanishes
    matrix.set(1, 1, diagonal);
    matrix.set(2, 2, diagonal);
    matrix.set(1, 2, {0.0, 0.0});
    matrix.set(2, 1, {0.0, 0.0});
    EXPECT_EQ(relation.DET(Z), Complex());
}

}  // namespace
}  // namespace quelm
