#include "solver/numerics/bessel_functions.hpp"

#include "solver/numerics/gamma_functions.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace quelm {

namespace {

// Polynomial Σ c_j·y^j by Horner's rule, lowest coefficient first.
template <std::size_t Size>
double horner(const std::array<double, Size>& c, double y) {
    double sum = c[Size - 1];
    for (std::size_t j = Size - 1; j-- > 0;) {
        sum = c[j] + y * sum;
    }
    return sum;
}

// sqrt(0.636619772/ax)·(P cos φ - z·Q sin φ), z = 8/ax, φ = ax - phase,
// P and Q polynomials in z²: the large-argument form of J_0 and J_1.
double hankelForm(double ax, double phase, const std::array<double, 5>& p, const std::array<double, 5>& q) {
    const double z = 8.0 / ax;
    const double y = z * z;
    const double angle = ax - phase;
    return std::sqrt(0.636619772 / ax) * (std::cos(angle) * horner(p, y) - z * std::sin(angle) * horner(q, y));
}

// J_n(ax), n >= 2, ax > n: upward recurrence from J_0 and J_1.
double upwardRecurrence(long long n, double ax) {
    const double tox = 2.0 / ax;
    double previous = BESSJ0(ax);
    double current = BESSJ1(ax);
    for (long long j = 1; j < n; ++j) {
        const double next = j * tox * current - previous;
        previous = current;
        current = next;
    }
    return current;
}

// J_n(ax), n >= 2, 0 < ax <= n: Miller's downward recurrence.
double millerRecurrence(long long n, double ax) {
    constexpr double accuracy = 40.0;
    constexpr double big = 1e10;
    constexpr double bigInverse = 1e-10;
    const double tox = 2.0 / ax;
    const long long start = 2 * ((n + static_cast<long long>(std::sqrt(accuracy * n))) / 2);
    bool addToSum = false;
    double above = 0.0;    // J_(j+1), unnormalised
    double current = 1.0;  // J_j, unnormalised
    double wanted = 0.0;
    double evenSum = 0.0;
    for (long long j = start; j > 0; --j) {
        const double below = j * tox * current - above;
        above = current;
        current = below;
        if (std::fabs(current) > big) {
            current *= bigInverse;
            above *= bigInverse;
            wanted *= bigInverse;
            evenSum *= bigInverse;
        }
        if (addToSum) {
            evenSum += current;
        }
        addToSum = !addToSum;
        if (j == n) {
            wanted = above;
        }
    }
    return wanted / (2.0 * evenSum - current);
}

// J_n(ax), n >= 2, from its power series sum_k (-1)^k (ax/2)^(2k+n) / (k! (n+k)!),
// for arguments so far below the order that Miller's recurrence cannot
// keep its numbers in range (2n/ax above 1e10).  The leading term is formed
// as a product of factors below one, so that it underflows towards zero
// instead of overflowing; the next terms fall off by (ax/2)^2/(k(n+k)).
double powerSeries(long long n, double ax) {
    const double half = ax / 2.0;
    double term = 1.0;
    for (long long i = 1; i <= n && term != 0.0; ++i) term *= half / static_cast<double>(i);
    double sum = term;
    for (long long k = 1; std::fabs(term) > 1e-17 * std::fabs(sum); ++k) {
        term *= -(half * half) / static_cast<double>(k * (n + k));
        sum += term;
    }
    return sum;
}

// Miller's recurrence rescales its numbers by 1e-10 when they pass 1e10;
// that keeps up while one step of the recurrence grows them by at most
// 2j/ax <= 1e10.
bool millerKeepsInRange(long long n, double ax) { return 2.0 * static_cast<double>(n) / ax <= 1e10; }

// J_n(x) for n >= 0.
double besselNonNegativeOrder(long long n, double x) {
    if (n == 0) {
        return BESSJ0(x);
    }
    if (n == 1) {
        return BESSJ1(x);
    }
    const double ax = std::fabs(x);
    if (ax == 0.0) {
        return 0.0;
    }
    const double value = ax > static_cast<double>(n) ? upwardRecurrence(n, ax)
                         : millerKeepsInRange(n, ax)   ? millerRecurrence(n, ax)
                                                       : powerSeries(n, ax);
    return x < 0.0 && n % 2 == 1 ? -value : value;
}

// ---- Complex argument, orders A + k ----

constexpr int kMaxOrder = 100;
constexpr int kMaxDigits = 13;     // what double arithmetic delivers for every X
constexpr double kMaxStart = 1e6;  // longest recurrence attempted
constexpr int kMaxRefinements = 20;

constexpr const char* kUnreasonableRecord = " *****PLOX C344 WBSJA ... UNREASONABLE ARGUMENT OR ORDER\n";
constexpr const char* kNoConvergenceRecord = " *****PLOX C344 WBSJA ... ITERATION DOES NOT CONVERGE, TRY SMALLER ND\n";

using OrderRun = std::array<std::complex<double>, kMaxOrder + 1>;

// Approximate solution t of t·ln t = y, y >= 0.
double inverseOfTLogT(double y) {
    static constexpr std::array<double, 6> fit = {
        1.0125, 0.85777, -0.129013, 0.0208645, -0.00176148, 5.7941e-5,
    };
    if (y <= 10.0) {
        return horner(fit, y);
    }
    const double z = std::log(y) - 0.775;
    const double p = 1.0 / (1.0 + (0.775 - std::log(z)) / (1.0 + z));
    return y * p / z;
}

// Starting index of the backward recurrence: large enough that the
// neglected solution has decayed by ln(4·10^digits) at the highest order
// wanted and over the argument's oscillatory range.
double startEstimate(const std::complex<double>& x, int nmax, int digits) {
    constexpr double ln10 = 2.3026;
    constexpr double ln4 = 1.3863;
    constexpr double halfE = 1.3591;
    constexpr double twoOverE = 0.73576;
    const double decay = ln10 * digits + ln4;
    double estimate = nmax + 2.0;
    if (nmax > 0) {
        estimate = std::max(estimate, 1.0 + 2.0 * nmax * inverseOfTLogT(0.5 * decay / nmax));
    }
    const double r = std::abs(x);
    const double y = twoOverE * decay / r;
    if (std::isfinite(y)) {
        estimate = std::max(estimate, 1.0 + halfE * r * inverseOfTLogT(y));
    }
    return estimate;
}

// J_(a+k)(x), k = 0..nmax, from one backward sweep started at index start
// (start >= nmax + 2).
void sweepFrom(int start, const std::complex<double>& x, double a, int nmax, OrderRun& values) {
    constexpr double tiny = 1e-300;
    const std::complex<double> sigma(0.0, x.imag() >= 0.0 ? -1.0 : 1.0);

    // Downward: ratios q_k = J_(a+k)/J_(a+k-1) and the nested normalisation
    // sum U_k = d_k + σ·q_(k+1)·U_(k+1), with the d_k carried up to the common
    // factor that makes g_start = 1 (d_k = 2(a+k)·g_k).
    double g = 1.0;
    std::complex<double> ratio = 0.0;
    std::complex<double> nested = 2.0 * (a + start) * g;
    for (int k = start;; --k) {
        // q_k = x/(2(a+k) - x·q_(k+1)): dividing by x at every step keeps the
        // rounding errors of the ratios independent, so that the products
        // below do not accumulate a common bias.
        std::complex<double> denominator = 2.0 * (a + k) - x * ratio;
        if (denominator == 0.0) {
            denominator = tiny;  // x sits on a zero of J_(a+k-1)
        }
        ratio = x / denominator;
        if (k <= nmax) {
            values[k] = ratio;
        }
        if (k == 1) {
            break;
        }
        g *= k / (2.0 * a + k - 1.0);
        nested = 2.0 * (a + k - 1.0) * g + sigma * ratio * nested;
    }
    // True g_1 = d_0 = Γ(1+a) fixes the common factor.
    const double gamma = DGAMMA(1.0 + a);
    const std::complex<double> sum = gamma + sigma * ratio * nested * (gamma / g);
    values[0] = std::exp(a * std::log(0.5 * x) + sigma * x) / sum;
    for (int k = 1; k <= nmax; ++k) {
        values[k] *= values[k - 1];
    }
}

bool agreeToTolerance(const OrderRun& first, const OrderRun& second, int nmax, double tolerance) {
    for (int k = 0; k <= nmax; ++k) {
        if (!(std::abs(second[k] - first[k]) <= tolerance * std::abs(second[k]))) {
            return false;
        }
    }
    return true;
}

bool reasonableArguments(const std::complex<double>& x, double a, int nmax, std::size_t room) {
    const bool orderRange = nmax >= 0 && nmax <= kMaxOrder && room > static_cast<std::size_t>(nmax);
    const bool finite = std::isfinite(x.real()) && std::isfinite(x.imag());
    const bool realNonPositive = x.imag() == 0.0 && x.real() <= 0.0;
    return orderRange && finite && !realNonPositive && a >= 0.0 && a < 1.0;
}

}  // namespace

