// The moment table of an impedance budget (group ZPARM), Gaussian bunch.
//
// The moments are linear in the impedance.  With a budget the table holds
//     C_N = sum over the pieces of (beta of the piece / BETAC)
//           * integral of h_N(z) (-i) Z(z) dz,
// z the frequency in revolution harmonics, h_N(z) = (zeta/sqrt 2)^N e^(-zeta^2)
// with zeta = sigma (z - xi/alpha), and Z the transverse impedance in MOhm/m
// with Z(-z) = -Z(z)*.  GIMP is then the coupling per MOhm/m, so that GIMP
// C_N stands where GIMP c_N stands for the IPARM resonator alone.
//
// - A resonator is a pole pair: (-i) Z(z) = (RS nu_r / s) [1/(z - p1) - 1/(z - p2)],
//   nu_r = FREQ/REVFRQ, s = sqrt(4 QV^2 - 1); its moments come in closed form
//   (LZOT) or integrated, each with the wake of its earlier turns when it
//   rings longer than a turn.
// - The resistive wall, Z(z) = (sgn z - i) A / sqrt|z|, is integrated on each
//   side of zero in u = sqrt|z|, where the integrand is smooth.
// - The table is integrated segment by segment between its samples, so that
//   its kinks fall on the ends of the segments.  Below its first frequency
//   it holds the first sample's value, above its last it is zero.
#pragma once

#include <complex>
#include <ostream>
#include <span>
#include <vector>

#include "solver/impedance_budget.hpp"
#include "solver/physics/current_step.hpp"
#include "solver/run_parameters.hpp"

namespace quelm {

struct Resonator {
    double FREQ;  // MHz
    double RS;    // MOhm/m
    double QV;
};

// The resonators of a budget: the IPARM one unless RS = 0, then FRES(1..NRES).
std::vector<Resonator> resonatorsOf(const RunParameters& p);

// A of the resistive wall: |Z| / sqrt 2 at one revolution harmonic, MOhm/m.
// From Z = (sgn w - i) (c L / (pi b^3)) sqrt(mu0 / (2 sigma_c |w|)).
double resistiveWallStrength(const ImpedanceBudget& budget, double REVFRQ);

// C_N, N = 0..NN, of the budget for the bunch of `step` into c (the rest
// of c is cleared).  Quadrature failures go to `console`.
void budgetMoments(const RunParameters& p, const CurrentStep& step, std::span<std::complex<double>> c,
                   std::ostream& console);

// The part of the bunch spectrum's weight outside |z| <= zmax (revolution
// harmonics): the largest over the moment orders N = 0, 2, ..., NN of the
// weight of zeta^N e^(-zeta^2) there.
double spectrumFractionBeyond(double zmax, double sigma, double shift, int NN);

}  // namespace quelm
