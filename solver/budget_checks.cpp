#include "solver/budget_checks.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "solver/current_scan.hpp"
#include "solver/io/edit_descriptors.hpp"
#include "solver/physics/budget_moments.hpp"
#include "solver/physics/bunch_parameters.hpp"
#include "solver/physics/current_step.hpp"
#include "solver/physics/impedance_moments.hpp"

namespace quelm {
namespace {

RunStop stop(std::string message) { return {RunStop::Kind::Stop, std::move(message)}; }

// A value as a message shows it: G12.5 without its blanks.
std::string shown(double value) {
    std::string text = edit::G(value, 12, 5);
    std::erase(text, ' ');
    return text;
}

// "ITEM(r): value WHAT IS WRONG", as the other stop boxes name an item.
RunStop itemStop(const char* item, int r, double value, const char* problem) {
    const std::string index = r > 0 ? "(" + std::to_string(r) + ")" : "";
    return stop(item + index + ":" + edit::PE(value, 11, 3) + " " + problem);
}

std::optional<RunStop> checkResonators(const ImpedanceBudget& b) {
    if (b.NRES < 0) return stop("NRES:" + edit::I(b.NRES, 5) + " NUMBER OF RESONATORS IS NEGATIVE");
    if (b.NRES > MAX_BUDGET_RESONATORS) {
        return stop("NRES:" + edit::I(b.NRES, 5) + " EXCEEDS MAXIMUM NRES:" + edit::I(MAX_BUDGET_RESONATORS, 5));
    }
    for (int r = 1; r <= b.NRES; ++r) {
        const auto at = static_cast<std::size_t>(r - 1);
        if (!(b.FRES[at] > 0.0)) return itemStop("FRES", r, b.FRES[at], "FREQUENCY MUST BE POSITIVE");
        if (!(b.RSRES[at] >= 0.0)) return itemStop("RSRES", r, b.RSRES[at], "SHUNT IMPEDANCE IS NEGATIVE");
        // Below 0.5 the resonator has no pair of complex poles.
        if (!(b.QRES[at] > 0.5)) return itemStop("QRES", r, b.QRES[at], "Q-VALUE MUST EXCEED 0.5");
    }
    return std::nullopt;
}

std::optional<RunStop> checkWallAndTable(const ImpedanceBudget& b) {
    const bool wall = b.hasResistiveWall();
    if (b.RWLEN < 0.0) return itemStop("RWLEN", 0, b.RWLEN, "WALL LENGTH IS NEGATIVE");
    if (b.RWRAD < 0.0 || (wall && b.RWRAD == 0.0)) return itemStop("RWRAD", 0, b.RWRAD, "RADIUS MUST BE POSITIVE");
    if (b.RWSIG < 0.0 || (wall && b.RWSIG == 0.0)) {
        return itemStop("RWSIG", 0, b.RWSIG, "CONDUCTIVITY MUST BE POSITIVE");
    }
    if (b.RWBETA < 0.0) return itemStop("RWBETA", 0, b.RWBETA, "BETA FUNCTION IS NEGATIVE");
    if (b.ZTBETA < 0.0) return itemStop("ZTBETA", 0, b.ZTBETA, "BETA FUNCTION IS NEGATIVE");
    return std::nullopt;
}

// The three numbers of a table line, or false.
bool parseSample(std::string line, ImpedanceSample& sample) {
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == ',' || c == '\t' || c == '\r'; }, ' ');
    double values[3];
    std::size_t pos = 0;
    for (double& value : values) {
        pos = line.find_first_not_of(' ', pos);
        if (pos == std::string::npos) return false;
        const auto [end, ec] = std::from_chars(line.data() + pos, line.data() + line.size(), value);
        if (ec != std::errc() || (end != line.data() + line.size() && *end != ' ')) return false;
        pos = static_cast<std::size_t>(end - line.data());
    }
    if (line.find_first_not_of(' ', pos) != std::string::npos) return false;
    sample = {values[0], values[1], values[2]};
    return true;
}

