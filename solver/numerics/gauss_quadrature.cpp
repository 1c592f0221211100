#include "solver/numerics/gauss_quadrature.hpp"

#include <cstddef>

namespace quelm {
namespace {

double squaredModulus(const std::complex<double>& z) { return z.real() * z.real() + z.imag() * z.imag(); }

// h * sum of w_i (f(c + h x_i) + f(c - h x_i)) over the positive abscissae.
template <std::size_t Points>
std::complex<double> gaussRule(ComplexIntegrand f, const std::complex<double>& centre,
                               const std::complex<double>& halfLength, const std::array<float, Points>& abscissae,
                               const std::array<float, Points>& weights) {
    std::complex<double> sum = 0.0;
    std::complex<double> above;
    std::complex<double> below;
    for (std::size_t i = 0; i < Points; ++i) {
        const std::complex<double> offset = halfLength * static_cast<double>(abscissae[i]);
        f(above, centre + offset);
        f(below, centre - offset);
        sum += static_cast<double>(weights[i]) * (above + below);
    }
    return halfLength * sum;
}

}  // namespace

void FGAUSS(std::complex<double>& RESULT, ComplexIntegrand F, const std::complex<double>& A,
            const std::complex<double>& B, double EPS, std::ostream& console) {
    RESULT = 0.0;
    const double minimumSquaredLength = squaredModulus(B - A) * 1e-24;
    std::complex<double> start = A;
    while (squaredModulus(B - start) > minimumSquaredLength) {
        std::complex<double> end = B;
        for (;;) {
            const std::complex<double> centre = 0.5 * (start + end);
            const std::complex<double> halfLength = 0.5 * (end - start);
            const std::complex<double> s8 = gaussRule(F, centre, halfLength, gaussAbscissae8, gaussWeights8);
            const std::complex<double> s16 = gaussRule(F, centre, halfLength, gaussAbscissae16, gaussWeights16);
            if (squaredModulus(s16 - s8) <= EPS * EPS * (1.0 + squaredModulus(s16))) {
                RESULT += s16;
                start = end;
                break;
            }
            // Halving also stops when the centre no longer differs from the
            // end point, which happens first on a path far shorter than its
            // distance from the origin.
            if (centre == end || squaredModulus(centre - start) <= minimumSquaredLength) {
                console << "CGAUSS ... TOO HIGH ACCURACY REQUIRED\n";
                RESULT = 0.0;
                return;
            }
            end = centre;
        }
    }
}

}  // namespace quelm
