// The eigenvalues of one mode-coupling matrix, as the current scan takes
// them: by default LAPACK's zgeev (balancing, Householder reduction to
// Hessenberg form and the unitary multishift QR iteration) on the double
// matrix; for comparison with old runs, the historical single-precision
// EISCG2 (CBAL, COMHES and the LR iteration) on its float copy.
//
// Why zgeev: on the ring example's matrices of order 500 (numerical
// moments, 0.5 to 11.5 mA) it agrees with itself on the transposed matrix
// to 5e-13, so these matrices are well conditioned; the same CBAL/COMHES/
// COMLR path run in double precision errs by up to 6e-6 there (its
// elimination steps are not unitary and grow), and in single precision by
// up to 20 with false instabilities.  zgeev takes about the time of the
// single-precision cgeev.  docs/solver.md has the table and how to measure
// it (bench_eigenvalues).
//
// Both paths are deterministic: the same matrix gives the same eigenvalues,
// bit for bit, on whatever thread it is solved.  A matrix with a NaN or
// infinite element is refused (LAPACK would end the process on it).
#pragma once

#include <complex>
#include <vector>

namespace quelm {

enum class EigenPrecision { Double, Single };

// How the eigenvalues of a matrix came out.
enum class EigenvalueOutcome {
    Found,
    NotConverged,  // the iteration did not converge
    NotFinite,     // the matrix has a NaN or infinite element
};

// The method of a precision, for messages: "ZGEEV (DOUBLE-PRECISION QR)" or
// "EISCG2 (SINGLE-PRECISION LR)".
const char* methodName(EigenPrecision precision);

// Workspace for matrices of order up to `capacity`, allocated once (one per
// thread of the scan).
class MatrixEigenvalues {
public:
    MatrixEigenvalues(int capacity, EigenPrecision precision);

    // The eigenvalues of the leading N x N block of the matrix held column
    // by column with leading dimension NM, as doubles (`m`) and as its
    // single-precision copy (`ar`, `ai`, read by the single-precision path
    // only), into w[0..N-1], in the order the method returns them.  The
    // inputs are not changed.
    EigenvalueOutcome solve(int NM, int N, const std::complex<double>* m, const float* ar, const float* ai,
                            std::complex<double>* w);

private:
    EigenvalueOutcome solveDouble(int NM, int N, const std::complex<double>* m, std::complex<double>* w);
    EigenvalueOutcome solveSingle(int NM, int N, const float* ar, const float* ai, std::complex<double>* w);

    EigenPrecision precision_;
    std::vector<std::complex<double>> a_, work_;
    std::vector<double> rwork_;
    std::vector<float> re_, im_, wr_, wi_;
};

}  // namespace quelm
