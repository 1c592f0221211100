#include "solver/current_scan.hpp"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <sstream>

#include "solver/io/edit_descriptors.hpp"
#include "solver/parallel_for.hpp"
#include "solver/physics/bunch_parameters.hpp"
#include "solver/physics/dispersion_relation.hpp"

namespace quelm {
namespace {

// Closed-form moments that differ from the integrated ones by more than
// this (relative to the largest moment) are reported.
constexpr double CLOSED_FORM_TOLERANCE = 1e-4;

// What a current whose eigenvalues were not found holds in their place.
const std::complex<double> NOT_FOUND(std::numeric_limits<double>::quiet_NaN(),
                                     std::numeric_limits<double>::quiet_NaN());

// " AT CURRENT   4.0000 mA", as the scan's messages name a current.
std::string atCurrent(const CurrentStep& step) { return " AT CURRENT" + edit::F(step.CURR, 10, 4) + " mA"; }

RunStop scanStop(const std::string& message) { return {RunStop::Kind::Stop, message}; }

}  // namespace

bool searchesRoots(const RunParameters& p) { return p.LINTGL && p.SPRDMAX != 0.0; }

double scanCurrent(const RunParameters& p, int i) { return p.CRNT + static_cast<double>(i - 1) * p.STPC; }

std::vector<double> scanCurrents(const RunParameters& p) {
    std::vector<double> currents;
    for (int i = 1; i <= p.NCR; ++i)
        currents.push_back(scanCurrent(p, i));
    return currents;
}

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

std::optional<RunStop> CurrentScan::computeEigenvalues(int threads, const ScanProgress& progress) {
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
        const std::string where = atCurrent(steps_[static_cast<std::size_t>(i - 1)]);
        if (results_.solveOf(i) == EigenvalueOutcome::NotFinite)
            return scanStop("COUPLING MATRIX" + where + " IS NOT FINITE");
        if (!results_.solved(i))
            warnings_.push_back({i, "EIGENVALUES NOT FOUND" + where + " BY " + methodName(precision_)});
    }
    return std::nullopt;
}

// The roots follow the currents in order: each current's search starts
// from the roots of the one before.  The eigenvalues come from the stores
// (WR = EIGRE, WI = -EIGIM, in the order the eigen solver returned them).
// Every root that was not found (NaN in the stores) is a warning.
void CurrentScan::searchRoots(const ScanProgress& progress) {
    CouplingMatrix matrix;
    RootSearch search(p_, matrix);
    DispersionRelation relation(p_, matrix);  // for measuring the roots found
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
            warnings_.push_back({i, "ROOT NOT FOUND" + atCurrent(steps_[at]) + ", SPREAD STEP" +
                                        edit::I(missing.step, 3) + ", MODE" + edit::I(missing.mode, 4)});
        }
        measureRoots(i, relation);
        if (progress) progress("roots", i, p_.NCR);
    }
}

// |DET| at every root of current i and around it, for telling true zeros
// of the dispersion relation from minima of |DET| on the real axis.
void CurrentScan::measureRoots(int i, DispersionRelation& relation) {
    const double nus = steps_[static_cast<std::size_t>(i - 1)].NUSI;
    for (int k = 1; k <= p_.NSTPS; ++k) {
        relation.setStep(nus, spreadOfStep(p_, k));
        for (int j = 1; j <= p_.NMT; ++j) {
            const std::complex<double> root(results_.ROOTRE(j, i, k), -results_.ROOTIM(j, i, k));
            if (std::isnan(root.real()) || std::isnan(root.imag())) {
                results_.rootDet(j, i, k) = results_.rootDetNearby(j, i, k) = NOT_FOUND.real();
                continue;
            }
            double nearby = std::numeric_limits<double>::infinity();
            for (int probe = 0; probe < 8; ++probe) {
                const std::complex<double> offset = std::polar(ROOT_PROBE_RADIUS, probe * std::numbers::pi / 4.0);
                nearby = std::min(nearby, std::abs(relation.DET(root + offset)));
            }
            results_.rootDet(j, i, k) = std::abs(relation.DET(root));
            results_.rootDetNearby(j, i, k) = nearby;
        }
    }
}

std::optional<RunStop> CurrentScan::checkBunchParameters() const {
    for (const CurrentStep& step : steps_) {
        const double lengthCm = step.SGMI * p_.RRING;
        if (!(lengthCm > 0.0) || !std::isfinite(lengthCm)) {
            return scanStop("BUNCH LENGTH" + atCurrent(step) + " IS" + edit::PE(lengthCm, 11, 3) + " cm");
        }
        if (!(step.NUSI > 0.0) || !std::isfinite(step.NUSI)) {
            return scanStop("SYNCHROTRON TUNE" + atCurrent(step) + " IS" + edit::PE(step.NUSI, 11, 3));
        }
    }
    return std::nullopt;
}

std::optional<RunStop> CurrentScan::checkMoments() const {
    for (std::size_t e = 0; e < epochs_.size(); ++e) {
        if (!moments_[e].isFinite(p_)) {
            return scanStop("IMPEDANCE MOMENTS FOR THE BUNCH" +
                            atCurrent(steps_[static_cast<std::size_t>(epochs_[e])]) + " ARE NOT FINITE");
        }
    }
    return std::nullopt;
}

std::optional<RunStop> CurrentScan::run(std::ostream& listing, std::ostream& console, std::ostream& errors, int threads,
                                        const ScanProgress& progress) {
    if (p_.NCR <= 0) return std::nullopt;
    planEpochs();
    if (auto stop = checkBunchParameters()) return stop;
    computeMoments(listing, console, errors, threads);
    if (auto stop = checkMoments()) return stop;
    if (auto stop = computeEigenvalues(threads, progress)) return stop;
    if (searchesRoots(p_)) searchRoots(progress);
    std::stable_sort(warnings_.begin(), warnings_.end(),
                     [](const ScanWarning& a, const ScanWarning& b) { return a.current < b.current; });
    return std::nullopt;
}

}  // namespace quelm
