// LAPACK's double-precision zgeev as the reference of the eigenvalue tests
// and benchmarks: eigenvalues only, workspace asked for first.
#pragma once

#include <complex>
#include <cstddef>
#include <vector>

extern "C" void zgeev_(const char* jobvl, const char* jobvr, const int* n, std::complex<double>* a, const int* lda,
                       std::complex<double>* w, std::complex<double>* vl, const int* ldvl, std::complex<double>* vr,
                       const int* ldvr, std::complex<double>* work, const int* lwork, double* rwork, int* info,
                       std::size_t jobvlLength, std::size_t jobvrLength);

namespace quelm::testing {

using Eigenvalues = std::vector<std::complex<double>>;

// zgeev's eigenvalues of a dense column-major n x n matrix (taken by value:
// zgeev overwrites it); empty when zgeev reports a failure, whose INFO goes
// to `info` when given.
inline Eigenvalues zgeevEigenvalues(Eigenvalues a, int n, int* info = nullptr) {
    Eigenvalues w(static_cast<std::size_t>(n)), work(1);
    std::vector<double> rwork(2 * static_cast<std::size_t>(n));
    const int one = 1;
    std::complex<double> unused;
    int status = 0;
    int lwork = -1;
    zgeev_("N", "N", &n, a.data(), &n, w.data(), &unused, &one, &unused, &one, work.data(), &lwork, rwork.data(),
           &status, 1, 1);
    lwork = static_cast<int>(work[0].real());
    work.resize(static_cast<std::size_t>(lwork));
    zgeev_("N", "N", &n, a.data(), &n, w.data(), &unused, &one, &unused, &one, work.data(), &lwork, rwork.data(),
           &status, 1, 1);
    if (info != nullptr) *info = status;
    return status == 0 ? w : Eigenvalues{};
}

}  // namespace quelm::testing
