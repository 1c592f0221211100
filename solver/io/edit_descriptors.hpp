// Fortran-style edit descriptors for the solver's fixed-layout records.
//
// The listing and the plot file are written as records whose fields follow
// the classic edit descriptors (Aw, nX, Iw, Lw, Fw.d, Ew.d, Gw.d, 1PEw.d).
// Each function here renders one field exactly as a Fortran runtime does:
// right-aligned, asterisks when the value does not fit, the optional leading
// zero dropped only when the field would otherwise overflow, three-digit
// exponents written without the letter (0.10000+101), "NaN", "Infinity" /
// "Inf" for IEEE specials.  Decimal digits are correctly rounded from the
// binary value (ties to even, as the C library does).  The G-editing choice
// between fixed and exponent form is made in the arithmetic of the value's
// own type, so single-precision ordinates switch form exactly where a
// single-precision Fortran value would.
#pragma once

#include <string>
#include <string_view>

namespace quelm::edit {

// Aw: the text, cut to w characters or right-aligned in w.
std::string A(std::string_view text, int w);
// nX: n blanks.
std::string X(int n);
// Iw: integer right-aligned in w characters.
std::string I(long long value, int w);
// Lw: T or F right-aligned in w characters.
std::string L(bool value, int w);

// Fw.d: fixed point with d decimals.
std::string F(double value, int w, int d);
// Ew.d: 0.ddddE+ee with d significant digits.
std::string E(double value, int w, int d);
// 1PEw.d: d.ddddE+ee, one digit before the point and d after it.
std::string PE(double value, int w, int d);
// Gw.d: fixed point with d significant digits followed by four blanks when
// 0.1 <= |x| < 10**d (after rounding) or x = 0, else Ew.d.
std::string G(double value, int w, int d);
std::string G(float value, int w, int d);

}  // namespace quelm::edit
