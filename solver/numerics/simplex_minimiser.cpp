#include "solver/numerics/simplex_minimiser.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace quelm {
namespace {

constexpr int maxVariables = 100;
constexpr double negligible = 1e-20;

struct Coefficients {
    double reflection = 1.0;
    double contraction = 0.5;
    double expansion = 2.0;
};

Coefficients chooseCoefficients(const double* coef) {
    Coefficients chosen;
    const bool acceptable = coef[0] >= -negligible && coef[1] >= -negligible && coef[2] >= -negligible &&
                            coef[1] < 1.0 && (coef[2] > 1.0 || coef[2] <= negligible);
    if (acceptable) {
        if (std::fabs(coef[0]) > negligible) {
            chosen.reflection = coef[0];
        }
        if (std::fabs(coef[1]) > negligible) {
            chosen.contraction = coef[1];
        }
        if (std::fabs(coef[2]) > negligible) {
            chosen.expansion = coef[2];
        }
    }
    return chosen;
}

int chooseConvergenceMode(const double* eps, int previous) {
    if (!(eps[0] > -negligible && eps[1] > -negligible)) {
        return previous;
    }
    const bool functionTest = std::fabs(eps[0]) > negligible;
    const bool sizeTest = std::fabs(eps[1]) > negligible;
    if (functionTest && sizeTest) {
        return 3;
    }
    if (functionTest) {
        return 1;
    }
    if (sizeTest) {
        return 2;
    }
    return previous;
}

// The simplex: N+1 vertices in the columns of S with their function values.
class Simplex {
public:
    Simplex(MultivariateFunction f, double* s, int n, int ndim, double sign)
        : f_(f), s_(s), n_(n), ndim_(ndim), sign_(sign) {}

    int vertices() const { return n_ + 1; }
    double* vertex(int j) const { return s_ + static_cast<std::ptrdiff_t>(j) * ndim_; }
    double& value(int j) { return values_[static_cast<std::size_t>(j)]; }

    // Function value (negated when maximising) at the point x.
    double evaluate(const double* x) const { return sign_ * f_(x); }

    void evaluateAll() {
        for (int j = 0; j < vertices(); ++j) {
            value(j) = evaluate(vertex(j));
        }
    }

    // First highest and first lowest value.
    int worst() {
        int h = 0;
        for (int j = 1; j < vertices(); ++j) {
            if (value(j) > value(h)) {
                h = j;
            }
        }
        return h;
    }
    int best() {
        int l = 0;
        for (int j = 1; j < vertices(); ++j) {
            if (value(j) < value(l)) {
                l = j;
            }
        }
        return l;
    }

    void centroidWithout(int h, double* centroid) const {
        for (int i = 0; i < n_; ++i) {
            double sum = 0.0;
            for (int j = 0; j < vertices(); ++j) {
                if (j != h) {
                    sum += vertex(j)[i];
                }
            }
            centroid[i] = sum / n_;
        }
    }

    // out = (1 - t) * centroid + t * x.
    void affine(const double* centroid, const double* x, double t, double* out) const {
        for (int i = 0; i < n_; ++i) {
            out[i] = (1.0 - t) * centroid[i] + t * x[i];
        }
    }

    void replace(int j, const double* x) const { std::copy(x, x + n_, vertex(j)); }

    void shrinkTowards(int l) const {
        for (int j = 0; j < vertices(); ++j) {
            if (j != l) {
                for (int i = 0; i < n_; ++i) {
                    vertex(j)[i] = 0.5 * (vertex(j)[i] + vertex(l)[i]);
                }
            }
        }
    }

    // Standard deviation of the stored values about their mean.
    double valueSpread() {
        double mean = 0.0;
        for (int j = 0; j < vertices(); ++j) {
            mean += value(j);
        }
        mean /= vertices();
        double sum = 0.0;
        for (int j = 0; j < vertices(); ++j) {
            sum += (value(j) - mean) * (value(j) - mean);
        }
        return std::sqrt(sum / vertices());
    }