double BESSJ0(const double& X) {
    static constexpr std::array<double, 6> numerator = {
        57568490574.0, -13362590354.0, 651619640.7, -11214424.18, 77392.33017, -184.9052456,
    };
    static constexpr std::array<double, 6> denominator = {
        57568490411.0, 1029532985.0, 9494680.718, 59272.64853, 267.8532712, 1.0,
    };
    static constexpr std::array<double, 5> p = {
        1.0, -0.1098628627e-2, 0.2734510407e-4, -0.2073370639e-5, 0.2093887211e-6,
    };
    static constexpr std::array<double, 5> q = {
        -0.1562499995e-1, 0.1430488765e-3, -0.6911147651e-5, 0.7621095161e-6, -0.934935152e-7,
    };
    const double ax = std::fabs(X);
    if (ax < 8.0) {
        const double y = X * X;
        return horner(numerator, y) / horner(denominator, y);
    }
    return hankelForm(ax, 0.785398164, p, q);
}

double BESSJ1(const double& X) {
    static constexpr std::array<double, 6> numerator = {
        72362614232.0, -7895059235.0, 242396853.1, -2972611.439, 15704.48260, -30.16036606,
    };
    static constexpr std::array<double, 6> denominator = {
        144725228442.0, 2300535178.0, 18583304.74, 99447.43394, 376.9991397, 1.0,
    };
    static constexpr std::array<double, 5> p = {
        1.0, 0.183105e-2, -0.3516396496e-4, 0.2457520174e-5, -0.240337019e-6,
    };
    static constexpr std::array<double, 5> q = {
        0.04687499995, -0.2002690873e-3, 0.8449199096e-5, -0.88228987e-6, 0.105787412e-6,
    };
    const double ax = std::fabs(X);
    if (ax < 8.0) {
        const double y = X * X;
        return X * horner(numerator, y) / horner(denominator, y);
    }
    const double value = hankelForm(ax, 2.356194491, p, q);
    return X < 0.0 ? -value : value;
}

