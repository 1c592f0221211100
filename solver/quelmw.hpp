// The solver driver: one run from the input file to the listing and plot file.
#pragma once

#include <ctime>
#include <optional>
#include <ostream>
#include <string>

#include "solver/current_scan.hpp"
#include "solver/threshold.hpp"

namespace quelm {

enum class RunOutcome {
    Completed,              // the run went through
    CompletedWithFailures,  // the run went through, but some numerical solves failed (WARNING lines)
    StoppedByCheck,         // a check ended the run after its box in the listing
    InputError,             // the input file is missing or malformed
    OutputError,            // the listing or plot file could not be created or written
    InternalError,          // the run could not go on (out of memory, say); nothing was written
};

// The process exit status of an outcome: 0 for a run that went through,
// 1 for input, output and internal errors, 3 for a run that a check
// stopped, 4 for a run with failed numerical solves.
int exitStatus(RunOutcome outcome);

// How a run is carried out; its results do not depend on it.
struct RunOptions {
    int threads = 1;                                    // threads of the current scan
    ScanProgress progress;                              // called as the scan goes on, when set
    std::optional<std::time_t> stampMoment;             // the date and time stamped into the listing, when not now
    EigenPrecision precision = EigenPrecision::Double;  // of the eigenvalue solver
    double thresholdTolerance = DEFAULT_THRESHOLD_TOLERANCE;  // growth rate that counts as unstable
    std::optional<double> convergeTolerance;                  // when set, check the threshold's convergence to it
};

// Runs the solver on the input file.  The run message goes to `console`,
// error messages (one line each) to `errors`; at the end of a scan the
// threshold line (and with convergeTolerance the convergence table) goes
// to `console`.  The listing, the plot file and the results file replace
// earlier ones only when the run ends (also when a check stops it); after
// an input, output or internal error the earlier files stay as they were.
RunOutcome QUELMW(const std::string& inputPath, std::ostream& console, std::ostream& errors,
                  const RunOptions& options = {});

}  // namespace quelm
