#include "solver/numerics/real_zero.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using quelm::DZERO;

struct CountedFunction {
    double (*f)(double);
    int calls = 0;
    double operator()(double x)
    {
        ++calls;
        return f(x);
    }
};

TEST(Dzero, FindsZerosInBothModes)
{
    struct Case {
        double (*f)(double);
        double a, b, zero;
    };
    const Case cases[] = {
        {[](double x) { return x * x - 2.0; }, 0.0, 2.0, std::sqrt(2.0)},
        {[](double x) { return std::cos(x) - x; }, 0.0, 1.0, 0.7390851332151607},
        {[](double x) { return (x * x - 2.0) * x - 5.0; }, 2.0, 3.0, 2.0945514815423265},
        {[](double x) { return std::exp(x) - 1e-3; }, -20.0, 5.0, std::log(1e-3)},
    };
    for (const int mode : {1, 2}) {
        for (const Case& c : cases) {
            CountedFunction f{c.f};
            const double eps = 1e-12;
            const double zero = DZERO(c.a, c.b, eps, 100, f, mode);
            EXPECT_NEAR(zero, c.zero, 2.0 * eps * (1.0 + std::fabs(c.zero)))
                << "mode " << mode << " zero " << c.zero;
            EXPECT_LE(f.calls, 20) << "mode " << mode << " zero " << c.zero;
        }
    }
}

TEST(Dzero, ExactZeroAtAnEndPointIsReturned)
{
    const double zero = DZERO(1.5, 4.0, 1e-10, 50, [](double x) { return x - 1.5; }, 2);
    EXPECT_EQ(zero, 1.5);
}

TEST(Dzero, StopsAfterMaxfFunctionValues)
{
    CountedFunction f{[](double x) { return std::atan(x - 0.3); }};
    const double zero = DZERO(-10.0, 10.0, 0.0, 6, f, 1);
    EXPECT_EQ(f.calls, 6);
    EXPECT_GE(zero, -10.0);
    EXPECT_LE(zero, 10.0);
}

TEST(Dzero, IllegalModeComposesItsMessage)
{
    CountedFunction f{[](double x) { return x; }};
    std::string message;
    EXPECT_EQ(DZERO(-1.0, 1.0, 1e-8, 50, f, 3, &message), 0.0);
    EXPECT_EQ(message, "MODE =   3 ILLEGAL");
    EXPECT_EQ(f.calls, 0);
}

TEST(Dzero, SameSignComposesItsMessage)
{
    std::string message;
    EXPECT_EQ(DZERO(1.0, -2.5e-3, 1e-8, 50, [](double x) { return x * x + 1.0; }, 1, &message),
              0.0);
    EXPECT_EQ(message, "F(A) AND F(B) HAVE THE SAME SIGN, A =  1.00000000D+00, B = "
                       "-2.50000000D-03");
    EXPECT_LE(message.size(), 80u);

    // Without a buffer the failure is silent.
    EXPECT_EQ(DZERO(1.0, 2.0, 1e-8, 50, [](double x) { return x; }, 2), 0.0);
}

} // namespace
