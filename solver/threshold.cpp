#include "solver/threshold.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>

namespace quelm {
namespace {

using Row = std::vector<std::complex<double>>;

bool isSolved(const Row& row) { return !row.empty() && !std::isnan(row.front().real()); }

// The column of the fastest-growing eigenvalue.
std::size_t fastestGrowing(const Row& row) {
    return static_cast<std::size_t>(
        std::max_element(row.begin(), row.end(), [](const auto& a, const auto& b) { return a.imag() < b.imag(); }) -
        row.begin());
}

// The partner of column u in a merge: the eigenvalue nearest the complex
// conjugate of u's, when it is near enough to count as one.
std::optional<std::size_t> mergePartner(const Row& row, std::size_t u) {
    const std::complex<double> mirror = std::conj(row[u]);
    std::optional<std::size_t> best;
    for (std::size_t c = 0; c < row.size(); ++c) {
        if (c != u && (!best || std::abs(row[c] - mirror) < std::abs(row[*best] - mirror))) best = c;
    }
    if (best && std::abs(row[*best] - mirror) <= 0.25 * row[u].imag()) return best;
    return std::nullopt;
}

// The zero of the straight line through (x0, y0) and (x1, y1).
double lineZero(double x0, double y0, double x1, double y1) { return x0 + y0 / (y0 - y1) * (x1 - x0); }

// Where columns u and v merge between currents Ia (below) and Ib (above):
// the zero of their discriminant (lambda_u - lambda_v)^2, interpolated
// linearly; when the pair is already complex below, the zero of the
// interpolated square of u's growth rate.
double mergePoint(double Ia, const Row& below, double Ib, const Row& above, std::size_t u, std::size_t v) {
    const double Da = std::pow(below[u] - below[v], 2).real();
    const double Db = std::pow(above[u] - above[v], 2).real();
    if (Da > 0.0) return lineZero(Ia, Da, Ib, Db);
    const double ImA = below[u].imag(), ImB = above[u].imag();
    return lineZero(Ia, ImA * ImA, Ib, ImB * ImB);
}

std::string modeText(const std::vector<int>& modes) {
    if (modes.empty()) return "";
    if (modes.size() == 1) return ": mode m=" + std::to_string(modes[0]) + " grows";
    return ": modes m=" + std::to_string(modes[0]) + " and m=" + std::to_string(modes[1]) + " merge";
}

}  // namespace

std::string currentText(double mA) {
    char text[32];
    std::snprintf(text, sizeof text, "%#.3g", mA);
    std::string shown = text;
    if (shown.back() == '.') shown.pop_back();
    return shown;
}

Threshold findThreshold(const std::vector<double>& currents, const LabelledScan& scan, double tolerance) {
    Threshold threshold;
    threshold.tolerance = tolerance;
    std::vector<int> order;
    for (int i = 0; i < static_cast<int>(currents.size()); ++i) {
        if (i < static_cast<int>(scan.tunes.size()) && isSolved(scan.tunes[static_cast<std::size_t>(i)]))
            order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return currents[static_cast<std::size_t>(a)] < currents[static_cast<std::size_t>(b)];
    });
    const auto growth = [&](int i) {
        const Row& row = scan.tunes[static_cast<std::size_t>(i)];
        return row[fastestGrowing(row)].imag();
    };
    const auto unstable = std::find_if(order.begin(), order.end(), [&](int i) { return growth(i) > tolerance; });
    if (unstable == order.end()) {
        threshold.text = order.empty() ? "no eigenvalues were found"
                                       : "no instability up to " +
                                             currentText(currents[static_cast<std::size_t>(order.back())]) + " mA";
        return threshold;
    }

    const int b = *unstable;
    const Row& above = scan.tunes[static_cast<std::size_t>(b)];
    const std::size_t u = fastestGrowing(above);
    const std::optional<std::size_t> partner = mergePartner(above, u);
    const auto labelOf = [&](std::size_t c) {
        return c < scan.azimuthal.size() ? std::optional<int>(scan.azimuthal[c]) : std::nullopt;
    };
    for (const std::optional<std::size_t> c : {std::optional<std::size_t>(u), partner}) {
        if (c && labelOf(*c)) threshold.modes.push_back(*labelOf(*c));
    }
    std::sort(threshold.modes.rbegin(), threshold.modes.rend());
    threshold.firstUnstable = b;

    const double Ib = currents[static_cast<std::size_t>(b)];
    if (unstable == order.begin()) {
        threshold.current = Ib;
        threshold.text =
            "threshold " + currentText(Ib) + " mA or below (the first current is unstable)" + modeText(threshold.modes);
        return threshold;
    }
    const int a = *(unstable - 1);
    const double Ia = currents[static_cast<std::size_t>(a)];
    const double current = partner ? mergePoint(Ia, scan.tunes[static_cast<std::size_t>(a)], Ib, above, u, *partner)
                                   : lineZero(Ia, growth(a) - tolerance, Ib, growth(b) - tolerance);
    threshold.current = std::clamp(current, Ia, Ib);
    threshold.text = "threshold " + currentText(*threshold.current) + " mA" + modeText(threshold.modes);
    return threshold;
}

}  // namespace quelm
