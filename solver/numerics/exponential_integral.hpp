#pragma once

// The real exponential integral used by the tune-spread dispersion function.

namespace quelm {

// E1(X) for X > 0, -Ei(-X) for X < 0, and 0 for X = 0.
//
// Methods (X > 0):
//   0 < X < 1   E1 = -γ - ln X - Σ (-X)^k / (k·k!), the alternating power
//               series;
//   X >= 1      E1 = e^(-X)·F(X), F the even part of the Laplace continued
//               fraction 1/(X+1- 1/(X+3- 4/(X+5- ...))), summed from its
//               tail with 10 + ⌊120/X⌋ terms (truncation below 1e-18).
// Methods (X < 0, t = -X, so the result is -Ei(t)):
//   t < 44      Ei = ln(t/t0) + (t - t0)·Σ h_k/(k·k!), h_k = (t^k - t0^k)/(t - t0),
//               where t0 = 0.37250741078136663446 is the positive zero of
//               Ei, carried as a double plus its remainder so that the
//               result keeps its relative accuracy next to the zero (both
//               parts have the sign of t - t0, nothing cancels);
//   t >= 44     Ei = e^t/t · Σ k!/t^k, the asymptotic series, cut at its
//               smallest terms (below 1.3e-18 relative from t = 44 on).
// The series and the continued fraction are the textbook expansions of E1
// and Ei; the zero-split form is this program's own.
//
// Measured relative error against Boost.Math expint in 50-digit arithmetic:
// at most 9.1e-16 on (0, 1), 4.3e-16 on [1, 4], 2.6e-16 on (4, 700],
// 5.1e-16 on (-6, 0) (4e-16 right at the zero of Ei), 1.1e-15 on (-12, -6],
// 1.5e-15 on (-24, -12], 1.3e-15 on [-700, -24]. E1 underflows to 0 beyond
// X = 745 and -Ei overflows to -inf below X = -716.
double DEXPIN(const double& X);

}  // namespace quelm
