// The scan over the bunch current: at every current the coupling matrix,
// its eigenvalues and, with a tune spread and the dispersion integral, the
// roots of the dispersion relation over the spread steps.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "solver/numerics/matrix_eigenvalues.hpp"
#include "solver/physics/coupling_matrix.hpp"
#include "solver/physics/dispersion_relation.hpp"
#include "solver/physics/impedance_moments.hpp"
#include "solver/result_stores.hpp"
#include "solver/root_search.hpp"
#include "solver/run_limits.hpp"
#include "solver/run_parameters.hpp"

namespace quelm {

// True when the roots of the dispersion relation are searched: the
// dispersion integral with a spread (it takes precedence over the matrix
// treatment of the spread).
bool searchesRoots(const RunParameters& p);

// The bunch current of the scan's i-th step (1-based, mA), and all of them
// in scan order.
double scanCurrent(const RunParameters& p, int i);
std::vector<double> scanCurrents(const RunParameters& p);

// Reports the progress of a long scan: the stage ("eigenvalues", "roots"),
// the currents done and their number.
using ScanProgress = std::function<void(const char* stage, int done, int total)>;

// A numerical failure at one current of the scan (1-based index; 0 for a
// warning about the run as a whole), in the words of its WARNING line.
struct ScanWarning {
    int current;
    std::string text;
};

// The currents are independent once it is known at which of them the
// impedance moments are recomputed (that depends only on the sequence of
// bunch lengths): the moments of each such epoch and the eigenvalues of each
// current are computed on several threads, the root search, which follows
// the roots from one current to the next, on one.  The results do not depend
// on the number of threads.
class CurrentScan {
public:
    CurrentScan(const RunParameters& p, EigenPrecision precision = EigenPrecision::Double);

    // Runs the scan on `threads` threads.  Quadrature failures go to
    // `console`, messages of the Bessel functions to `listing` (both in the
    // order a single thread would write them), warnings about the run to
    // `errors`.  A bunch length, synchrotron tune, moment table or matrix
    // that is not a finite number (or a length or tune that is not
    // positive) ends the scan at once: the stop names the current and the
    // quantity.
    std::optional<RunStop> run(std::ostream& listing, std::ostream& console, std::ostream& errors, int threads = 1,
                               const ScanProgress& progress = {});

    const ResultStores& results() const { return results_; }
    ResultStores& results() { return results_; }
    // The failures of the scan, in the order of the currents.
    const std::vector<ScanWarning>& warnings() const { return warnings_; }
    // How often the impedance moments were computed.
    int momentComputations() const { return static_cast<int>(epochs_.size()); }

private:
    void planEpochs();
    std::optional<RunStop> checkBunchParameters() const;
    std::optional<RunStop> checkMoments() const;
    void computeMoments(std::ostream& listing, std::ostream& console, std::ostream& errors, int threads);
    std::optional<RunStop> computeEigenvalues(int threads, const ScanProgress& progress);
    void searchRoots(const ScanProgress& progress);
    // |DET| at the roots of current i, with `relation` on its coupling matrix.
    void measureRoots(int i, DispersionRelation& relation);
    void warnIfClosedFormIsInaccurate(const CurrentStep& step, std::ostream& console, std::ostream& errors) const;

    const RunParameters& p_;
    EigenPrecision precision_;
    ResultStores results_;
    std::vector<ScanWarning> warnings_;
    std::vector<CurrentStep> steps_;  // per current
    std::vector<int> epochOf_;        // per current: the moment table it uses
    std::vector<int> epochs_;         // per epoch: the current (0-based) whose length it was computed for
    std::vector<ImpedanceMoments> moments_;
};

}  // namespace quelm
