// The eigenvalue solvers of the current scan on the ring example's matrices
// (numerical moments, currents 0.5 to 11.5 mA in 1 mA steps):
//   1. accuracy, at matrix orders 24, 66, 150, 300 and 500: the largest
//      distance of the historical single-precision eigenvalues from LAPACK's
//      zgeev on the same double matrix, and of the default solver's (zgeev
//      itself) from zgeev on the transposed matrix, an independent solve of
//      the same eigenvalues; eigenvalues matched one to one.  With each, the
//      largest imaginary part where the reference's is below 1e-9 (a false
//      instability);
//   2. speed at order 500, one thread: the default solver against cgeev and
//      zgeev on the same matrices in the same run, with the ratios.
// Units: the eigenvalues are tune shifts in units of the synchrotron tune.

#include <algorithm>
#include <complex>
#include <cstdio>
#include <vector>

#include "bench/lapack_eigenvalues.hpp"
#include "bench/stopwatch.hpp"
#include "solver/numerics/matrix_eigenvalues.hpp"
#include "tests/support/mode_coupling_cases.hpp"

namespace {

using quelm::EigenPrecision;
using quelm::testing::Eigenvalues;

struct ModeSet {
    int NMODF, NMODE, KRAD;
};

constexpr ModeSet MODE_SETS[] = {{-3, 2, 3}, {-5, 5, 5}, {-7, 7, 9}, {-10, 9, 14}, {-12, 12, 19}};

Eigenvalues solverEigenvalues(quelm::MatrixEigenvalues& solver, quelm::CouplingMatrix& matrix, int n) {
    Eigenvalues w(static_cast<std::size_t>(n));
    const auto outcome =
        solver.solve(quelm::CouplingMatrix::NM, n, &matrix.M(1, 1), matrix.AR(), matrix.AI(), w.data());
    return outcome == quelm::EigenvalueOutcome::Found ? w : Eigenvalues{};
}

Eigenvalues transposed(const Eigenvalues& a, int n) {
    Eigenvalues t(a.size());
    for (std::size_t r = 0; r < static_cast<std::size_t>(n); ++r) {
        for (std::size_t c = 0; c < static_cast<std::size_t>(n); ++c) t[c * n + r] = a[r * n + c];
    }
    return t;
}

void accuracyTable() {
    std::printf("order   default vs zgeev(A^T): worst  false Im   single vs zgeev(A): worst  false Im\n");
    for (const ModeSet& set : MODE_SETS) {
        const quelm::RunParameters p = quelm::testing::ringCase(set.NMODF, set.NMODE, set.KRAD);
        quelm::testing::CaseMatrices cases(p);
        quelm::MatrixEigenvalues doubles(p.NTOT, EigenPrecision::Double), singles(p.NTOT, EigenPrecision::Single);
        quelm::testing::MatchedError d, s;
        for (int i = 0; i < p.NCR; ++i) {
            const Eigenvalues a = cases.dense(i);
            const Eigenvalues reference = quelm::testing::zgeevEigenvalues(a, p.NTOT);
            const Eigenvalues independent = quelm::testing::zgeevEigenvalues(transposed(a, p.NTOT), p.NTOT);
            const auto dError =
                quelm::testing::matchedError(solverEigenvalues(doubles, cases.matrix(), p.NTOT), independent);
            const auto sError =
                quelm::testing::matchedError(solverEigenvalues(singles, cases.matrix(), p.NTOT), reference);
            d.worst = std::max(d.worst, dError.worst);
            d.spuriousImaginary = std::max(d.spuriousImaginary, dError.spuriousImaginary);
            s.worst = std::max(s.worst, sError.worst);
            s.spuriousImaginary = std::max(s.spuriousImaginary, sError.spuriousImaginary);
        }
        std::printf("%5d   %28.2e  %8.2e   %25.2e  %8.2e\n", p.NTOT, d.worst, d.spuriousImaginary, s.worst,
                    s.spuriousImaginary);
    }
}

void speedTable() {
    const quelm::RunParameters p = quelm::testing::ringCase(-12, 12, 19);
    quelm::testing::CaseMatrices cases(p);
    quelm::MatrixEigenvalues solver(p.NTOT, EigenPrecision::Double);
    LapackEigenvalues cgeev(p.NTOT, p.NTOT);
    double ours = 0.0, single = 0.0, zgeev = 0.0;
    for (int i = 0; i < p.NCR; ++i) {
        const Eigenvalues a = cases.dense(i);
        ours += secondsOf([&] { solverEigenvalues(solver, cases.matrix(), p.NTOT); });
        std::vector<std::complex<float>> af(a.begin(), a.end());
        single += secondsOf([&] { cgeev.compute(af.data()); });
        zgeev += secondsOf([&] { quelm::testing::zgeevEigenvalues(a, p.NTOT); });
    }
    const double n = p.NCR;
    std::printf("\norder %d, %d matrices, one thread, seconds per matrix:\n", p.NTOT, p.NCR);
    std::printf("  default solver (zgeev)     %.3f\n  LAPACK cgeev               %.3f\n  LAPACK zgeev               %.3f\n",
                ours / n, single / n, zgeev / n);
    std::printf("  ratio default/cgeev %.2f, default/zgeev %.2f (target: at most 1)\n", ours / single, ours / zgeev);
}

}  // namespace

int main() {
    accuracyTable();
    speedTable();
}
