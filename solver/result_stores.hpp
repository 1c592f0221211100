// The results of a run: eigenvalues of the coupling matrix per current and
// roots of the dispersion relation per current and spread step.
//
// Stored imaginary parts carry the reversed sign: EIGIM(j, i) is minus the
// eigen solver's imaginary part, ROOTIM(j, i, k) minus the root's.  Every
// printed or plotted imaginary part is the negation of the stored value.
// Indices are 1-based as in the listing: mode j, current i, spread step k.
//
// The eigenvalues are kept in double precision; the listing and the plot
// file print them in single precision.  A current whose eigenvalues were
// not found holds NaN in their place.
#pragma once

#include <cstddef>
#include <vector>

#include "solver/numerics/matrix_eigenvalues.hpp"

namespace quelm {

inline constexpr double ROOT_PROBE_RADIUS = 0.05;

class ResultStores {
public:
    // Sized once per run for its matrix order, currents and spread steps.
    ResultStores(int modes, int currents, int spreadSteps)
        : modes_(static_cast<std::size_t>(modes > 0 ? modes : 0)),
          currents_(static_cast<std::size_t>(currents > 0 ? currents : 0)),
          steps_(static_cast<std::size_t>(spreadSteps > 0 ? spreadSteps : 0)),
          eigRe_(modes_ * currents_),
          eigIm_(modes_ * currents_),
          solves_(currents_, EigenvalueOutcome::Found),
          rootRe_(modes_ * currents_ * steps_),
          rootIm_(modes_ * currents_ * steps_),
          rootDet_(modes_ * currents_ * steps_),
          rootDetNearby_(modes_ * currents_ * steps_) {}

    int modes() const { return static_cast<int>(modes_); }
    int currents() const { return static_cast<int>(currents_); }
    int spreadSteps() const { return static_cast<int>(steps_); }

    double& EIGRE(int j, int i) { return eigRe_[eigIndex(j, i)]; }
    double& EIGIM(int j, int i) { return eigIm_[eigIndex(j, i)]; }
    double EIGRE(int j, int i) const { return eigRe_[eigIndex(j, i)]; }
    double EIGIM(int j, int i) const { return eigIm_[eigIndex(j, i)]; }

    // How the eigenvalues of current i were found.
    EigenvalueOutcome& solveOf(int i) { return solves_[static_cast<std::size_t>(i - 1)]; }
    EigenvalueOutcome solveOf(int i) const { return solves_[static_cast<std::size_t>(i - 1)]; }
    bool solved(int i) const { return solveOf(i) == EigenvalueOutcome::Found; }

    double& ROOTRE(int j, int i, int k) { return rootRe_[rootIndex(j, i, k)]; }
    double& ROOTIM(int j, int i, int k) { return rootIm_[rootIndex(j, i, k)]; }
    double ROOTRE(int j, int i, int k) const { return rootRe_[rootIndex(j, i, k)]; }
    double ROOTIM(int j, int i, int k) const { return rootIm_[rootIndex(j, i, k)]; }

    // |DET| at the root, and the smallest |DET| on a circle of radius
    // ROOT_PROBE_RADIUS around it: a true zero of the dispersion relation
    // lies far below its surroundings, a minimum on the real axis does not.
    double& rootDet(int j, int i, int k) { return rootDet_[rootIndex(j, i, k)]; }
    double& rootDetNearby(int j, int i, int k) { return rootDetNearby_[rootIndex(j, i, k)]; }
    double rootDet(int j, int i, int k) const { return rootDet_[rootIndex(j, i, k)]; }
    double rootDetNearby(int j, int i, int k) const { return rootDetNearby_[rootIndex(j, i, k)]; }

private:
    std::size_t eigIndex(int j, int i) const {
        return static_cast<std::size_t>(i - 1) * modes_ + static_cast<std::size_t>(j - 1);
    }
    std::size_t rootIndex(int j, int i, int k) const {
        return (static_cast<std::size_t>(k - 1) * currents_ + static_cast<std::size_t>(i - 1)) * modes_ +
               static_cast<std::size_t>(j - 1);
    }

    std::size_t modes_, currents_, steps_;
    std::vector<double> eigRe_, eigIm_;
    std::vector<EigenvalueOutcome> solves_;
    std::vector<double> rootRe_, rootIm_, rootDet_, rootDetNearby_;
};

}  // namespace quelm
