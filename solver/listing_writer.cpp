#include "solver/listing_writer.hpp"

#include <string>

#include "solver/edit_descriptors.hpp"

namespace quelm {
namespace {

using edit::A;
using edit::G;
using edit::I;
using edit::L;
using edit::X;

const char* const SUBTITLE =
    "   TRANSVERSE MODE-COUPLING SINGLE-BUNCH INSTABILITY IN ELECTRON RINGS";

void boxLine(std::ostream& out, const std::string& inside) { out << " * " << inside << " *\n"; }

std::string leftJustified(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

// An echo line starts with a blank and the 44-character label
// "DESCRIPTION:  ITEM     =" (31 + 3 + 9 + 1 characters).
std::string label(const char* description, const char* item) {
    std::string text = " ";
    text += leftJustified(description, 31);
    text += ":  ";
    text += leftJustified(item, 9);
    text += '=';
    return text;
}

void realLine(std::ostream& out, const char* description, const char* item, double value,
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
    out << label("SYNCHROTRON TUNE               ", "NUS") << G(p.NUS, 13, 5) << X(10)
        << A(p.TUNENOTE, 42) << '\n';
    realLine(out, "BEAM ENERGY                    ", "ENGY", p.ENGY, "(GeV)");
    out << label("RMS BUNCH LENGTH               ", "SGMZ") << G(p.SGMZ, 13, 5) << "(cm)" << X(8)
        << A(p.LENGTHNOTE, 42) << '\n';
    realLine(out, "BETA-FUNCTION AT IMPEDANCE     ", "BETAC", p.BETAC, "(m)");
    realLine(out, "REVOLUTION FREQUENCY           ", "REVFRQ", p.REVFRQ, "(MHz)");
    realLine(out, "MOMENTUM COMPACTION FACTOR     ", "ALPHA", p.ALPHA);
    realLine(out, "CHROMATICITY                   ", "CHROM", p.CHROM);
    out << label("BETATRON TUNE SPREAD AT SIGMA  ", "SPRD") << G(p.SPRD, 13, 5) << X(10)
        << A(p.SPREADNOTE, 42) << '\n';

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

void writeStopBox(std::ostream& out, const RunStop& stop) {
    out << (stop.kind == RunStop::Kind::Stop ? " ********>>> STOP <<<******************************\n"
                                             : " *****>>> WARNING <<<******************************\n");
    out << "\n " << stop.message << "\n\n";
    out << " **************************************************\n";
}

}  // namespace quelm
