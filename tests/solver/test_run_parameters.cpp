#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "solver/budget_checks.hpp"
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

// A run input ending with group ZPARM.
RunParameters readBudget(const std::string& zparm, const std::string& mparm = "BETAC=7",
                         const std::string& cparm = "") {
    std::istringstream in("TITLE\n&MPARM " + mparm + " /\n&CPARM " + cparm +
                          " /\n&IPARM FREQ=6000 RS=0.3 QV=1 /\n&HPARM /\n&SPARM /\n&ZPARM " + zparm + " /\n");
    RunParameters p;
    readRunInput(in, "case.in", p);
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

TEST(ImpedanceBudget, OptionalSixthGroupWithTheBetaFunctionsInForce) {
    EXPECT_FALSE(read("").ZPARM);
    const RunParameters p = readBudget("NRES=1 FRES=500 RSRES=0.1 QRES=10 RWLEN=100 RWRAD=10 RWSIG=5.9E7 "
                                       "ZTFILE='tables/z.txt'");
    ASSERT_TRUE(p.ZPARM);
    EXPECT_EQ(p.ZPARM->FRES[0], 500.0);
    EXPECT_EQ(p.ZPARM->ZTFILE, "tables/z.txt");
    EXPECT_EQ(p.ZPARM->RWBETA, 7.0);  // 0 stands for BETAC
    EXPECT_EQ(p.ZPARM->ZTBETA, 7.0);
    EXPECT_EQ(readBudget("RWBETA=12").ZPARM->RWBETA, 12.0);
}

TEST(ImpedanceBudget, ChecksNameTheItem) {
    const auto message = [](const RunParameters& p) {
        const auto stop = checkImpedanceBudget(p);
        return stop ? stop->message : "";
    };
    EXPECT_EQ(message(readBudget("NRES=20 FRES=20*500 RSRES=20*1 QRES=20*5 RWLEN=1 RWRAD=1 RWSIG=1")), "");
    EXPECT_EQ(message(readBudget("NRES=21")), "NRES:   21 EXCEEDS MAXIMUM NRES:   20");
    EXPECT_EQ(message(readBudget("NRES=-1")), "NRES:   -1 NUMBER OF RESONATORS IS NEGATIVE");
    EXPECT_EQ(message(readBudget("NRES=2 FRES=500,-3 RSRES=2*1 QRES=2*5")),
              "FRES(2): -3.000E+00 FREQUENCY MUST BE POSITIVE");
    EXPECT_EQ(message(readBudget("NRES=1 FRES=500 RSRES=-1 QRES=5")), "RSRES(1): -1.000E+00 SHUNT IMPEDANCE IS NEGATIVE");
    EXPECT_EQ(message(readBudget("NRES=1 FRES=500 RSRES=1 QRES=0.5")), "QRES(1):  5.000E-01 Q-VALUE MUST EXCEED 0.5");
    EXPECT_EQ(message(readBudget("RWLEN=10 RWRAD=-5 RWSIG=1E7")), "RWRAD: -5.000E+00 RADIUS MUST BE POSITIVE");
    EXPECT_EQ(message(readBudget("RWLEN=10 RWRAD=5")), "RWSIG:  0.000E+00 CONDUCTIVITY MUST BE POSITIVE");
    EXPECT_EQ(message(readBudget("RWSIG=-1")), "RWSIG: -1.000E+00 CONDUCTIVITY MUST BE POSITIVE");
    EXPECT_EQ(message(readBudget("ZTBETA=-2")), "ZTBETA: -2.000E+00 BETA FUNCTION IS NEGATIVE");
    EXPECT_EQ(message(readBudget("", "", "LBIN=T")), "ZPARM NEEDS A GAUSSIAN BUNCH (LBIN=F)");
}

TEST(ImpedanceBudget, TableFileFormatAndErrorsNamingFileAndLine) {
    std::vector<ImpedanceSample> table;
    std::istringstream good("# f (MHz), Re Z, Im Z\n 0, 0, -0.4  # at zero\n\n1000 0.1 -0.3\r\n2E3,\t0.2 , -0.1\n");
    EXPECT_FALSE(readImpedanceTable(good, "z.txt", table));
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[2].MHz, 2000.0);
    EXPECT_EQ(table[2].re, 0.2);
    EXPECT_EQ(table[2].im, -0.1);
    const auto message = [&](const std::string& text) {
        std::istringstream in(text);
        const auto stop = readImpedanceTable(in, "z.txt", table);
        return stop ? stop->message : "";
    };
    EXPECT_EQ(message("0 0 0\n1000 1 2 3\n"), "z.txt LINE 2: EXPECTED FREQUENCY, RE Z, IM Z");
    EXPECT_EQ(message("0 0 0\n1000 1 x\n"), "z.txt LINE 2: EXPECTED FREQUENCY, RE Z, IM Z");
    EXPECT_EQ(message("0 0 0\n# later\n0 1 1\n"), "z.txt LINE 3: FREQUENCY NOT ABOVE THE LINE BEFORE");
    EXPECT_EQ(message("0 0 0\n5 nan 0\n"), "z.txt LINE 2: VALUE IS NOT FINITE");
    EXPECT_EQ(message("-1 0 0\n"), "z.txt LINE 1: NEGATIVE FREQUENCY");
    EXPECT_EQ(message("# nothing\n"), "z.txt: NO SAMPLES IN THE IMPEDANCE TABLE");
    ImpedanceBudget budget;
    budget.ZTFILE = "missing.txt";
    EXPECT_EQ(loadImpedanceTable(budget, "/nonexistent/case.in")->message, "CANNOT READ IMPEDANCE TABLE missing.txt");
}

}  // namespace
}  // namespace quelm
