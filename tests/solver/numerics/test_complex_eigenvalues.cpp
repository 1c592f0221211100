#include "solver/numerics/complex_eigenvalues.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <functional>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "tests/support/lapack_reference.hpp"


namespace {

using quelm::EISCG2;
using Complex = std::complex<double>;

// A complex matrix in the solver's layout: two column-major float arrays.
struct SplitMatrix {
    SplitMatrix(int nm, int n) : nm(nm), n(n), re(std::size_t(nm) * n), im(std::size_t(nm) * n) {}

    float& r(int i, int j) { return re[std::size_t(j - 1) * nm + (i - 1)]; }
    float& c(int i, int j) { return im[std::size_t(j - 1) * nm + (i - 1)]; }
    void set(int i, int j, std::complex<float> v)
    {
        r(i, j) = v.real();
        c(i, j) = v.imag();
    }
    double frobeniusNorm()
    {
        double sum = 0.0;
        for (int j = 1; j <= n; ++j) {
            for (int i = 1; i <= n; ++i) {
                sum += double(r(i, j)) * r(i, j) + double(c(i, j)) * c(i, j);
            }
        }
        return std::sqrt(sum);
    }

    int nm;
    int n;
    std::vector<float> re;
    std::vector<float> im;
};

struct Eigenvalues {
    std::vector<float> wr;
    std::vector<float> wi;
    int ierr = -1;
};

Eigenvalues eigenvaluesOf(SplitMatrix a)
{
    Eigenvalues result;
    result.wr.assign(std::size_t(std::max(a.n, 1)), 0.0f);
    result.wi.assign(std::size_t(std::max(a.n, 1)), 0.0f);
    EISCG2(a.nm, a.n, a.re.data(), a.im.data(), result.wr.data(), result.wi.data(), result.ierr);
    return result;
}

std::vector<Complex> sortedDiagonal(SplitMatrix& a)
{
    std::vector<Complex> d;
    for (int i = 1; i <= a.n; ++i) {
        d.emplace_back(a.r(i, i), a.c(i, i));
    }
    std::sort(d.begin(), d.end(), [](Complex x, Complex y) {
        return x.real() != y.real() ? x.real() < y.real() : x.imag() < y.imag();
    });
    return d;
}

std::vector<Complex> sortedEigenvalues(const Eigenvalues& e, int n)
{
    std::vector<Complex> w;
    for (int i = 0; i < n; ++i) {
        w.emplace_back(e.wr[std::size_t(i)], e.wi[std::size_t(i)]);
    }
    std::sort(w.begin(), w.end(), [](Complex x, Complex y) {
        return x.real() != y.real() ? x.real() < y.real() : x.imag() < y.imag();
    });
    return w;
}

TEST(Eiscg2, OrderOneReturnsTheEntry)
{
    SplitMatrix a(3, 1);
    a.set(1, 1, {2.5f, -0.75f});
    const Eigenvalues e = eigenvaluesOf(a);
    EXPECT_EQ(e.ierr, 0);
    EXPECT_EQ(e.wr[0], 2.5f);
    EXPECT_EQ(e.wi[0], -0.75f);
}

TEST(Eiscg2, ZeroMatrixHasZeroEigenvalues)
{
    SplitMatrix a(7, 7);
    const Eigenvalues e = eigenvaluesOf(a);
    EXPECT_EQ(e.ierr, 0);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(e.wr[std::size_t(i)], 0.0f);
        EXPECT_EQ(e.wi[std::size_t(i)], 0.0f);
    }
}

// Triangular matrices are taken apart by the permutations of the balancing
// alone, and the eigenvalues are the diagonal entries exactly.
TEST(Eiscg2, TriangularMatricesGiveTheirDiagonalExactly)
{
    for (const bool upper : {true, false}) {
        SplitMatrix a(9, 8);
        for (int j = 1; j <= 8; ++j) {
            for (int i = 1; i <= 8; ++i) {
                if (i == j || (upper ? i < j : i > j)) {
                    a.set(i, j, {0.37f * float(3 * i - 2 * j), 0.11f * float(i + j)});
                }
            }
        }
        SplitMatrix balanced = a;
        int low = 0;
        int igh = 0;
        std::vector<float> scale(8);
        quelm::CBAL(9, 8, balanced.re.data(), balanced.im.data(), low, igh, scale.data());
        EXPECT_EQ(low, igh) << (upper ? "upper" : "lower");

        const Eigenvalues e = eigenvaluesOf(a);
        EXPECT_EQ(e.ierr, 0);
        EXPECT_EQ(sortedEigenvalues(e, 8), sortedDiagonal(a)) << (upper ? "upper" : "lower");
    }
}

