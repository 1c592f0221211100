// The solver driver: one run from the input file to the listing and plot file.
#pragma once

#include <ostream>
#include <string>

namespace quelm {

enum class RunOutcome {
    Completed,       // the run went through
    StoppedByCheck,  // a limit check ended the run after its box in the listing
    InputError,      // the input file is missing or malformed
    OutputError,     // the listing or plot file could not be created or written
};

// The process exit status of an outcome: 0 for a run that ended normally
// (a stop box is a normal end), 1 otherwise.
int exitStatus(RunOutcome outcome);

// Runs the solver on the input file.  The run message goes to `console`,
// error messages (one line each) to `errors`.
RunOutcome QUELMW(const std::string& inputPath, std::ostream& console, std::ostream& errors);

}  // namespace quelm