double BESSJ(const int& N, const double& X) {
    const long long n = N;
    if (n >= 0) {
        return besselNonNegativeOrder(n, X);
    }
    const double value = besselNonNegativeOrder(-n, X);
    return n % 2 == 0 ? value : -value;
}

void WBSJA(const std::complex<double>& X, const double& A, const int& NMAX, const int& ND,
           std::span<std::complex<double>> B, std::ostream& listing) {
    if (!reasonableArguments(X, A, NMAX, B.size())) {
        listing << kUnreasonableRecord;
        return;
    }
    const int digits = std::max(ND, 1);
    const double estimate = startEstimate(X, NMAX, digits);
    if (digits > kMaxDigits || !(estimate <= kMaxStart)) {
        listing << kNoConvergenceRecord;
        return;
    }
    const double tolerance = 0.5 * std::pow(10.0, -digits);
    int start = static_cast<int>(estimate);
    OrderRun previous;
    OrderRun current;
    sweepFrom(start, X, A, NMAX, previous);
    for (int refinement = 0; refinement < kMaxRefinements; ++refinement) {
        start += 5 + start / 8;
        if (start > kMaxStart) {
            break;
        }
        sweepFrom(start, X, A, NMAX, current);
        if (agreeToTolerance(previous, current, NMAX, tolerance)) {
            std::copy_n(current.begin(), NMAX + 1, B.begin());
            return;
        }
        std::swap(previous, current);
    }
    listing << kNoConvergenceRecord;
}

}  // namespace quelm
