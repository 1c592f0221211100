#include "solver/numerics/gamma_functions.hpp"

#include <array>
#include <cmath>
#include <iostream>
#include <limits>

namespace quelm {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Highest N whose factorial is taken from the table.
constexpr int kTabulatedFactorials = 32;

constexpr std::array<double, kTabulatedFactorials + 1> factorialTable() {
    std::array<double, kTabulatedFactorials + 1> table{};
    table[0] = 1.0;
    for (int j = 0; j < kTabulatedFactorials; ++j) {
        table[j + 1] = (j + 1) * table[j];
    }
    return table;
}

// Above this argument Γ is larger than the largest double.
constexpr double kGammaOverflow = 172.0;

// Chebyshev coefficients of Γ(x) on [3, 4] in t = 2x - 7.
constexpr std::array<double, 16> kGammaChebyshev = {
    3.6573877250833826,  1.9575434566612682,  0.3382971138261604, 0.04208951276557549,
    0.00428765048212909, 0.00036521216929462, 2.740064222642e-05, 1.81240233365e-06,
    1.0965775866e-07,    5.98718405e-09,      3.0769081e-10,      1.431793e-11,
    6.5109e-13,          2.596e-14,           1.11e-15,           4e-17,
};

// Σ c_j T_j(t) by Clenshaw's recurrence.
double chebyshevSum(const std::array<double, 16>& c, double t) {
    double b1 = 0.0;
    double b2 = 0.0;
    for (int j = static_cast<int>(c.size()) - 1; j >= 0; --j) {
        const double b0 = c[j] + 2.0 * t * b1 - b2;
        b2 = b1;
        b1 = b0;
    }
    // b1 now holds b_0 and b2 holds b_1.
    return b1 - t * b2;
}

}  // namespace

double FACTRL(const int& N) {
    static constexpr auto table = factorialTable();
    if (N < 0) {
        // The operator cannot answer a batch run: report and go on.
        std::cout << "negative factorial\n";
        return kNaN;
    }
    if (N <= kTabulatedFactorials) {
        return table[N];
    }
    return std::exp(GAMMLN(static_cast<double>(N) + 1.0));
}

double GAMMLN(const double& X) {
    static constexpr std::array<double, 6> coefficients = {
        76.18009173, -86.50532033, 24.01409822, -1.231739516, 0.00120858003, -5.36382e-06,
    };
    constexpr double sqrtTwoPi = 2.50662827465;
    if (!(X > 0.0)) {
        return kNaN;
    }
    double x = X - 1.0;
    const double t = x + 5.5;
    const double head = (x + 0.5) * std::log(t) - t;
    double series = 1.0;
    for (const double c : coefficients) {
        x += 1.0;
        series += c / x;
    }
    return head + std::log(sqrtTwoPi * series);
}

double DGAMMA(const double& X) {
    if (!(X > 0.0)) {
        return kNaN;
    }
    if (X >= kGammaOverflow) {
        return std::numeric_limits<double>::infinity();
    }
    double x = X;
    double factor = 1.0;
    if (X >= 3.0) {
        const int steps = static_cast<int>(X - 3.0);
        for (int i = 0; i < steps; ++i) {
            x -= 1.0;
            factor *= x;
        }
    } else {
        const int steps = static_cast<int>(4.0 - X);
        for (int i = 0; i < steps; ++i) {
            factor /= x;
            x += 1.0;
        }
    }
    return factor * chebyshevSum(kGammaChebyshev, 2.0 * x - 7.0);
}

float GAMMA(const float& X) { return static_cast<float>(DGAMMA(static_cast<double>(X))); }

}  // namespace quelm
