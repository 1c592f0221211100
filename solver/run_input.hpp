// The solver's input file: a title record and the groups MPARM, CPARM,
// IPARM, HPARM and SPARM, in this order, then the optional group ZPARM.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "solver/io/namelist_reader.hpp"

#include "solver/run_parameters.hpp"

namespace quelm {

// The unit number under which input problems are reported.
inline constexpr int INPUT_UNIT = 5;

// Reads the title and the groups into `p` (which holds the defaults),
// then prepares the values in force (prepareAfterReading).  Throws
// InputError for malformed input.
void readRunInput(std::istream& in, const std::string& fileName, RunParameters& p);

// The groups of the input with their items, bound to `p`: MPARM, CPARM,
// IPARM, HPARM and SPARM, and ZPARM when the run has a budget.
std::vector<NamelistGroup> runInputGroups(RunParameters& p);

}  // namespace quelm