    // Largest coordinate difference between two vertices.
    double size() const {
        double largest = 0.0;
        for (int i = 0; i < n_; ++i) {
            double low = vertex(0)[i];
            double high = low;
            for (int j = 1; j < vertices(); ++j) {
                low = std::min(low, vertex(j)[i]);
                high = std::max(high, vertex(j)[i]);
            }
            largest = std::max(largest, high - low);
        }
        return largest;
    }

private:
    MultivariateFunction f_;
    double* s_;
    int n_;
    int ndim_;
    double sign_;
    std::array<double, maxVariables + 1> values_{};
};

// One Nelder-Mead step on the worst vertex; returns true when the simplex
// was shrunk (its values then need evaluating again).
bool nelderMeadStep(Simplex& simplex, const Coefficients& k) {
    std::array<double, maxVariables> centroid{};
    std::array<double, maxVariables> reflected{};
    std::array<double, maxVariables> trial{};
    const int h = simplex.worst();
    const int l = simplex.best();
    simplex.centroidWithout(h, centroid.data());
    simplex.affine(centroid.data(), simplex.vertex(h), -k.reflection, reflected.data());
    const double fr = simplex.evaluate(reflected.data());

    if (fr < simplex.value(l)) {
        simplex.affine(centroid.data(), reflected.data(), k.expansion, trial.data());
        const double fe = simplex.evaluate(trial.data());
        const bool expanded = fe < fr;
        simplex.replace(h, expanded ? trial.data() : reflected.data());
        simplex.value(h) = expanded ? fe : fr;
        return false;
    }
    double highestOther = -std::numeric_limits<double>::infinity();
    for (int j = 0; j < simplex.vertices(); ++j) {
        if (j != h) {
            highestOther = std::max(highestOther, simplex.value(j));
        }
    }
    if (fr <= highestOther) {
        simplex.replace(h, reflected.data());
        simplex.value(h) = fr;
        return false;
    }
    if (fr < simplex.value(h)) {
        // The reflected point becomes the worst vertex; its stored value,
        // which the contraction is judged against, stays the old one.
        simplex.replace(h, reflected.data());
    }
    simplex.affine(centroid.data(), simplex.vertex(h), k.contraction, trial.data());
    const double fc = simplex.evaluate(trial.data());
    if (fc < simplex.value(h)) {
        simplex.replace(h, trial.data());
        simplex.value(h) = fc;
        return false;
    }
    simplex.shrinkTowards(l);
    return true;
}

SimplexOutcome outcomeOf(int ierr) {
    switch (ierr) {
        case 0:
            return SimplexOutcome::Converged;
        case 3000:
            return SimplexOutcome::IterationLimit;
        case 3100:
            return SimplexOutcome::SimplexTooLarge;
        default:
            return SimplexOutcome::BadArguments;
    }
}

}  // namespace

SimplexOutcome DOFSM(MultivariateFunction F, double* S, int N, int NDIM, [[maybe_unused]] int NV, const double* COEF,
                     const double* EPS, int& MAXIT, int MODE, double* XOPT, double& FOPT, int& IERR,
                     SimplexMemory* memory) {
    if (N < 1 || N > maxVariables || NDIM < N) {
        IERR = 2000;
        return SimplexOutcome::BadArguments;
    }
    const Coefficients coefficients = chooseCoefficients(COEF);
    int mode = chooseConvergenceMode(EPS, memory != nullptr ? memory->convergenceMode : 3);
    const int limit = MAXIT <= 0 ? 500 : MAXIT;
    const double sign = MODE == 1 ? -1.0 : 1.0;

    Simplex simplex(F, S, N, NDIM, sign);
    std::array<double, maxVariables> steps{};
    std::copy(simplex.vertex(N), simplex.vertex(N) + N, steps.begin());
    for (int j = 1; j <= N; ++j) {
        simplex.replace(j, simplex.vertex(0));
        simplex.vertex(j)[j - 1] += steps[static_cast<std::size_t>(j - 1)];
    }

    IERR = 0;
    bool evaluate = true;
    int iteration = 0;
    int best = 0;
    for (bool done = false; !done;) {
        ++iteration;
        if (evaluate) {
            simplex.evaluateAll();
        }
        // After a shrink only the best vertex keeps a valid value.
        const int bestBefore = simplex.best();
        evaluate = nelderMeadStep(simplex, coefficients);
        best = evaluate ? bestBefore : simplex.best();

        if (mode == 1 || mode == 3) {
            if (simplex.valueSpread() <= EPS[0]) {
                if (mode == 1) {
                    done = true;
                } else {
                    mode = 4;  // the size test of the next iteration decides
                }
            }
        } else if (mode == 2 || mode == 4) {
            if (simplex.size() <= EPS[1]) {
                done = true;
            } else if (mode == 4) {
                mode = 3;
            }
        }
        if (!done && simplex.size() > 1e15) {
            IERR = 3100;
            done = true;
        }
        if (!done && iteration >= limit) {
            IERR = 3000;
            done = true;
        }
    }
    if (memory != nullptr) {
        memory->convergenceMode = mode;
    }
    MAXIT = iteration;
    std::copy(simplex.vertex(best), simplex.vertex(best) + N, XOPT);
    FOPT = sign * simplex.value(best);
    return outcomeOf(IERR);
}

}  // namespace quelm
