#include "solver/physics/budget_moments.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "solver/numerics/gauss_quadrature.hpp"
#include "solver/physics/impedance_moments.hpp"

namespace quelm {
namespace {

using Complex = std::complex<double>;

constexpr double INTEGRATION_ACCURACY = 1e-7;
constexpr double LIGHT_SPEED = 299792458.0;                      // m/s
constexpr double VACUUM_PERMEABILITY = 4e-7 * std::numbers::pi;  // H/m

// The real interval [lo, hi] of the spectrum that the moments integrate.
struct Reach {
    double lo, hi;
};

// Integral of f over [a, b] of the real axis; 0 for an empty interval.
template <class Integrand>
Complex integrate(Integrand f, double a, double b, std::ostream& console) {
    if (b <= a) return {};
    auto F = [&](Complex& R, const Complex& x) { R = f(x.real()); };
    Complex result;
    FGAUSS(result, F, Complex(a), Complex(b), INTEGRATION_ACCURACY, console);
    return result;
}

void addResonatorMoments(const RunParameters& p, const CurrentStep& step, std::span<Complex> c, std::ostream& console) {
    const int NN = highestMomentOrder(p);
    std::vector<Complex> pair(static_cast<std::size_t>(NN + 9));
    for (const Resonator& r : resonatorsOf(p)) {
        const ScaledPoles poles = scaledPoles(resonatorPoles(r.FREQ, r.QV, p.REVFRQ), p, step.SGMI);
        if (p.LZOT) {
            closedFormPoleMoments(poles, NN, pair);
        } else {
            integratedPoleMoments(poles, NN, step.SGMI, chromaticShift(p), pair, console);
        }
        const double strength = r.RS * (r.FREQ / p.REVFRQ) / std::sqrt(4.0 * r.QV * r.QV - 1.0);
        for (int N = 0; N <= NN; ++N)
            c[static_cast<std::size_t>(N)] += strength * pair[static_cast<std::size_t>(N)];
    }
}

// (-i) Z = (-i sgn z - 1) A / sqrt|z|.  With z = u^2 on the positive side
// and z = -u^2 on the negative one, dz / sqrt|z| = 2 du.
void addResistiveWallMoments(const RunParameters& p, const CurrentStep& step, const Reach& reach, std::span<Complex> c,
                             std::ostream& console) {
    const ImpedanceBudget& budget = *p.ZPARM;
    const double weight = budget.RWBETA / p.BETAC * resistiveWallStrength(budget, p.REVFRQ);
    const double shift = chromaticShift(p);
    const double sigma = step.SGMI;
    const auto root = [](double x) { return std::sqrt(std::max(x, 0.0)); };
    for (int N = 0; N <= highestMomentOrder(p); ++N) {
        const auto positive = [&](double u) {
            return 2.0 * Complex(-1.0, -1.0) * gaussianSpectrum(N, sigma * (u * u - shift));
        };
        const auto negative = [&](double u) {
            return 2.0 * Complex(-1.0, 1.0) * gaussianSpectrum(N, sigma * (-u * u - shift));
        };
        const Complex moment = integrate(positive, root(reach.lo), root(reach.hi), console) +
                               integrate(negative, root(-reach.hi), root(-reach.lo), console);
        c[static_cast<std::size_t>(N)] += weight * moment;
    }
}

// One straight piece of the table's impedance on the positive side:
// Z(x) = Za + (Zb - Za)(x - xa)/(xb - xa) for xa <= x <= xb (revolution
// harmonics).
struct Segment {
    double xa, xb;
    Complex Za, Zb;
    Complex at(double x) const { return xb > xa ? Za + (Zb - Za) * ((x - xa) / (xb - xa)) : Za; }
};

std::vector<Segment> tableSegments(const std::vector<ImpedanceSample>& table, double REVFRQ) {
    std::vector<Segment> segments;
    const auto pointOf = [&](const ImpedanceSample& s) { return std::pair{s.MHz / REVFRQ, Complex(s.re, s.im)}; };
    auto [x, Z] = pointOf(table.front());
    if (x > 0.0) segments.push_back({0.0, x, Z, Z});
    for (std::size_t k = 1; k < table.size(); ++k) {
        const auto [xb, Zb] = pointOf(table[k]);
        segments.push_back({x, xb, Z, Zb});
        x = xb;
        Z = Zb;
    }
    return segments;
}

// Each segment and its mirror image on the negative side, where
// Z(-x) = -Z(x)*, integrated over their parts inside the reach.
void addTableMoments(const RunParameters& p, const CurrentStep& step, const Reach& reach, std::span<Complex> c,
                     std::ostream& console) {
    const ImpedanceBudget& budget = *p.ZPARM;
    const double weight = budget.ZTBETA / p.BETAC;
    const double shift = chromaticShift(p);
    const double sigma = step.SGMI;
    const Complex minusI(0.0, -1.0);
    for (const Segment& s : tableSegments(budget.table, p.REVFRQ)) {
        for (int N = 0; N <= highestMomentOrder(p); ++N) {
            const auto positive = [&](double z) { return gaussianSpectrum(N, sigma * (z - shift)) * minusI * s.at(z); };
            const auto negative = [&](double z) {
                return gaussianSpectrum(N, sigma * (z - shift)) * minusI * -std::conj(s.at(-z));
            };
            const Complex moment = integrate(positive, std::max(s.xa, reach.lo), std::min(s.xb, reach.hi), console) +
                                   integrate(negative, std::max(-s.xb, reach.lo), std::min(-s.xa, reach.hi), console);
            c[static_cast<std::size_t>(N)] += weight * moment;
        }
    }
}

// Weight of t^N e^(-t^2) beyond t, relative to its whole weight Gamma(n + 1/2),
// N = 2n: half the regularised upper incomplete gamma function
// Q(n + 1/2, t^2) for t >= 0, from Q(1/2, x) = erfc(sqrt x) and
// Q(a + 1, x) = Q(a, x) + x^a e^(-x) / Gamma(a + 1).
double tailWeight(int N, double t) {
    const double x = t * t;
    double Q = std::erfc(std::fabs(t));
    for (double a = 0.5; a < 0.5 * N; a += 1.0) {
        if (x > 0.0) Q += std::exp(a * std::log(x) - x - std::lgamma(a + 1.0));
    }
    return t >= 0.0 ? 0.5 * Q : 1.0 - 0.5 * Q;
}

}  // namespace

std::vector<Resonator> resonatorsOf(const RunParameters& p) {
    std::vector<Resonator> resonators;
    if (p.RS != 0.0) resonators.push_back({p.FREQ, p.RS, p.QV});
    if (!p.ZPARM) return resonators;
    for (int r = 0; r < std::min(p.ZPARM->NRES, MAX_BUDGET_RESONATORS); ++r) {
        const auto at = static_cast<std::size_t>(r);
        resonators.push_back({p.ZPARM->FRES[at], p.ZPARM->RSRES[at], p.ZPARM->QRES[at]});
    }
    return resonators;
}

double resistiveWallStrength(const ImpedanceBudget& budget, double REVFRQ) {
    const double b = budget.RWRAD * 1e-3;
    const double omega0 = 2.0 * std::numbers::pi * REVFRQ * 1e6;
    const double ohmPerMetre = LIGHT_SPEED * budget.RWLEN / (std::numbers::pi * b * b * b) *
                               std::sqrt(VACUUM_PERMEABILITY / (2.0 * budget.RWSIG * omega0));
    return ohmPerMetre * 1e-6;
}

void budgetMoments(const RunParameters& p, const CurrentStep& step, std::span<Complex> c, std::ostream& console) {
    std::fill(c.begin(), c.end(), Complex());
    addResonatorMoments(p, step, c, console);
    const double L = integrationHalfWidth(step.SGMI, highestMomentOrder(p));
    const Reach reach{chromaticShift(p) - L, chromaticShift(p) + L};
    if (p.ZPARM->hasResistiveWall()) addResistiveWallMoments(p, step, reach, c, console);
    if (p.ZPARM->hasTable() && !p.ZPARM->table.empty()) addTableMoments(p, step, reach, c, console);
}

double spectrumFractionBeyond(double zmax, double sigma, double shift, int NN) {
    double largest = 0.0;
    for (int N = 0; N <= NN; N += 2)
        largest = std::max(largest, tailWeight(N, sigma * (zmax - shift)) + tailWeight(N, sigma * (zmax + shift)));
    return largest;
}

}  // namespace quelm
