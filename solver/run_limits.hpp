// Limits of a run, checked before the scan starts.
#pragma once

#include <optional>
#include <string>

#include "solver/run_parameters.hpp"

namespace quelm {

// Why a run ends before its scan: the message line of the framed box.
struct RunStop {
    enum class Kind { Stop, Warning };
    Kind kind;
    std::string message;
};

// The first limit the run exceeds, in the order: mode range, binomial mode
// number, matrix order, number of currents, spread steps, spread with a
// binomial bunch.
std::optional<RunStop> checkRunLimits(const RunParameters& p);

// The number-of-currents check alone; it must pass before the bunch-length
// and tune tables are filled.
std::optional<RunStop> checkCurrentCount(const RunParameters& p);

}  // namespace quelm
