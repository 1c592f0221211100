#include "solver/io/plot_file_writer.hpp"

#include <array>
#include <string_view>

#include "solver/io/edit_descriptors.hpp"

namespace quelm {
namespace {

using edit::G;
using edit::I;
using edit::L;
using edit::X;

// The texts in which the headers of real-part and imaginary-part frames differ.
struct FrameTitles {
    const char* heading;      // centred title above the window
    const char* headingCase;  // case line of the heading (G: Greek, V: lowered)
    const char* leftTitle;    // ordinate title
};

constexpr FrameTitles REAL_PART_TITLES{"- Real Part of (N-N2x1)/N2s1 -", "                G GV V  GV V  ",
                                       "Real (N-N2x1)/N2s1"};
constexpr FrameTitles IMAGINARY_PART_TITLES{"- Imaginary Part of (N-N2x1)/N2s1 -",
                                            "                     G GV V  GV V  ", "Imag (N-N2x1)/N2s1"};

// A text between apostrophes.  An apostrophe inside the text is doubled, the
// plot language's way of writing one inside a string, so that a title such
// as DON'T cannot end the string early.
std::string quoted(std::string_view text) {
    std::string result = "'";
    for (const char c : text) {
        result += c;
        if (c == '\'') result += '\'';
    }
    result += '\'';
    return result;
}

// One line of the parameter column at the right of the frame.
struct ParameterTitle {
    const char* y;
    const char* label;
    std::string value;
    const char* unit;
};

void writeFrameHeader(std::ostream& out, const FrameTitles& titles, const std::string& TITLE, const std::string& DATE,
                      const std::string& TIME, double NUS, double ENGY, double SGMZ, double BETAC, double REVFRQ,
                      double ALPHA, double CHROM, double FREQ, double RS, double QV, double SPRD, bool LBIN, int MU,
                      double CPU, const PlotRange& RANGE, const std::string& BUDGET) {
    std::string title = TITLE;
    title.resize(72, ' ');
    out << "  NEW FRAME\n"
        << "  SET FONT DUPLEX\n"
        << "  SET SIZE 13 BY 10\n"
        << "  SET WINDOW X FROM 2 9.7 Y FROM 1 TO 8\n"
        << "  SET TICKS SIZE 0.05\n"
        << "  TITLE 6.2 9.0 CENTER SIZE 2.0  " << quoted(titles.heading) << '\n'
        << "  CASE " << quoted(titles.headingCase) << '\n'
        << "  TITLE 2.0 8.6 SIZE 1.5  " << quoted("QUELM -- " + title.substr(0, 24)) << '\n'
        << "  MORE " << quoted(title.substr(24)) << '\n'
        << "  TITLE BOTTOM " << quoted("I2b1 (mA)") << '\n'
        << "  CASE         " << quoted(" V V     ") << '\n'
        << "  TITLE LEFT   " << quoted(titles.leftTitle) << '\n'
        << "  CASE         " << quoted("      G GV V  GV V") << '\n'
        << "  SET LIMIT X" << G(RANGE.XMIN, 13, 5) << G(RANGE.XMAX, 13, 5) << " Y" << G(RANGE.YMIN, 13, 5)
        << G(RANGE.YMAX, 13, 5) << '\n'
        << "  TITLE 2.00 8.3 SIZE 1.2 " << quoted(edit::A(DATE, 8) + X(5) + edit::A(TIME, 8) + X(5) + "VERSION 4.0")
        << '\n'
        << " MORE " << quoted(X(5) + "CPU TIME USED:" + G(CPU, 10, 3) + " (s)") << '\n';
    // MORE continues the line of the last title: the budget goes after the
    // CPU time, where the line has room (the run title's line is full).
    if (!BUDGET.empty()) out << "  MORE " << quoted(X(5) + BUDGET) << '\n';

    const std::array<ParameterTitle, 13> parameters{{
        {"7.9", "SPRD  =", G(SPRD, 10, 3), ""},
        {"7.6", "NUS   =", G(NUS, 10, 3), ""},
        {"7.3", "ENGY  =", G(ENGY, 10, 3), " (GeV)"},
        {"7.0", "SGMZ  =", G(SGMZ, 10, 3), " (cm)"},
        {"6.7", "BETAC =", G(BETAC, 10, 3), " (m)"},
        {"6.4", "REVFRQ=", G(REVFRQ, 10, 3), " (MHz)"},
        {"6.1", "ALPHA =", G(ALPHA, 10, 3), ""},
        {"5.8", "CHORM =", G(CHROM, 10, 3), ""},
        {"5.5", "FREQ  =", G(FREQ, 10, 3), " (MHz)"},
        {"5.2", "RS    =", G(RS, 10, 3), " (MOhm/m)"},
        {"4.9", "QV    =", G(QV, 10, 3), ""},
        {"4.6", "LBIN  =", L(LBIN, 3), ""},
        {"4.3", "MU    =", I(MU, 3), ""},
    }};
    for (const ParameterTitle& line : parameters) {
        out << "  TITLE 10. " << line.y << " SIZE 1.2 " << quoted(std::string(line.label) + line.value + line.unit)
            << '\n';
    }
}

}  // namespace

void VPTLO2(std::ostream& out, const std::string& TITLE, const std::string& DATE, const std::string& TIME, double NUS,
            double ENGY, double SGMZ, double BETAC, double REVFRQ, double ALPHA, double CHROM, double FREQ, double RS,
            double QV, double SPRD, bool LBIN, int MU, double CPU, const PlotRange& RANGE, const std::string& BUDGET) {
    writeFrameHeader(out, REAL_PART_TITLES, TITLE, DATE, TIME, NUS, ENGY, SGMZ, BETAC, REVFRQ, ALPHA, CHROM, FREQ, RS,
                     QV, SPRD, LBIN, MU, CPU, RANGE, BUDGET);
}

void VPTLO3(std::ostream& out, const std::string& TITLE, const std::string& DATE, const std::string& TIME, double NUS,
            double ENGY, double SGMZ, double BETAC, double REVFRQ, double ALPHA, double CHROM, double FREQ, double RS,
            double QV, double SPRD, bool LBIN, int MU, double CPU, const PlotRange& RANGE, const std::string& BUDGET) {
    writeFrameHeader(out, IMAGINARY_PART_TITLES, TITLE, DATE, TIME, NUS, ENGY, SGMZ, BETAC, REVFRQ, ALPHA, CHROM, FREQ,
                     RS, QV, SPRD, LBIN, MU, CPU, RANGE, BUDGET);
}

void writeDataLine(std::ostream& out, double current, float value) {
    out << ' ' << G(current, 13, 5) << X(2) << G(value, 13, 5) << '\n';
}

void writeJoinCommand(std::ostream& out) { out << "  JOIN 1\n"; }

void writePlotCommand(std::ostream& out) { out << "  PLOT \n"; }

void writeRootSymbolCommand(std::ostream& out) { out << "  SET SYMBOL 2O SIZE 0.5 \n"; }

}  // namespace quelm
