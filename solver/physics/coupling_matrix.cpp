#include "solver/physics/coupling_matrix.hpp"

#include <cmath>
#include <cstdlib>

#include "solver/numerics/gamma_functions.hpp"

namespace quelm {
namespace {

using Complex = std::complex<double>;

// A mode (m, k, n) of the matrix.
struct Mode {
    int m, k, n;
};

Mode modeOf(int I, const RunParameters& p) {
    const int zeroBased = I - 1;
    const int n = zeroBased / p.NMT;
    const int pair = zeroBased % p.NMT;
    return {p.NMODF + pair / (p.KRAD + 1), pair % (p.KRAD + 1), n};
}

// i^e for an integer e, exactly.
Complex powerOfI(int e) {
    static constexpr Complex powers[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    return powers[((e % 4) + 4) % 4];
}

// Normalisation factor of a binomial-bunch mode (m, k).
double binomialFactor(int q, int k, int mu) {
    return std::sqrt(FACTRL(2 * k + q) / FACTRL(2 * k + q + mu)) * std::sqrt(FACTRL(mu + k + q) / FACTRL(k + q)) *
           std::sqrt(FACTRL(mu + k) / (FACTRL(k) * FACTRL(mu)));
}

// The impedance term between two n = 0 modes.
Complex impedanceTerm(const Mode& row, const Mode& column, const RunParameters& p, double g,
                      const ImpedanceMoments& moments) {
    const int q = std::abs(row.m);
    const int qc = std::abs(column.m);
    Complex element;
    if (p.LBIN) {
        element = g * (p.MU + 1.0) * binomialFactor(q, row.k, p.MU) * binomialFactor(qc, column.k, p.MU) *
                  powerOfI(row.m - column.m) * moments.D(2 * row.k + q, 2 * column.k + qc);
    } else {
        const double norm = FACTRL(row.k) * FACTRL(row.k + q) * FACTRL(column.k) * FACTRL(column.k + qc);
        element = g * powerOfI(row.m - column.m) * moments.c(q + qc + 2 * row.k + 2 * column.k) / std::sqrt(norm);
    }
    if (row.m < 0) element *= std::pow(-1.0, q);
    if (column.m < 0) element *= std::pow(-1.0, qc);
    return element;
}

}  // namespace

double DMX(int I, int J, const RunParameters& p, double spread, double nus) {
    if (!p.LMTRIX || (p.LINTGL && spread != 0.0)) return 0.0;
    if (I == J) return -4.0 * (I + 1) * spread / nus;
    if (J == I - 1 || J == I + 1) return 2.0 * std::sqrt(static_cast<double>((I + 1) * (J + 1))) * spread / nus;
    return 0.0;
}

void buildCouplingMatrix(CouplingMatrix& matrix, const RunParameters& p, const CurrentStep& step,
                         const ImpedanceMoments& moments, double spread) {
    const int N = p.NTOT;
    for (int J = 1; J <= N; ++J) {
        const Mode column = modeOf(J, p);
        for (int I = 1; I <= N; ++I) {
            const Mode row = modeOf(I, p);
            Complex element;
            if (row.n == 0 && column.n == 0) element = impedanceTerm(row, column, p, step.COUPK, moments);
            if (row.m == column.m && row.k == column.k) {
                if (row.n == column.n) element += row.m;
                element += DMX(row.n, column.n, p, spread, step.NUSI);
            }
            matrix.set(I, J, element);
        }
    }
}

}  // namespace quelm
