#include "solver/numerics/matrix_eigenvalues.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <type_traits>

#include "solver/numerics/complex_eigenvalues.hpp"

extern "C" void zgeev_(const char* jobvl, const char* jobvr, const int* n, std::complex<double>* a, const int* lda,
                       std::complex<double>* w, std::complex<double>* vl, const int* ldvl, std::complex<double>* vr,
                       const int* ldvr, std::complex<double>* work, const int* lwork, double* rwork, int* info,
                       std::size_t jobvlLength, std::size_t jobvrLength);

namespace quelm {
namespace {

std::size_t squareSize(int n) { return static_cast<std::size_t>(n) * static_cast<std::size_t>(n); }

// Offset of element (i, j), 0-based, in a column-major matrix with leading dimension nm.
std::size_t offset(int nm, int i, int j) {
    return static_cast<std::size_t>(j) * static_cast<std::size_t>(nm) + static_cast<std::size_t>(i);
}

// Copies the leading n x n block of a matrix with leading dimension nm into
// `block` (leading dimension n); false when an element is not finite.
template <class Element>
bool copyFiniteBlock(const Element* matrix, int nm, int n, Element* block) {
    bool finite = true;
    for (int j = 0; j < n; ++j) {
        const Element* column = matrix + offset(nm, 0, j);
        std::copy_n(column, n, block + offset(n, 0, j));
        finite = finite && std::all_of(column, column + n, [](const Element& x) {
                     if constexpr (std::is_floating_point_v<Element>) {
                         return std::isfinite(x);
                     } else {
                         return std::isfinite(x.real()) && std::isfinite(x.imag());
                     }
                 });
    }
    return finite;
}

// zgeev without eigenvectors; lwork = -1 asks for the workspace size.
int callZgeev(int n, std::complex<double>* a, std::complex<double>* w, std::complex<double>* work, int lwork,
              double* rwork) {
    const int one = 1;
    int info = 0;
    std::complex<double> unused;
    zgeev_("N", "N", &n, a, &n, w, &unused, &one, &unused, &one, work, &lwork, rwork, &info, 1, 1);
    return info;
}

}  // namespace

const char* methodName(EigenPrecision precision) {
    return precision == EigenPrecision::Single ? "EISCG2 (SINGLE-PRECISION LR)" : "ZGEEV (DOUBLE-PRECISION QR)";
}

MatrixEigenvalues::MatrixEigenvalues(int capacity, EigenPrecision precision) : precision_(precision) {
    const int n = std::max(capacity, 1);
    const auto order = static_cast<std::size_t>(n);
    if (precision == EigenPrecision::Single) {
        re_.resize(squareSize(n));
        im_.resize(squareSize(n));
        wr_.resize(order);
        wi_.resize(order);
        return;
    }
    a_.resize(squareSize(n));
    rwork_.resize(2 * order);
    std::complex<double> size;
    std::vector<std::complex<double>> w(order);
    callZgeev(n, a_.data(), w.data(), &size, -1, rwork_.data());
    work_.resize(std::max<std::size_t>(static_cast<std::size_t>(size.real()), 2 * order));
}

EigenvalueOutcome MatrixEigenvalues::solve(int NM, int N, const std::complex<double>* m, const float* ar,
                                           const float* ai, std::complex<double>* w) {
    if (N <= 0) return EigenvalueOutcome::Found;
    return precision_ == EigenPrecision::Single ? solveSingle(NM, N, ar, ai, w) : solveDouble(NM, N, m, w);
}

EigenvalueOutcome MatrixEigenvalues::solveDouble(int NM, int N, const std::complex<double>* m,
                                                 std::complex<double>* w) {
    if (!copyFiniteBlock(m, NM, N, a_.data())) return EigenvalueOutcome::NotFinite;
    const int info = callZgeev(N, a_.data(), w, work_.data(), static_cast<int>(work_.size()), rwork_.data());
    return info == 0 ? EigenvalueOutcome::Found : EigenvalueOutcome::NotConverged;
}

// The published path in single precision: the results of old runs.
EigenvalueOutcome MatrixEigenvalues::solveSingle(int NM, int N, const float* ar, const float* ai,
                                                 std::complex<double>* w) {
    if (!copyFiniteBlock(ar, NM, N, re_.data()) || !copyFiniteBlock(ai, NM, N, im_.data())) {
        return EigenvalueOutcome::NotFinite;
    }
    int IERR = 0;
    EISCG2(N, N, re_.data(), im_.data(), wr_.data(), wi_.data(), IERR);
    if (IERR != 0) return EigenvalueOutcome::NotConverged;
    for (std::size_t j = 0; j < static_cast<std::size_t>(N); ++j)
        w[j] = {wr_[j], wi_[j]};
    return EigenvalueOutcome::Found;
}

}  // namespace quelm