void expectExactly(const std::vector<float>& wr, const std::vector<float>& wi,
                   const std::vector<std::complex<float>>& expected)
{
    ASSERT_GE(wr.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(wr[i], expected[i].real()) << "eigenvalue " << i + 1;
        EXPECT_EQ(wi[i], expected[i].imag()) << "eigenvalue " << i + 1;
    }
}

// The expected values below are the digit-for-digit results, in the order
// returned, of the published single-precision routines.

// Small entries with many ties in the pivot searches.
TEST(Eiscg2, ReproducesThePublishedArithmetic)
{
    SplitMatrix a(8, 6);
    for (int j = 1; j <= 6; ++j) {
        for (int i = 1; i <= 8; ++i) {
            // Rows 7 and 8 lie outside the order and must not be read.
            const bool inside = i <= 6;
            a.r(i, j) = inside ? float((3 * i + 5 * j) % 7 - 3) / 2.0f : 99.0f;
            a.c(i, j) = inside ? float((2 * i + j) % 5 - 2) / 4.0f : -99.0f;
        }
    }
    const Eigenvalues e = eigenvaluesOf(a);
    EXPECT_EQ(e.ierr, 0);
    expectExactly(e.wr, e.wi,
                  {{1.5854156f, 2.14026785f},
                   {-1.6359551f, 2.12086535f},
                   {2.29882193f, -0.121852741f},
                   {0.854694843f, -2.33800626f},
                   {-1.12588453f, -1.52548659f},
                   {-0.477092803f, -0.0257878061f}});
}

// Rows and columns scaled by powers of 3 and 5, an isolated last row and an
// isolated first column: both kinds of permutation and the radix-2 scaling
// with its 0.95 acceptance rule take part.
TEST(Eiscg2, ReproducesThePublishedBalancing)
{
    SplitMatrix a(11, 10);
    for (int j = 1; j <= 10; ++j) {
        for (int i = 1; i <= 10; ++i) {
            const float scale = std::pow(3.0f, float(i % 4)) / std::pow(5.0f, float(j % 3));
            const bool isolated = (i == 10 && j != 10) || (j == 1 && i != 1);
            if (!isolated) {
                a.set(i, j, {float((7 * i + 3 * j * j) % 11 - 5) * 0.25f * scale,
                             float((i * j) % 5 - 2) * 0.5f * scale});
            }
        }
    }
    const Eigenvalues e = eigenvaluesOf(a);
    EXPECT_EQ(e.ierr, 0);
    expectExactly(e.wr, e.wi,
                  {{0.75f, -0.300000012f},
                   {-4.90266609f, 33.7934227f},
                   {-1.66342151f, -8.83734512f},
                   {9.50620174f, -3.55162954f},
                   {2.97322416f, 6.07919359f},
                   {-3.7252903e-07f, 2.38418579e-07f},
                   {0.160375059f, -0.613393664f},
                   {0.0962864161f, -0.290250897f},
                   {4.6857167e-09f, -4.62750904e-09f},
                   {0.899999976f, -1.79999995f}});
}

// COMLR on its own, on a Hessenberg matrix whose first shift is zero and
// whose first LR pivot is a tie between |h(1,1)| and |h(2,1)|, which keeps
// the rows in place.
TEST(Comlr, ReproducesThePublishedIteration)
{
    std::vector<float> hr = {1, -1, 0, 0, 2, 0.5f, 1, 0, 3, 0.25f, -2, 1, -1, 0, 0, 0};
    std::vector<float> hi = {0, 0, 0, 0, 0.5f, 0, 0, 0, 0, 0, 0.75f, 0, 0, 0, 0, 0};
    std::vector<float> wr(4);
    std::vector<float> wi(4);
    int ierr = -1;
    quelm::COMLR(4, 4, 1, 4, hr.data(), hi.data(), wr.data(), wi.data(), ierr);
    EXPECT_EQ(ierr, 0);
    expectExactly(wr, wi,
                  {{1.03748059f, -1.60698378f},
                   {-2.34780288f, 0.645289183f},
                   {0.693905175f, 1.70212138f},
                   {0.116417542f, 0.0095730368f}});
}

