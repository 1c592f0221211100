#include "solver/root_search.hpp"

#include <cmath>
#include <limits>

#include "solver/numerics/muller_zeros.hpp"

namespace quelm {
namespace {

constexpr int SEARCH_ITERATIONS = 200;
// Index that marks a mode without a partner at the previous current.
constexpr int NO_MATCH = MAX_MODES;
// What the stores hold for a root that was not found.
constexpr double NOT_FOUND = std::numeric_limits<double>::quiet_NaN();

double distance(double x1, double y1, double x2, double y2) {
    const double dx = x1 - x2;
    const double dy = y1 - y2;
    return std::sqrt(dx * dx + dy * dy);
}

// A start next to the real axis gets a fixed first step in Im.
bool nearAxis(double imaginaryPart) { return std::fabs(imaginaryPart) <= ONE_HUNDREDTH_SINGLE; }

}  // namespace

double spreadOfStep(const RunParameters& p, int k) {
    if (p.SPRD0 == 0.0) return k * p.SPRDMAX / p.NSTPS;
    // A single step with a given start is that start.
    if (p.NSTPS == 1) return p.SPRD0;
    return p.SPRD0 + (p.SPRDMAX - p.SPRD0) * (k - 1) / (p.NSTPS - 1);
}

// Start of mode j at step k: its eigenvalue moved by the spread at the first
// step, its root of the previous step afterwards unless that root is
// shared with another mode or was not found.
RootSearch::Point RootSearch::previousStart(int j, int i, int k, double spread, double NUSI, const float* WR,
                                            const float* WI, const ResultStores& results) const {
    const Point eigenvalueStart{WR[j - 1] - 2.0 * spread / NUSI, static_cast<double>(WI[j - 1])};
    if (k == 1) return eigenvalueStart;
    Point start{results.ROOTRE(j, i, k - 1), -results.ROOTIM(j, i, k - 1)};
    if (std::isnan(start.x)) return eigenvalueStart;  // not found at the previous step
    for (int other = 1; other <= p_.NMT; ++other) {
        if (other == j) continue;
        if (distance(start.x, start.y, results.ROOTRE(other, i, k - 1), -results.ROOTIM(other, i, k - 1)) <= p_.ESPC) {
            start = eigenvalueStart;
        }
    }
    return start;
}

// Moves the start onto the nearest root of the previous current (within
// DXMAX) that no earlier mode of this step has taken.
RootSearch::Point RootSearch::matchPreviousCurrent(int j, int i, int k, Point start, const ResultStores& results) {
    TAKEN[static_cast<std::size_t>(j - 1)] = NO_MATCH;
    double best = p_.DXMAX;
    // The root a mode was matched to; an unmatched mode points past the
    // modes in use, at a root that was never written.
    const auto previousRoot = [&](int index) {
        return index <= results.modes() ? Point{results.ROOTRE(index, i - 1, k), -results.ROOTIM(index, i - 1, k)}
                                        : Point{0.0, -0.0};
    };
    for (int candidate = 1; candidate <= p_.NMT; ++candidate) {
        const Point P = previousRoot(candidate);
        const double d = distance(start.x, start.y, P.x, P.y);
        if (!(d <= best)) continue;  // also a root that was not found (NaN)
        bool rejected = false;
        for (int l = 1; l < j && !rejected; ++l) {
            const int taken = TAKEN[static_cast<std::size_t>(l - 1)];
            const Point other = previousRoot(taken);
            rejected = taken == candidate || distance(other.x, other.y, P.x, P.y) <= p_.ESPC;
        }
        if (rejected) continue;
        start = P;
        best = d;
        TAKEN[static_cast<std::size_t>(j - 1)] = candidate;
    }
    return start;
}

bool RootSearch::minimise(Point start, Point steps, Point origin, Point& root, double& residual) {
    double S[6] = {start.x, start.y, 0.0, 0.0, steps.x, steps.y};
    const double COEF[3] = {0.0, 0.0, 0.0};
    const double EPS[2] = {p_.FEPSEFF, p_.ZEPSEFF};
    int MAXIT = SEARCH_ITERATIONS;
    double XOPT[2] = {0.0, 0.0};
    int IERR = 0;
    const SimplexOutcome outcome = DOFSM([this](const double* X) { return relation_.FUN(X); }, S, 2, 2, 3, COEF, EPS,
                                         MAXIT, 2, XOPT, residual, IERR, &simplexMemory_);
    root = {XOPT[0], XOPT[1]};
    return outcome == SimplexOutcome::Converged && std::fabs(root.x - origin.x) <= p_.CXMAX;
}

bool RootSearch::searchMode(int j, int i, int k, Point start, ResultStores& results) {
    double& rootRe = results.ROOTRE(j, i, k);
    double& rootIm = results.ROOTIM(j, i, k);
    rootRe = rootIm = NOT_FOUND;

    // Two minimisations of |DET|, stepping left and right.
    relation_.DEFLATE = false;
    const double stepY = nearAxis(start.y) ? p_.EY : -0.5 * start.y;
    double bestResidual = 1.0e10;
    for (const double stepX : {-p_.EX, p_.EX}) {
        Point root;
        double residual = 0.0;
        if (minimise(start, {stepX, stepY}, start, root, residual) && residual <= bestResidual) {
            rootRe = root.x;
            rootIm = -root.y;
            bestResidual = residual;
        }
    }
    if (std::isnan(rootRe)) return false;

    if (std::fabs(rootIm) <= p_.ESPC) {
        refineNearAxis(start, rootRe, rootIm);
    } else {
        separateFromEarlierRoots(start, rootRe, rootIm);
    }
    return true;
}

// A root on or next to the real axis is refined as a zero of DET, from the
// root the minimisation found, and not kept for deflation.  (In practice
// neither part of such a root is exactly zero, so ZNTMM's start points
// coincide and it hands the root back unchanged: see muller_zeros.hpp.)
void RootSearch::refineNearAxis(Point start, double& rootRe, double& rootIm) {
    if (std::sqrt(rootRe * rootRe + rootIm * rootIm) <= p_.ESPC) return;
    int MAXIT = SEARCH_ITERATIONS;
    std::complex<double> ZROOT;
    int IERR = 0;
    const MullerOutcome outcome =
        ZNTMM([this](std::complex<double>& D, const std::complex<double>& Z) { D = relation_.DET(Z); },
              {rootRe, -rootIm}, p_.ZEPSEFF, p_.FEPSEFF, MAXIT, ZROOT, IERR);
    if (outcome == MullerOutcome::Converged && std::abs(ZROOT - std::complex<double>(start.x, start.y)) <= p_.CXMAX) {
        rootRe = ZROOT.real();
        rootIm = -ZROOT.imag();
    }
}

// A root off the axis joins the roots of this step.  When it repeats an
// earlier one, the search starts again from its mirror image with the
// earlier roots divided out.
void RootSearch::separateFromEarlierRoots(Point start, double& rootRe, double& rootIm) {
    RootList& list = relation_.ROOTLIST;
    const auto K = static_cast<std::size_t>(list.K);
    list.re[K] = rootRe;
    list.im[K] = -rootIm;
    ++list.K;
    bool duplicate = false;
    for (std::size_t l = 0; l < K; ++l) {
        duplicate = duplicate || distance(list.re[K], list.im[K], list.re[l], list.im[l]) <= p_.ESPC;
    }
    if (!duplicate) return;

    relation_.DEFLATE = true;
    const double newImag = -rootIm;
    const double deflatedStepY = nearAxis(start.y) ? std::copysign(p_.EY, newImag) : -0.5 * start.y;
    Point root;
    double residual = 0.0;
    if (minimise({rootRe, rootIm}, {p_.EX, deflatedStepY}, start, root, residual)) {
        rootRe = root.x;
        rootIm = -root.y;
        list.re[K] = root.x;
        list.im[K] = root.y;
    }
    relation_.DEFLATE = false;
}

std::vector<MissingRoot> RootSearch::run(int i, double NUSI, const float* WR, const float* WI, ResultStores& results) {
    std::vector<MissingRoot> missing;
    for (int k = 1; k <= p_.NSTPS; ++k) {
        const double spread = spreadOfStep(p_, k);
        relation_.setStep(NUSI, spread);
        relation_.ROOTLIST.K = 0;
        for (int j = 1; j <= p_.NMT; ++j) {
            Point start = previousStart(j, i, k, spread, NUSI, WR, WI, results);
            if (i > 1) start = matchPreviousCurrent(j, i, k, start, results);
            if (!searchMode(j, i, k, start, results)) missing.push_back({k, j});
        }
    }
    return missing;
}

}  // namespace quelm
