// The record of one solver run: input items, derived quantities and texts.
//
// Items keep their input names.  The four bunch-length and tune tables are
// 1-based in the input (SGMTOC(1) .. SGMTOC(1005)); here element I of a table
// is stored at index I - 1.
#pragma once

#include <array>
#include <complex>
#include <optional>
#include <string>

#include "solver/constants.hpp"
#include "solver/impedance_budget.hpp"

namespace quelm {

using CurrentTable = std::array<double, MAX_CURRENTS>;

struct RunParameters {
    // Group MPARM: machine and beam.
    double NUS = 0.0;       // synchrotron tune (>0 fixed, 0 tabulated, <0 |NUS| fixed but tabulated)
    double ENGY = 0.0;      // beam energy, GeV
    double SGMZ = 0.0;      // rms bunch length, cm (>0 fixed, 0 tabulated, <0 lengthening law)
    double BETAC = 0.0;     // beta function at the impedance, m
    double REVFRQ = 0.0;    // revolution frequency, MHz
    double ALPHA = 0.0;     // momentum compaction factor
    double CHROM = 0.0;     // chromaticity
    double SPRD = 0.0;      // betatron tune spread at one sigma
    CurrentTable SGMTOC{};  // bunch-length table, cm
    CurrentTable CTOSGM{};  // its currents, mA
    CurrentTable NUSTOC{};  // synchrotron-tune table
    CurrentTable CTONUS{};  // its currents, mA
    double ALFA = 0.0;      // second name of the momentum compaction

    // Group CPARM: current scan and modes.
    double CRNT = 0.0;  // first bunch current, mA
    double STPC = 0.0;  // current step, mA
    int NCR = 60;       // number of currents
    int NMODF = 1;      // lowest azimuthal mode
    int NMODE = -2;     // highest azimuthal mode
    int KRAD = 0;       // highest longitudinal radial mode index
    bool IPRINT = true;
    bool LPLE = false;  // write the plot file
    bool LZOT = false;  // closed-form impedance moments
    bool LBIN = false;  // binomial instead of Gaussian bunch
    int MU = 0;         // binomial mode number

    // Group IPARM: broad-band resonator.
    double FREQ = 0.0;  // resonant frequency, MHz
    double RS = 0.0;    // transverse shunt impedance, MOhm/m
    double QV = 0.0;    // quality factor

    // Group HPARM: plot ranges (MMIN, MMAX default to NMODF, NMODE as read).
    int MMIN = 0;
    int MMAX = 0;
    double TAUMIN = -ONE_TENTH_SINGLE;
    double TAUMAX = ONE_TENTH_SINGLE;
    int NSPL = 1;

    // Group SPARM: tune spread and root search.
    bool LMTRIX = false;
    bool LINTGL = true;
    bool LMAP = false;
    int NDISP = 9;
    int NSTPS = 1;
    double SPRD0 = 0.0;
    double EX = ONE_TENTH_SINGLE;
    double EY = ONE_HUNDREDTH_SINGLE;
    double FEPS = 0.0;
    double ZEPS = 0.0;
    double DXMAX = 0.5;
    double ESPC = ONE_THOUSANDTH_SINGLE;
    double CXMAX = 0.5;

    // Group ZPARM, optional: the impedance budget beyond the IPARM resonator.
    std::optional<ImpedanceBudget> ZPARM;

    // Run texts.
    std::string TITLE = std::string(72, ' ');  // nine 8-character fields
    std::string INFILE, LISTFILE, PLOTFILE;
    std::string RUNDATE = std::string(8, ' ');
    std::string RUNCLOCK = std::string(8, ' ');
    double CPUSEC = 0.0;
    std::string TUNENOTE = std::string(42, ' ');
    std::string LENGTHNOTE = std::string(42, ' ');
    std::string SPREADNOTE = std::string(42, ' ');
    std::string METHODNOTE = std::string(34, ' ');

    // Quantities prepared after reading.
    double FEPSEFF = 1.0e-10;  // convergence criteria handed to the root finders
    double ZEPSEFF = 0.0;
    double SPRDMAX = 0.0;  // SPRD as read
    int NDISPEFF = 0;      // transverse radial modes of the matrix method in use

    // Derived quantities.
    double RRING = 0.0;                 // mean ring radius, cm
    double SGMZN = 0.0;                 // SGMZ / RRING
    double GIMP = 0.0;                  // impedance scale factor (per MOhm/m with ZPARM)
    std::complex<double> WRES1, WRES2;  // resonator poles / revolution frequency
    std::complex<double> TURN1, TURN2;  // multi-turn factors, 0 when single-turn
    double BINFAC = 1.0;
    int NMT = 0;   // (azimuthal, longitudinal radial) mode pairs
    int MABS = 0;  // largest |m|
    int NTOT = 0;  // order of the mode-coupling matrix
};

// After MPARM and CPARM are read, the plot range defaults to the mode range.
void defaultPlotModeRange(RunParameters& p);

// Steps taken once all groups are read and before the echo: convergence
// criteria in force, NDISPEFF, the remarks, SPRDMAX, the ALPHA/ALFA rule
// and the beta functions of the budget in force.
void prepareAfterReading(RunParameters& p);

// Quantities derived right after the echo.  With ZPARM the moment table
// holds the impedance itself (in MOhm/m) and GIMP is the scale per MOhm/m.
void computeDerivedQuantities(RunParameters& p);

// The two poles of a resonator in revolution harmonics and the factors of
// its earlier turns (0 when its wake has decayed within one turn).
struct ResonatorPoles {
    std::complex<double> WRES1, WRES2;
    std::complex<double> TURN1, TURN2;
};
ResonatorPoles resonatorPoles(double FREQ, double QV, double REVFRQ);

// True when the resonator has not decayed within one turn, so that earlier
// turns contribute to the wake (the multi-turn factors are then set).
bool isMultiTurnResonator(const std::complex<double>& WRES1);
inline bool isMultiTurnResonator(const RunParameters& p) { return isMultiTurnResonator(p.WRES1); }

}  // namespace quelm
