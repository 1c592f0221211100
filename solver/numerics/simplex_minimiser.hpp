#pragma once

// DOFSM: minimum (or maximum) of a real function of N variables by the
// simplex method.
//
// Method: Nelder and Mead, Computer Journal 7 (1965), with reflection,
// expansion, contraction and shrink towards the best vertex. Coefficients
// alpha, beta, gamma are taken from COEF when all three are >= -1e-20,
// beta < 1 and gamma > 1 or gamma <= 1e-20; a coefficient of modulus
// <= 1e-20 takes its default 1.0, 0.5 or 2.0. The convergence mode follows
// from EPS: both tests (3) when |EPS(1)| and |EPS(2)| exceed 1e-20, the
// function-spread test alone (1) or the simplex-size test alone (2) when only
// one does; with both negligible the mode of the previous call, kept in
// *memory, stays. In mode 3 a passed function test switches to mode 4 and
// the next iteration's size test decides; a failed one returns to mode 3.
//
// Arguments: S is NDIM by N+1, column by column: column 1 the start point,
// column N+1 the initial step per coordinate (overwritten by the simplex).
// NV is not read. MAXIT <= 0 means 500; on return MAXIT holds the iterations
// done. MODE = 1 maximises (the function is negated internally and FOPT
// carries its own sign), any other MODE minimises.
//
// Failure codes: IERR = 3000 when MAXIT iterations did not converge, 3100
// when the simplex grows beyond 1e15. N outside 1..100 or NDIM < N is
// refused with IERR = 2000 before F is called. The returned outcome names
// the same ending.
//
// Measured accuracy: on (x1 - 1)^2 + (x2 + 2)^2 from (0, 0) with steps (1, 1)
// the result lies within 1e-7 of (1, -2) after 52 to 55 iterations for
// EPS = (1e-14, 1e-7), (1e-14, 0) or (0, 1e-7), and within 1.1e-5 after 36
// for the solver's EPS = (1e-10, 0).

#include "solver/numerics/function_ref.hpp"

namespace quelm {

// Real function of several variables, called with a pointer to N values.
using MultivariateFunction = FunctionRef<double(const double*)>;

// Convergence mode carried from one DOFSM call to the next.
struct SimplexMemory {
    int convergenceMode = 3;
};

enum class SimplexOutcome {
    Converged,        // IERR = 0
    IterationLimit,   // IERR = 3000
    SimplexTooLarge,  // IERR = 3100
    BadArguments,     // IERR = 2000
};

SimplexOutcome DOFSM(MultivariateFunction F, double* S, int N, int NDIM, int NV, const double* COEF, const double* EPS,
                     int& MAXIT, int MODE, double* XOPT, double& FOPT, int& IERR, SimplexMemory* memory = nullptr);

}  // namespace quelm
