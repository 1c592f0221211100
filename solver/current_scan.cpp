#include "solver/current_scan.hpp"

#include <algorithm>
#include <complex>
#include <limits>
#include <sstream>

#include "solver/io/edit_descriptors.hpp"
#include "solver/parallel_for.hpp"
#include "solver/physics/bunch_parameters.hpp"

namespace quelm {
namespace {

// Closed-form moments that differ from the integrated ones by more than
// this (relative to the largest moment) are reported.
constexpr double CLOSED_FORM_TOLERANCE = 1e-4;

// What a current whose eigenvalues were not found holds in their place.
const std::complex<double> NOT_FOUND(std::numeric_limits<double>::quiet_NaN(),
                                     std::numeric_limits<double>::quiet_NaN());

}  // namespace

bool searchesRoots(const RunParameters& p) { return p.LINTGL && p.SPRDMAX != 0.0; }

CurrentScan::CurrentScan(const RunParameters& p, EigenPrecision precision)
    : p_(p), precision_(precision), results_(p.NTOT, p.NCR, searchesRoots(p) ? p.NSTPS : 0) {}

void CurrentScan::warnIfClosedFormIsInaccurate(const CurrentStep& step, std::ostream& console,
                                               std::ostream& errors) const {
    const double disagreement = closedFormDisagreement(p_, step, console);
    if (disagreement > CLOSED_FORM_TOLERANCE) {
        errors << "quelmw: warning: the closed-form impedance moments (LZOT=T) differ from numerical integration by"
               << edit::PE(disagreement, 10, 2)
               << " of the largest moment; the bunch is too long for the closed form, consider LZOT=F\n";
    }
}

// The currents of the scan (each step adds STPC to the last current) and
// the epochs of the moment tables: a new table wherever the bunch length
// has moved by more than 0.1 % since the last one.
void CurrentScan::planEpochs() {
    MomentReuseRule reuse(FSGM(p_.CRNT, p_));
    double CURR = p_.CRNT;
    for (int i = 1; i <= p_.NCR; ++i) {
        steps_.push_back(currentStep(p_, CURR));
        if (reuse.mustRecompute(i, steps_.back().SGMI)) epochs_.push_back(i - 1);
        epochOf_.push_back(static_cast<int>(epochs_.size()) - 1);
        CURR += p_.STPC;
    }
}

// The moment table of every epoch; the messages of each are kept apart and
// written in the order of the epochs.
void CurrentScan::computeMoments(std::ostream& listing, std::ostream& console, std::ostream& errors, int threads) {
    if (!epochs_.empty() && p_.LZOT && !p_.LBIN) warnIfClosedFormIsInaccurate(steps_[0], console, errors);
    const auto count = static_cast<int>(epochs_.size());
    moments_.assign(epochs_.size(), ImpedanceMoments(p_));
    std::vector<std::ostringstream> listingParts(epochs_.size()), consoleParts(epochs_.size());
    parallelFor(count, threads, [&](int e, int) {
        const auto at = static_cast<std::size_t>(e);
        moments_[at].compute(p_, steps_[static_cast<std::size_t>(epochs_[at])], listingParts[at], consoleParts[at]);
    });
    for (std::size_t e = 0; e < epochs_.size(); ++e) {
        listing << listingParts[e].str();
        console << consoleParts[e].str();
    }
}

void CurrentScan::computeEigenvalues(int threads, const ScanProgress& progress) {
    // Working storage of each thread, allocated once.
    struct Workspace {
        Workspace(int order, EigenPrecision precision)
            : solver(order, precision), w(static_cast<std::size_t>(std::max(order, 1))) {}
        CouplingMatrix matrix;
        MatrixEigenvalues solver;
        std::vector<std::complex<double>> w;
    };
    std::vector<Workspace> workspaces;
    for (int t = workerCount(threads, p_.NCR); t > 0; --t)
        workspaces.emplace_back(p_.NTOT, precision_);
    parallelFor(
        p_.NCR, threads,
        [&](int k, int worker) {
            Workspace& ws = workspaces[static_cast<std::size_t>(worker)];
            const auto at = static_cast<std::size_t>(k);
            buildCouplingMatrix(ws.matrix, p_, steps_[at], moments_[static_cast<std::size_t>(epochOf_[at])], p_.SPRD);
            const EigenvalueOutcome outcome = ws.solver.solve(CouplingMatrix::NM, p_.NTOT, &ws.matrix.M(1, 1),
                                                              ws.matrix.AR(), ws.matrix.AI(), ws.w.data());
            results_.solveOf(k + 1) = outcome;
            for (int j = 1; j <= p_.NTOT; ++j) {
                const std::complex<double> value =
                    outcome != EigenvalueOutcome::Found ? NOT_FOUND : ws.w[static_cast<std::size_t>(j - 1)];
                results_.EIGRE(j, k + 1) = value.real();
                results_.EIGIM(j, k + 1) = -value.imag();
            }
        },
        [&](int done) {
            if (progress) progress("eigenvalues", done, p_.NCR);
        });
    for (int i = 1; i <= p_.NCR; ++i) {
        if (results_.solved(i)) continue;
        warnings_.push_back({i, "EIGENVALUES NOT FOUND AT CURRENT" +
                                    edit::F(steps_[static_cast<std::size_t>(i - 1)].CURR, 10, 4) + " mA BY " +
                                    methodName(precision_)});
    }
}

// The roots follow the currents in order: each current's search starts
// from the roots of the one before.  The eigenvalues come from the stores
// (WR = EIGRE, WI = -EIGIM, in the order the eigen solver returned them).
// Every root that was not found (NaN in the stores) is a warning.
void CurrentScan::searchRoots(const ScanProgress& progress) {
    CouplingMatrix matrix;
    RootSearch search(p_, matrix);
    std::vector<float> WR(static_cast<std::size_t>(std::max(p_.NTOT, 1))), WI(WR.size());
    for (int i = 1; i <= p_.NCR; ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        if (!results_.solved(i)) {
            // No eigenvalues to start from: no roots either.
            for (int k = 1; k <= p_.NSTPS; ++k) {
                for (int j = 1; j <= p_.NMT; ++j)
                    results_.ROOTRE(j, i, k) = results_.ROOTIM(j, i, k) = NOT_FOUND.real();
            }
            continue;
        }
        buildCouplingMatrix(matrix, p_, steps_[at], moments_[static_cast<std::size_t>(epochOf_[at])], p_.SPRD);
        for (int j = 1; j <= p_.NTOT; ++j) {
            WR[static_cast<std::size_t>(j - 1)] = static_cast<float>(results_.EIGRE(j, i));
            WI[static_cast<std::size_t>(j - 1)] = static_cast<float>(-results_.EIGIM(j, i));
        }
        for (const MissingRoot& missing : search.run(i, steps_[at].NUSI, WR.data(), WI.data(), results_)) {
            warnings_.push_back({i, "ROOT NOT FOUND AT CURRENT" + edit::F(steps_[at].CURR, 10, 4) + " mA, SPREAD STEP" +
                                        edit::I(missing.step, 3) + ", MODE" + edit::I(missing.mode, 4)});
        }
        if (progress) progress("roots", i, p_.NCR);
    }
}

void CurrentScan::run(std::ostream& listing, std::ostream& console, std::ostream& errors, int threads,
                      const ScanProgress& progress) {
    if (p_.NCR <= 0) return;
    planEpochs();
    computeMoments(listing, console, errors, threads);
    computeEigenvalues(threads, progress);
    if (searchesRoots(p_)) searchRoots(progress);
    std::stable_sort(warnings_.begin(), warnings_.end(),
                     [](const ScanWarning& a, const ScanWarning& b) { return a.current < b.current; });
}

}  // namespace quelm
