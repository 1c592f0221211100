#pragma once

// ZNTMM: a zero of a complex function by Muller's method.
//
// Method: Muller (MTAC 10, 1956): each step goes to the root, nearer to the
// newest point, of the quadratic through the last three points (the
// denominator of larger modulus is taken; a secant step when two points
// coincide), limited to a step bound that starts at 10 |Z0| (10 for Z0 = 0)
// and grows to 10 |z| with the iterate. The three start points are Z0 and
// Z0 (1 +- i h), h = 2^-95 (h, h (1 +- i) for Z0 = 0). Since h lies far below
// double precision, for a Z0 whose real and imaginary parts are both of
// ordinary size the start points coincide, their values are equal, the
// search restarts once around Z0 and then returns Z0 itself with IERR = 0
// (MAXIT = 2). A real search starts only where the offsets survive (Z0 = 0,
// or one part of Z0 zero) and the function's values differ on the scale of h
// there (z^2 + 1 at 0 does in its imaginary part, z - 5 does not).
//
// Convergence: |z0 - z2| <= EPS1 |z0| (EPS1 when z0 = 0) and |f(z0)| <= EPS2.
// Failure codes: IERR = 2000 for EPS1 < 0, EPS2 < 0 or MAXIT < 1 (F is not
// called, Z = Z0); 1000 when the step stays below h |z| four times in a row;
// 3100 when the value does not fall while the step does not shrink three
// times in a row; 3200 when either happens five times in a row; 3000 after
// MAXIT iterations. On return MAXIT holds the iterations done. The returned
// outcome names the ending; it tells apart the two endings with IERR = 0:
// convergence, and the start that came back because the function took one
// value at all three points twice.
//
// Measured accuracy: from Z0 = 0 with EPS1 = EPS2 = 1e-12, the zero -i of
// z^2 + 1 in 4 iterations and the zero 1 of z^3 - 1 in 11, both with
// residuals below 1e-53.

#include "solver/numerics/function_ref.hpp"

#include <complex>

namespace quelm {

// Complex function: writes f(z) into its first argument.
using ComplexFunction = FunctionRef<void(std::complex<double>&, const std::complex<double>&)>;

enum class MullerOutcome {
    Converged,         // IERR = 0
    FlatFunction,      // IERR = 0: equal values at the start points, twice
    StepsBelowOffset,  // IERR = 1000
    Diverging,         // IERR = 3100 or 3200
    IterationLimit,    // IERR = 3000
    BadArguments,      // IERR = 2000
};

MullerOutcome ZNTMM(ComplexFunction F, const std::complex<double>& Z0, double EPS1, double EPS2, int& MAXIT,
                    std::complex<double>& Z, int& IERR);

}  // namespace quelm
