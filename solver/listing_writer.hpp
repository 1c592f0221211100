// The solver's listing: banner, echo of the input groups and stop boxes.
#pragma once

#include <ostream>

#include "solver/run_limits.hpp"
#include "solver/run_parameters.hpp"

namespace quelm {

// The framed banner with title, date and time of the run.
void writeBanner(std::ostream& out, const RunParameters& p);

// The echo of the five input groups, with the values in force.
void writeInputEcho(std::ostream& out, const RunParameters& p);

// The framed box of a run that ends before its scan.
void writeStopBox(std::ostream& out, const RunStop& stop);

}  // namespace quelm
