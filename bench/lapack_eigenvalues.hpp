// LAPACK's single-precision complex eigenvalue routine, eigenvalues only,
// with its workspace sized once: the reference the benchmarks time against.
#pragma once

#include <complex>
#include <cstddef>
#include <vector>

extern "C" void cgeev_(const char* jobvl, const char* jobvr, const int* n, std::complex<float>* a,
                       const int* lda, std::complex<float>* w, std::complex<float>* vl,
                       const int* ldvl, std::complex<float>* vr, const int* ldvr,
                       std::complex<float>* work, const int* lwork, float* rwork, int* info,
                       std::size_t jobvlLength, std::size_t jobvrLength);

class LapackEigenvalues {
public:
    // For matrices of order n stored with leading dimension lda.
    LapackEigenvalues(int n, int lda) : n_(n), lda_(lda), w_(static_cast<std::size_t>(n)), rwork_(2 * w_.size()) {
        std::complex<float> size;
        call(nullptr, &size, -1);
        work_.resize(static_cast<std::size_t>(size.real()));
    }

    // The eigenvalues of `a` (overwritten); returns LAPACK's INFO.
    int compute(std::complex<float>* a) { return call(a, work_.data(), static_cast<int>(work_.size())); }

    const std::vector<std::complex<float>>& eigenvalues() const { return w_; }

private:
    int call(std::complex<float>* a, std::complex<float>* work, int lwork) {
        const int one = 1;
        int info = 0;
        std::complex<float> unused;
        cgeev_("N", "N", &n_, a, &lda_, w_.data(), &unused, &one, &unused, &one, work, &lwork, rwork_.data(), &info, 1, 1);
        return info;
    }

    int n_, lda_;
    std::vector<std::complex<float>> w_, work_;
    std::vector<float> rwork_;
};
