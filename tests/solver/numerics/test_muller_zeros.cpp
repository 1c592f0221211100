#include "solver/numerics/muller_zeros.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

namespace {

using quelm::ZNTMM;
using Complex = std::complex<double>;

struct Search {
    Complex z;
    int ierr = -1;
    int iterations = 0;
    int calls = 0;
};

Search findZero(const auto& f, Complex z0, double eps1, double eps2, int maxit)
{
    Search s;
    s.iterations = maxit;
    ZNTMM(
        [&](Complex& value, const Complex& z) {
            ++s.calls;
            value = f(z);
        },
        z0, eps1, eps2, s.iterations, s.z, s.ierr);
    return s;
}

TEST(Zntmm, BadArgumentsAreRefused)
{
    const auto f = [](Complex z) { return z - 1.0; };
    const Search noIterations = findZero(f, 0.5, 1e-10, 1e-10, 0);
    EXPECT_EQ(noIterations.ierr, 2000);
    EXPECT_EQ(noIterations.calls, 0);
    EXPECT_EQ(findZero(f, 0.5, -1e-10, 1e-10, 10).ierr, 2000);
    EXPECT_EQ(findZero(f, 0.5, 1e-10, -1e-10, 10).ierr, 2000);
}

// With both parts of ordinary size, the start points Z0 (1 +- i 2^-95)
// coincide with Z0 in double precision: equal values, one restart, and Z0
// comes back unchanged.
TEST(Zntmm, OrdinaryStartPointIsReturnedAfterOneRestart)
{
    const Complex z0(2.0, 1.0);
    const Search s = findZero([](Complex z) { return z * z + 1.0; }, z0, 1e-10, 1e-10, 200);
    EXPECT_EQ(s.ierr, 0);
    EXPECT_EQ(s.z, z0);
    EXPECT_EQ(s.iterations, 2);
    EXPECT_EQ(s.calls, 6);
}

TEST(Zntmm, FindsZerosFromTheOrigin)
{
    const Search square = findZero([](Complex z) { return z * z + 1.0; }, 0.0, 1e-12, 1e-12, 200);
    EXPECT_EQ(square.ierr, 0);
    EXPECT_NEAR(std::abs(square.z.real()), 0.0, 1e-12);
    EXPECT_NEAR(std::abs(square.z.imag()), 1.0, 1e-12);
    EXPECT_LT(square.iterations, 20);

    const Search cube = findZero([](Complex z) { return z * z * z - 1.0; }, 0.0, 1e-12, 1e-12, 200);
    EXPECT_EQ(cube.ierr, 0);
    EXPECT_NEAR(std::abs(cube.z), 1.0, 1e-12);
    EXPECT_NEAR(std::abs(std::pow(cube.z, 3.0) - 1.0), 0.0, 1e-11);
}

TEST(Zntmm, IterationLimit)
{
    const Search s = findZero([](Complex z) { return z * z + 1.0; }, 0.0, 1e-12, 1e-12, 2);
    EXPECT_EQ(s.ierr, 3000);
    EXPECT_EQ(s.iterations, 2);
}

// Coincident points with values that keep falling (a function that answers
// differently at every call): no step four times in a row.
TEST(Zntmm, FourStepsWithoutMovingEndTheSearch)
{
    int calls = 0;
    const Search s =
        findZero([&](Complex) { return Complex(1.0 / ++calls); }, Complex(1.0, 1.0), 1e-12, 0.0, 200);
    EXPECT_EQ(s.ierr, 1000);
    EXPECT_EQ(s.iterations, 4);
    EXPECT_EQ(s.z, Complex(1.0, 1.0));
}

TEST(Zntmm, FunctionWithoutZerosEndsInADivergenceTest)
{
    const Search s = findZero([](Complex z) { return std::exp(z); }, 0.0, 1e-12, 1e-12, 200);
    EXPECT_TRUE(s.ierr == 3100 || s.ierr == 3200) << s.ierr;
    EXPECT_LT(s.iterations, 200);
}

} // namespace
