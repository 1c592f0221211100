// The check of a run's parameters, once, after reading and before any
// computation: every value that would make the physics meaningless (a
// division by zero, the logarithm or square root of a negative number, a
// table that cannot be interpolated) stops the run with a framed box naming
// the item, its value and the reason.  docs/solver.md lists the checks.
#pragma once

#include <optional>

#include "solver/run_limits.hpp"
#include "solver/run_parameters.hpp"

namespace quelm {

// The first meaningless value of the run's input items, in the order the
// groups are read; nothing when all are meaningful.
std::optional<RunStop> checkRunParameters(const RunParameters& p);

}  // namespace quelm
