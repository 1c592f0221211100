#pragma once

// The complex error function for the Gaussian-bunch impedance integrals.

#include <complex>

namespace quelm {

// W = w(Z) = e^(-Z²)·erfc(-iZ), the Faddeeva function, for any complex Z.
//
// Method: Gautschi's algorithm (Gautschi 1969/70) in the first quadrant.
// With x = |Re Z|, y = |Im Z|: inside the rectangle y < 4.29, x < 5.33 the
// Laplace continued fraction, cut at ν = 9 + ⌊21s⌋ terms, is combined with a
// Taylor sum of N = 6 + ⌊23s⌋ terms about the point shifted by h = 1.6s,
// s = (1 - y/4.29)·sqrt(1 - x²/28.41); outside it the continued fraction
// alone is used with ν = 8. On the real axis the real part is exp(-x²).
// Left of the imaginary axis w(-x̄) = conj w(x) gives the sign of the
// imaginary part; below the real axis w(Z) = 2·e^(-Z²) - w(-Z).
//
// Measured against a 100-digit Taylor series of w on |Z| <= 9.5: relative
// error at most 8.4e-11 inside the rectangle and 4.5e-10 outside it (worst
// on the real axis just past x = 5.33, where eight continued-fraction terms
// are least enough); below the real axis at most 1.3e-10 relative to
// max(|w|, |2e^(-Z²)|), since w has zeros there.
void CWERF(std::complex<double>& W, const std::complex<double>& Z);

}  // namespace quelm
