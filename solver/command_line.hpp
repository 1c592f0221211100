// The solver's command line: options, then at most one input file.
#pragma once

#include <string>
#include <vector>

#include "solver/quelmw.hpp"

namespace quelm {

struct CommandLine {
    bool help = false;
    std::string input;  // empty: ask on the console
    EigenPrecision precision = EigenPrecision::Double;
    std::string error;  // a usage error, when not empty
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace quelm
