#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "solver/io/edit_descriptors.hpp"
#include "solver/run_input.hpp"
#include "solver/run_limits.hpp"

namespace quelm {
namespace {

// A run input with the given group contents.
RunParameters read(const std::string& mparm, const std::string& cparm = "",
                   const std::string& sparm = "", const std::string& hparm = "") {
    std::istringstream in("TITLE\n&MPARM " + mparm + " /\n&CPARM " + cparm + " /\n&IPARM FREQ=6000 RS=0.3 QV=1 /\n&HPARM " +
                          hparm + " /\n&SPARM " + sparm + " /\n");
    RunParameters p;
    readRunInput(in, "case.in", p);
    return p;
}

RunParameters derived(RunParameters p) {
    computeDerivedQuantities(p);
    return p;
}

std::string stopMessage(const RunParameters& p) {
    const auto stop = checkRunLimits(derived(p));
    return stop ? stop->message : "";
}

TEST(RunParameters, DefaultsAreSinglePrecisionLiteralsWidened) {
    const RunParameters p;
    EXPECT_EQ(p.TAUMAX, 0.10000000149011612);
    EXPECT_EQ(p.TAUMIN, -0.10000000149011612);
    EXPECT_EQ(p.EY, 0.009999999776482582);
    EXPECT_EQ(p.ESPC, 0.0010000000474974513);
    EXPECT_EQ(p.NCR, 60);
    EXPECT_TRUE(p.LINTGL);
}

TEST(RunParameters, PlotModeRangeDefaultsToModesAsRead) {
    EXPECT_EQ(read("", "NMODF=-3 NMODE=4").MMIN, -3);
    EXPECT_EQ(read("", "NMODF=-3 NMODE=4").MMAX, 4);
    EXPECT_EQ(read("", "NMODF=-3 NMODE=4", "", "MMAX=2").MMAX, 2);
}

TEST(RunParameters, AlfaStandsInForMissingAlpha) {
    const RunParameters fromAlfa = read("ALFA=0.02");
    EXPECT_EQ(fromAlfa.ALPHA, 0.02);
    EXPECT_EQ(fromAlfa.ALFA, 0.02);
    EXPECT_EQ(read("ALPHA=0.01 ALFA=0.02").ALFA, 0.01);

    // Neither given: the echo keeps ALPHA 0 and the chromaticity; the
    // computation drops the chromatic terms.
    const RunParameters none = read("CHROM=2.5");
    EXPECT_EQ(none.ALPHA, 0.0);
    EXPECT_EQ(none.CHROM, 2.5);
    EXPECT_EQ(derived(none).ALPHA, 1.0);
    EXPECT_EQ(derived(none).CHROM, 0.0);
}

TEST(RunParameters, ConvergenceCriteriaInForce) {
    const RunParameters builtIn = read("");
    EXPECT_EQ(edit::G(builtIn.FEPS, 13, 5), "  0.10000E-09");
    EXPECT_EQ(builtIn.FEPSEFF, 1.0e-10);
    EXPECT_EQ(builtIn.ZEPSEFF, 0.0);
    const RunParameters given = read("", "", "FEPS=1.0E-6 ZEPS=1e-8");
    EXPECT_EQ(given.FEPSEFF, 1.0e-6);
    EXPECT_EQ(given.ZEPSEFF, 1.0e-8);
}

TEST(RunParameters, TransverseRadialModesOnlyForMatrixMethodAlone) {
    EXPECT_EQ(read("SPRD=0.002", "", "LMTRIX=T LINTGL=T").NDISPEFF, 0);
    EXPECT_EQ(read("SPRD=0.002", "", "LMTRIX=T LINTGL=F").NDISPEFF, 9);
    EXPECT_EQ(read("SPRD=0.002", "", "LMTRIX=T LINTGL=F").NDISP, 9);
    EXPECT_EQ(read("", "", "LMTRIX=T LINTGL=F NDISP=4").NDISP, 0);
}

TEST(RunParameters, RemarksBesideTuneLengthAndSpread) {
    const RunParameters varying = read("NUS=-0.004 SGMZ=0 SPRD=0.001");
    EXPECT_EQ(varying.TUNENOTE, "<< SYNCHROTRON TUNE VARIES WITH CURRENT >>");
    EXPECT_EQ(varying.LENGTHNOTE, "<< BUNCH LENGTH VARIES WITH CURRENT >>    ");
    EXPECT_EQ(varying.SPREADNOTE, "      << BETATRON TUNE HAS SPREAD >>      ");
    EXPECT_EQ(varying.SPRDMAX, 0.001);
    const RunParameters fixed = read("NUS=0.004 SGMZ=0.5");
    EXPECT_EQ(fixed.TUNENOTE, std::string(42, ' '));
    EXPECT_EQ(fixed.LENGTHNOTE, std::string(42, ' '));
    EXPECT_EQ(fixed.SPREADNOTE, std::string(42, ' '));
}

TEST(RunParameters, DerivedRingAndResonatorQuantities) {
    const RunParameters p = derived(read("ENGY=1.5 SGMZ=0.6 BETAC=4 REVFRQ=2.5", "NMODF=-2 NMODE=2 KRAD=3"));
    const double radius = 29979.2 / (2.5 * static_cast<double>(6.2831854f));
    EXPECT_EQ(p.RRING, radius);
    EXPECT_EQ(p.SGMZN, 0.6 / radius);
    const double root3 = std::sqrt(3.0);
    EXPECT_DOUBLE_EQ(p.GIMP, 0.3 * 4e-12 / 6.0 * 1e6 * 6000 / (2.5 * 3.1415927410125732 * root3));
    const double q = 6000 / (2 * 2.5 * 1);
    EXPECT_DOUBLE_EQ(p.WRES1.real(), q * root3);
    EXPECT_DOUBLE_EQ(p.WRES2.real(), -q * root3);
    EXPECT_EQ(p.WRES1.imag(), -q);
    // A resonator with Q = 1 far above the revolution frequency decays
    // within one turn.
    EXPECT_EQ(p.TURN1, 0.0);
    EXPECT_EQ(p.NMT, 20);
    EXPECT_EQ(p.MABS, 2);
    EXPECT_EQ(p.NTOT, 20);
    EXPECT_EQ(p.BINFAC, 1.0);
}

TEST(RunParameters, MultiTurnFactorsForANarrowResonator) {
    RunParameters p = read("REVFRQ=1.0");
    p.FREQ = 1.25;
    p.QV = 5.0;
    computeDerivedQuantities(p);
    ASSERT_TRUE(isMultiTurnResonator(p));
    const double twoPi = 2 * 3.1415927410125732;
    EXPECT_DOUBLE_EQ(std::abs(p.TURN1), std::exp(twoPi * p.WRES1.imag()));
    EXPECT_DOUBLE_EQ(std::arg(p.TURN1), std::remainder(-twoPi * p.WRES1.real(), 2 * M_PI));
    EXPECT_DOUBLE_EQ(std::abs(p.TURN2), std::abs(p.TURN1));
}

TEST(RunParameters, BinomialBunchLengthFactor) {
    EXPECT_DOUBLE_EQ(derived(read("", "LBIN=T MU=2")).BINFAC, std::sqrt(8.0));
    EXPECT_EQ(derived(read("", "LBIN=F MU=2")).BINFAC, 1.0);
}

TEST(RunLimits, StopAtTheFirstLimitExceeded) {
    // 25 azimuthal modes x 20 radial modes: the largest matrix that passes.
    EXPECT_EQ(stopMessage(read("", "NMODF=-12 NMODE=12 KRAD=19")), "");
    EXPECT_EQ(stopMessage(read("SPRD=0.001", "NMODF=0 NMODE=0 KRAD=166", "LMTRIX=T LINTGL=F NDISP=2")),
              "TOTAL NUMBER OF MODES:  501 EXCEEDS MAXIMUM NM:  500");
    EXPECT_EQ(stopMessage(read("", "NMODF=0 NMODE=0 NCR=1005")), "");
    EXPECT_EQ(stopMessage(read("", "NMODF=0 NMODE=0 NCR=1006")), "NCR: 1006 EXCEEDS MAXIMUM NCM: 1005");
    EXPECT_EQ(stopMessage(read("", "NMODF=0 NMODE=0", "NSTPS=10")), "");
    EXPECT_EQ(stopMessage(read("", "NMODF=0 NMODE=0", "NSTPS=11")), "NSTPS:   11 EXCEEDS MAXIMUM NS:   10");
    EXPECT_EQ(stopMessage(read("", "NMODF=0 NMODE=0 LBIN=T")), "");
    EXPECT_EQ(stopMessage(read("SPRD=0.001", "NMODF=0 NMODE=0 LBIN=T")),
              "NO TUNE SPREAD IS ALLOWED WHEN LBIN=.T.");
    // Two limits exceeded: the first in order is reported.
    EXPECT_EQ(stopMessage(read("", "NMODF=0 NMODE=600 NCR=2000")),
              "TOTAL NUMBER OF MODES:  601 EXCEEDS MAXIMUM NM:  500");
}

TEST(RunLimits, EmptyOrAbsurdModeRangesStopTheRun) {
    EXPECT_EQ(stopMessage(read("")), "NMODE:   -2 IS BELOW NMODF:    1");
    EXPECT_EQ(stopMessage(read("", "NMODF=0 NMODE=1 LBIN=T MU=-1")), "MU:   -1 IS BELOW MINIMUM MU:    0");
    EXPECT_EQ(stopMessage(read("", "NMODF=0 NMODE=1 LBIN=F MU=-1")), "");
    // Counts that do not fit an integer saturate instead of overflowing.
    const RunParameters huge = derived(read("", "NMODF=-2147483648 NMODE=2147483647 KRAD=2147483647"));
    EXPECT_EQ(huge.NTOT, 2147483647);
    EXPECT_EQ(huge.MABS, 2147483647);
    EXPECT_EQ(stopMessage(huge), "TOTAL NUMBER OF MODES:***** EXCEEDS MAXIMUM NM:  500");
}

}  // namespace
}  // namespace quelm
