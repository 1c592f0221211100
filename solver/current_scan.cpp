#include "solver/current_scan.hpp"

#include "solver/edit_descriptors.hpp"
#include "solver/numerics/complex_eigenvalues.hpp"
#include "solver/physics/bunch_parameters.hpp"

namespace quelm {
namespace {

// Closed-form moments that differ from the integrated ones by more than
// this (relative to the largest moment) are reported.
constexpr double CLOSED_FORM_TOLERANCE = 1e-4;

}  // namespace

bool searchesRoots(const RunParameters& p) { return p.LINTGL && p.SPRDMAX != 0.0; }

CurrentScan::CurrentScan(const RunParameters& p)
    : p_(p),
      results_(p.NTOT, p.NCR, searchesRoots(p) ? p.NSTPS : 0),
      moments_(p),
      rootSearch_(p, matrix_),
      WR_(CouplingMatrix::NM),
      WI_(CouplingMatrix::NM) {}

void CurrentScan::warnIfClosedFormIsInaccurate(const CurrentStep& step, std::ostream& console,
                                               std::ostream& errors) const {
    const double disagreement = closedFormDisagreement(p_, step, console);
    if (disagreement > CLOSED_FORM_TOLERANCE) {
        errors << "quelmw: warning: the closed-form impedance moments (LZOT=T) differ from numerical integration by"
               << edit::PE(disagreement, 10, 2)
               << " of the largest moment; the bunch is too long for the closed form, consider LZOT=F\n";
    }
}

void CurrentScan::run(std::ostream& listing, std::ostream& console, std::ostream& errors) {
    if (p_.NCR <= 0) return;
    MomentReuseRule reuse(FSGM(p_.CRNT, p_));
    double CURR = p_.CRNT;
    for (int i = 1; i <= p_.NCR; ++i) {
        const CurrentStep step = currentStep(p_, CURR);
        if (reuse.mustRecompute(i, step.SGMI)) {
            if (momentComputations_ == 0 && p_.LZOT && !p_.LBIN) warnIfClosedFormIsInaccurate(step, console, errors);
            moments_.compute(p_, step, listing, console);
            ++momentComputations_;
        }
        buildCouplingMatrix(matrix_, p_, step, moments_, p_.SPRD);

        int IERR = 0;
        EISCG2(CouplingMatrix::NM, p_.NTOT, matrix_.AR(), matrix_.AI(), WR_.data(), WI_.data(), IERR);
        for (int j = 1; j <= p_.NTOT; ++j) {
            results_.EIGRE(j, i) = WR_[static_cast<std::size_t>(j - 1)];
            results_.EIGIM(j, i) = -WI_[static_cast<std::size_t>(j - 1)];
        }

        if (searchesRoots(p_)) rootSearch_.run(i, step.NUSI, WR_.data(), WI_.data(), results_);
        CURR += p_.STPC;
    }
}

}  // namespace quelm
