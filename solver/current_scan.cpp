#include "solver/current_scan.hpp"

#include <algorithm>
#include <sstream>

#include "solver/io/edit_descriptors.hpp"
#include "solver/numerics/complex_eigenvalues.hpp"
#include "solver/parallel_for.hpp"
#include "solver/physics/bunch_parameters.hpp"

namespace quelm {
namespace {

// Closed-form moments that differ from the integrated ones by more than
// this (relative to the largest moment) are reported.
constexpr double CLOSED_FORM_TOLERANCE = 1e-4;

}  // namespace

bool searchesRoots(const RunParameters& p) { return p.LINTGL && p.SPRDMAX != 0.0; }

CurrentScan::CurrentScan(const RunParameters& p) : p_(p), results_(p.NTOT, p.NCR, searchesRoots(p) ? p.NSTPS : 0) {}

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
        CouplingMatrix matrix;
        std::vector<float> WR = std::vector<float>(CouplingMatrix::NM);
        std::vector<float> WI = std::vector<float>(CouplingMatrix::NM);
    };
    std::vector<Workspace> workspaces(static_cast<std::size_t>(workerCount(threads, p_.NCR)));
    parallelFor(
        p_.NCR, threads,
        [&](int k, int worker) {
            Workspace& w = workspaces[static_cast<std::size_t>(worker)];
            const auto at = static_cast<std::size_t>(k);
            buildCouplingMatrix(w.matrix, p_, steps_[at], moments_[static_cast<std::size_t>(epochOf_[at])], p_.SPRD);
            int IERR = 0;
            EISCG2(CouplingMatrix::NM, p_.NTOT, w.matrix.AR(), w.matrix.AI(), w.WR.data(), w.WI.data(), IERR);
            for (int j = 1; j <= p_.NTOT; ++j) {
                results_.EIGRE(j, k + 1) = w.WR[static_cast<std::size_t>(j - 1)];
                results_.EIGIM(j, k + 1) = -w.WI[static_cast<std::size_t>(j - 1)];
            }
        },
        [&](int done) {
            if (progress) progress("eigenvalues", done, p_.NCR);
        });
}

// The roots follow the currents in order: each current's search starts
// from the roots of the one before.  The eigenvalues come from the stores
// (WR = EIGRE, WI = -EIGIM, in the order the eigen solver returned them).
void CurrentScan::searchRoots(const ScanProgress& progress) {
    CouplingMatrix matrix;
    RootSearch search(p_, matrix);
    std::vector<float> WR(static_cast<std::size_t>(std::max(p_.NTOT, 1))), WI(WR.size());
    for (int i = 1; i <= p_.NCR; ++i) {
        const auto at = static_cast<std::size_t>(i - 1);
        buildCouplingMatrix(matrix, p_, steps_[at], moments_[static_cast<std::size_t>(epochOf_[at])], p_.SPRD);
        for (int j = 1; j <= p_.NTOT; ++j) {
            WR[static_cast<std::size_t>(j - 1)] = results_.EIGRE(j, i);
            WI[static_cast<std::size_t>(j - 1)] = -results_.EIGIM(j, i);
        }
        search.run(i, steps_[at].NUSI, WR.data(), WI.data(), results_);
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
}

}  // namespace quelm
