#include "solver/mode_labels.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>

namespace quelm {
namespace {

std::vector<std::complex<double>> tunesAt(const ResultStores& results, int i) {
    std::vector<std::complex<double>> tunes;
    for (int j = 1; j <= results.modes(); ++j)
        tunes.emplace_back(results.EIGRE(j, i), -results.EIGIM(j, i));
    return tunes;
}

// Orders the first current's eigenvalues into columns and labels them.
void labelFirstCurrent(const RunParameters& p, std::vector<std::complex<double>> tunes, LabelledScan& scan) {
    std::sort(tunes.begin(), tunes.end(), [](const auto& a, const auto& b) { return a.real() < b.real(); });
    const int family = std::max(p.NTOT / std::max(p.NMODE - p.NMODF + 1, 1), 1);
    std::vector<std::complex<double>> columns;
    for (int start = 0; start < static_cast<int>(tunes.size()); start += family) {
        const int m = p.NMODF + start / family;
        const auto first = tunes.begin() + start;
        const auto last = tunes.begin() + std::min(start + family, static_cast<int>(tunes.size()));
        std::stable_sort(first, last, [m](const auto& a, const auto& b) {
            return std::abs(a - double(m)) > std::abs(b - double(m));
        });
        for (auto t = first; t != last; ++t) {
            scan.azimuthal.push_back(m);
            scan.radial.push_back(static_cast<int>(t - first));
            columns.push_back(*t);
        }
    }
    scan.tunes.push_back(std::move(columns));
}

}  // namespace

std::vector<std::complex<double>> continueColumns(const std::vector<std::complex<double>>& before,
                                                  const std::vector<std::complex<double>>& now) {
    using Pair = std::tuple<double, std::size_t, std::size_t>;  // distance, column, value
    std::vector<Pair> pairs;
    pairs.reserve(before.size() * now.size());
    for (std::size_t c = 0; c < before.size(); ++c) {
        for (std::size_t v = 0; v < now.size(); ++v)
            pairs.emplace_back(std::abs(now[v] - before[c]), c, v);
    }
    // The pairs are taken nearest first from a heap: the matching needs only
    // the nearest few of the n^2 pairs, and sorting them all would cost more
    // than the rest of the labelling at large orders.
    const auto nearer = std::greater<Pair>();
    std::make_heap(pairs.begin(), pairs.end(), nearer);
    std::vector<std::complex<double>> columns(before.size());
    std::vector<bool> columnTaken(before.size()), valueTaken(now.size());
    std::size_t open = std::min(before.size(), now.size());
    for (auto end = pairs.end(); open > 0 && end != pairs.begin(); --end) {
        std::pop_heap(pairs.begin(), end, nearer);
        const auto& [distance, c, v] = *(end - 1);
        if (columnTaken[c] || valueTaken[v]) continue;
        columnTaken[c] = valueTaken[v] = true;
        columns[c] = now[v];
        --open;
    }
    return columns;
}

LabelledScan labelModes(const RunParameters& p, const ResultStores& results) {
    LabelledScan scan;
    const std::complex<double> notFound(std::nan(""), std::nan(""));
    std::vector<std::complex<double>> last;
    for (int i = 1; i <= results.currents(); ++i) {
        if (!results.solved(i)) {
            scan.tunes.emplace_back(static_cast<std::size_t>(results.modes()), notFound);
            continue;
        }
        if (last.empty()) {
            labelFirstCurrent(p, tunesAt(results, i), scan);
        } else {
            scan.tunes.push_back(continueColumns(last, tunesAt(results, i)));
        }
        last = scan.tunes.back();
    }
    return scan;
}

}  // namespace quelm
