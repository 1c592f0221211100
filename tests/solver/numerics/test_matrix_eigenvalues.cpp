// The scan's eigenvalue front door: both precisions, and the outcomes of
// matrices the methods cannot take.
#include "solver/numerics/matrix_eigenvalues.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <limits>
#include <vector>

namespace quelm {
namespace {

using Complex = std::complex<double>;

// A 4 x 4 real matrix (leading dimension 5) on which the LR iteration
// stalls: the single-precision path fails on it, the default one does not.
struct StallMatrix {
    static constexpr int NM = 5;
    std::vector<Complex> m = std::vector<Complex>(NM * NM);
    std::vector<float> ar = std::vector<float>(NM * NM), ai = std::vector<float>(NM * NM);

    StallMatrix() {
        const float column[4][4] = {{0, 1, -1, -1}, {1, -1, 0, 1}, {0, 1, 1, 1}, {1, -1, 0, 0}};
        for (int j = 0; j < 4; ++j) {
            for (int i = 0; i < 4; ++i) set(i, j, column[j][i]);
        }
    }
    void set(int i, int j, double value) {
        m[j * NM + i] = value;
        ar[j * NM + i] = static_cast<float>(value);
    }
};

TEST(MatrixEigenvalues, DefaultSolvesWhatTheSinglePrecisionLrCannot) {
    StallMatrix a;
    const std::vector<Complex> before = a.m;
    std::vector<Complex> w(4);
    MatrixEigenvalues single(4, EigenPrecision::Single), standard(4, EigenPrecision::Double);
    EXPECT_EQ(single.solve(StallMatrix::NM, 4, a.m.data(), a.ar.data(), a.ai.data(), w.data()),
              EigenvalueOutcome::NotConverged);
    ASSERT_EQ(standard.solve(StallMatrix::NM, 4, a.m.data(), a.ar.data(), a.ai.data(), w.data()),
              EigenvalueOutcome::Found);
    EXPECT_EQ(a.m, before);
    // The eigenvalues sum to the trace (0) and their squares to the trace of A^2.
    Complex trace = 0.0, squares = 0.0;
    for (const Complex& lambda : w) {
        trace += lambda;
        squares += lambda * lambda;
    }
    double traceOfSquare = 0.0;
    for (int i = 0; i < 4; ++i) {
        for (int k = 0; k < 4; ++k) traceOfSquare += a.m[k * StallMatrix::NM + i].real() * a.m[i * StallMatrix::NM + k].real();
    }
    EXPECT_NEAR(std::abs(trace), 0.0, 1e-13);
    EXPECT_NEAR(std::abs(squares - traceOfSquare), 0.0, 1e-13);
}

TEST(MatrixEigenvalues, NonFiniteElementsAreRefusedByBothPaths) {
    for (const EigenPrecision precision : {EigenPrecision::Double, EigenPrecision::Single}) {
        StallMatrix a;
        a.set(2, 1, std::numeric_limits<double>::quiet_NaN());
        std::vector<Complex> w(4, 7.0);
        MatrixEigenvalues solver(4, precision);
        EXPECT_EQ(solver.solve(StallMatrix::NM, 4, a.m.data(), a.ar.data(), a.ai.data(), w.data()),
                  EigenvalueOutcome::NotFinite);
        EXPECT_EQ(w, std::vector<Complex>(4, 7.0));
    }
}

}  // namespace
}  // namespace quelm
