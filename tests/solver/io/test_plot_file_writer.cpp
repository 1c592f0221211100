#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "solver/io/plot_file_writer.hpp"

namespace quelm {
namespace {

const std::string RUN_TITLE = "RING TEST: TWO-MODE COUPLING WITH A VERY LONG TITLE THAT RUNS ON";

// The header of a frame for a run whose parameters are set to values that
// print in both the fixed and the exponent form.
template <class Writer>
std::string frameHeader(Writer writer, const std::string& title = RUN_TITLE) {
    std::ostringstream out;
    writer(out, title, " 6/12/25", "05:46:40", -0.004, 1.5, 0.6, 4.2, 2.5, 0.02, 1.5, 6000.0, 0.35,
           1.0, 0.001, false, 2, 1.25, PlotRange{0.5f, 2.0f, -0.1f, 0.1f}, std::string());
    return out.str();
}

// Everything after the two title lines that the two frame kinds share.
const std::string COMMON_TAIL =
    "  TITLE BOTTOM 'I2b1 (mA)'\n"
    "  CASE         ' V V     '\n";

const std::string LIMITS_AND_PARAMETERS =
    "  CASE         '      G GV V  GV V'\n"
    "  SET LIMIT X  0.50000       2.0000     Y -0.10000      0.10000    \n"
    "  TITLE 2.00 8.3 SIZE 1.2 ' 6/12/25     05:46:40     VERSION 4.0'\n"
    " MORE '     CPU TIME USED:  1.25     (s)'\n"
    "  TITLE 10. 7.9 SIZE 1.2 'SPRD  = 0.100E-02'\n"
    "  TITLE 10. 7.6 SIZE 1.2 'NUS   =-0.400E-02'\n"
    "  TITLE 10. 7.3 SIZE 1.2 'ENGY  =  1.50     (GeV)'\n"
    "  TITLE 10. 7.0 SIZE 1.2 'SGMZ  = 0.600     (cm)'\n"
    "  TITLE 10. 6.7 SIZE 1.2 'BETAC =  4.20     (m)'\n"
    "  TITLE 10. 6.4 SIZE 1.2 'REVFRQ=  2.50     (MHz)'\n"
    "  TITLE 10. 6.1 SIZE 1.2 'ALPHA = 0.200E-01'\n"
    "  TITLE 10. 5.8 SIZE 1.2 'CHORM =  1.50    '\n"
    "  TITLE 10. 5.5 SIZE 1.2 'FREQ  = 0.600E+04 (MHz)'\n"
    "  TITLE 10. 5.2 SIZE 1.2 'RS    = 0.350     (MOhm/m)'\n"
    "  TITLE 10. 4.9 SIZE 1.2 'QV    =  1.00    '\n"
    "  TITLE 10. 4.6 SIZE 1.2 'LBIN  =  F'\n"
    "  TITLE 10. 4.3 SIZE 1.2 'MU    =  2'\n";

const std::string PAGE_LINES =
    "  NEW FRAME\n"
    "  SET FONT DUPLEX\n"
    "  SET SIZE 13 BY 10\n"
    "  SET WINDOW X FROM 2 9.7 Y FROM 1 TO 8\n"
    "  SET TICKS SIZE 0.05\n";

const std::string TITLE_LINES =
    "  TITLE 2.0 8.6 SIZE 1.5  'QUELM -- RING TEST: TWO-MODE COUP'\n"
    "  MORE 'LING WITH A VERY LONG TITLE THAT RUNS ON        '\n";

TEST(PlotFileWriter, RealPartFrameHeader) {
    EXPECT_EQ(frameHeader(VPTLO2),
              PAGE_LINES +
                  "  TITLE 6.2 9.0 CENTER SIZE 2.0  '- Real Part of (N-N2x1)/N2s1 -'\n"
                  "  CASE '                G GV V  GV V  '\n" +
                  TITLE_LINES + COMMON_TAIL + "  TITLE LEFT   'Real (N-N2x1)/N2s1'\n" +
                  LIMITS_AND_PARAMETERS);
}

TEST(PlotFileWriter, ImaginaryPartFrameHeader) {
    EXPECT_EQ(frameHeader(VPTLO3),
              PAGE_LINES +
                  "  TITLE 6.2 9.0 CENTER SIZE 2.0  '- Imaginary Part of (N-N2x1)/N2s1 -'\n"
                  "  CASE '                     G GV V  GV V  '\n" +
                  TITLE_LINES + COMMON_TAIL + "  TITLE LEFT   'Imag (N-N2x1)/N2s1'\n" +
                  LIMITS_AND_PARAMETERS);
}

TEST(PlotFileWriter, TitleApostrophesAreDoubledAndShortTitlesPadded) {
    const std::string header = frameHeader(VPTLO2, "DON'T PANIC");
    EXPECT_NE(header.find("  TITLE 2.0 8.6 SIZE 1.5  'QUELM -- DON''T PANIC             '\n"),
              std::string::npos);
    EXPECT_NE(header.find("  MORE '" + std::string(48, ' ') + "'\n"), std::string::npos);
}

TEST(PlotFileWriter, DataLinesAndCurveCommands) {
    std::ostringstream out;
    writeRootSymbolCommand(out);
    writeDataLine(out, 0.75, -0.0123456f);
    writeDataLine(out, 1250.0, 2.5f);
    writePlotCommand(out);
    writeDataLine(out, 0.75, 0.0f);
    writeJoinCommand(out);
    EXPECT_EQ(out.str(),
              "  SET SYMBOL 2O SIZE 0.5 \n"
              "   0.75000       -0.12346E-01\n"
              "    1250.0         2.5000    \n"
              "  PLOT \n"
              "   0.75000         0.0000    \n"
              "  JOIN 1\n");
}

TEST(PlotFileWriter, OrdinateIsEditedInSinglePrecision) {
    // 0.999994993f, just below 0.999995, prints 1.0000 when G editing
    // chooses its form in single precision, 0.99999 in double precision.
    std::ostringstream out;
    writeDataLine(out, 1.0, 0.999994993f);
    EXPECT_EQ(out.str(), "    1.0000         1.0000    \n");
}

}  // namespace
}  // namespace quelm
