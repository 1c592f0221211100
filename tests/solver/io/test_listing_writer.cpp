#include <gtest/gtest.h>

#include <sstream>

#include "solver/io/listing_writer.hpp"
#include "solver/run_input.hpp"

namespace quelm {
namespace {

// Every item of every group, with a binomial bunch, a spread and the matrix
// method, so that every echo line appears.
const char* const FULL_INPUT =
    "BINOMIAL BUNCH WITH SPREAD                                              IGNORED\n"
    " &MPARM NUS=-0.004, ENGY=1.5, SGMZ=0.6, BETAC=4.2, REVFRQ=2.5, ALFA=0.02,\n"
    "        CHROM=1.5, SPRD=0.001, SGMTOC=0.5 0.6, CTOSGM=0 10 /\n"
    " &CPARM CRNT=0.1, STPC=0.25, NCR=12, NMODF=-2, NMODE=2, KRAD=3, IPRINT=F,\n"
    "        LPLE=T, LZOT=T, LBIN=T, MU=2 /\n"
    " &IPARM FREQ=6000, RS=0.35, QV=1 /\n"
    " &HPARM TAUMIN=-0.02, TAUMAX=0.02, NSPL=2 /\n"
    " &SPARM LMTRIX=T, LINTGL=F, LMAP=T, NDISP=4, NSTPS=3, SPRD0=0.0005, FEPS=1.0E-6 /\n";

RunParameters readInput(const std::string& text) {
    RunParameters p;
    std::istringstream in(text);
    readRunInput(in, "full.in", p);
    p.RUNDATE = " 6/12/25";
    p.RUNCLOCK = "05:46:40";
    return p;
}

std::string bannerAndEcho(const RunParameters& p) {
    std::ostringstream out;
    writeBanner(out, p);
    writeInputEcho(out, p);
    return out.str();
}

TEST(ListingWriter, BannerAndEchoOfEveryItem) {
    const std::string expected =
        "\n"
        " ****************************************************************************\n"
        " *                                                                          *\n"
        " *                               QUELM                                      *\n"
        " *                                                                          *\n"
        " *   TRANSVERSE MODE-COUPLING SINGLE-BUNCH INSTABILITY IN ELECTRON RINGS    *\n"
        " *                                                                          *\n"
        " * BINOMIAL BUNCH WITH SPREAD                                               *\n"
        " *                                                                          *\n"
        " *     DATE: 6/12/25    TIME:05:46:40     VERSION 4.0,   AUGUST    2005     *\n"
        " *                                                                          *\n"
        " ****************************************************************************\n"
        "\n"
        "\n"
        " $MAPRM:\n"
        " SYNCHROTRON TUNE               :  NUS      = -0.40000E-02          << SYNCHROTRON TUNE VARIES WITH CURRENT >>\n"
        " BEAM ENERGY                    :  ENGY     =   1.5000    (GeV)\n"
        " RMS BUNCH LENGTH               :  SGMZ     =  0.60000    (cm)                                                  \n"
        " BETA-FUNCTION AT IMPEDANCE     :  BETAC    =   4.2000    (m)\n"
        " REVOLUTION FREQUENCY           :  REVFRQ   =   2.5000    (MHz)\n"
        " MOMENTUM COMPACTION FACTOR     :  ALPHA    =  0.20000E-01\n"
        " CHROMATICITY                   :  CHROM    =   1.5000    \n"
        " BETATRON TUNE SPREAD AT SIGMA  :  SPRD     =  0.10000E-02                << BETATRON TUNE HAS SPREAD >>      \n"
        "\n"
        " $IPARM:\n"
        " RESONANT FREQUENCY             :  FREQ     =   6000.0    (MHz)\n"
        " IMPEDANCE                      :  RS       =  0.35000    (MOhm/m)\n"
        " Q - VALUE                      :  QV       =   1.0000    \n"
        "\n"
        " $CPARM:\n"
        " STARTING CURRNT                :  CRNT     =  0.10000    (mA)\n"
        " STEP IN CURRENT                :  STPC     =  0.25000    (mA)\n"
        " NUMBER OF STEPS IN CURRENT     :  NCR      =    12\n"
        " LOWEST AZIMUTHAL MODE          :  NMODF    =    -2\n"
        " HIGHEST AZIMUTHAL MODE         :  NMODE    =     2\n"
        " NUMBER OF LONG. RADIAL MODES   :  KRAD     =     3\n"
        " PRINT OF EIGENVALUES           :  IPRINT   =     F\n"
        " USE OF A BINOMIAL DISTRIBUTION :  LBIN     =     T\n"
        " BINOMIAL MODE NUMBER           :  MU       =     2\n"
        "\n"
        " $HPARM:\n"
        " MAXIMUM AZIMUTHAL MODE IN PLOT :  MMAX     =     2\n"
        " MINIMUM AZIMUTHAL MODE IN PLOT :  MMIN     =    -2\n"
        " MAXIMUM COORDINATE IN TAU PLOT :  TAUMAX   =  0.20000E-01\n"
        " MINIMUM COORDINATE IN TAU PLOT :  TAUMIN   = -0.20000E-01\n"
        " NUMBER OF SPLITTED PLOTS       :  NSPL     =     2\n"
        "\n"
        " $SPARM:\n"
        " DISPERSION MATRIX METHOD       :  LMTRIX   =     T\n"
        " DISPERSION INTEGRAL METHOD     :  LINTGL   =     F\n"
        " PLOT OF ABS(DETERMINANT)       :  LMAP     =     T\n"
        " NUMBER OF TRANS. RADIAL MODES  :  NDISP    =     4\n"
        " NUMBER OF STEPS IN SPREAD      :  NSTPS    =     3\n"
        " STARTING TUNE SPREAD           :  SPRD0    =  0.50000E-03\n"
        " STEP IN REAL TUNE(=X) SEARCH   :  EX       =  0.10000    \n"
        " STEP IN IMAG TUNE(=Y) SEARCH   :  EY       =  0.10000E-01\n"
        " CRITERION FOR CONVERGENCE OF F :  FEPS     =  0.10000E-05\n"
        " CRITERION FOR CONVERGENCE OF Z :  ZEPS     =   0.0000    \n"
        " MAXIMUM DIFFERENCE OF X        :  DXMAX    =  0.50000    \n"
        " MINIMUM DISTANCE BTWEEN TUNES  :  ESPC     =  0.10000E-02\n"
        " MAXIMUM CHANGE IN X            :  CXMAX    =  0.50000    \n"
        "\n";
    EXPECT_EQ(bannerAndEcho(readInput(FULL_INPUT)), expected);
}

TEST(ListingWriter, EchoWithoutSpreadOrBinomialBunch) {
    const std::string echo = bannerAndEcho(readInput("T\n&MPARM /\n&CPARM /\n&IPARM /\n&HPARM /\n&SPARM /\n"));
    EXPECT_EQ(echo.find("BINOMIAL MODE NUMBER"), std::string::npos);
    // The spread group's heading stands alone at the end.
    const std::string tail = "\n $SPARM:\n";
    ASSERT_GE(echo.size(), tail.size());
    EXPECT_EQ(echo.substr(echo.size() - tail.size()), tail);
    EXPECT_NE(echo.find(" * T" + std::string(71, ' ') + " *\n"), std::string::npos);
}

TEST(ListingWriter, StopAndWarningBoxes) {
    std::ostringstream out;
    writeStopBox(out, {RunStop::Kind::Stop, "NCR: 1200 EXCEEDS MAXIMUM NCM: 1005"});
    writeStopBox(out, {RunStop::Kind::Warning, "NO TUNE SPREAD IS ALLOWED WHEN LBIN=.T."});
    EXPECT_EQ(out.str(),
              " ********>>> STOP <<<******************************\n"
              "\n"
              " NCR: 1200 EXCEEDS MAXIMUM NCM: 1005\n"
              "\n"
              " **************************************************\n"
              " *****>>> WARNING <<<******************************\n"
              "\n"
              " NO TUNE SPREAD IS ALLOWED WHEN LBIN=.T.\n"
              "\n"
              " **************************************************\n");
}

}  // namespace
}  // namespace quelm