// A real 4x4 matrix on which the plain shift is zero and the LR step leaves
// the matrix unchanged: only the exceptional shifts of iterations 10 and 20
// move it, and the first eigenvalue fails at iteration 30 with IERR = EN = 4.
// The matrix left behind is that of the published routine, which takes the
// exceptional shifts at exactly those iterations.
TEST(Eiscg2, StallTakesExceptionalShiftsAndFailsAtIteration30)
{
    const float start[16] = {0, 1, -1, -1, 1, -1, 0, 1, 0, 1, 1, 1, 1, -1, 0, 0};
    SplitMatrix a(4, 4);
    std::copy(start, start + 16, a.re.begin());
    std::vector<float> wr(4, 5.0f);
    std::vector<float> wi(4, 5.0f);
    int ierr = 0;
    EISCG2(4, 4, a.re.data(), a.im.data(), wr.data(), wi.data(), ierr);
    EXPECT_EQ(ierr, 4);
    // Nothing converged: WI untouched, WR holds the LR interchange record.
    EXPECT_EQ(wi, std::vector<float>(4, 5.0f));

    const float expected[16][2] = {
        {-1.6898613f, -1.7433821f},   {0.0372093655f, -0.145043612f},
        {-1.0f, 0.0f},                {-1.0f, 0.0f},
        {3.92541051f, -0.602254689f}, {-1.67319369f, -1.63318193f},
        {2.21004105f, -1.23544908f},  {0.5f, 0.0f},
        {1.55342579f, 3.00148773f},   {0.426248193f, -0.812971473f},
        {0.0406106859f, 0.0283924863f}, {0.000103329163f, -0.000199438931f},
        {-1.56431866f, 1.18536401f},  {2.66507435f, 0.424560398f},
        {-1.50634861f, 2.82505894f},  {0.0135939196f, 0.00508167595f},
    };
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(a.re[std::size_t(k)], expected[k][0]) << k;
        EXPECT_EQ(a.im[std::size_t(k)], expected[k][1]) << k;
    }
}

TEST(Eiscg2, OrderAboveLeadingDimensionIsRefused)
{
    SplitMatrix a(3, 3);
    std::vector<float> wr(4, 7.0f);
    std::vector<float> wi(4, 7.0f);
    int ierr = 0;
    EISCG2(3, 4, a.re.data(), a.im.data(), wr.data(), wi.data(), ierr);
    EXPECT_EQ(ierr, 4);
    EXPECT_EQ(wr, std::vector<float>(4, 7.0f));
}

// Matrices with NaN or infinite entries (a division by zero upstream) end
// with an error code instead of looping in the balancing.
TEST(Eiscg2, NonFiniteEntriesEndWithAnErrorCode)
{
    for (const float bad : {std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity()}) {
        SplitMatrix a(5, 5);
        for (int j = 1; j <= 5; ++j) {
            for (int i = 1; i <= 5; ++i) {
                a.set(i, j, {float(i + 2 * j) * 0.1f, float(i - j) * 0.2f});
            }
        }
        a.r(3, 2) = bad;
        const Eigenvalues e = eigenvaluesOf(a);
        EXPECT_NE(e.ierr, 0);
    }
}

// ---------------------------------------------------------------------------
// Comparison with LAPACK's double-precision zgeev on the same float matrices.

std::vector<Complex> lapackEigenvalues(SplitMatrix& a)
{
    const int n = a.n;
    std::vector<Complex> m(std::size_t(n) * n);
    for (int j = 1; j <= n; ++j) {
        for (int i = 1; i <= n; ++i) {
            m[std::size_t(j - 1) * n + (i - 1)] = Complex(a.r(i, j), a.c(i, j));
        }
    }
    int info = 0;
    const std::vector<Complex> w = quelm::testing::zgeevEigenvalues(std::move(m), n, &info);
    EXPECT_EQ(info, 0);
    return w;
}

// Whether the two lists are equal as multisets within the tolerance: a
// perfect matching exists in which every pair is no farther apart than it
// (augmenting paths, Kuhn's method).
bool matchWithin(const std::vector<Complex>& ours, const std::vector<Complex>& reference,
                 double tolerance)
{
    const std::size_t n = ours.size();
    std::vector<int> matchOfReference(n, -1);
    const std::function<bool(std::size_t, std::vector<char>&)> augment =
        [&](std::size_t i, std::vector<char>& seen) {
            for (std::size_t k = 0; k < n; ++k) {
                if (seen[k] || std::abs(ours[i] - reference[k]) > tolerance) {
                    continue;
                }
                seen[k] = 1;
                if (matchOfReference[k] < 0 ||
                    augment(std::size_t(matchOfReference[k]), seen)) {
                    matchOfReference[k] = int(i);
                    return true;
                }
            }
            return false;
        };
    for (std::size_t i = 0; i < n; ++i) {
        std::vector<char> seen(n, 0);
        if (!augment(i, seen)) {
            return false;
        }
    }
    return true;
}

// Fills the matrix and returns the size its eigenvalues are measured against:
// the Frobenius norm of the matrix, or of its unscaled form.
using MatrixMaker = std::function<double(SplitMatrix&, std::mt19937&)>;

