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
#include "solver/run_parameters.hpp"

extern "C" void zgeev_(const char* jobvl, const char* jobvr, const int* n, std::complex<double>* a, const int* lda,
                       std::complex<double>* w, std::complex<double>* vl, const int* ldvl, std::complex<double>* vr,
                       const int* ldvr, std::complex<double>* work, const int* lwork, double* rwork, int* info,
                       std::size_t jobvlLength, std::size_t jobvrLength);

namespace quelm::testing {

using Eigenvalues = std::vector<std::complex<double>>;

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

    double current(int i) const { return p_.CRNT + i * p_.STPC; }

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

// zgeev's eigenvalues of a dense column-major n x n matrix (taken by value:
// zgeev overwrites it).
inline Eigenvalues zgeevEigenvalues(Eigenvalues a, int n) {
    Eigenvalues w(static_cast<std::size_t>(n)), work(1);
    std::vector<double> rwork(2 * static_cast<std::size_t>(n));
    const int one = 1;
    std::complex<double> unused;
    int info = 0;
    int lwork = -1;
    zgeev_("N", "N", &n, a.data(), &n, w.data(), &unused, &one, &unused, &one, work.data(), &lwork, rwork.data(), &info,
           1, 1);
    lwork = static_cast<int>(work[0].real());
    work.resize(static_cast<std::size_t>(lwork));
    zgeev_("N", "N", &n, a.data(), &n, w.data(), &unused, &one, &unused, &one, work.data(), &lwork, rwork.data(), &info,
           1, 1);
    return info == 0 ? w : Eigenvalues{};
}

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
