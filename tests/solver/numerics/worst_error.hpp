#pragma once

// Worst error of an accuracy sweep, printed with the place it occurred so
// that the test log doubles as the accuracy table.

#include <cmath>
#include <complex>
#include <cstdio>
#include <string>

namespace quelm::test {

class WorstError {
public:
    explicit WorstError(std::string label) : label_(std::move(label)) {}

    void add(double error, std::complex<double> where)
    {
        if (!(error <= worst_)) { // NaN counts as the worst
            worst_ = error;
            where_ = where;
        }
    }

    // Prints the worst error and where it occurred; returns the error.
    double report() const
    {
        std::printf("  accuracy %-44s worst %.2e at (%.17g, %.17g)\n", label_.c_str(), worst_,
                    where_.real(), where_.imag());
        return worst_;
    }

private:
    std::string label_;
    double worst_ = 0.0;
    std::complex<double> where_;
};

inline double relativeError(double value, double reference)
{
    return std::fabs(value - reference) / std::fabs(reference);
}

} // namespace quelm::test
