#include "solver/numerics/complex_error_function.hpp"

#include "tests/solver/numerics/high_precision_reference.hpp"
#include "tests/solver/numerics/worst_error.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace quelm {
namespace {

using test::faddeevaReference;
using test::WorstError;
using Complex = std::complex<double>;

Complex w(Complex z)
{
    Complex result;
    CWERF(result, z);
    return result;
}

bool insideTaylorRectangle(Complex z)
{
    return std::fabs(z.imag()) < 4.29 && std::fabs(z.real()) < 5.33;
}

TEST(ComplexErrorFunction, KnownValues)
{
    EXPECT_EQ(w(0.0), Complex(1.0, 0.0));
    const Complex onI = w({0.0, 1.0});
    EXPECT_NEAR(onI.real(), 0.42758357615580700442, 1e-10);
    EXPECT_EQ(onI.imag(), 0.0);
    EXPECT_EQ(w(2.0).real(), std::exp(-4.0)); // real axis: exact Gaussian
    for (const Complex z : {Complex(1e4, 3e3), Complex(-2e5, 10.0), Complex(30.0, 40.0)}) {
        const Complex leading = Complex(0.0, 1.0) / (std::sqrt(M_PI) * z);
        const Complex expected = leading * (1.0 + 0.5 / (z * z) + 0.75 / (z * z * z * z));
        EXPECT_LE(std::abs(w(z) - expected), 1e-9 * std::abs(expected)) << z;
    }
}

TEST(ComplexErrorFunction, UpperHalfPlaneAgainstHighPrecisionSeries)
{
    WorstError inside("CWERF rel, Taylor rectangle");
    WorstError outside("CWERF rel, continued fraction only");
    for (double x = -9.0; x <= 9.0; x += 0.375) {
        for (double y = 0.0; y <= 7.0; y += 0.375) {
            const Complex z(x, y);
            if (std::abs(z) > 9.5) {
                continue;
            }
            const Complex reference = faddeevaReference(z);
            const double error = std::abs(w(z) - reference) / std::abs(reference);
            (insideTaylorRectangle(z) ? inside : outside).add(error, z);
        }
    }
    EXPECT_LE(inside.report(), 1e-10);
    EXPECT_LE(outside.report(), 5e-10);
}

TEST(ComplexErrorFunction, AcrossTheRegionBoundaries)
{
    WorstError worst("CWERF rel, either side of x=5.33, y=4.29");
    for (const double side : {-1e-9, 1e-9}) {
        for (double t = 0.0; t <= 5.0; t += 0.5) {
            for (const Complex z : {Complex(5.33 + side, t * 4.29 / 5.0), Complex(t * 5.33 / 5.0, 4.29 + side)}) {
                for (const Complex quadrant : {Complex(1, 0), Complex(-1, 0)}) {
                    const Complex point(quadrant.real() * z.real(), z.imag());
                    const Complex reference = faddeevaReference(point);
                    worst.add(std::abs(w(point) - reference) / std::abs(reference), point);
                }
            }
        }
    }
    EXPECT_LE(worst.report(), 5e-10);
}

TEST(ComplexErrorFunction, LowerHalfPlaneByReflection)
{
    // Below the axis w = 2e^(-z²) - w(-z) grows like e^(y²-x²) and has zeros;
    // the error is measured against the larger of |w| and |2e^(-z²)|.
    WorstError worst("CWERF rel to scale, Im z < 0");
    for (double x = -6.0; x <= 6.0; x += 0.375) {
        for (double y = -0.25; y >= -4.0; y -= 0.375) {
            const Complex z(x, y);
            const Complex reference = faddeevaReference(z);
            const double scale = std::max(std::abs(reference), std::abs(2.0 * std::exp(-z * z)));
            worst.add(std::abs(w(z) - reference) / scale, z);
        }
    }
    EXPECT_LE(worst.report(), 5e-10);
}

} // namespace
} // namespace quelm
