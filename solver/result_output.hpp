// The results of a run in the listing and the plot file: the tables of
// eigenvalues and roots, and every family of curves drawn twice, as plot
// commands and as a character plot.
#pragma once

#include <ostream>

#include "solver/result_stores.hpp"
#include "solver/run_parameters.hpp"

namespace quelm {

// The eigenvalue table and, with the root search, one table per spread step.
void writeResultTables(std::ostream& listing, const RunParameters& p, const ResultStores& results);

// Sorts the real parts and, separately, the stored imaginary parts of the
// eigenvalues at every current in increasing order, so that curve j of a
// plot is the j-th smallest value.
void sortEigenvaluesForPlotting(ResultStores& results, const RunParameters& p);

// Every frame: real parts split into NSPL frames, roots per spread step,
// imaginary parts, imaginary parts of the roots.  Plot commands go to
// `plotFile` when LPLE is set.
void writeResultPlots(std::ostream& listing, std::ostream& plotFile, const RunParameters& p,
                      const ResultStores& results);

}  // namespace quelm
