// Run parameters of small, realistic rings for the physics tests.
#pragma once

#include "solver/physics/current_step.hpp"
#include "solver/run_parameters.hpp"

namespace quelm::testing {

// A 1.5 GeV ring with a broad-band resonator far above the revolution
// frequency (single-turn wake) and modes -2..2 with two radial modes.
inline RunParameters broadBandRing() {
    RunParameters p;
    p.NUS = 0.008;
    p.ENGY = 1.5;
    p.SGMZ = 0.8;
    p.BETAC = 5.0;
    p.REVFRQ = 2.5;
    p.ALPHA = 0.005;
    p.CHROM = 0.0;
    p.FREQ = 6000.0;
    p.RS = 0.4;
    p.QV = 1.0;
    p.NMODF = -2;
    p.NMODE = 2;
    p.KRAD = 1;
    p.NCR = 10;
    p.CRNT = 1.0;
    p.STPC = 1.0;
    prepareAfterReading(p);
    computeDerivedQuantities(p);
    return p;
}

// A narrow resonator at 500 revolution harmonics, as long as the bunch, whose
// wake rings for several turns.
inline RunParameters ringingMode() {
    RunParameters p = broadBandRing();
    p.REVFRQ = 1.0;
    p.FREQ = 500.0;
    p.QV = 200.0;
    p.SGMZ = 9.5;
    computeDerivedQuantities(p);
    return p;
}

// A narrow resonator a few harmonics above the revolution frequency, whose
// wake rings for several turns.
inline RunParameters ringingResonator() {
    RunParameters p = broadBandRing();
    p.REVFRQ = 1.0;
    p.FREQ = 3.3;
    p.QV = 5.0;
    p.SGMZ = 1.0;
    computeDerivedQuantities(p);
    return p;
}

}  // namespace quelm::testing