// Compares EISCG2 with zgeev on `count` matrices of random order 1..200 plus
// one of order 200, with the tolerance relative to the maker's size.
void compareWithLapack(const MatrixMaker& make, unsigned seed, int count, double tolerance)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> order(1, 200);
    for (int t = 0; t <= count; ++t) {
        const int n = t == 0 ? 200 : order(random);
        const int nm = n + int(random() % 3);
        SplitMatrix a(nm, n);
        const double norm = std::max(make(a, random), 1e-30);
        const std::vector<Complex> reference = lapackEigenvalues(a);
        const Eigenvalues e = eigenvaluesOf(a);
        ASSERT_EQ(e.ierr, 0) << "order " << n;
        std::vector<Complex> ours;
        for (int i = 0; i < n; ++i) {
            ours.emplace_back(e.wr[std::size_t(i)], e.wi[std::size_t(i)]);
        }
        EXPECT_TRUE(matchWithin(ours, reference, tolerance * norm)) << "order " << n;
    }
}

std::complex<float> gaussian(std::mt19937& random)
{
    std::normal_distribution<float> normal(0.0f, 1.0f);
    const float re = normal(random);
    return {re, normal(random)};
}

TEST(Eiscg2AgainstLapack, DenseRandomMatrices)
{
    compareWithLapack(
        [](SplitMatrix& a, std::mt19937& random) {
            for (int j = 1; j <= a.n; ++j) {
                for (int i = 1; i <= a.n; ++i) {
                    a.set(i, j, gaussian(random));
                }
            }
            return a.frobeniusNorm();
        },
        11, 30, 1e-4);
}

// Integer azimuthal mode numbers on the diagonal, repeated for the radial
// modes of each, and a dense complex coupling of random strength. The LR
// transformations grow on these spread diagonals, so single precision keeps
// fewer digits here than on dense random matrices (largest error seen about
// 1.4e-4 of the norm, against 1e-5).
TEST(Eiscg2AgainstLapack, ModeCouplingShapedMatrices)
{
    compareWithLapack(
        [](SplitMatrix& a, std::mt19937& random) {
            const int radial = 1 + int(random() % 10);
            const int lowestMode = -int(random() % 6);
            const float strength = 0.02f + 0.5f * std::uniform_real_distribution<float>()(random);
            for (int j = 1; j <= a.n; ++j) {
                for (int i = 1; i <= a.n; ++i) {
                    std::complex<float> v = strength * gaussian(random);
                    if (i == j) {
                        v += float(lowestMode + ((i - 1) / radial) % 11);
                    }
                    a.set(i, j, v);
                }
            }
            return a.frobeniusNorm();
        },
        12, 30, 1e-3);
}

// Many zero entries in a permuted block-triangular pattern: the balancing
// isolates rows and columns before the iteration.
TEST(Eiscg2AgainstLapack, MatricesWithIsolatedRowsAndColumns)
{
    compareWithLapack(
        [](SplitMatrix& a, std::mt19937& random) {
            std::vector<int> position(std::size_t(a.n));
            for (int i = 0; i < a.n; ++i) {
                position[std::size_t(i)] = i;
            }
            std::shuffle(position.begin(), position.end(), random);
            const int block = 1 + int(random() % 8);
            for (int j = 1; j <= a.n; ++j) {
                for (int i = 1; i <= a.n; ++i) {
                    const int pi = position[std::size_t(i - 1)] / block;
                    const int pj = position[std::size_t(j - 1)] / block;
                    if (pi <= pj || random() % 5 == 0) {
                        a.set(i, j, gaussian(random));
                    }
                }
            }
            return a.frobeniusNorm();
        },
        13, 30, 1e-4);
}

// Rows and columns scaled by powers of two over many decades, which the
// balancing undoes.
TEST(Eiscg2AgainstLapack, BadlyScaledMatrices)
{
    compareWithLapack(
        [](SplitMatrix& a, std::mt19937& random) {
            std::vector<int> exponent(std::size_t(a.n));
            for (int& e : exponent) {
                e = int(random() % 21) - 10;
            }
            double unscaledSquares = 0.0;
            for (int j = 1; j <= a.n; ++j) {
                for (int i = 1; i <= a.n; ++i) {
                    const int e = exponent[std::size_t(i - 1)] - exponent[std::size_t(j - 1)];
                    const std::complex<float> v = gaussian(random);
                    unscaledSquares += std::norm(std::complex<double>(v));
                    a.set(i, j, std::ldexp(1.0f, e) * v);
                }
            }
            return std::sqrt(unscaledSquares);
        },
        14, 30, 1e-4);
}

} // namespace
