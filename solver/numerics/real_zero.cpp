#include "solver/numerics/real_zero.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace quelm {
namespace {

// A double in the Fortran edit descriptor 1PD15.8: "-1.23456789D+02",
// right-justified in 15 characters; a three-digit exponent drops the D.
std::string formatD15_8(double value) {
    if (std::isnan(value)) {
        return "            NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "       Infinity" : "      -Infinity";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.8E", value);
    std::string field(text);
    const std::size_t e = field.find('E');
    const std::string exponent = field.substr(e + 1);
    field = field.substr(0, e) + (exponent.size() > 3 ? exponent : "D" + exponent);
    return std::string(field.size() < 15 ? 15 - field.size() : 0, ' ') + field;
}

void compose(std::string* message, const std::string& text) {
    if (message != nullptr) {
        *message = text.substr(0, 80);
    }
}

bool sameSign(double x, double y) { return std::copysign(1.0, x) == std::copysign(1.0, y); }

// Per-mode constants: non-halving steps allowed before a forced bisection,
// and the step count at which the interpolation step is doubled (-1: never).
constexpr int stepsBeforeBisection[2] = {2, 3};
constexpr int doublingStep[2] = {-1, 3};

// Step from b by inverse interpolation, kept at least tol long and at most
// the bisection step hb. a is the previous point and d the one before it.
double interpolationStep(int mode, int steps, bool& linearOnly, double a, double fa, double b, double fb, double d,
                         double fd, double hb, double tol) {
    tol = std::copysign(tol, hb);
    double p = (b - a) * fb;
    double q = 0.0;
    const bool linear = mode == 1 ? steps <= 1 : linearOnly;
    if (linear) {
        q = fa - fb;
        linearOnly = false;
    } else {
        const double fdb = (fd - fb) / (d - b);
        const double fda = (fd - fa) / (d - a);
        p = fda * p;
        q = fdb * fa - fda * fb;
    }
    if (p < 0.0) {
        p = -p;
        q = -q;
    }
    if (steps == doublingStep[mode - 1]) {
        p = p + p;
    }
    if (p == 0.0 || p <= q * tol) {
        return tol;
    }
    if (p < hb * q) {
        return p / q;
    }
    return hb;
}

}  // namespace

double DZERO(double A, double B, double EPS, int MAXF, FunctionRef<double(double)> F, int MODE, std::string* message) {
    if (MODE != 1 && MODE != 2) {
        char text[16];
        std::snprintf(text, sizeof text, "%3d", MODE);
        compose(message, "MODE = " + std::string(text) + " ILLEGAL");
        return 0.0;
    }
    double fa = F(B);
    double fb = F(A);
    if (fa * fb > 0.0) {
        compose(message, "F(A) AND F(B) HAVE THE SAME SIGN, A = " + formatD15_8(A) + ", B = " + formatD15_8(B));
        return 0.0;
    }
    const double absoluteEps = std::fabs(EPS);
    double b = A;
    double a = B;
    double c = a;
    double fc = fa;
    double d = a;
    double fd = fa;
    bool linearOnly = true;
    int calls = 2;
    int steps = 0;
    for (;;) {
        // Keep b the best point: |f(b)| <= |f(c)|.
        if (std::fabs(fc) < std::fabs(fb)) {
            if (c != a) {
                d = a;
                fd = fa;
            }
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = absoluteEps * (1.0 + std::fabs(b));
        const double hb = 0.5 * (c + b) - b;
        if (std::fabs(hb) <= tol || calls >= MAXF) {
            return b;
        }
        const double w = steps > stepsBeforeBisection[MODE - 1]
                             ? hb
                             : interpolationStep(MODE, steps, linearOnly, a, fa, b, fb, d, fd, hb, tol);
        d = a;
        a = b;
        fd = fa;
        fa = fb;
        b = b + w;
        ++calls;
        fb = F(b);
        if (fb == 0.0 || sameSign(fc, fb)) {
            // The new point replaces the contrapoint side: the old best point
            // becomes the other end of the bracket.
            c = a;
            fc = fa;
            steps = 0;
        } else if (w == hb) {
            steps = 0;
        } else {
            ++steps;
        }
    }
}

}  // namespace quelm
