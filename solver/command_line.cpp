#include "solver/command_line.hpp"

#include <charconv>
#include <cmath>

#include "solver/convergence_check.hpp"

namespace quelm {
namespace {

// A positive finite number, or nothing.
std::optional<double> positiveNumber(const std::string& text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || !(value > 0.0)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool optionsEnded = false;
    double convergeTolerance = DEFAULT_CONVERGENCE_TOLERANCE;
    bool converge = false;
    for (std::size_t a = 0; a < arguments.size(); ++a) {
        std::string argument = arguments[a];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            if (!line.input.empty()) {
                line.error = "more than one input file";
                return line;
            }
            line.input = argument;
            continue;
        }
        // An option's value follows it, as the next argument or after '='.
        std::optional<std::string> attached;
        if (const auto equals = argument.find('='); equals != std::string::npos) {
            attached = argument.substr(equals + 1);
            argument.resize(equals);
        }
        const auto value = [&](double& target) {
            const std::string text = attached ? *attached : a + 1 < arguments.size() ? arguments[++a] : "";
            const auto number = positiveNumber(text);
            if (!number) line.error = argument + " needs a positive number, not '" + text + "'";
            if (number) target = *number;
            return number.has_value();
        };
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == "--version") {
            line.version = true;
        } else if (argument == "--single-precision") {
            line.precision = EigenPrecision::Single;
        } else if (argument == "--converge") {
            converge = true;
        } else if (argument == "--converge-tolerance") {
            if (!value(convergeTolerance)) return line;
            converge = true;
        } else if (argument == "--threshold-tolerance") {
            if (!value(line.thresholdTolerance)) return line;
        } else {
            line.error = "unknown option " + argument;
            return line;
        }
    }
    if (converge) line.convergeTolerance = convergeTolerance;
    return line;
}

}  // namespace quelm
