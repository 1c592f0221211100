// Bunch length and synchrotron tune as functions of the bunch current.
#pragma once

#include "solver/run_parameters.hpp"

namespace quelm {

// rms bunch length at bunch current X (mA), divided by the ring radius:
// SGMZ > 0 fixed, SGMZ = 0 interpolated in SGMTOC(CTOSGM), SGMZ < 0 the
// built-in lengthening law 3.127 cm * X**(1/3).
double FSGM(double X, const RunParameters& p);

// Synchrotron tune at bunch current X (mA): NUS > 0 fixed, NUS = 0
// interpolated in NUSTOC(CTONUS), NUS < 0 fixed at |NUS|.
double FNUS(double X, const RunParameters& p);

// Linear interpolation in a table (C, S) at X: the segment ending at the
// first abscissa C(I) >= X, I = 1..1004; 0 when there is none.
double interpolateTable(const CurrentTable& C, const CurrentTable& S, double X);

}  // namespace quelm
