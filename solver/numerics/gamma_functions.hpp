#pragma once

// Factorials and the gamma function: the mode normalisations of the
// coupling matrix use factorials and ln Γ, the Bessel functions of complex
// argument use Γ of their order.

namespace quelm {

// N! for N >= 0. 0!..32! come from a constant table built by the exact
// recurrence (j+1)! = (j+1)·j!; larger N use exp(GAMMLN(N + 1)) (relative
// error below 3e-10, see GAMMLN; +inf from N = 171 on). A negative N writes "negative factorial" to
// the console and returns NaN; the run goes on.
double FACTRL(const int& N);

// ln Γ(X) for X > 0 by the six-term Lanczos series (γ = 5, coefficients
// 76.18009173 ... -5.36382e-06, √(2π) = 2.50662827465), the classic
// single-precision-era fit.
// Measured against Boost.Math lgamma: absolute error at most 2.1e-10 on
// (0, 100] (so Γ itself to 2.1e-10 relative), relative error at most
// 2.6e-13 on [100, 1e6]. Returns NaN for X <= 0 or NaN.
double GAMMLN(const double& X);

// Γ(X) for X > 0: the argument is brought into [3, 4) with Γ(x+1) = x·Γ(x)
// and Γ there is a 16-term Chebyshev series in t = 2x - 7 summed by
// Clenshaw's recurrence.
// Measured against Boost.Math tgamma: relative error at most 4.4e-16 on
// [3, 4), 6.7e-16 on (0, 10], 1.7e-15 on [10, 171] (rounding of the
// reduction products). Returns NaN for X <= 0 or NaN and +inf for X >= 172
// (where Γ exceeds the double range).
double DGAMMA(const double& X);

// Single-precision Γ: DGAMMA of the widened argument, rounded back.
float GAMMA(const float& X);

}  // namespace quelm
