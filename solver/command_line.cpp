#include "solver/command_line.hpp"

namespace quelm {

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            if (argument == "--") {
                optionsEnded = true;
            } else if (argument == "--help" || argument == "-h") {
                line.help = true;
            } else if (argument == "--single-precision") {
                line.precision = EigenPrecision::Single;
            } else {
                line.error = "unknown option " + argument;
                return line;
            }
        } else if (line.input.empty()) {
            line.input = argument;
        } else {
            line.error = "more than one input file";
            return line;
        }
    }
    return line;
}

}  // namespace quelm
