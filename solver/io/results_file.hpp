// The results file NAME.json: what a run computed, in full double
// precision, for scripts and notebooks (docs/results-file.md has the
// schema).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "solver/convergence_check.hpp"
#include "solver/current_scan.hpp"
#include "solver/mode_labels.hpp"
#include "solver/numerics/matrix_eigenvalues.hpp"
#include "solver/result_stores.hpp"
#include "solver/run_limits.hpp"
#include "solver/run_parameters.hpp"
#include "solver/threshold.hpp"

namespace quelm {

inline constexpr int RESULTS_SCHEMA_VERSION = 1;

// A root counts as a zero of the dispersion relation when |DET| there is
// below this part of the smallest |DET| around it.
inline constexpr double ROOT_ZERO_RATIO = 1e-3;

// What a run leaves for the results file.  `results` and `labels` are
// null when a check stopped the run before its scan.
struct RunResults {
    EigenPrecision precision = EigenPrecision::Double;
    std::optional<RunStop> stop;
    const ResultStores* results = nullptr;
    const LabelledScan* labels = nullptr;
    std::vector<ScanWarning> warnings;
    Threshold threshold;
    std::optional<ConvergenceCheck> convergence;
};

// The text of the results file of run `p`.
std::string resultsFileText(const RunParameters& p, const RunResults& run);

}  // namespace quelm
