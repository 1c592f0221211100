// Impedance moments of the bunch: how the resonator's two poles are seen by
// a Gaussian bunch (the table c_N) or a binomial bunch (the table D(a, b)).
//
// Gaussian bunch: with I_N(Z) = integral of t^N e^(-t^2) / (t - Z) dt over
// the real line, c_N = [I_N(Z1) - I_N(Z2)] / sqrt(2)^N for the scaled poles
// Z_j = sigma (p_j - xi/alpha), plus the wake of earlier turns when the
// resonator rings longer than a turn.  Two ways: the closed form through the
// complex error function and an upward recurrence in N (LZOT), or adaptive
// Gauss-Legendre integration along the real axis.
//
// Binomial bunch of mode number mu: D(a, b) is the integral over the
// spectrum of J_(mu+a+1)(y) J_(mu+b+1)(y) / y^(2mu+2) against the two poles,
// with y the scaled frequency.
#pragma once

#include <complex>
#include <ostream>
#include <span>
#include <vector>

#include "solver/physics/current_step.hpp"
#include "solver/run_parameters.hpp"

namespace quelm {

// Decides when the moments must be recomputed: for the first current and
// whenever the bunch length has moved by more than 0.1 % from the length of
// their last computation.
class MomentReuseRule {
public:
    explicit MomentReuseRule(double firstLength) : reference_(firstLength) {}

    // For current index i (1-based) with bunch length SGMI; records SGMI as
    // the new reference when the answer is true.
    bool mustRecompute(int i, double SGMI);

private:
    double reference_;
    double relativeChange_ = 1.0;
};

class ImpedanceMoments {
public:
    // Storage for the run's highest orders, allocated once.
    explicit ImpedanceMoments(const RunParameters& p);

    // Recomputes the table for the bunch length of `step`.  FGAUSS failures
    // go to `console`, WBSJA's messages to `listing`.
    void compute(const RunParameters& p, const CurrentStep& step, std::ostream& listing, std::ostream& console);

    // c_N of a Gaussian bunch, N = 0..2 MABS + 4 KRAD; with ZPARM the
    // budget's C_N (budget_moments.hpp).
    const std::complex<double>& c(int N) const { return gaussian_[static_cast<std::size_t>(N)]; }
    // D(a, b) of a binomial bunch, a, b = 0..2 KRAD + MABS.
    const std::complex<double>& D(int a, int b) const {
        return binomial_[static_cast<std::size_t>(a) * binomialSize_ + static_cast<std::size_t>(b)];
    }

    // Whether every moment the matrix reads is a finite number.
    bool isFinite(const RunParameters& p) const;

private:
    void fillBinomial(const RunParameters& p, const CurrentStep& step, std::ostream& listing, std::ostream& console);

    std::vector<std::complex<double>> gaussian_;
    std::size_t binomialSize_ = 0;
    std::vector<std::complex<double>> binomial_;
    std::vector<std::complex<double>> besselScratch_;
};

// Highest moment order NN = 2 MABS + 4 KRAD of the Gaussian table.
int highestMomentOrder(const RunParameters& p);

// A resonator's poles as the bunch of one current sees them.
struct ScaledPoles {
    std::complex<double> p[2];  // poles, revolution harmonics
    std::complex<double> Z[2];  // scaled by the bunch length: BINFAC sigma (p_j - xi/alpha)
    std::complex<double> E[2];  // turn factors, 0 for a single-turn wake
    bool multiTurn;
};
ScaledPoles scaledPoles(const ResonatorPoles& resonator, const RunParameters& p, double SGMI);

// c_N = [I_N(Z1) - I_N(Z2)] / sqrt(2)^N of one pole pair, with the wake of
// earlier turns, N = 0..NN: in closed form (c holds NN + 9 entries, the
// recurrence runs past NN) or integrated along the real axis around the
// chromatic shift (c holds NN + 1).
void closedFormPoleMoments(const ScaledPoles& poles, int NN, std::span<std::complex<double>> c);
void integratedPoleMoments(const ScaledPoles& poles, int NN, double sigma, double shift,
                           std::span<std::complex<double>> c, std::ostream& console);

// The bunch spectrum of moment order N at the scaled frequency zeta:
// (zeta / sqrt 2)^N e^(-zeta^2).
std::complex<double> gaussianSpectrum(int N, const std::complex<double>& zeta);

// Half-width of the integration range around the chromatic shift: far
// enough out that the weight of moment order NN has fallen below 1e-8.
double integrationHalfWidth(double sigma, int NN);

// The Gaussian table both ways, for comparison: c_N in closed form and by
// integration, N = 0..NN.
std::vector<std::complex<double>> closedFormMoments(const RunParameters& p, const CurrentStep& step);
std::vector<std::complex<double>> integratedMoments(const RunParameters& p, const CurrentStep& step,
                                                    std::ostream& console);

// Largest difference between the two ways over the table, relative to the
// table's largest moment (with ZPARM, the largest over the run's
// resonators); the closed form's recurrence loses accuracy for long bunches.
double closedFormDisagreement(const RunParameters& p, const CurrentStep& step, std::ostream& console);

// Spectrum cut-off of the numerical way: e^(-(sigma x)^2) (sigma x / sqrt 2)^NN - 1e-8.
double FRT(double X, double sigma, int NN);

}  // namespace quelm
