// Roots of the dispersion relation over the scan of the tune spread, for
// one bunch current: each mode's root is followed from its eigenvalue
// through the spread steps and matched to the roots of the previous current.
#pragma once

#include <array>
#include <vector>

#include "solver/constants.hpp"
#include "solver/numerics/simplex_minimiser.hpp"
#include "solver/physics/dispersion_relation.hpp"
#include "solver/result_stores.hpp"
#include "solver/run_parameters.hpp"

namespace quelm {

// The spread of step k (1-based) of the spread scan.
double spreadOfStep(const RunParameters& p, int k);

// A mode whose root was not found at one spread step (both 1-based).
struct MissingRoot {
    int step;
    int mode;
};

class RootSearch {
public:
    RootSearch(const RunParameters& p, const CouplingMatrix& M) : p_(p), relation_(p, M) {}

    // Fills ROOTRE/ROOTIM(j, i, k) for current i, j = 1..NMT, k = 1..NSTPS,
    // starting from the eigenvalues WR + i WI of the coupling matrix.  A
    // root that was not found is stored as NaN and returned, in the order
    // of the steps and modes.
    std::vector<MissingRoot> run(int i, double NUSI, const float* WR, const float* WI, ResultStores& results);

private:
    struct Point {
        double x, y;
    };

    Point previousStart(int j, int i, int k, double spread, double NUSI, const float* WR, const float* WI,
                        const ResultStores& results) const;
    Point matchPreviousCurrent(int j, int i, int k, Point start, const ResultStores& results);
    // One minimisation of FUN from `start` with the given steps; false when
    // it did not converge or its result moved farther than CXMAX (in the
    // real part) from `origin`.
    bool minimise(Point start, Point steps, Point origin, Point& root, double& residual);
    // False when neither minimisation was accepted.
    bool searchMode(int j, int i, int k, Point start, ResultStores& results);
    void refineNearAxis(Point start, double& rootRe, double& rootIm);
    void separateFromEarlierRoots(Point start, double& rootRe, double& rootIm);

    const RunParameters& p_;
    DispersionRelation relation_;
    SimplexMemory simplexMemory_;
    std::array<int, MAX_MODES> TAKEN{};
};

}  // namespace quelm
