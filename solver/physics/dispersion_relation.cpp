#include "solver/physics/dispersion_relation.hpp"

#include <cmath>

#include "solver/numerics/exponential_integral.hpp"

namespace quelm {
namespace {

using Complex = std::complex<double>;

constexpr double EULER_GAMMA = 0.57721566490153286;
constexpr double EPSILON = 2.2e-16;
// Largest |w| on the real axis for which w e^w E1(w) is formed from its
// factors without overflow.
constexpr double REAL_AXIS_LIMIT = 700.0;

// Power series E1(z) = -gamma - ln z - sum (-z)^n / (n n!).
bool exponentialIntegralSeries(const Complex& z, Complex& e1) {
    Complex sum = -EULER_GAMMA - std::log(z);
    Complex term = 1.0;
    for (int n = 1; n <= 200; ++n) {
        term = -term * z / static_cast<double>(n);
        const Complex change = term / static_cast<double>(n);
        sum -= change;
        if (std::abs(change) <= EPSILON * std::abs(sum)) {
            e1 = sum;
            return true;
        }
    }
    return false;
}

// e^z E1(z) by the continued fraction 1/(z+1- 1/(z+3- 4/(z+5- ...))),
// modified Lentz evaluation.
bool scaledExponentialIntegralFraction(const Complex& z, Complex& scaled) {
    constexpr double tiny = 1e-300;
    Complex b = z + 1.0;
    Complex c = 1.0 / tiny;
    Complex d = 1.0 / b;
    Complex h = d;
    for (int i = 1; i <= 5000; ++i) {
        const double a = -static_cast<double>(i) * i;
        b += 2.0;
        d = 1.0 / (a * d + b);
        c = b + a / c;
        const Complex delta = c * d;
        h *= delta;
        if (std::abs(delta - 1.0) <= EPSILON) {
            scaled = h;
            return true;
        }
    }
    return false;
}

// The series cancels where Re z > 0 and |z| is not small, or along the
// imaginary axis; the continued fraction converges slowly next to the
// negative real axis.  Each takes the part of the plane where it is exact.
bool seriesIsAccurate(const Complex& z) {
    return std::abs(z) <= 2.0 || (z.real() < 0.0 && std::fabs(z.imag()) <= -0.5 * z.real());
}

// The rational approximation of e^z E1(z) for large |z|.
Complex rationalScaledE1(const Complex& z) {
    return 0.711093 / (z + 0.415775) + 0.278518 / (z + 2.29428) + 0.010389 / (z + 6.29);
}

}  // namespace

Complex ZEZE1(const Complex& W) {
    const Complex& z = W;
    if (z == 0.0) return 0.0;
    if (z.imag() == 0.0 && std::fabs(z.real()) <= REAL_AXIS_LIMIT) {
        const double x = z.real();
        const Complex e1 = x > 0.0 ? Complex(DEXPIN(x)) : Complex(DEXPIN(x), -PI_SINGLE);
        return z * std::exp(z) * e1;
    }
    if (z.imag() != 0.0 && std::fabs(z.real()) <= 10.0 && std::fabs(z.imag()) <= 10.0) {
        Complex e1, scaled;
        if (seriesIsAccurate(z)) {
            if (exponentialIntegralSeries(z, e1)) return z * std::exp(z) * e1;
        } else if (scaledExponentialIntegralFraction(z, scaled)) {
            return z * scaled;
        }
    }
    return z * rationalScaledE1(z);
}

DispersionRelation::DispersionRelation(const RunParameters& p, const CouplingMatrix& M)
    : p_(p), M_(M), work_(static_cast<std::size_t>(MAX_MODES) * MAX_MODES), dispersion_(MAX_MODES), used_(MAX_MODES) {}

Complex DispersionRelation::DET(const Complex& Z) {
    const RunParameters& p = p_;
    const CouplingMatrix& M = M_;
    const double nus = nus_;
    const double spread = spread_;
    const int modes = p.NMODE - p.NMODF + 1;
    const int radial = p.KRAD + 1;
    const int N = modes * radial;
    if (N <= 0 || N > MAX_MODES) return 1.0;  // no modes: the empty determinant
    const double scale = nus / (2.0 * spread);

    // Dispersion function of each azimuthal mode at Z.
    for (int b = 0; b < modes; ++b) {
        const int m = p.NMODF + b;
        const Complex w(nus * (Z.real() - m) / (2.0 * spread), nus * Z.imag() / (2.0 * spread));
        Complex G = scale * (1.0 - ZEZE1(w));
        if (G == 0.0) G = 0.001;
        dispersion_[static_cast<std::size_t>(b)] = G;
    }

    // Working copy with the dispersion terms on the diagonal.
    const auto A = [&](int i, int j) -> Complex& {
        return work_[static_cast<std::size_t>(j) * MAX_MODES + static_cast<std::size_t>(i)];
    };
    for (int j = 0; j < N; ++j) {
        for (int i = 0; i < N; ++i)
            A(i, j) = M.M(i + 1, j + 1);
    }
    for (int i = 0; i < N; ++i) {
        const int b = i / radial;
        A(i, i) = M.M(i + 1, i + 1) - static_cast<double>(p.NMODF + b) - 1.0 / dispersion_[static_cast<std::size_t>(b)];
    }

    // Elimination with complete pivoting.  Rows and columns that have
    // served as pivots never influence the determinant again, so only the
    // remaining ones are updated; the remaining entries go through exactly
    // the operations of full Gauss-Jordan elimination.
    std::fill_n(used_.begin(), static_cast<std::size_t>(N), 0);
    Complex D = 1.0;
    for (int step = 0; step < N; ++step) {
        double largest = 0.0;
        int row = -1, column = -1;
        for (int i = 0; i < N; ++i) {
            if (used_[static_cast<std::size_t>(i)]) continue;
            for (int j = 0; j < N; ++j) {
                if (used_[static_cast<std::size_t>(j)]) continue;
                const double size = std::abs(A(i, j));
                if (size > largest) {
                    largest = size;
                    row = i;
                    column = j;
                }
            }
        }
        if (row < 0) return 0.0;  // singular
        used_[static_cast<std::size_t>(column)] = 1;
        if (row != column) {
            for (int j = 0; j < N; ++j)
                std::swap(A(row, j), A(column, j));
            D = -D;
        }
        const Complex pivot = A(column, column);
        D *= pivot;
        A(column, column) = 1.0;
        for (int j = 0; j < N; ++j) {
            if (!used_[static_cast<std::size_t>(j)]) A(column, j) /= pivot;
        }
        for (int j = 0; j < N; ++j) {
            if (used_[static_cast<std::size_t>(j)]) continue;
            const Complex pivotRowEntry = A(column, j);
            for (int i = 0; i < N; ++i) {
                if (!used_[static_cast<std::size_t>(i)]) A(i, j) -= A(i, column) * pivotRowEntry;
            }
        }
    }
    return D;
}

double DispersionRelation::FUN(const double* X) {
    double value = std::abs(DET(Complex(X[0], X[1])));
    if (DEFLATE) {
        for (int k = 0; k < ROOTLIST.K - 1; ++k) {
            const double dx = X[0] - ROOTLIST.re[static_cast<std::size_t>(k)];
            const double dy = X[1] - ROOTLIST.im[static_cast<std::size_t>(k)];
            value /= dx * dx + dy * dy;
        }
    }
    return value;
}

}  // namespace quelm
