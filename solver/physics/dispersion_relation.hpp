// The dispersion relation of the coupled head-tail modes with a betatron
// tune spread: the determinant of the coupling matrix whose diagonal holds
// the dispersion function of the spread instead of the bare tune.
#pragma once

#include <array>
#include <complex>
#include <vector>

#include "solver/constants.hpp"
#include "solver/physics/coupling_matrix.hpp"
#include "solver/run_parameters.hpp"

namespace quelm {

// w e^w E1(w), E1 the exponential integral: the dispersion function of a
// spread with an exponential tail, in scaled form.
//
// On the real axis the real exponential integral DEXPIN is used while the
// product stays representable (|w| <= 700); inside |Re w|, |Im w| <= 10, E1
// is computed to full double precision, by its power series where that
// converges without cancellation and by its continued fraction elsewhere;
// beyond, the three-pole rational approximation of e^w E1(w).
std::complex<double> ZEZE1(const std::complex<double>& W);

// Roots accepted so far in one search; FUN divides them out when deflating.
struct RootList {
    std::array<double, MAX_MODES> re{}, im{};
    int K = 0;
};

// The determinant and the deflated modulus that the root search minimises,
// for one bunch current and spread step.
class DispersionRelation {
public:
    // Reads the modes of `p` and the coupling matrix `M` of the current bunch
    // current; allocates scratch for matrices of order up to 500 once.
    DispersionRelation(const RunParameters& p, const CouplingMatrix& M);

    // Synchrotron tune of the current and spread of the step.
    void setStep(double nus, double spread) {
        nus_ = nus;
        spread_ = spread;
    }

    // The determinant at tune Z, Gauss-Jordan elimination with complete
    // pivoting; 0 when the matrix is singular.
    std::complex<double> DET(const std::complex<double>& Z);

    // |DET(X1 + i X2)|, divided when DEFLATE is on by the squared distances
    // to all roots of ROOTLIST but the last.
    double FUN(const double* X);

    RootList ROOTLIST;
    bool DEFLATE = false;

private:
    const RunParameters& p_;
    const CouplingMatrix& M_;
    double nus_ = 0.0;
    double spread_ = 0.0;
    std::vector<std::complex<double>> work_;        // the working copy A, column by column
    std::vector<std::complex<double>> dispersion_;  // G_m per azimuthal mode
    std::vector<char> used_;                        // pivot markers
};

}  // namespace quelm
