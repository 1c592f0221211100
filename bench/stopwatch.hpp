// Wall-clock seconds of one call, for the benchmarks.
#pragma once

#include <chrono>

inline double secondsOf(const auto& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
