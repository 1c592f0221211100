#include "solver/run_limits.hpp"

#include "solver/io/edit_descriptors.hpp"

namespace quelm {
namespace {

// "TEXT1" I5 "TEXT2" I5, as the box prints its message.
RunStop stop(const char* first, long long value, const char* second, long long limit) {
    return {RunStop::Kind::Stop, first + edit::I(value, 5) + second + edit::I(limit, 5)};
}

}  // namespace

std::optional<RunStop> checkCurrentCount(const RunParameters& p) {
    if (p.NCR > MAX_CURRENTS) return stop("NCR:", p.NCR, " EXCEEDS MAXIMUM NCM:", MAX_CURRENTS);
    return std::nullopt;
}

std::optional<RunStop> checkRunLimits(const RunParameters& p) {
    // An empty mode range would run a scan over a matrix of no modes.
    if (p.NMODE < p.NMODF) return stop("NMODE:", p.NMODE, " IS BELOW NMODF:", p.NMODF);
    // A binomial bunch has no negative mode number.
    if (p.LBIN && p.MU < 0) return stop("MU:", p.MU, " IS BELOW MINIMUM MU:", 0);
    if (p.NTOT > MAX_MODES) return stop("TOTAL NUMBER OF MODES:", p.NTOT, " EXCEEDS MAXIMUM NM:", MAX_MODES);
    if (auto currents = checkCurrentCount(p)) return currents;
    if (p.NSTPS > MAX_SPREAD_STEPS) {
        return stop("NSTPS:", p.NSTPS, " EXCEEDS MAXIMUM NS:", MAX_SPREAD_STEPS);
    }
    if (p.LBIN && p.SPRD != 0.0) return RunStop{RunStop::Kind::Warning, "NO TUNE SPREAD IS ALLOWED WHEN LBIN=.T."};
    return std::nullopt;
}

}  // namespace quelm
