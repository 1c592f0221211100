// The convergence check of a run's threshold against the truncation of
// the mode set: the scan repeated with KRAD enlarged by 2 and the
// azimuthal range by 1 on each side, step by step, until the threshold
// changes by less than a relative tolerance or the matrix would exceed
// the order limit of 500.
#pragma once

#include <optional>
#include <ostream>
#include <vector>

#include "solver/numerics/matrix_eigenvalues.hpp"
#include "solver/run_parameters.hpp"
#include "solver/threshold.hpp"

namespace quelm {

inline constexpr double DEFAULT_CONVERGENCE_TOLERANCE = 0.01;

// One step of a convergence check: the mode range and its threshold.
struct ConvergenceStep {
    int NMODF, NMODE, KRAD, order;
    std::optional<double> threshold;  // mA; none when the scan stays stable
};

struct ConvergenceCheck {
    double tolerance;  // relative change of the threshold that counts as converged
    bool converged;
    std::vector<ConvergenceStep> steps;
};

struct ConvergenceSettings {
    double tolerance = DEFAULT_CONVERGENCE_TOLERANCE;
    double thresholdTolerance = DEFAULT_THRESHOLD_TOLERANCE;
    int threads = 1;
    EigenPrecision precision = EigenPrecision::Double;
};

// `p` is a run whose scan gave `threshold` (its derived quantities set).
ConvergenceCheck checkConvergence(const RunParameters& p, const Threshold& threshold,
                                  const ConvergenceSettings& settings);

// The check as a small table with its verdict, for standard output.
void writeConvergenceTable(std::ostream& out, const ConvergenceCheck& check);

// The threshold of the scan of run `p` (derived quantities set) with its
// messages discarded; none when the scan stops or stays stable.
std::optional<double> scanThreshold(const RunParameters& p, const ConvergenceSettings& settings);

}  // namespace quelm
