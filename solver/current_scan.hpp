// The scan over the bunch current: at every current the coupling matrix,
// its eigenvalues and, with a tune spread and the dispersion integral, the
// roots of the dispersion relation over the spread steps.
#pragma once

#include <ostream>
#include <vector>

#include "solver/physics/coupling_matrix.hpp"
#include "solver/physics/impedance_moments.hpp"
#include "solver/result_stores.hpp"
#include "solver/root_search.hpp"
#include "solver/run_parameters.hpp"

namespace quelm {

// True when the roots of the dispersion relation are searched: the
// dispersion integral with a spread (it takes precedence over the matrix
// treatment of the spread).
bool searchesRoots(const RunParameters& p);

class CurrentScan {
public:
    // Storage for the run, allocated once.
    explicit CurrentScan(const RunParameters& p);

    // Runs the scan.  Quadrature failures go to `console`, messages of the
    // Bessel functions to `listing`, warnings about the run to `errors`.
    void run(std::ostream& listing, std::ostream& console, std::ostream& errors);

    const ResultStores& results() const { return results_; }
    ResultStores& results() { return results_; }
    // How often the impedance moments were computed.
    int momentComputations() const { return momentComputations_; }

private:
    void warnIfClosedFormIsInaccurate(const CurrentStep& step, std::ostream& console, std::ostream& errors) const;

    const RunParameters& p_;
    ResultStores results_;
    ImpedanceMoments moments_;
    CouplingMatrix matrix_;
    RootSearch rootSearch_;
    std::vector<float> WR_, WI_;
    int momentComputations_ = 0;
};

}  // namespace quelm