std::optional<RunStop> checkSample(const ImpedanceSample& s, const std::vector<ImpedanceSample>& before,
                                   const std::string& where) {
    if (!std::isfinite(s.MHz) || !std::isfinite(s.re) || !std::isfinite(s.im)) {
        return stop(where + ": VALUE IS NOT FINITE");
    }
    if (s.MHz < 0.0) return stop(where + ": NEGATIVE FREQUENCY");
    if (!before.empty() && !(s.MHz > before.back().MHz)) return stop(where + ": FREQUENCY NOT ABOVE THE LINE BEFORE");
    return std::nullopt;
}

}  // namespace

std::optional<RunStop> checkImpedanceBudget(const RunParameters& p) {
    if (!p.ZPARM) return std::nullopt;
    if (p.LBIN) return stop("ZPARM NEEDS A GAUSSIAN BUNCH (LBIN=F)");
    if (auto resonators = checkResonators(*p.ZPARM)) return resonators;
    return checkWallAndTable(*p.ZPARM);
}

std::optional<RunStop> readImpedanceTable(std::istream& in, const std::string& name,
                                          std::vector<ImpedanceSample>& table) {
    table.clear();
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        line.erase(std::min(line.find('#'), line.size()));
        if (line.find_first_not_of(" \t\r,") == std::string::npos) continue;
        const std::string where = name + " LINE " + std::to_string(number);
        ImpedanceSample sample{};
        if (!parseSample(line, sample)) return stop(where + ": EXPECTED FREQUENCY, RE Z, IM Z");
        if (auto bad = checkSample(sample, table, where)) return bad;
        table.push_back(sample);
    }
    if (table.empty()) return stop(name + ": NO SAMPLES IN THE IMPEDANCE TABLE");
    return std::nullopt;
}

std::optional<RunStop> loadImpedanceTable(ImpedanceBudget& budget, const std::string& inputPath) {
    if (!budget.hasTable()) return std::nullopt;
    std::filesystem::path path(budget.ZTFILE);
    if (path.is_relative()) path = std::filesystem::path(inputPath).parent_path() / path;
    std::ifstream in(path);
    if (!in || std::filesystem::is_directory(path)) return stop("CANNOT READ IMPEDANCE TABLE " + budget.ZTFILE);
    return readImpedanceTable(in, budget.ZTFILE, budget.table);
}

double spectrumBeyondTable(const RunParameters& p) {
    if (!p.ZPARM || p.ZPARM->table.empty()) return 0.0;
    const double zmax = p.ZPARM->table.back().MHz / p.REVFRQ;
    double largest = 0.0;
    for (int i = 1; i <= p.NCR; ++i) {
        const double sigma = FSGM(scanCurrent(p, i), p);
        largest = std::max(largest, spectrumFractionBeyond(zmax, sigma, chromaticShift(p), highestMomentOrder(p)));
    }
    return largest;
}

std::optional<std::string> warnAboutTableReach(std::ostream& listing, std::ostream& errors, const RunParameters& p) {
    const double fraction = spectrumBeyondTable(p);
    if (!(fraction > NEGLIGIBLE_SPECTRUM_FRACTION)) return std::nullopt;
    const ImpedanceBudget& b = *p.ZPARM;
    listing << "\n **WARNING** IMPEDANCE TABLE " << b.ZTFILE << " ENDS AT" << edit::G(b.table.back().MHz, 13, 5)
            << "(MHz):\n " << edit::X(11) << edit::E(fraction, 10, 3)
            << " OF THE BUNCH SPECTRUM (HIGHEST MODE ORDER) LIES BEYOND IT AND SEES NO IMPEDANCE\n";
    const std::string text = "the impedance table " + b.ZTFILE + " ends at " + shown(b.table.back().MHz) +
                             " MHz; a part" + edit::PE(fraction, 10, 2) +
                             " of the bunch spectrum (of the highest mode order) lies beyond it, where the impedance "
                             "is taken as zero";
    errors << "quelmw: warning: " << text << '\n';
    return text;
}

}  // namespace quelm
