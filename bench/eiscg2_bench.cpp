// Times EISCG2 on a 500 x 500 matrix shaped like a mode-coupling matrix
// (integer azimuthal-mode numbers on the diagonal plus a dense complex
// coupling) and LAPACK's cgeev, eigenvalues only, on the same matrix in the
// same run, and prints both times and their ratio.

#include "bench/lapack_eigenvalues.hpp"
#include "solver/numerics/complex_eigenvalues.hpp"

#include <algorithm>
#include <chrono>
#include <complex>
#include <cstddef>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int order = 500;
constexpr int radialModes = 10; // radial modes per azimuthal mode
constexpr int repetitions = 5;

// Azimuthal modes -25..24 with 10 radial modes each on the diagonal; the
// coupling falls off with the distance in azimuthal mode, as the overlap
// integrals of neighbouring head-tail modes do.
std::vector<std::complex<float>> modeCouplingMatrix()
{
    std::mt19937 generator(20240601);
    std::normal_distribution<float> normal(0.0f, 1.0f);
    std::vector<std::complex<float>> matrix(static_cast<std::size_t>(order) * order);
    for (int j = 0; j < order; ++j) {
        for (int i = 0; i < order; ++i) {
            const int mi = i / radialModes - 25;
            const int mj = j / radialModes - 25;
            const float strength = 0.3f / (1.0f + static_cast<float>(std::abs(mi - mj)));
            std::complex<float> value(strength * normal(generator), strength * normal(generator));
            if (i == j) {
                value += static_cast<float>(mi);
            }
            matrix[static_cast<std::size_t>(j) * order + i] = value;
        }
    }
    return matrix;
}

template <class Run>
double bestSeconds(Run run)
{
    double best = 1e300;
    for (int r = 0; r < repetitions; ++r) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

} // namespace

int main()
{
    const std::vector<std::complex<float>> matrix = modeCouplingMatrix();
    const std::size_t size = matrix.size();

    std::vector<float> ar(size), ai(size), wr(order), wi(order);
    int ierr = 0;
    const double eiscg2Seconds = bestSeconds([&] {
        for (std::size_t k = 0; k < size; ++k) {
            ar[k] = matrix[k].real();
            ai[k] = matrix[k].imag();
        }
        quelm::EISCG2(order, order, ar.data(), ai.data(), wr.data(), wi.data(), ierr);
    });

    std::vector<std::complex<float>> a(size);
    LapackEigenvalues lapack(order, order);
    int info = 0;
    const double cgeevSeconds = bestSeconds([&] {
        a = matrix;
        info = lapack.compute(a.data());
    });
    const std::vector<std::complex<float>>& w = lapack.eigenvalues();

    // Largest distance from an EISCG2 eigenvalue to the nearest cgeev one.
    float largestDistance = 0.0f;
    for (int j = 0; j < order; ++j) {
        float nearest = 1e30f;
        for (const auto& lambda : w) {
            nearest = std::min(nearest, std::abs(std::complex<float>(wr[j], wi[j]) - lambda));
        }
        largestDistance = std::max(largestDistance, nearest);
    }

    std::printf("matrix order %d, mode-coupling shape, best of %d runs\n", order, repetitions);
    std::printf("EISCG2: %.4f s (IERR = %d)\n", eiscg2Seconds, ierr);
    std::printf("cgeev:  %.4f s (INFO = %d)\n", cgeevSeconds, info);
    std::printf("ratio EISCG2 / cgeev: %.2f\n", eiscg2Seconds / cgeevSeconds);
    std::printf("largest distance to the nearest cgeev eigenvalue: %.3g\n", largestDistance);
    return ierr == 0 && info == 0 ? 0 : 1;
}
