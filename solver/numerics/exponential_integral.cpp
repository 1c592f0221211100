#include "solver/numerics/exponential_integral.hpp"

#include <cmath>
#include <limits>

namespace quelm {

namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
constexpr double kEulerGamma = 0.57721566490153286061;

// Positive zero of Ei: kEiZero + kEiZeroTail to about 33 digits.
constexpr double kEiZero = 0.3725074107813666;
constexpr double kEiZeroTail = 1.3140183414386028e-17;

// From here on the asymptotic series of Ei reaches full precision.
constexpr double kEiAsymptotic = 44.0;

// Safety cap on series and continued-fraction lengths; the longest
// expansion used needs about 130 terms.
constexpr int kMaxTerms = 1000;

// E1(x) for 0 < x < 1.
double e1PowerSeries(double x) {
    double sum = 0.0;
    double power = 1.0;  // (-x)^k / k!
    for (int k = 1; k < kMaxTerms; ++k) {
        power *= -x / k;
        const double term = power / k;
        sum += term;
        if (std::fabs(term) < 0.25 * kEpsilon * std::fabs(sum)) {
            break;
        }
    }
    return -kEulerGamma - std::log(x) - sum;
}

// E1(x) for x >= 1: the continued fraction summed from its tail, which
// keeps the rounding error to a few units of the last place. Its error
// after n terms falls like exp(-4·sqrt(n·x)), so 10 + 120/x terms reach
// below 1e-17 for every x >= 1.
double e1ContinuedFraction(double x) {
    const int terms = 10 + static_cast<int>(120.0 / x);
    double tail = x + 2.0 * terms + 1.0;
    for (int k = terms; k >= 1; --k) {
        tail = (x + 2.0 * k - 1.0) - static_cast<double>(k) * k / tail;
    }
    return std::exp(-x) / tail;
}

// Ei(t) for 0 < t < kEiAsymptotic, expanded about the zero of Ei.
double eiAboutZero(double t) {
    const double offset = (t - kEiZero) - kEiZeroTail;
    const double logarithm = std::fabs(offset) <= 0.5 * kEiZero ? std::log1p(offset / kEiZero) : std::log(t / kEiZero);
    double scaled = 1.0;         // h_k / k!
    double zeroPower = kEiZero;  // t0^k / k!
    double sum = 1.0;            // Σ h_k / (k·k!)
    for (int k = 1; k < kMaxTerms; ++k) {
        scaled = (t * scaled + zeroPower) / (k + 1);
        zeroPower *= kEiZero / (k + 1);
        const double term = scaled / (k + 1);
        sum += term;
        if (k > t && term < 0.25 * kEpsilon * sum) {
            break;
        }
    }
    return logarithm + offset * sum;
}

// Ei(t) for t >= kEiAsymptotic.
double eiAsymptotic(double t) {
    double term = 1.0;
    double sum = 1.0;
    for (int k = 1; k < kMaxTerms && k < t; ++k) {
        term *= k / t;
        sum += term;
        if (term < 0.25 * kEpsilon * sum) {
            break;
        }
    }
    // e^t/t as e^(t/2)·(e^(t/2)/t): no overflow while the result is finite.
    const double half = std::exp(0.5 * t);
    return half * (half / t) * sum;
}

}  // namespace

double DEXPIN(const double& X) {
    if (X > 0.0) {
        return X < 1.0 ? e1PowerSeries(X) : e1ContinuedFraction(X);
    }
    if (X < 0.0) {
        const double t = -X;
        return -(t < kEiAsymptotic ? eiAboutZero(t) : eiAsymptotic(t));
    }
    return X == 0.0 ? 0.0 : X;  // NaN stays NaN
}

}  // namespace quelm
