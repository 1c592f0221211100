#include "solver/convergence_check.hpp"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "solver/constants.hpp"
#include "solver/current_scan.hpp"
#include "solver/mode_labels.hpp"

namespace quelm {
namespace {

ConvergenceStep stepOf(const RunParameters& p, std::optional<double> threshold) {
    return {p.NMODF, p.NMODE, p.KRAD, p.NTOT, threshold};
}

bool agree(const std::optional<double>& a, const std::optional<double>& b, double tolerance) {
    if (!a || !b) return !a && !b;
    return std::fabs(*b - *a) <= tolerance * std::fabs(*a);
}

}  // namespace

std::optional<double> scanThreshold(const RunParameters& p, const ConvergenceSettings& settings) {
    CurrentScan scan(p, settings.precision);
    std::ostringstream discarded;
    if (scan.run(discarded, discarded, discarded, settings.threads)) return std::nullopt;
    return findThreshold(scanCurrents(p), labelModes(p, scan.results()), settings.thresholdTolerance).current;
}

ConvergenceCheck checkConvergence(const RunParameters& p, const Threshold& threshold,
                                  const ConvergenceSettings& settings) {
    ConvergenceCheck check{settings.tolerance, false, {stepOf(p, threshold.current)}};
    RunParameters larger = p;
    for (;;) {
        --larger.NMODF;
        ++larger.NMODE;
        larger.KRAD += 2;
        computeDerivedQuantities(larger);
        if (larger.NTOT > MAX_MODES) return check;
        check.steps.push_back(stepOf(larger, scanThreshold(larger, settings)));
        const auto& last = check.steps.back();
        if (agree(check.steps[check.steps.size() - 2].threshold, last.threshold, settings.tolerance)) {
            check.converged = true;
            return check;
        }
    }
}

void writeConvergenceTable(std::ostream& out, const ConvergenceCheck& check) {
    char line[96];
    std::snprintf(line, sizeof line, "convergence of the threshold (relative tolerance %g):\n", check.tolerance);
    out << line << " NMODF NMODE  KRAD order  threshold (mA)\n";
    for (const ConvergenceStep& s : check.steps) {
        std::snprintf(line, sizeof line, " %5d %5d %5d %5d  %s\n", s.NMODF, s.NMODE, s.KRAD, s.order,
                      s.threshold ? currentText(*s.threshold).c_str() : "stable");
        out << line;
    }
    if (check.converged) {
        out << "converged: the last two steps agree within the tolerance\n";
    } else {
        out << "NOT converged: the next step would exceed the matrix order limit of " << MAX_MODES << '\n';
    }
}

}  // namespace quelm
