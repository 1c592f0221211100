#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>

#include "solver/io/listing_writer.hpp"

namespace quelm {
namespace {

const std::string TABLE_RULE = " " + std::string(131, '*') + "\n";

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(ResultListing, BunchLengthTableStopsAtTheFirstBlockStartingWithZero) {
    RunParameters p;
    for (std::size_t i = 1; i <= 25; ++i) {
        p.CTOSGM[i - 1] = 0.5 * static_cast<double>(i);
        p.SGMTOC[i - 1] = 0.3 + 0.01 * static_cast<double>(i);
    }
    std::ostringstream out;
    writeBunchLengthTable(out, p);
    EXPECT_EQ(out.str(),
              "1\n"
              " " +
                  std::string(37, '*') +
                  ">>> BUNCH LENGTH VARIES WITH BUNCH CURRENT AS FOLLOWS <<<" +
                  std::string(37, '*') +
                  "\n"
                  "\n"
                  " Current (mA)       /     0.500      1.000      1.500      2.000      2.500      3.000      3.500      4.000      4.500      5.000\n"
                  " Bunch Length (cm)  /     0.310      0.320      0.330      0.340      0.350      0.360      0.370      0.380      0.390      0.400\n"
                  "\n"
                  " Current (mA)       /     5.500      6.000      6.500      7.000      7.500      8.000      8.500      9.000      9.500     10.000\n"
                  " Bunch Length (cm)  /     0.410      0.420      0.430      0.440      0.450      0.460      0.470      0.480      0.490      0.500\n"
                  "\n"
                  " Current (mA)       /    10.500     11.000     11.500     12.000     12.500      0.000      0.000      0.000      0.000      0.000\n"
                  " Bunch Length (cm)  /     0.510      0.520      0.530      0.540      0.550      0.000      0.000      0.000      0.000      0.000\n"
                  "\n" +
                  TABLE_RULE);
}

TEST(ResultListing, EmptyTableAndFullTable) {
    RunParameters p;
    p.CTOSGM[0] = 1.0;  // a current alone does not start a block
    std::ostringstream empty;
    writeBunchLengthTable(empty, p);
    EXPECT_EQ(empty.str(), "1\n " + std::string(37, '*') +
                               ">>> BUNCH LENGTH VARIES WITH BUNCH CURRENT AS FOLLOWS <<<" +
                               std::string(37, '*') + "\n\n" + TABLE_RULE);

    // A table filled throughout lists its first twelve blocks.
    p.SGMTOC.fill(0.5);
    std::ostringstream full;
    writeBunchLengthTable(full, p);
    EXPECT_EQ(occurrences(full.str(), " Current (mA)       /"), 12u);
    EXPECT_EQ(occurrences(full.str(), " Bunch Length (cm)  /"), 12u);
}

TEST(ResultListing, TuneTable) {
    RunParameters p;
    p.CTONUS[0] = 2.0;
    p.NUSTOC[0] = 0.0046;
    p.NUSTOC[1] = 0.0051;
    p.SGMTOC[0] = 0.0;  // the bunch-length table does not govern the tune table
    std::ostringstream out;
    writeTuneTable(out, p);
    EXPECT_EQ(out.str(),
              "1\n"
              " " +
                  std::string(35, '*') +
                  ">>> SYNCHROTRON TUNE VARIES WITH BUNCH CURRENT AS FOLLOWS <<<" +
                  std::string(35, '*') +
                  "\n"
                  "\n"
                  " Current (mA)       /     2.000      0.000      0.000      0.000      0.000      0.000      0.000      0.000      0.000      0.000\n"
                  " Synchrotron tune   /     0.005      0.005      0.000      0.000      0.000      0.000      0.000      0.000      0.000      0.000\n"
                  "\n" +
                  TABLE_RULE);
}

// Seven currents from 0.5 mA in steps of 0.25 mA, two modes.
RunParameters sevenCurrentRun() {
    RunParameters p;
    p.CRNT = 0.5;
    p.STPC = 0.25;
    p.NCR = 7;
    p.NTOT = 2;
    p.LINTGL = false;
    return p;
}

std::string eigenvalueTable(const RunParameters& p, int& lastIndexAsked, int& calls) {
    std::ostringstream out;
    writeEigenvalueTable(
        out, p, 0.001,
        [&](int j, int i) {
            lastIndexAsked = std::max(lastIndexAsked, i);
            ++calls;
            const auto fj = static_cast<float>(j);
            const auto fi = static_cast<float>(i);
            return std::pair{fj - fi * 0.125f, fi * 0.0015f * fj};
        },
        [](double current) { return 1.0 + current / 10.0; },
        [](double current) { return 0.004 + current / 1000.0; });
    return out.str();
}

const std::string EIGENVALUE_HEADING = "1\n " + std::string(40, '*') +
                                       ">>> EIGEN VALUES (Nu-Nux)/Nus VS. BUNCH CURRENT <<<" +
                                       std::string(40, '*') + "\n";

TEST(ResultListing, EigenvalueTableExtrapolatesTheLastBlock) {
    int lastIndexAsked = 0;
    int calls = 0;
    const std::string table = eigenvalueTable(sevenCurrentRun(), lastIndexAsked, calls);
    EXPECT_EQ(lastIndexAsked, 7);
    EXPECT_EQ(calls, 14);
    EXPECT_EQ(table, EIGENVALUE_HEADING +
                         "\n"
                         " Current (mA)       /       0.5000                0.7500                1.0000                1.2500                1.5000\n"
                         " Bunch length (cm)  /       1.0500                1.0750                1.1000                1.1250                1.1500\n"
                         " Synchrotron tune   /       0.0045                0.0047                0.0050                0.0053                0.0055\n"
                         " (Nu-Nux)/Nus ...        (REAL : IMAGINARY)\n"
                         "                      0.875    :0.150E-02   0.750    :0.300E-02   0.625    :0.450E-02   0.500    :0.600E-02   0.375    :0.750E-02\n"
                         "                       1.88    :0.300E-02    1.75    :0.600E-02    1.62    :0.900E-02    1.50    :0.120E-01    1.38    :0.150E-01\n"
                         "\n"
                         " Current (mA)       /       1.7500                2.0000                2.2500                2.5000                2.7500\n"
                         " Bunch length (cm)  /       1.1750                1.2000                1.2250                1.2500                1.2750\n"
                         " Synchrotron tune   /       0.0057                0.0060                0.0063                0.0065                0.0067\n"
                         " (Nu-Nux)/Nus ...        (REAL : IMAGINARY)\n"
                         "                      0.250    :0.900E-02   0.125    :0.105E-01    0.00    : 0.00        0.00    : 0.00        0.00    : 0.00    \n"
                         "                       1.25    :0.180E-01    1.12    :0.210E-01    0.00    : 0.00        0.00    : 0.00        0.00    : 0.00    \n"
                         "\n" +
                         TABLE_RULE);
}

TEST(ResultListing, EigenvalueTableSpreadLineAndEmptyScan) {
    RunParameters p = sevenCurrentRun();
    p.LINTGL = true;
    const std::string spreadLine = "\n BETATRON TUNE SPREAD =   0.10000E-02\n";
    int lastIndexAsked = 0;
    int calls = 0;
    EXPECT_EQ(eigenvalueTable(p, lastIndexAsked, calls)
                  .substr(0, EIGENVALUE_HEADING.size() + spreadLine.size()),
              EIGENVALUE_HEADING + spreadLine);

    p.NCR = 0;
    EXPECT_EQ(eigenvalueTable(p, lastIndexAsked, calls),
              EIGENVALUE_HEADING + spreadLine + "\n" + TABLE_RULE);
    p.LINTGL = false;
    p.NCR = -3;
    EXPECT_EQ(eigenvalueTable(p, lastIndexAsked, calls), EIGENVALUE_HEADING + "\n" + TABLE_RULE);
    EXPECT_EQ(calls, 14);
}

RunParameters frameRun() {
    RunParameters p;
    p.TITLE = "RING TEST: TWO-MODE COUPLING WITH A VERY LONG TITLE THAT RUNS ON";
    p.RUNDATE = " 6/12/25";
    p.RUNCLOCK = "05:46:40";
    p.ENGY = 1.5;
    p.NUS = -0.004;
    p.SGMZ = 0.6;
    p.BETAC = 4.2;
    p.REVFRQ = 2.5;
    p.ALPHA = 1.0;  // the header shows ALFA
    p.ALFA = 0.02;
    p.CHROM = 1.5;
    p.FREQ = 6000.0;
    p.RS = 0.35;
    p.QV = 1.0;
    p.LZOT = true;
    p.MU = 2;
    return p;
}

const std::string FRAME_PARAMETER_LINES =
    "1PROBLEM = RING TEST: TWO-MODE COUPLING WITH A VERY LONG TITLE THAT RUNS ON                  ENGY/GeV=  1.50         SPRD= 0.100E-02\n"
    "                                                                            NUS=-0.400E-02    SGMZ/cm= 0.600      BETAC/m=  4.20    \n"
    "  6/12/25  05:46:40    <<< DISPERSION MATRIX METHOD >>>              REVFRQ/MHz=  2.50          ALPHA= 0.200E-01    CHROM=  1.50    \n"
    "                                                                       FREQ/MHz= 0.600E+04  RS/MOhm/m= 0.350           QV=  1.00    \n";

TEST(ResultListing, PlotFrameHeaders) {
    std::ostringstream real;
    writePlotFrameHeader(real, frameRun(), PlotPart::Real, "<<< DISPERSION MATRIX METHOD >>>",
                         0.001);
    EXPECT_EQ(real.str(), FRAME_PARAMETER_LINES +
                              " (*) = Real part of (Nu-Nux)/Nus vs. the bunch current (mA)                LZOT=T                LBIN=F                MU=  2\n");

    std::ostringstream imaginary;
    writePlotFrameHeader(imaginary, frameRun(), PlotPart::Imaginary,
                         "<<< DISPERSION MATRIX METHOD >>>", 0.001);
    EXPECT_EQ(imaginary.str(),
              FRAME_PARAMETER_LINES +
                  " (*) = Imaginary part of (Nu-Nux)/Nus vs. the bunch current (mA)           LZOT=T                LBIN=F                MU=  2\n");
}

TEST(ResultListing, CpuTimeLine) {
    std::ostringstream out;
    writeCpuTimeLine(out, 1.25);
    writeCpuTimeLine(out, 1234.5);
    EXPECT_EQ(out.str(), " \n " + std::string(98, ' ') + "TOTAL CPU TIME USED:  1.25    (S)\n" +
                             " \n " + std::string(98, ' ') + "TOTAL CPU TIME USED: 0.123E+04(S)\n");
}

}  // namespace
}  // namespace quelm
