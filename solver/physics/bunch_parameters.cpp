#include "solver/physics/bunch_parameters.hpp"

#include <cmath>

namespace quelm {
namespace {

constexpr double ONE_THIRD_SINGLE = static_cast<double>(1.0f / 3.0f);  // 0.3333333432674408
// The lengthening law's value at 4 mA, taken for a current of zero.
constexpr double LENGTH_AT_ZERO_CURRENT_CM = static_cast<double>(4.9638f);

}  // namespace

double interpolateTable(const CurrentTable& C, const CurrentTable& S, double X) {
    // The last entry is never searched: a segment needs a successor pair.
    for (std::size_t i = 0; i + 1 < C.size(); ++i) {
        if (C[i] >= X) {
            // At or below the first abscissa the first segment is extended.
            const std::size_t hi = i == 0 ? 1 : i;
            const double slope = (S[hi] - S[hi - 1]) / (C[hi] - C[hi - 1]);
            return slope * X + (S[hi] - slope * C[hi]);
        }
    }
    return 0.0;
}

double FSGM(double X, const RunParameters& p) {
    if (p.SGMZ > 0.0) return p.SGMZN;
    if (p.SGMZ == 0.0) return interpolateTable(p.CTOSGM, p.SGMTOC, X) / p.RRING;
    const double lengthCm = X == 0.0 ? LENGTH_AT_ZERO_CURRENT_CM : 3.127 * std::pow(X, ONE_THIRD_SINGLE);
    return lengthCm / p.RRING;
}

double FNUS(double X, const RunParameters& p) {
    if (p.NUS > 0.0) return p.NUS;
    if (p.NUS == 0.0) return interpolateTable(p.CTONUS, p.NUSTOC, X);
    return -p.NUS;
}

}  // namespace quelm
