// The impedance budget of group ZPARM: resonators beyond the IPARM one, the
// resistive wall of the vacuum chamber and a table of the impedance read
// from a file.  The transverse impedance of the run is the sum of these
// pieces and the IPARM resonator.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace quelm {

// Most resonators a budget holds besides the IPARM one.
inline constexpr int MAX_BUDGET_RESONATORS = 20;

using ResonatorItems = std::array<double, MAX_BUDGET_RESONATORS>;

// One sample of the impedance table: frequency (MHz, >= 0) and the
// transverse impedance there (MOhm/m).
struct ImpedanceSample {
    double MHz;
    double re, im;
};

struct ImpedanceBudget {
    // Resonators 1..NRES, weighted by BETAC as the IPARM one.
    int NRES = 0;
    ResonatorItems FRES{};   // resonant frequency, MHz
    ResonatorItems RSRES{};  // transverse shunt impedance, MOhm/m
    ResonatorItems QRES{};   // quality factor

    // Resistive wall of a round chamber; none when RWLEN is 0.
    double RWLEN = 0.0;   // length, m
    double RWRAD = 0.0;   // chamber radius, mm
    double RWSIG = 0.0;   // wall conductivity, S/m
    double RWBETA = 0.0;  // beta function along the wall, m (0: BETAC)

    // Impedance table; none when ZTFILE is empty.
    std::string ZTFILE;   // file name, relative to the input file's directory
    double ZTBETA = 0.0;  // beta function at which the table holds, m (0: BETAC)

    // The table's samples in increasing frequency, read from ZTFILE before
    // the scan.
    std::vector<ImpedanceSample> table;

    bool hasResistiveWall() const { return RWLEN > 0.0; }
    bool hasTable() const { return !ZTFILE.empty(); }
};

}  // namespace quelm
