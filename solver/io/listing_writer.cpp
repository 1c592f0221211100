#include "solver/io/listing_writer.hpp"

#include <algorithm>
#include <array>
#include <string>

#include "solver/io/edit_descriptors.hpp"

namespace quelm {
namespace {

using edit::A;
using edit::F;
using edit::G;
using edit::I;
using edit::L;
using edit::X;

const char* const SUBTITLE = "   TRANSVERSE MODE-COUPLING SINGLE-BUNCH INSTABILITY IN ELECTRON RINGS";

void boxLine(std::ostream& out, const std::string& inside) { out << " * " << inside << " *\n"; }

std::string leftJustified(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

// An echo line starts with a blank and the 44-character label
// "DESCRIPTION:  ITEM     =" (31 + 3 + 9 + 1 characters).
std::string label(const char* description, const std::string& item) {
    std::string text = " ";
    text += leftJustified(description, 31);
    text += ":  ";
    text += leftJustified(item, 9);
    text += '=';
    return text;
}

void realLine(std::ostream& out, const char* description, const std::string& item, double value,
              const char* unit = "") {
    out << label(description, item) << G(value, 13, 5) << unit << '\n';
}

void integerLine(std::ostream& out, const char* description, const char* item, int value) {
    out << label(description, item) << I(value, 6) << '\n';
}

void logicalLine(std::ostream& out, const char* description, const char* item, bool value) {
    out << label(description, item) << X(5) << L(value, 1) << '\n';
}

void heading(std::ostream& out, const char* text) { out << "\n " << text << '\n'; }

const std::string TABLE_RULE = std::string(131, '*');

// " ***...>>>TEXT<<<***..." with `stars` asterisks on each side.
void framedHeading(std::ostream& out, int stars, const char* text) {
    const std::string side(static_cast<std::size_t>(stars), '*');
    out << "1\n " << side << ">>>" << text << "<<<" << side << '\n';
}

// Ten entries of a table from `first` (0-based), as (F10.3, 1X) fields; the
// closing blank of the last field is not part of the record.
std::string tenEntries(const CurrentTable& table, std::size_t first) {
    std::string text;
    for (std::size_t e = first; e < first + 10; ++e) {
        if (e > first) text += X(1);
        text += F(table[e], 10, 3);
    }
    return text;
}

// A table against the current lists at most twelve blocks of ten entries.
constexpr std::size_t LISTED_TABLE_ENTRIES = 120;

void writeTabulation(std::ostream& out, int stars, const char* text, const CurrentTable& currents,
                     const char* ordinateLabel, const CurrentTable& ordinates) {
    framedHeading(out, stars, text);
    for (std::size_t first = 0; first < LISTED_TABLE_ENTRIES && ordinates[first] != 0.0; first += 10) {
        out << "\n Current (mA)       /" << tenEntries(currents, first) << '\n';
        out << ordinateLabel << tenEntries(ordinates, first) << '\n';
    }
    out << "\n " << TABLE_RULE << '\n';
}

constexpr int TABLE_COLUMNS = 5;
using ColumnValues = std::array<double, TABLE_COLUMNS>;

// A heading line of a block of the tunes table: five (2X, F10.4, 10X)
// fields, the closing blanks of the last one not part of the record.
void columnLine(std::ostream& out, const char* label, const ColumnValues& values) {
    out << ' ' << label;
    for (std::size_t c = 0; c < values.size(); ++c) {
        if (c > 0) out << X(10);
        out << X(2) << F(values[c], 10, 4);
    }
    out << '\n';
}

// The tunes of mode j for the five currents from scan index `first`; those
// past the scan (index > NCR) are zero.  Fields (G9.3, ":", G9.3, 3X), the
// closing blanks of the last not part of the record.
void writeTuneRow(std::ostream& out, int j, int first, int NCR,
                  const std::function<std::pair<float, float>(int j, int i)>& printedValue) {
    out << ' ' << X(21);
    for (int i = first; i < first + TABLE_COLUMNS; ++i) {
        const auto [re, im] = i <= NCR ? printedValue(j, i) : std::pair{0.0f, 0.0f};
        if (i > first) out << X(3);
        out << G(re, 9, 3) << ':' << G(im, 9, 3);
    }
    out << '\n';
}

void writeSpreadEcho(std::ostream& out, const RunParameters& p) {
    heading(out, "$SPARM:");
    if (p.SPRD == 0.0) return;
    logicalLine(out, "DISPERSION MATRIX METHOD       ", "LMTRIX", p.LMTRIX);
    logicalLine(out, "DISPERSION INTEGRAL METHOD     ", "LINTGL", p.LINTGL);
    logicalLine(out, "PLOT OF ABS(DETERMINANT)       ", "LMAP", p.LMAP);
    integerLine(out, "NUMBER OF TRANS. RADIAL MODES  ", "NDISP", p.NDISPEFF);
    integerLine(out, "NUMBER OF STEPS IN SPREAD      ", "NSTPS", p.NSTPS);
    realLine(out, "STARTING TUNE SPREAD           ", "SPRD0", p.SPRD0);
    realLine(out, "STEP IN REAL TUNE(=X) SEARCH   ", "EX", p.EX);
    realLine(out, "STEP IN IMAG TUNE(=Y) SEARCH   ", "EY", p.EY);
    realLine(out, "CRITERION FOR CONVERGENCE OF F ", "FEPS", p.FEPS);
    realLine(out, "CRITERION FOR CONVERGENCE OF Z ", "ZEPS", p.ZEPS);
    realLine(out, "MAXIMUM DIFFERENCE OF X        ", "DXMAX", p.DXMAX);
    realLine(out, "MINIMUM DISTANCE BTWEEN TUNES  ", "ESPC", p.ESPC);
    realLine(out, "MAXIMUM CHANGE IN X            ", "CXMAX", p.CXMAX);
    out << '\n';
}

// The resonators 1..NRES, then the wall and the table when the budget has them.
void writeBudgetEcho(std::ostream& out, const ImpedanceBudget& b) {
    heading(out, "$ZPARM:");
    integerLine(out, "NUMBER OF EXTRA RESONATORS     ", "NRES", b.NRES);
    for (int r = 1; r <= std::min(b.NRES, MAX_BUDGET_RESONATORS); ++r) {
        const auto at = static_cast<std::size_t>(r - 1);
        const std::string index = std::string("(").append(std::to_string(r)).append(")");
        realLine(out, "RESONANT FREQUENCY             ", "FRES" + index, b.FRES[at], "(MHz)");
        realLine(out, "IMPEDANCE                      ", "RSRES" + index, b.RSRES[at], "(MOhm/m)");
        realLine(out, "Q - VALUE                      ", "QRES" + index, b.QRES[at]);
    }
    if (b.hasResistiveWall()) {
        realLine(out, "RESISTIVE WALL LENGTH          ", "RWLEN", b.RWLEN, "(m)");
        realLine(out, "CHAMBER RADIUS                 ", "RWRAD", b.RWRAD, "(mm)");
        realLine(out, "WALL CONDUCTIVITY              ", "RWSIG", b.RWSIG, "(S/m)");
        realLine(out, "BETA-FUNCTION AT WALL          ", "RWBETA", b.RWBETA, "(m)");
    }
    if (b.hasTable()) {
        out << label("IMPEDANCE TABLE FILE           ", "ZTFILE") << ' ' << b.ZTFILE << '\n';
        realLine(out, "BETA-FUNCTION AT TABLE         ", "ZTBETA", b.ZTBETA, "(m)");
    }
    out << '\n';
}

}  // namespace

void writeBanner(std::ostream& out, const RunParameters& p) {
    const std::string stars(76, '*');
    const std::string blankInside(72, ' ');
    out << "\n " << stars << '\n';
    out << " *" << X(74) << "*\n";
    out << " *" << X(31) << "QUELM" << X(6) << X(32) << "*\n";
    boxLine(out, blankInside);
    out << " *" << leftJustified(SUBTITLE, 70) << X(4) << "*\n";
    boxLine(out, blankInside);
    boxLine(out, A(p.TITLE, 72));
    boxLine(out, blankInside);
    std::string stamp = "    DATE:";
    stamp += A(p.RUNDATE, 8);
    stamp += "    TIME:";
    stamp += A(p.RUNCLOCK, 8);
    stamp += X(2);
    stamp += "   VERSION 4.0,   AUGUST    2005";
    stamp += X(4);
    boxLine(out, stamp);
    boxLine(out, blankInside);
    out << " " << stars << "\n\n";
}

void writeInputEcho(std::ostream& out, const RunParameters& p) {
    heading(out, "$MAPRM:");
    out << label("SYNCHROTRON TUNE               ", "NUS") << G(p.NUS, 13, 5) << X(10) << A(p.TUNENOTE, 42) << '\n';
    realLine(out, "BEAM ENERGY                    ", "ENGY", p.ENGY, "(GeV)");
    out << label("RMS BUNCH LENGTH               ", "SGMZ") << G(p.SGMZ, 13, 5) << "(cm)" << X(8) << A(p.LENGTHNOTE, 42)
        << '\n';
    realLine(out, "BETA-FUNCTION AT IMPEDANCE     ", "BETAC", p.BETAC, "(m)");
    realLine(out, "REVOLUTION FREQUENCY           ", "REVFRQ", p.REVFRQ, "(MHz)");
    realLine(out, "MOMENTUM COMPACTION FACTOR     ", "ALPHA", p.ALPHA);
    realLine(out, "CHROMATICITY                   ", "CHROM", p.CHROM);
    out << label("BETATRON TUNE SPREAD AT SIGMA  ", "SPRD") << G(p.SPRD, 13, 5) << X(10) << A(p.SPREADNOTE, 42) << '\n';

    heading(out, "$IPARM:");
    realLine(out, "RESONANT FREQUENCY             ", "FREQ", p.FREQ, "(MHz)");
    realLine(out, "IMPEDANCE                      ", "RS", p.RS, "(MOhm/m)");
    realLine(out, "Q - VALUE                      ", "QV", p.QV);

    heading(out, "$CPARM:");
    realLine(out, "STARTING CURRNT                ", "CRNT", p.CRNT, "(mA)");
    realLine(out, "STEP IN CURRENT                ", "STPC", p.STPC, "(mA)");
    integerLine(out, "NUMBER OF STEPS IN CURRENT     ", "NCR", p.NCR);
    integerLine(out, "LOWEST AZIMUTHAL MODE          ", "NMODF", p.NMODF);
    integerLine(out, "HIGHEST AZIMUTHAL MODE         ", "NMODE", p.NMODE);
    integerLine(out, "NUMBER OF LONG. RADIAL MODES   ", "KRAD", p.KRAD);
    logicalLine(out, "PRINT OF EIGENVALUES           ", "IPRINT", p.IPRINT);
    logicalLine(out, "USE OF A BINOMIAL DISTRIBUTION ", "LBIN", p.LBIN);
    if (p.LBIN) integerLine(out, "BINOMIAL MODE NUMBER           ", "MU", p.MU);

    heading(out, "$HPARM:");
    integerLine(out, "MAXIMUM AZIMUTHAL MODE IN PLOT ", "MMAX", p.MMAX);
    integerLine(out, "MINIMUM AZIMUTHAL MODE IN PLOT ", "MMIN", p.MMIN);
    realLine(out, "MAXIMUM COORDINATE IN TAU PLOT ", "TAUMAX", p.TAUMAX);
    realLine(out, "MINIMUM COORDINATE IN TAU PLOT ", "TAUMIN", p.TAUMIN);
    integerLine(out, "NUMBER OF SPLITTED PLOTS       ", "NSPL", p.NSPL);

    writeSpreadEcho(out, p);
    if (p.ZPARM) writeBudgetEcho(out, *p.ZPARM);
}

void writeStopBox(std::ostream& out, const RunStop& stop) {
    out << (stop.kind == RunStop::Kind::Stop ? " ********>>> STOP <<<******************************\n"
                                             : " *****>>> WARNING <<<******************************\n");
    out << "\n " << stop.message << "\n\n";
    out << " **************************************************\n";
}

void writeWarningLine(std::ostream& out, const std::string& text) { out << " **WARNING** " << text << '\n'; }

void writeBunchLengthTable(std::ostream& out, const RunParameters& p) {
    writeTabulation(out, 37, " BUNCH LENGTH VARIES WITH BUNCH CURRENT AS FOLLOWS ", p.CTOSGM, " Bunch Length (cm)  /",
                    p.SGMTOC);
}

void writeTuneTable(std::ostream& out, const RunParameters& p) {
    writeTabulation(out, 35, " SYNCHROTRON TUNE VARIES WITH BUNCH CURRENT AS FOLLOWS ", p.CTONUS,
                    " Synchrotron tune   /", p.NUSTOC);
}

void writeEigenvalueTable(std::ostream& out, const RunParameters& p, double spread,
                          const std::function<std::pair<float, float>(int j, int i)>& printedValue,
                          const std::function<double(double)>& bunchLengthCm,
                          const std::function<double(double)>& synchrotronTune) {
    framedHeading(out, 40, " EIGEN VALUES (Nu-Nux)/Nus VS. BUNCH CURRENT ");
    if (p.LINTGL) out << "\n BETATRON TUNE SPREAD = " << G(spread, 13, 5) << '\n';
    for (int first = 1; first <= p.NCR; first += TABLE_COLUMNS) {
        ColumnValues currents, lengths, tunes;
        for (int c = 0; c < TABLE_COLUMNS; ++c) {
            currents[c] = p.CRNT + static_cast<double>(first + c - 1) * p.STPC;
            lengths[c] = bunchLengthCm(currents[c]);
            tunes[c] = synchrotronTune(currents[c]);
        }
        out << '\n';
        columnLine(out, "Current (mA)       / ", currents);
        columnLine(out, "Bunch length (cm)  / ", lengths);
        columnLine(out, "Synchrotron tune   / ", tunes);
        out << " (Nu-Nux)/Nus ...      " << X(2) << "(REAL : IMAGINARY)\n";
        for (int j = 1; j <= p.NTOT; ++j)
            writeTuneRow(out, j, first, p.NCR, printedValue);
    }
    out << "\n " << TABLE_RULE << '\n';
}

void writePlotFrameHeader(std::ostream& out, const RunParameters& p, PlotPart part, const std::string& methodText,
                          double spread) {
    out << "1PROBLEM = " << leftJustified(p.TITLE, 72) << X(10) << "ENGY/GeV=" << G(p.ENGY, 10, 3) << X(5)
        << "SPRD=" << G(spread, 10, 3) << '\n';
    out << ' ' << X(75) << "NUS=" << G(p.NUS, 10, 3) << X(4) << "SGMZ/cm=" << G(p.SGMZ, 10, 3) << X(2)
        << "BETAC/m=" << G(p.BETAC, 10, 3) << '\n';
    out << ' ' << A(p.RUNDATE, 8) << X(2) << A(p.RUNCLOCK, 8) << X(4) << leftJustified(methodText, 34) << X(12)
        << "REVFRQ/MHz=" << G(p.REVFRQ, 10, 3) << X(6) << "ALPHA=" << G(p.ALFA, 10, 3) << X(4)
        << "CHROM=" << G(p.CHROM, 10, 3) << '\n';
    out << ' ' << X(70) << "FREQ/MHz=" << G(p.FREQ, 10, 3) << X(2) << "RS/MOhm/m=" << G(p.RS, 10, 3) << X(7)
        << "QV=" << G(p.QV, 10, 3) << '\n';
    if (part == PlotPart::Real) {
        out << " (*) = Real part of (Nu-Nux)/Nus vs. the bunch current (mA)" << X(16);
    } else {
        out << " (*) = Imaginary part of (Nu-Nux)/Nus vs. the bunch current (mA)" << X(11);
    }
    out << "LZOT=" << L(p.LZOT, 1) << X(16) << "LBIN=" << L(p.LBIN, 1) << X(16) << "MU=" << I(p.MU, 3) << '\n';
}

void writeCpuTimeLine(std::ostream& out, double cpuSeconds) {
    out << " \n " << X(98) << "TOTAL CPU TIME USED:" << G(cpuSeconds, 10, 3) << "(S)\n";
}

}  // namespace quelm
