// Times the solver's current scan on its largest matrices: 25 azimuthal x
// 20 radial modes (order 500) over 20 currents, on one thread and on all
// processors, and LAPACK's cgeev (eigenvalues only) on the same 20 matrices
// in the same run.  Prints seconds per current and the ratios.

#include <algorithm>
#include <complex>
#include <cstdio>
#include <sstream>
#include <thread>
#include <vector>

#include "bench/lapack_eigenvalues.hpp"
#include "bench/stopwatch.hpp"
#include "solver/current_scan.hpp"
#include "tests/support/mode_coupling_cases.hpp"

namespace {

using quelm::RunParameters;

constexpr int CURRENTS = 20;

// The ring example's machine with a 0.5 cm bunch; modes -12..12, k = 0..19.
RunParameters maximalRun() {
    RunParameters p = quelm::testing::ringMachine();
    p.SGMZ = 0.5;
    p.CRNT = 1.0;
    p.STPC = 1.0;
    p.NCR = CURRENTS;
    p.NMODF = -12;
    p.NMODE = 12;
    p.KRAD = 19;
    p.LZOT = false;
    quelm::prepareAfterReading(p);
    quelm::computeDerivedQuantities(p);
    return p;
}

double scanSeconds(const RunParameters& p, int threads) {
    std::ostringstream sink;
    return secondsOf([&] {
        quelm::CurrentScan scan(p);
        scan.run(sink, sink, sink, threads);
    });
}

// cgeev on the matrices of the scan, the moments computed once as the scan does.
double lapackSeconds(const RunParameters& p) {
    quelm::testing::CaseMatrices cases(p);
    LapackEigenvalues lapack(p.NTOT, p.NTOT);
    double seconds = 0.0;
    for (int i = 0; i < p.NCR; ++i) {
        const quelm::testing::Eigenvalues a = cases.dense(i);
        std::vector<std::complex<float>> single(a.begin(), a.end());
        seconds += secondsOf([&] { lapack.compute(single.data()); });
    }
    return seconds;
}

}  // namespace

int main() {
    const RunParameters p = maximalRun();
    const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::printf("current scan, matrix order %d, %d currents\n", p.NTOT, p.NCR);
    const double one = scanSeconds(p, 1);
    const double all = scanSeconds(p, threads);
    const double lapack = lapackSeconds(p);
    std::printf("  one thread:         %8.3f s per current\n", one / p.NCR);
    std::printf("  %2d threads:         %8.3f s per current   speed-up %.2f\n", threads, all / p.NCR, one / all);
    std::printf("  LAPACK cgeev alone: %8.3f s per matrix    scan (one thread) / cgeev %.2f\n", lapack / p.NCR,
                one / lapack);
}
