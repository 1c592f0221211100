// The quantities of one bunch current that the kernels read.
#pragma once

#include <complex>

#include "solver/run_parameters.hpp"

namespace quelm {

struct CurrentStep {
    double CURR = 0.0;                  // bunch current, mA
    double SGMI = 0.0;                  // bunch length / ring radius at CURR
    double NUSI = 0.0;                  // synchrotron tune at CURR
    double COUPK = 0.0;                 // coupling strength CURR * GIMP / NUSI
    std::complex<double> ZARG1, ZARG2;  // resonator poles scaled by the bunch length
};

// The step at bunch current `current` (derived quantities must be set).
CurrentStep currentStep(const RunParameters& p, double current);

// Chromatic shift of the spectrum, in revolution harmonics.
inline double chromaticShift(const RunParameters& p) { return p.CHROM / p.ALPHA; }

// Integer power by repeated squaring, as compiled code raises a number to an
// integer power (a negative power inverts first).
template <class Number>
Number integerPower(Number x, int n) {
    Number result = 1;
    unsigned u = n < 0 ? 0u - static_cast<unsigned>(n) : static_cast<unsigned>(n);
    if (n < 0) x = Number(1) / x;
    for (;;) {
        if (u & 1u) result *= x;
        u >>= 1;
        if (u == 0) return result;
        x *= x;
    }
}

}  // namespace quelm
