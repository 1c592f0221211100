#include "solver/numerics/muller_zeros.hpp"

#include <algorithm>
#include <cmath>

namespace quelm {
namespace {

using Complex = std::complex<double>;

// sqrt(2^-190): the relative offset of the start points and the bound below
// which a step counts as no step.
const double tinyStep = std::ldexp(1.0, -95);

// The three latest points, z1 oldest and z0 newest, with their values.
struct MullerPoints {
    Complex z1, z2, z0;
    Complex f1, f2, f0;
    double stepLimit = 0.0;
};

// Start points around the centre, their values and the step limit.
void startAround(ComplexFunction f, Complex centre, MullerPoints& p) {
    const Complex i(0.0, 1.0);
    if (centre == 0.0) {
        p.z1 = tinyStep * (1.0 + i);
        p.z2 = tinyStep * (1.0 - i);
        p.z0 = tinyStep;
        p.stepLimit = 10.0;
    } else {
        p.z1 = centre * (1.0 + i * tinyStep);
        p.z2 = centre * (1.0 - i * tinyStep);
        p.z0 = centre;
        p.stepLimit = 10.0 * std::abs(centre);
    }
    f(p.f1, p.z1);
    f(p.f2, p.z2);
    f(p.f0, p.z0);
}

// Step from z0 to the zero of the secant through z0 and another point, or no
// step when the secant is flat.
Complex secantStep(const Complex& z0, const Complex& f0, const Complex& z, const Complex& f) {
    const Complex slopeDenominator = f0 - f;
    return slopeDenominator == 0.0 ? Complex(0.0) : -f0 * (z0 - z) / slopeDenominator;
}

// Step from z0 to the nearer zero of the quadratic through the three points.
Complex mullerStep(const MullerPoints& p) {
    const Complex lastStep = p.z0 - p.z2;
    const Complex stepBefore = p.z2 - p.z1;
    if (stepBefore == 0.0 || p.z0 == p.z1) {
        return lastStep == 0.0 ? Complex(0.0) : secantStep(p.z0, p.f0, p.z2, p.f2);
    }
    if (lastStep == 0.0) {
        return secantStep(p.z0, p.f0, p.z1, p.f1);
    }
    const Complex slope0 = (p.f0 - p.f2) / lastStep;
    const Complex slope1 = (p.f2 - p.f1) / stepBefore;
    const Complex curvature = (slope0 - slope1) / (p.z0 - p.z1);
    const Complex w = slope0 + lastStep * curvature;
    const Complex root = std::sqrt(w * w - 4.0 * p.f0 * curvature);
    const Complex denominator = std::abs(w + root) >= std::abs(w - root) ? w + root : w - root;
    return denominator == 0.0 ? Complex(0.0) : -2.0 * p.f0 / denominator;
}

// Takes the Muller step, bounded by the step limit, and moves the points on.
void advance(ComplexFunction f, MullerPoints& p) {
    Complex step = mullerStep(p);
    const double length = std::abs(step);
    if (length > p.stepLimit) {
        step *= p.stepLimit / length;
    }
    const Complex next = p.z0 + step;
    p.stepLimit = std::max(p.stepLimit, 10.0 * std::abs(next));
    p.z1 = p.z2;
    p.f1 = p.f2;
    p.z2 = p.z0;
    p.f2 = p.f0;
    p.z0 = next;
    f(p.f0, p.z0);
}

// Counts consecutive occurrences of a condition.
int runLength(int run, bool holds) { return holds ? run + 1 : 0; }

MullerOutcome outcomeOf(int ierr, bool flat) {
    switch (ierr) {
        case 0:
            return flat ? MullerOutcome::FlatFunction : MullerOutcome::Converged;
        case 1000:
            return MullerOutcome::StepsBelowOffset;
        case 2000:
            return MullerOutcome::BadArguments;
        case 3000:
            return MullerOutcome::IterationLimit;
        default:
            return MullerOutcome::Diverging;
    }
}

}  // namespace

MullerOutcome ZNTMM(ComplexFunction F, const Complex& Z0, double EPS1, double EPS2, int& MAXIT, Complex& Z, int& IERR) {
    IERR = 0;
    if (EPS1 < 0.0 || EPS2 < 0.0 || MAXIT < 1) {
        IERR = 2000;
        Z = Z0;
        return MullerOutcome::BadArguments;
    }
    MullerPoints p;
    startAround(F, Z0, p);
    bool restarted = false;
    bool flat = false;
    int tinySteps = 0;
    int notFalling = 0;
    int notImproving = 0;
    int iteration = 0;
    for (;;) {
        ++iteration;
        const double lastStep = std::abs(p.z0 - p.z2);
        const double stepBefore = std::abs(p.z2 - p.z1);
        const double value0 = std::abs(p.f0);
        const double value2 = std::abs(p.f2);
        const double stepTolerance = p.z0 == 0.0 ? EPS1 : EPS1 * std::abs(p.z0);
        if (lastStep <= stepTolerance && value0 <= EPS2) {
            break;
        }
        if (p.f0 == p.f2 && p.f2 == p.f1) {
            if (restarted) {
                flat = true;
                break;
            }
            restarted = true;
            tinySteps = notFalling = notImproving = 0;
            startAround(F, p.z0, p);
        } else {
            tinySteps = runLength(tinySteps, lastStep <= tinyStep * std::abs(p.z0));
            notFalling = runLength(notFalling, value0 >= value2 && lastStep >= stepBefore);
            notImproving = runLength(notImproving, value2 <= value0 || stepBefore <= lastStep);
            if (tinySteps == 4) {
                IERR = 1000;
                break;
            }
            if (notFalling == 3) {
                IERR = 3100;
                break;
            }
            if (notImproving == 5) {
                IERR = 3200;
                break;
            }
            advance(F, p);
        }
        if (iteration >= MAXIT) {
            IERR = 3000;
            break;
        }
    }
    Z = p.z0;
    MAXIT = iteration;
    return outcomeOf(IERR, flat);
}

}  // namespace quelm
