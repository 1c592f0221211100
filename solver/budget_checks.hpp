// The impedance budget of group ZPARM before the scan: its items checked,
// its table file read, and the warning when the bunch spectrum reaches
// beyond the table.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "solver/impedance_budget.hpp"
#include "solver/run_limits.hpp"
#include "solver/run_parameters.hpp"

namespace quelm {

// Below this part of the bunch spectrum beyond the table's last frequency
// the table counts as long enough.
inline constexpr double NEGLIGIBLE_SPECTRUM_FRACTION = 1e-6;

// The first item of the budget the run cannot use, naming it: resonator
// count, frequencies, shunt impedances and quality factors of the
// resonators, the wall's length, radius, conductivity and beta function,
// the table's beta function, and a binomial bunch (a budget needs a
// Gaussian one).
std::optional<RunStop> checkImpedanceBudget(const RunParameters& p);

// Reads the samples of a table: per line frequency (MHz), Re Z and Im Z
// (MOhm/m), separated by blanks or commas; "#" starts a comment.  A line
// that is not three finite numbers, a negative frequency, a frequency not
// above the line before, or a table without samples stops the run with a
// message naming `name` and the line.
std::optional<RunStop> readImpedanceTable(std::istream& in, const std::string& name,
                                          std::vector<ImpedanceSample>& table);

// Reads ZTFILE, relative to the directory of the input file `inputPath`,
// into budget.table (nothing without ZTFILE).
std::optional<RunStop> loadImpedanceTable(ImpedanceBudget& budget, const std::string& inputPath);

// The part of the bunch spectrum beyond the table's last frequency, the
// largest over the currents of the scan (0 without a table).
double spectrumBeyondTable(const RunParameters& p);

// When that part is more than negligible, says so once in the listing and
// on `errors` (the impedance is taken as zero there), and returns the words
// for the results file.
std::optional<std::string> warnAboutTableReach(std::ostream& listing, std::ostream& errors, const RunParameters& p);

}  // namespace quelm
