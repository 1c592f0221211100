// The eigenvalues of a scan arranged in columns that each follow one mode
// from the first current to the last, with the mode's labels.
//
// At zero current the eigenvalues are the azimuthal numbers m, each
// (KRAD+1)(NDISP+1) times.  At the first current of the scan the
// eigenvalues, taken in increasing real part, are given the azimuthal
// numbers NMODF, NMODF+1, ... in groups of that size; within a group the
// one that moved farthest from m is radial mode 0, the next 1, and so on.
// From one current to the next every eigenvalue is matched one to one to
// the nearest of the current before (nearest pairs first), and takes its
// column.  A current whose eigenvalues were not found has none; the
// matching resumes from the last current that had them.
//
// The labels mean what they say while the first current is well below the
// threshold (shifts below 0.5 there); after two modes merge, their
// columns may exchange the partners.
#pragma once

#include <complex>
#include <vector>

#include "solver/result_stores.hpp"
#include "solver/run_parameters.hpp"

namespace quelm {

struct LabelledScan {
    std::vector<int> azimuthal, radial;                    // per column
    std::vector<std::vector<std::complex<double>>> tunes;  // [current][column], as printed; NaN where not found
};

LabelledScan labelModes(const RunParameters& p, const ResultStores& results);

// The columns of `now` matched one to one to the nearest values of
// `before` (nearest pairs first): result[c] is the value of `now` that
// continues column c.
std::vector<std::complex<double>> continueColumns(const std::vector<std::complex<double>>& before,
                                                  const std::vector<std::complex<double>>& now);

}  // namespace quelm
