// The solver's command line: options, then at most one input file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "solver/quelmw.hpp"

namespace quelm {

struct CommandLine {
    bool help = false;
    bool version = false;
    std::string input;  // empty: ask on the console
    EigenPrecision precision = EigenPrecision::Double;
    double thresholdTolerance = DEFAULT_THRESHOLD_TOLERANCE;
    std::optional<double> convergeTolerance;  // set by --converge
    std::string error;                        // a usage error, when not empty
};

// Options: -h/--help, --version, --single-precision, --converge,
// --converge-tolerance REL, --threshold-tolerance T (also as OPTION=VALUE),
// "--" ending the options.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace quelm
