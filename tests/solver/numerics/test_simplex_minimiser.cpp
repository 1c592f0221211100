#include "solver/numerics/simplex_minimiser.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using quelm::DOFSM;

const double defaults[3] = {0.0, 0.0, 0.0};

struct Outcome {
    double x[2] = {0.0, 0.0};
    double f = 0.0;
    int ierr = -1;
    int iterations = 0;
};

// Runs DOFSM with N = 2 from (x1, x2) with steps (1, 1).
Outcome minimise(const auto& f, const double* eps, int maxit, int mode,
                 quelm::SimplexMemory* memory = nullptr)
{
    double s[6] = {0.0, 0.0, 7.0, 7.0, 1.0, 1.0};
    Outcome out;
    out.iterations = maxit;
    DOFSM([&](const double* x) { return f(x[0], x[1]); }, s, 2, 2, 3, defaults, eps,
          out.iterations, mode, out.x, out.f, out.ierr, memory);
    return out;
}

double bowl(double x1, double x2)
{
    return (x1 - 1.0) * (x1 - 1.0) + (x2 + 2.0) * (x2 + 2.0);
}

TEST(Dofsm, InitialSimplexStepsEachCoordinate)
{
    std::vector<std::vector<double>> visited;
    double s[6] = {0.5, -1.0, 7.0, 7.0, 0.25, 2.0};
    const double eps[2] = {1e-8, 0.0};
    int maxit = 1;
    double x[2];
    double f = 0.0;
    int ierr = 0;
    DOFSM(
        [&](const double* p) {
            visited.push_back({p[0], p[1]});
            return bowl(p[0], p[1]);
        },
        s, 2, 2, 3, defaults, eps, maxit, 2, x, f, ierr);
    ASSERT_GE(visited.size(), 3u);
    EXPECT_EQ(visited[0], (std::vector<double>{0.5, -1.0}));
    EXPECT_EQ(visited[1], (std::vector<double>{0.75, -1.0}));
    EXPECT_EQ(visited[2], (std::vector<double>{0.5, 1.0}));
}

TEST(Dofsm, FindsTheMinimumOfAQuadraticInEveryConvergenceMode)
{
    const double eps[3][2] = {{1e-14, 1e-7}, {1e-14, 0.0}, {0.0, 1e-7}};
    for (const auto& e : eps) {
        const Outcome out = minimise(bowl, e, 200, 2);
        EXPECT_EQ(out.ierr, 0);
        EXPECT_NEAR(out.x[0], 1.0, 1e-6);
        EXPECT_NEAR(out.x[1], -2.0, 1e-6);
        EXPECT_NEAR(out.f, 0.0, 1e-12);
        EXPECT_GT(out.iterations, 1);
        EXPECT_LT(out.iterations, 200);
    }
}

TEST(Dofsm, IterationLimit)
{
    const double eps[2] = {1e-14, 1e-7};
    const Outcome one = minimise(bowl, eps, 1, 2);
    EXPECT_EQ(one.ierr, 3000);
    EXPECT_EQ(one.iterations, 1);

    // MAXIT <= 0 stands for 500; negative tolerances never pass.
    const double never[2] = {-1.0, -1.0};
    const Outcome defaultLimit = minimise(bowl, never, 0, 2);
    EXPECT_EQ(defaultLimit.ierr, 3000);
    EXPECT_EQ(defaultLimit.iterations, 500);
}

TEST(Dofsm, ModeOneFindsTheMaximumAndKeepsItsSign)
{
    const double eps[2] = {1e-14, 0.0};
    const Outcome out = minimise(
        [](double x1, double x2) { return -((x1 - 1.0) * (x1 - 1.0) + x2 * x2); }, eps, 200, 1);
    EXPECT_EQ(out.ierr, 0);
    EXPECT_NEAR(out.x[0], 1.0, 1e-6);
    EXPECT_NEAR(out.x[1], 0.0, 1e-6);
    EXPECT_LE(out.f, 0.0);
    EXPECT_GT(out.f, -1e-12);
}

TEST(Dofsm, UnboundedFunctionEndsWithTheSizeLimit)
{
    const double eps[2] = {1e-14, 1e-7};
    const Outcome out = minimise([](double x1, double x2) { return x1 + 0.5 * x2; }, eps, 500, 2);
    EXPECT_EQ(out.ierr, 3100);
    EXPECT_LT(out.iterations, 500);
}

TEST(Dofsm, ConvergenceModeIsRememberedWhenBothTolerancesAreZero)
{
    quelm::SimplexMemory memory;
    const double functionOnly[2] = {1e-10, 0.0};
    const double sizeOnly[2] = {0.0, 1e-6};
    const double neither[2] = {0.0, 0.0};
    minimise(bowl, functionOnly, 200, 2, &memory);
    EXPECT_EQ(memory.convergenceMode, 1);
    minimise(bowl, sizeOnly, 200, 2, &memory);
    EXPECT_EQ(memory.convergenceMode, 2);
    const Outcome out = minimise(bowl, neither, 50, 2, &memory);
    EXPECT_EQ(memory.convergenceMode, 2);
    EXPECT_EQ(out.ierr, 3000); // a zero size is never reached
}

TEST(Dofsm, InvalidDimensionsAreRefused)
{
    int calls = 0;
    double s[6] = {};
    const double eps[2] = {1e-8, 0.0};
    double x[2];
    double f = 0.0;
    int ierr = 0;
    int maxit = 10;
    const auto counted = [&](const double*) { return double(++calls); };
    DOFSM(counted, s, 0, 2, 3, defaults, eps, maxit, 2, x, f, ierr);
    EXPECT_EQ(ierr, 2000);
    DOFSM(counted, s, 2, 1, 3, defaults, eps, maxit, 2, x, f, ierr);
    EXPECT_EQ(ierr, 2000);
    EXPECT_EQ(calls, 0);
}

} // namespace
