#pragma once

// Bessel functions of the first kind for the binomial-bunch integrals: real
// argument and integer order, and complex argument with a run of orders.

#include <complex>
#include <ostream>
#include <span>

namespace quelm {

// J_0(X). Rational approximation in X² for |X| < 8 (ratio of two degree-5
// polynomials), and for |X| >= 8 the Hankel form
// sqrt(0.636619772/|X|)·(P·cos φ - (8/|X|)·Q·sin φ), φ = |X| - 0.785398164,
// with P, Q short polynomials in (8/X)² (the coefficient sets printed in
// Numerical Recipes).
// Measured against Boost.Math (BESSJ0 and BESSJ1 together): absolute error
// at most 4.9e-9 for |X| < 8 and 2.3e-10 for 8 <= |X| <= 1000.
double BESSJ0(const double& X);

// J_1(X) by the same construction (φ = |X| - 2.356194491, sign of X);
// accuracy as BESSJ0.
double BESSJ1(const double& X);

// J_N(X) for integer N. N = 1 and N = 0 use BESSJ1 and BESSJ0; N < 0 uses
// J_-N = (-1)^N·J_N. For N >= 2: when |X| > N the upward recurrence
// J_(k+1) = (2k/|X|)·J_k - J_(k-1) from J_0, J_1; otherwise Miller's
// downward recurrence from the even index 2·⌊(N + ⌊sqrt(40N)⌋)/2⌋,
// rescaled by 1e-10 whenever a value passes 1e10 and normalised by
// J_0 + 2·Σ J_2k = 1; when one step of that recurrence would grow the values
// by more than the rescaling (2N/|X| > 1e10), the power series instead,
// whose leading term (|X|/2)^N/N! underflows towards 0 without overflow on
// the way. Odd orders change sign with X. J_N(0) = 0 for N >= 2.
// Measured against Boost.Math for 2 <= N <= 60, |X| <= 100: absolute error at
// most 6e-9 on the upward branch (inherited from BESSJ0/BESSJ1) and 1.2e-7
// on the downward branch, worst with |X| just below N where the start index
// is shortest; relative error at most 1.4e-10 for |X| <= N/2, and 1e-15 on
// the power-series branch (2N/|X| > 1e10), against Boost.Math.
double BESSJ(const int& N, const double& X);

// B[k] = J_(A+k)(X), k = 0..NMAX, for complex X, 0 <= A < 1, NMAX <= 100,
// to ND significant digits (1 <= ND <= 13; a smaller ND counts as 1).
//
// Method: Miller's backward recurrence, run on the ratios
// q_k = J_(A+k)/J_(A+k-1) = X/(2(A+k) - X·q_(k+1)) from a start index ν, the
// larger of 1 + 2·NMAX·t(D/(2·NMAX)) (decay past the highest order) and
// 1 + (e/2)·|X|·t((2/e)·D/|X|) (decay past the argument), D = ND·ln 10 + ln 4,
// t(y) the solution of t·ln t = y (a fifth-degree fit for y <= 10, an
// asymptotic form beyond). The run is normalised with Gegenbauer's series
// (X/2)^A·e^(σX) = Σ_k σ^k·d_k·J_(A+k)(X), σ = -i for Im X >= 0 and +i below,
// d_0 = Γ(1+A), d_k = 2(A+k)·Γ(1+A)·Γ(2A+k)/(Γ(2A+1)·k!); with that choice
// of σ the terms do not cancel even for large |Im X|. The recurrence is
// repeated from higher starts until two successive results agree to ND
// digits.
//
// Writes one record to the listing and leaves B unchanged when the
// arguments are unreasonable (NMAX outside 0..100, B shorter than NMAX + 1,
// X not finite or real and not positive, A outside [0, 1)), or when the
// recurrence cannot reach ND digits (always so for ND > 13, and when the
// start index would pass 1e6, i.e. |X| beyond about 6e5).
//
// Measured error relative to the local size max(|J_(A+k)|, |J_(A+k+1)|)
// (next to a real zero of J_(A+k) nothing keeps relative accuracy): at most
// 7.1e-15 against a 100-digit power series over |X| <= 30 in all four
// quadrants, A in [0, 1), NMAX = 100; against Boost.Math for real X, 9.5e-15
// at X = 1000 and 9e-14 at X = 5e5.
void WBSJA(const std::complex<double>& X, const double& A, const int& NMAX, const int& ND,
           std::span<std::complex<double>> B, std::ostream& listing);

}  // namespace quelm
