#include "solver/numerics/complex_error_function.hpp"

#include <cmath>

namespace quelm {

namespace {

// 2/√π.
constexpr double kTwoOverRootPi = 1.12837916709551;

// w(x + iy) for x >= 0, y >= 0.
std::complex<double> faddeevaFirstQuadrant(double x, double y) {
    double h = 0.0;
    int taylorTerms = 0;
    int fractionTerms = 8;
    if (y < 4.29 && x < 5.33) {
        const double s = (1.0 - y / 4.29) * std::sqrt(1.0 - x * x / 28.41);
        h = 1.6 * s;
        taylorTerms = 6 + static_cast<int>(23.0 * s);
        fractionTerms = 9 + static_cast<int>(21.0 * s);
    }
    const double step = 2.0 * h;
    double lambda = h > 0.0 ? std::pow(step, taylorTerms) : 0.0;
    const bool fractionOnly = h == 0.0 || lambda == 0.0;

    double r1 = 0.0;
    double r2 = 0.0;
    double s1 = 0.0;
    double s2 = 0.0;
    for (int n = fractionTerms; n >= 0; --n) {
        const int np1 = n + 1;
        const double t1 = y + h + np1 * r1;
        const double t2 = x - np1 * r2;
        const double c = 0.5 / (t1 * t1 + t2 * t2);
        r1 = c * t1;
        r2 = c * t2;
        if (h > 0.0 && n <= taylorTerms) {
            const double u = lambda + s1;
            s1 = r1 * u - r2 * s2;
            s2 = r2 * u + r1 * s2;
            lambda /= step;
        }
    }
    const double re = y == 0.0 ? std::exp(-x * x) : kTwoOverRootPi * (fractionOnly ? r1 : s1);
    const double im = kTwoOverRootPi * (fractionOnly ? r2 : s2);
    return {re, im};
}

// w(z) for Im z >= 0.
std::complex<double> faddeevaUpperHalf(const std::complex<double>& z) {
    const std::complex<double> w = faddeevaFirstQuadrant(std::fabs(z.real()), z.imag());
    return z.real() < 0.0 ? std::conj(w) : w;
}

}  // namespace

void CWERF(std::complex<double>& W, const std::complex<double>& Z) {
    if (Z.imag() < 0.0) {
        W = 2.0 * std::exp(-Z * Z) - faddeevaUpperHalf(-Z);
    } else {
        W = faddeevaUpperHalf(Z);
    }
}

}  // namespace quelm
