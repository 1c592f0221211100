#include <gtest/gtest.h>

#include <cmath>

#include "solver/physics/bunch_parameters.hpp"
#include "solver/physics/current_step.hpp"

namespace quelm {
namespace {

RunParameters ring(double sgmz, double nus) {
    RunParameters p;
    p.REVFRQ = 1.0;
    p.SGMZ = sgmz;
    p.NUS = nus;
    p.QV = 1.0;
    computeDerivedQuantities(p);
    return p;
}

TEST(BunchParameters, FixedLengthAndTune) {
    const RunParameters p = ring(2.0, -0.01);
    const double radius = 29979.2 / static_cast<double>(6.2831854f);
    for (double current : {0.0, 3.0, 50.0}) {
        EXPECT_EQ(FSGM(current, p), 2.0 / radius);
        EXPECT_EQ(FNUS(current, p), 0.01);
    }
    EXPECT_EQ(FNUS(7.0, ring(1.0, 0.004)), 0.004);
}

TEST(BunchParameters, LengtheningLaw) {
    const RunParameters p = ring(-1.0, 0.01);
    EXPECT_EQ(FSGM(8.0, p) * p.RRING, 3.127 * std::pow(8.0, 0.3333333432674408));
    EXPECT_NEAR(FSGM(8.0, p) * p.RRING, 6.254, 1e-3);
    EXPECT_EQ(FSGM(0.0, p) * p.RRING, 4.963799953460693);
}

TEST(BunchParameters, TableInterpolation) {
    RunParameters p = ring(0.0, 0.0);
    p.CTONUS[0] = 0.0;
    p.CTONUS[1] = 10.0;
    p.CTONUS[2] = 20.0;
    p.NUSTOC[0] = 0.010;
    p.NUSTOC[1] = 0.008;
    p.NUSTOC[2] = 0.007;
    EXPECT_DOUBLE_EQ(FNUS(5.0, p), 0.009);
    EXPECT_DOUBLE_EQ(FNUS(10.0, p), 0.008);  // the segment ending at 10
    EXPECT_DOUBLE_EQ(FNUS(15.0, p), 0.0075);
    EXPECT_EQ(FNUS(25.0, p), 0.0);          // past the last entry: runs into the zeros
    // At and below the first abscissa the first segment is extended instead
    // of reading before the table.
    EXPECT_DOUBLE_EQ(FNUS(0.0, p), 0.010);
    EXPECT_DOUBLE_EQ(FNUS(-5.0, p), 0.011);

    p.CTOSGM[0] = 1.0;
    p.CTOSGM[1] = 3.0;
    p.SGMTOC[0] = 0.5;
    p.SGMTOC[1] = 0.7;
    EXPECT_DOUBLE_EQ(FSGM(2.0, p) * p.RRING, 0.6);
}

TEST(BunchParameters, TheLastTableEntryIsNeverSearched) {
    CurrentTable C{}, S{};
    C.back() = 100.0;
    S.back() = 1.0;
    EXPECT_EQ(interpolateTable(C, S, 50.0), 0.0);
    C[MAX_CURRENTS - 2] = 100.0;
    S[MAX_CURRENTS - 2] = 1.0;
    EXPECT_DOUBLE_EQ(interpolateTable(C, S, 50.0), 0.5);
}

TEST(BunchParameters, CurrentStepQuantities) {
    RunParameters p = ring(1.0, 0.005);
    p.ALPHA = 0.01;
    p.CHROM = 2.0;
    p.GIMP = 0.3;
    const CurrentStep s = currentStep(p, 4.0);
    EXPECT_EQ(s.COUPK, 4.0 * 0.3 / 0.005);
    EXPECT_EQ(s.ZARG1, p.BINFAC * s.SGMI * (p.WRES1 - 200.0));
}

TEST(IntegerPower, RepeatedSquaringLikeCompiledCode) {
    EXPECT_EQ(integerPower(2.0, 10), 1024.0);
    EXPECT_EQ(integerPower(2.0, -3), 0.125);
    EXPECT_EQ(integerPower(-1.5, 0), 1.0);
    const std::complex<double> i(0.0, 1.0);
    EXPECT_EQ(integerPower(i, 3), -i);
    EXPECT_EQ(integerPower(std::sqrt(2.0), 2), std::sqrt(2.0) * std::sqrt(2.0));
}

}  // namespace
}  // namespace quelm
