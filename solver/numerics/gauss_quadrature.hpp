#pragma once

// FGAUSS: integral of a complex function along a straight segment of the
// complex plane.
//
// Method: adaptive Gauss-Legendre quadrature on a straight path, the classic
// complex-path GAUSS scheme of the scientific program libraries. The current
// sub-segment (initially the whole path) is integrated with the 8-point and
// the 16-point rules; when the two agree, |S16 - S8|^2 <= EPS^2 (1 + |S16|^2),
// S16 is accepted and the rest of the path is tried in one piece, otherwise
// the sub-segment is halved. The abscissae and weights are the Gauss-Legendre
// values rounded to single precision, the arithmetic is double precision.
//
// Failure: when a sub-segment shrinks to a squared length of no more than
// |B - A|^2 * 1e-24 the line "CGAUSS ... TOO HIGH ACCURACY REQUIRED" goes to
// the console and RESULT is 0.
//
// Measured accuracy, EPS = 1e-7: z^2 over [0, 2] gives 8/3 within 2e-9 (the
// single-precision nodes, not EPS, set this); exp(z) from 0 to 1 + i and
// 1/(z - p) past a pole 0.1 off the path agree with the exact values within
// 3e-10 relative.

#include "solver/numerics/function_ref.hpp"

#include <array>
#include <complex>
#include <iostream>

namespace quelm {

// Complex integrand: writes f(z) into its first argument.
using ComplexIntegrand = FunctionRef<void(std::complex<double>&, const std::complex<double>&)>;

// Positive abscissae and weights of the 8- and 16-point Gauss-Legendre rules,
// as single-precision values.
inline constexpr std::array<float, 4> gaussAbscissae8 = {0.18343464249564980f, 0.52553240991632899f,
                                                         0.79666647741362674f, 0.96028985649753623f};
inline constexpr std::array<float, 4> gaussWeights8 = {0.36268378337836198f, 0.31370664587788729f, 0.22238103445337447f,
                                                       0.10122853629037626f};
inline constexpr std::array<float, 8> gaussAbscissae16 = {
    0.09501250983763744f, 0.28160355077925891f, 0.45801677765722739f, 0.61787624440264375f,
    0.75540440835500303f, 0.86563120238783174f, 0.94457502307323258f, 0.98940093499164993f};
inline constexpr std::array<float, 8> gaussWeights16 = {
    0.18945061045506850f, 0.18260341504492359f, 0.16915651939500254f, 0.14959598881657673f,
    0.12462897125553387f, 0.09515851168249278f, 0.06225352393864789f, 0.02715245941175409f};

// RESULT := integral of F(z) dz along the segment from A to B, to the
// relative accuracy EPS. The failure line is written to console.
void FGAUSS(std::complex<double>& RESULT, ComplexIntegrand F, const std::complex<double>& A,
            const std::complex<double>& B, double EPS, std::ostream& console = std::cout);

}  // namespace quelm
