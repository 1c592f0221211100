// The matrices of the eigenvalue accuracy study: the ring example with
// numerically integrated moments and a mode set of any size, at currents
// 0.5, 1.5, ..., 11.5 mA; and LAPACK's zgeev as the reference.
#pragma once

#include <algorithm>
#include <complex>
#include <cstddef>
#include <limits>
#include <sstream>
#include <utility>
#include <vector>

#include "solver/physics/coupling_matrix.hpp"
#include "solver/physics/impedance_moments.hpp"
#include "solver/current_scan.hpp"
#include "solver/run_parameters.hpp"
#include "tests/support/lapack_reference.hpp"

namespace quelm::testing {

// The bundled ring example's machine and resonator: a 2 GeV ring, a 1 cm
// bunch and a broad-band resonator at 3 GHz (no scan or modes set).
inline RunParameters ringMachine() {
    RunParameters p;
    p.NUS = 0.0085;
    p.ENGY = 2.0;
    p.SGMZ = 1.0;
    p.BETAC = 10.0;
    p.REVFRQ = 1.157;
    p.ALPHA = 0.0016;
    p.FREQ = 3000.0;
    p.RS = 1.0;
    p.QV = 1.0;
    return p;
}

inline RunParameters ringCase(int NMODF, int NMODE, int KRAD) {
    RunParameters p = ringMachine();
    p.CRNT = 0.5;
    p.STPC = 1.0;
    p.NCR = 12;
    p.NMODF = NMODF;
    p.NMODE = NMODE;
    p.KRAD = KRAD;
    p.LZOT = false;
    prepareAfterReading(p);
    computeDerivedQuantities(p);
    return p;
}

// The coupling matrix of every current of the case (the bunch length is
// constant: one moment table serves them all).
class CaseMatrices {
public:
    explicit CaseMatrices(const RunParameters& p) : p_(p), moments_(p) {
        std::ostringstream sink;
        moments_.compute(p, currentStep(p, p.CRNT), sink, sink);
    }

    double current(int i) const { return scanCurrent(p_, i + 1); }

    // Current i (0-based) as a dense column-major N x N matrix.
    Eigenvalues dense(int i) {
        buildCouplingMatrix(matrix_, p_, currentStep(p_, current(i)), moments_, p_.SPRD);
        const int n = p_.NTOT;
        Eigenvalues a(static_cast<std::size_t>(n) * n);
        for (int j = 1; j <= n; ++j) {
            for (int r = 1; r <= n; ++r) a[static_cast<std::size_t>(j - 1) * n + (r - 1)] = matrix_.M(r, j);
        }
        return a;
    }

    CouplingMatrix& matrix() { return matrix_; }

private:
    const RunParameters& p_;
    ImpedanceMoments moments_;
    CouplingMatrix matrix_;
};

// The largest distance between matched eigenvalues, and the largest
// imaginary part of `got` where the reference is real (below 1e-9): the two
// sets are matched one to one, closest pairs first.
struct MatchedError {
    double worst = 0.0;
    double spuriousImaginary = 0.0;
};

inline MatchedError matchedError(const Eigenvalues& got, const Eigenvalues& reference) {
    std::vector<std::pair<double, std::pair<std::size_t, std::size_t>>> pairs;
    for (std::size_t a = 0; a < got.size(); ++a) {
        for (std::size_t b = 0; b < reference.size(); ++b) pairs.push_back({std::abs(got[a] - reference[b]), {a, b}});
    }
    std::sort(pairs.begin(), pairs.end());
    std::vector<bool> gotTaken(got.size()), referenceTaken(reference.size());
    MatchedError error;
    if (got.size() != reference.size()) error.worst = std::numeric_limits<double>::infinity();
    for (const auto& [distance, which] : pairs) {
        const auto [a, b] = which;
        if (gotTaken[a] || referenceTaken[b]) continue;
        gotTaken[a] = referenceTaken[b] = true;
        error.worst = std::max(error.worst, std::isnan(distance) ? std::numeric_limits<double>::infinity() : distance);
        if (std::abs(reference[b].imag()) < 1e-9) {
            error.spuriousImaginary = std::max(error.spuriousImaginary, std::abs(got[a].imag()));
        }
    }
    return error;
}

}  // namespace quelm::testing
