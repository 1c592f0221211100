#include "solver/physics/impedance_moments.hpp"

#include <algorithm>
#include <cmath>
#include <span>

#include "solver/constants.hpp"
#include "solver/numerics/bessel_functions.hpp"
#include "solver/numerics/complex_error_function.hpp"
#include "solver/numerics/gamma_functions.hpp"
#include "solver/numerics/gauss_quadrature.hpp"
#include "solver/physics/budget_moments.hpp"

namespace quelm {
namespace {

using Complex = std::complex<double>;

constexpr double INTEGRATION_ACCURACY = 1e-7;
constexpr double SQRT2_LITERAL = 1.41421356;

ScaledPoles polesOf(const RunParameters& p, const CurrentStep& s) {
    return {{p.WRES1, p.WRES2}, {s.ZARG1, s.ZARG2}, {p.TURN1, p.TURN2}, isMultiTurnResonator(p)};
}

Complex faddeeva(const Complex& z) {
    Complex w;
    CWERF(w, z);
    return w;
}

// T_j = I_0(Z_j), with the sum over earlier turns when the resonator rings.
Complex zerothMoment(const ScaledPoles& poles, int j) {
    const double pi = PI_SINGLE;
    const Complex& Z = poles.Z[j];
    if (!poles.multiTurn) return Complex(0.0, -pi) * faddeeva(-Z);
    const Complex gauss = std::exp(-(Z * Z));
    const Complex cot = std::cos(pi * poles.p[j]) / std::sin(pi * poles.p[j]);
    return -pi * gauss * cot + Complex(0.0, pi) * (faddeeva(Z) - gauss);
}

double factorialRatioRoot(int numerator, int denominator) { return std::sqrt(FACTRL(numerator) / FACTRL(denominator)); }

}  // namespace

int highestMomentOrder(const RunParameters& p) { return 2 * p.MABS + 4 * p.KRAD; }

double FRT(double X, double sigma, int NN) {
    const double t = sigma * X;
    return std::exp(-(t * t)) * integerPower(t / SQRT2_LITERAL, NN) - 1e-8;
}

ScaledPoles scaledPoles(const ResonatorPoles& resonator, const RunParameters& p, double SGMI) {
    const double shift = chromaticShift(p);
    return {{resonator.WRES1, resonator.WRES2},
            {p.BINFAC * SGMI * (resonator.WRES1 - shift), p.BINFAC * SGMI * (resonator.WRES2 - shift)},
            {resonator.TURN1, resonator.TURN2},
            isMultiTurnResonator(resonator.WRES1)};
}

void closedFormPoleMoments(const ScaledPoles& poles, int NN, std::span<Complex> c) {
    const double sqrt2 = std::sqrt(2.0);
    Complex U[2] = {zerothMoment(poles, 0), zerothMoment(poles, 1)};
    c[0] = U[0] - U[1];
    const int pairs = NN / 2 + 4;
    for (int j = 1; j <= pairs; ++j) {
        const double evenMoment = std::exp(GAMMLN(j - 0.5));
        Complex V[2];
        for (int i = 0; i < 2; ++i)
            V[i] = poles.Z[i] * U[i] + evenMoment;
        c[static_cast<std::size_t>(2 * j - 1)] = (V[0] - V[1]) / integerPower(sqrt2, 2 * j - 1);
        for (int i = 0; i < 2; ++i)
            U[i] = poles.Z[i] * V[i];
        c[static_cast<std::size_t>(2 * j)] = (U[0] - U[1]) / integerPower(sqrt2, 2 * j);
    }
}

double integrationHalfWidth(double sigma, int NN) {
    const double start = static_cast<double>(6.78f) / sigma;
    const double step = static_cast<double>(2.26f) / sigma;
    double L = start;
    for (int n = 0; n < 1000 && FRT(L, sigma, NN) > 0.0; ++n)
        L += step;
    return L;
}

Complex gaussianSpectrum(int N, const Complex& zeta) {
    return integerPower(zeta / SQRT2_LITERAL, N) * std::exp(-(zeta * zeta));
}

void integratedPoleMoments(const ScaledPoles& poles, int NN, double sigma, double shift, std::span<Complex> c,
                           std::ostream& console) {
    const double L = integrationHalfWidth(sigma, NN);
    const double pi = PI_SINGLE;
    const double sqrt2 = std::sqrt(2.0);
    for (int N = 0; N <= NN; ++N) {
        Complex S[2];
        for (int j = 0; j < 2; ++j) {
            const Complex pole = poles.p[j];
            auto FINT = [&](Complex& R, const Complex& z) {
                R = gaussianSpectrum(N, sigma * (z - shift)) / (z - pole);
            };
            FGAUSS(S[j], FINT, Complex(shift - L), Complex(shift + L), INTEGRATION_ACCURACY, console);
            if (poles.multiTurn) {
                const Complex& Z = poles.Z[j];
                const Complex& E = poles.E[j];
                S[j] -= Complex(0.0, 2.0 * pi) * integerPower(Z / sqrt2, N) * std::exp(-(Z * Z)) * E / (1.0 - E);
            }
        }
        c[static_cast<std::size_t>(N)] = S[0] - S[1];
    }
}

bool MomentReuseRule::mustRecompute(int i, double SGMI) {
    if (reference_ != 0.0) relativeChange_ = std::fabs(SGMI - reference_) / reference_;
    if (i > 1 && relativeChange_ <= ONE_THOUSANDTH_SINGLE) return false;
    reference_ = SGMI;
    return true;
}

ImpedanceMoments::ImpedanceMoments(const RunParameters& p) {
    if (p.LBIN) {
        binomialSize_ = static_cast<std::size_t>(std::max(2 * p.KRAD + p.MABS + 1, 0));
        binomial_.resize(binomialSize_ * binomialSize_);
        besselScratch_.resize(2 * static_cast<std::size_t>(std::max(p.MU + 2 * p.KRAD + p.MABS + 2, 1)));
    } else {
        gaussian_.resize(static_cast<std::size_t>(std::max(highestMomentOrder(p) + 9, 1)));
    }
}

void ImpedanceMoments::compute(const RunParameters& p, const CurrentStep& s, std::ostream& listing,
                               std::ostream& console) {
    if (p.LBIN) {
        fillBinomial(p, s, listing, console);
    } else if (p.ZPARM) {
        budgetMoments(p, s, gaussian_, console);
    } else if (p.LZOT) {
        closedFormPoleMoments(polesOf(p, s), highestMomentOrder(p), gaussian_);
    } else {
        integratedPoleMoments(polesOf(p, s), highestMomentOrder(p), s.SGMI, chromaticShift(p), gaussian_, console);
    }
}

// Binomial bunch.  The integrand is kept of order one by carrying the
// factor 2^(2mu+2) C_ab inside it and dividing each Bessel function by
// y^(mu+1) separately, so that the quadrature's accuracy test is relative
// and nothing overflows for large mu.  The wake of earlier turns carries the
// same factor.
void ImpedanceMoments::fillBinomial(const RunParameters& p, const CurrentStep& s, std::ostream& listing,
                                    std::ostream& console) {
    const ScaledPoles poles = polesOf(p, s);
    const int mu = p.MU;
    const double sigma = s.SGMI;
    const double shift = chromaticShift(p);
    const double scale = std::ldexp(1.0, 2 * mu + 2);
    const double near = 10.0 / (p.BINFAC * sigma);
    const double far = 30.0 / (p.BINFAC * sigma);
    const double pi = PI_SINGLE;
    const std::size_t besselLength = besselScratch_.size() / 2;
    const std::span<Complex> bessel[2] = {std::span(besselScratch_).first(besselLength),
                                          std::span(besselScratch_).last(besselLength)};
    for (int a = 0; a < static_cast<int>(binomialSize_); ++a) {
        const int orderA = mu + a + 1;
        if (poles.multiTurn) {
            for (int j = 0; j < 2; ++j) {
                std::fill(bessel[j].begin(), bessel[j].end(), Complex());
                WBSJA(poles.Z[j], 0.0, orderA, 3, bessel[j], listing);
            }
        }
        for (int b = 0; b <= a; ++b) {
            const int orderB = mu + b + 1;
            const double Cab = FACTRL(mu) * factorialRatioRoot(orderA, a) * factorialRatioRoot(orderB, b);
            Complex S[2];
            for (int j = 0; j < 2; ++j) {
                const Complex pole = poles.p[j];
                auto FBIN = [&](Complex& R, const Complex& z) {
                    const double y = p.BINFAC * sigma * (z.real() - shift);
                    const double yPower = integerPower(y, mu + 1);
                    R = scale * Cab * (BESSJ(orderA, y) / yPower) * (BESSJ(orderB, y) / yPower) / (z - pole);
                };
                Complex part;
                FGAUSS(part, FBIN, Complex(shift - far), Complex(shift - near), INTEGRATION_ACCURACY, console);
                S[j] = part;
                FGAUSS(part, FBIN, Complex(shift + near), Complex(shift + far), INTEGRATION_ACCURACY, console);
                S[j] += part;
                FGAUSS(part, FBIN, Complex(shift - near), Complex(shift + near), INTEGRATION_ACCURACY, console);
                S[j] += part;
                if (poles.multiTurn) {
                    const Complex& Z = poles.Z[j];
                    const Complex& E = poles.E[j];
                    S[j] -= Complex(0.0, 2.0 * pi) * scale * Cab * bessel[j][static_cast<std::size_t>(orderA)] *
                            bessel[j][static_cast<std::size_t>(orderB)] * integerPower(Z, -(2 * mu + 2)) * E /
                            (1.0 - E);
                }
            }
            binomial_[static_cast<std::size_t>(a) * binomialSize_ + static_cast<std::size_t>(b)] = S[0] - S[1];
            binomial_[static_cast<std::size_t>(b) * binomialSize_ + static_cast<std::size_t>(a)] = S[0] - S[1];
        }
    }
}

std::vector<Complex> closedFormMoments(const RunParameters& p, const CurrentStep& step) {
    std::vector<Complex> c(static_cast<std::size_t>(highestMomentOrder(p) + 9));
    closedFormPoleMoments(polesOf(p, step), highestMomentOrder(p), c);
    c.resize(static_cast<std::size_t>(highestMomentOrder(p) + 1));
    return c;
}

std::vector<Complex> integratedMoments(const RunParameters& p, const CurrentStep& step, std::ostream& console) {
    std::vector<Complex> c(static_cast<std::size_t>(highestMomentOrder(p) + 1));
    integratedPoleMoments(polesOf(p, step), highestMomentOrder(p), step.SGMI, chromaticShift(p), c, console);
    return c;
}

namespace {

double closedFormDisagreement(const ScaledPoles& poles, int NN, double sigma, double shift, std::ostream& console) {
    std::vector<Complex> closed(static_cast<std::size_t>(NN + 9)), integrated(static_cast<std::size_t>(NN + 1));
    closedFormPoleMoments(poles, NN, closed);
    integratedPoleMoments(poles, NN, sigma, shift, integrated, console);
    double worstDifference = 0.0, largest = 0.0;
    for (std::size_t N = 0; N < integrated.size(); ++N) {
        worstDifference = std::max(worstDifference, std::abs(closed[N] - integrated[N]));
        largest = std::max(largest, std::abs(integrated[N]));
    }
    return largest > 0.0 ? worstDifference / largest : 0.0;
}

}  // namespace

double closedFormDisagreement(const RunParameters& p, const CurrentStep& step, std::ostream& console) {
    const int NN = highestMomentOrder(p);
    const double shift = chromaticShift(p);
    if (!p.ZPARM) return closedFormDisagreement(polesOf(p, step), NN, step.SGMI, shift, console);
    double worst = 0.0;
    for (const Resonator& r : resonatorsOf(p)) {
        const ScaledPoles poles = scaledPoles(resonatorPoles(r.FREQ, r.QV, p.REVFRQ), p, step.SGMI);
        worst = std::max(worst, closedFormDisagreement(poles, NN, step.SGMI, shift, console));
    }
    return worst;
}

bool ImpedanceMoments::isFinite(const RunParameters& p) const {
    const auto finite = [](const std::complex<double>& z) {
        return std::isfinite(z.real()) && std::isfinite(z.imag());
    };
    if (p.LBIN) return std::all_of(binomial_.begin(), binomial_.end(), finite);
    const auto used = std::min(gaussian_.size(), static_cast<std::size_t>(highestMomentOrder(p) + 1));
    return std::all_of(gaussian_.begin(), gaussian_.begin() + static_cast<std::ptrdiff_t>(used), finite);
}

}  // namespace quelm
