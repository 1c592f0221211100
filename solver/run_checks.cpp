#include "solver/run_checks.hpp"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "solver/budget_checks.hpp"
#include "solver/current_scan.hpp"
#include "solver/io/edit_descriptors.hpp"

namespace quelm {
namespace {

// "ITEM: value REASON", as the box prints it.
RunStop stop(const std::string& item, double value, const std::string& reason) {
    return {RunStop::Kind::Stop, item + ":" + edit::PE(value, 11, 3) + " " + reason};
}
RunStop stop(const std::string& item, int value, const std::string& reason) {
    return {RunStop::Kind::Stop, item + ":" + edit::I(value, 5) + " " + reason};
}

std::string indexed(const char* table, std::size_t index) {
    return std::string(table) + "(" + std::to_string(index + 1) + ")";
}

// The real items of the input, named as in the file.
std::vector<std::pair<const char*, double>> realItems(const RunParameters& p) {
    return {{"NUS", p.NUS},     {"ENGY", p.ENGY},   {"SGMZ", p.SGMZ},  {"BETAC", p.BETAC},   {"REVFRQ", p.REVFRQ},
            {"ALPHA", p.ALPHA}, {"CHROM", p.CHROM}, {"SPRD", p.SPRD},  {"CRNT", p.CRNT},     {"STPC", p.STPC},
            {"FREQ", p.FREQ},   {"RS", p.RS},       {"QV", p.QV},      {"TAUMIN", p.TAUMIN}, {"TAUMAX", p.TAUMAX},
            {"SPRD0", p.SPRD0}, {"EX", p.EX},       {"EY", p.EY},      {"FEPS", p.FEPS},     {"ZEPS", p.ZEPS},
            {"DXMAX", p.DXMAX}, {"ESPC", p.ESPC},   {"CXMAX", p.CXMAX}};
}

std::optional<RunStop> firstNonFinite(const RunParameters& p) {
    for (const auto& [name, value] : realItems(p)) {
        if (!std::isfinite(value)) return stop(name, value, "IS NOT A FINITE NUMBER");
    }
    const std::pair<const char*, const CurrentTable*> tables[] = {
        {"SGMTOC", &p.SGMTOC}, {"CTOSGM", &p.CTOSGM}, {"NUSTOC", &p.NUSTOC}, {"CTONUS", &p.CTONUS}};
    for (const auto& [name, table] : tables) {
        const auto bad = std::find_if(table->begin(), table->end(), [](double x) { return !std::isfinite(x); });
        if (bad != table->end()) {
            return stop(indexed(name, static_cast<std::size_t>(bad - table->begin())), *bad, "IS NOT A FINITE NUMBER");
        }
    }
    return std::nullopt;
}

// The number of entries a table gives: up to its last non-zero pair.
std::size_t givenEntries(const CurrentTable& currents, const CurrentTable& values) {
    std::size_t n = currents.size();
    while (n > 0 && currents[n - 1] == 0.0 && values[n - 1] == 0.0)
        --n;
    return n;
}

// A table of a quantity against the current (bunch length or synchrotron
// tune): two entries at least, increasing currents, positive values, and
// no scan current beyond its last current (where it would give zero).
std::optional<RunStop> checkTable(const char* currentsName, const CurrentTable& currents, const char* valuesName,
                                  const CurrentTable& values, double highestCurrent) {
    const std::size_t n = givenEntries(currents, values);
    if (n < 2) return stop(indexed(currentsName, n), currents[n], "TABLE NEEDS TWO ENTRIES AT LEAST");
    for (std::size_t i = 0; i < n; ++i) {
        if (!(values[i] > 0.0)) return stop(indexed(valuesName, i), values[i], "IS NOT POSITIVE");
        if (i > 0 && !(currents[i] > currents[i - 1])) {
            return stop(indexed(currentsName, i), currents[i], "DOES NOT EXCEED THE CURRENT BEFORE");
        }
    }
    if (highestCurrent > currents[n - 1]) {
        return stop(indexed(currentsName, n - 1), currents[n - 1], "IS BELOW THE SCAN'S HIGHEST CURRENT");
    }
    return std::nullopt;
}

}  // namespace

std::optional<RunStop> checkRunParameters(const RunParameters& p) {
    if (auto bad = firstNonFinite(p)) return bad;
    const double lastCurrent = p.CRNT + (p.NCR - 1) * p.STPC;
    const double lowestCurrent = p.NCR > 0 ? std::min(p.CRNT, lastCurrent) : 0.0;
    const double highestCurrent = p.NCR > 0 ? std::max(p.CRNT, lastCurrent) : 0.0;

    // Group MPARM.
    if (p.NUS == 0.0) {
        if (auto bad = checkTable("CTONUS", p.CTONUS, "NUSTOC", p.NUSTOC, highestCurrent)) return bad;
    }
    if (!(p.ENGY > 0.0)) return stop("ENGY", p.ENGY, "IS NOT POSITIVE (BEAM ENERGY)");
    if (p.SGMZ == 0.0) {
        if (auto bad = checkTable("CTOSGM", p.CTOSGM, "SGMTOC", p.SGMTOC, highestCurrent)) return bad;
    }
    if (!(p.BETAC > 0.0)) return stop("BETAC", p.BETAC, "IS NOT POSITIVE (BETA FUNCTION)");
    if (!(p.REVFRQ > 0.0)) return stop("REVFRQ", p.REVFRQ, "IS NOT POSITIVE (REVOLUTION FREQUENCY)");

    // Group CPARM.
    if (lowestCurrent < 0.0) {
        return stop(p.CRNT < 0.0 ? "CRNT" : "STPC", p.CRNT < 0.0 ? p.CRNT : p.STPC, "MAKES A SCAN CURRENT NEGATIVE");
    }
    if (p.KRAD < 0) return stop("KRAD", p.KRAD, "IS NEGATIVE (HIGHEST RADIAL MODE)");

    // Group IPARM: in a budget (group ZPARM), RS = 0 removes the resonator.
    if (p.RS != 0.0 || !p.ZPARM) {
        if (!(p.FREQ > 0.0)) return stop("FREQ", p.FREQ, "IS NOT POSITIVE (RESONATOR FREQUENCY)");
        if (!(p.QV > 0.5)) return stop("QV", p.QV, "DOES NOT EXCEED 0.5 (RESONATOR QUALITY FACTOR)");
    }

    // Group HPARM.
    if (p.NSPL < 1) return stop("NSPL", p.NSPL, "IS BELOW 1 (FRAMES OF THE REAL PARTS)");

    // Group SPARM.
    if (searchesRoots(p) && p.NSTPS < 1) return stop("NSTPS", p.NSTPS, "IS BELOW 1 (SPREAD STEPS)");
    if (p.NDISP < 0) return stop("NDISP", p.NDISP, "IS NEGATIVE (TRANSVERSE RADIAL MODES)");
    if (p.FEPS < 0.0) return stop("FEPS", p.FEPS, "IS NEGATIVE (CONVERGENCE ON THE FUNCTION)");
    if (p.ZEPS < 0.0) return stop("ZEPS", p.ZEPS, "IS NEGATIVE (CONVERGENCE ON THE ROOT)");

    // Group ZPARM.
    return p.ZPARM ? checkImpedanceBudget(p) : std::nullopt;
}

}  // namespace quelm
