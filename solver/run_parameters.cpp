#include "solver/run_parameters.hpp"

#include <algorithm>
#include <climits>
#include <cmath>

namespace quelm {
namespace {

// Mode counts from absurd inputs must not overflow: they are computed in
// double and clamped to the integer range (the limit checks then stop the run).
int clampedCount(double count) { return static_cast<int>(std::clamp(count, double(INT_MIN), double(INT_MAX))); }

std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

}  // namespace

void defaultPlotModeRange(RunParameters& p) {
    p.MMAX = p.NMODE;
    p.MMIN = p.NMODF;
}

void prepareAfterReading(RunParameters& p) {
    if (p.FEPS != 0.0) p.FEPSEFF = p.FEPS;
    if (p.ZEPS != 0.0) p.ZEPSEFF = p.ZEPS;
    if (p.FEPS == 0.0) p.FEPS = p.FEPSEFF;
    if (p.ZEPS == 0.0) p.ZEPS = p.ZEPSEFF;

    // Only the matrix method, chosen alone and with a spread, adds modes.
    p.NDISPEFF = (p.SPRD != 0.0 && !p.LINTGL && p.LMTRIX) ? p.NDISP : 0;
    p.NDISP = p.NDISPEFF;

    p.TUNENOTE = padded(p.NUS <= 0.0 ? "<< SYNCHROTRON TUNE VARIES WITH CURRENT >>" : "", 42);
    p.LENGTHNOTE = padded(p.SGMZ <= 0.0 ? "<< BUNCH LENGTH VARIES WITH CURRENT >>" : "", 42);
    p.SPREADNOTE = padded(p.SPRD != 0.0 ? "      << BETATRON TUNE HAS SPREAD >>" : "", 42);

    p.SPRDMAX = p.SPRD;

    if (p.ALPHA == 0.0) p.ALPHA = p.ALFA;
    p.ALFA = p.ALPHA;

    if (p.ZPARM) {
        if (p.ZPARM->RWBETA == 0.0) p.ZPARM->RWBETA = p.BETAC;
        if (p.ZPARM->ZTBETA == 0.0) p.ZPARM->ZTBETA = p.BETAC;
    }
}

bool isMultiTurnResonator(const std::complex<double>& WRES1) { return -TWO_PI_SINGLE * WRES1.imag() < 10.0; }

ResonatorPoles resonatorPoles(double FREQ, double QV, double REVFRQ) {
    const double rootQ = std::sqrt(4.0 * QV * QV - 1.0);
    const double q = FREQ / (2.0 * REVFRQ * QV);
    ResonatorPoles poles{{q * rootQ, -q}, {-q * rootQ, -q}, 0.0, 0.0};
    if (isMultiTurnResonator(poles.WRES1)) {
        const double twoPi = 2.0 * PI_SINGLE;
        poles.TURN1 = std::exp(std::complex<double>(twoPi * poles.WRES1.imag(), -twoPi * poles.WRES1.real()));
        poles.TURN2 = std::exp(std::complex<double>(twoPi * poles.WRES2.imag(), -twoPi * poles.WRES2.real()));
    }
    return poles;
}

void computeDerivedQuantities(RunParameters& p) {
    // Without momentum compaction the chromatic terms vanish.
    if (p.ALPHA == 0.0) {
        p.CHROM = 0.0;
        p.ALPHA = 1.0;
    }

    p.RRING = LIGHT_SPEED_CM_PER_US / (p.REVFRQ * TWO_PI_SINGLE);
    p.SGMZN = p.SGMZ / p.RRING;

    if (p.ZPARM) {
        p.GIMP = (p.BETAC * 1.0e-12) / (p.ENGY * 4.0) * 1.0e6 / PI_SINGLE;
    } else {
        const double rootQ = std::sqrt(4.0 * p.QV * p.QV - 1.0);
        p.GIMP = p.RS * (p.BETAC * 1.0e-12) / (p.ENGY * 4.0) * 1.0e6 * p.FREQ / ((p.REVFRQ * PI_SINGLE) * rootQ);
    }

    const ResonatorPoles poles = resonatorPoles(p.FREQ, p.QV, p.REVFRQ);
    p.WRES1 = poles.WRES1;
    p.WRES2 = poles.WRES2;
    p.TURN1 = poles.TURN1;
    p.TURN2 = poles.TURN2;

    p.BINFAC = p.LBIN ? std::sqrt(2.0 * p.MU + 4.0) : 1.0;

    p.NMT = clampedCount((double(p.KRAD) + 1.0) * (double(p.NMODE) - p.NMODF + 1.0));
    p.MABS = clampedCount(std::max(std::fabs(double(p.NMODF)), std::fabs(double(p.NMODE))));
    p.NTOT = clampedCount(double(p.NMT) * (double(p.NDISPEFF) + 1.0));
}

}  // namespace quelm
