// The mode-coupling matrix of one bunch current.
//
// Modes are numbered I = n NMT + (m - NMODF)(KRAD + 1) + k + 1 for azimuthal
// mode m, longitudinal radial mode k and transverse radial mode n.  The
// impedance couples the n = 0 modes through the moment table; the diagonal
// carries the azimuthal number m; with the matrix treatment of a tune spread
// the transverse radial modes of each (m, k) are coupled by DMX.
#pragma once

#include <complex>
#include <vector>

#include "solver/constants.hpp"
#include "solver/physics/current_step.hpp"
#include "solver/physics/impedance_moments.hpp"
#include "solver/run_parameters.hpp"

namespace quelm {

// The matrix in double precision (read by the dispersion determinant) and
// its single-precision copy for the eigenvalue solver, both stored column
// by column with leading dimension NM = 500.
class CouplingMatrix {
public:
    static constexpr int NM = MAX_MODES;

    CouplingMatrix() : m_(static_cast<std::size_t>(NM) * NM), ar_(m_.size()), ai_(m_.size()) {}

    // Element (I, J), 1-based.
    const std::complex<double>& M(int I, int J) const { return m_[index(I, J)]; }

    // Sets element (I, J) and its single-precision copy.
    void set(int I, int J, const std::complex<double>& value) {
        const std::size_t at = index(I, J);
        m_[at] = value;
        ar_[at] = static_cast<float>(value.real());
        ai_[at] = static_cast<float>(value.imag());
    }

    float* AR() { return ar_.data(); }
    float* AI() { return ai_.data(); }

private:
    static std::size_t index(int I, int J) {
        return static_cast<std::size_t>(J - 1) * NM + static_cast<std::size_t>(I - 1);
    }

    std::vector<std::complex<double>> m_;
    std::vector<float> ar_, ai_;
};

// Tune-spread coupling of transverse radial modes I and J (0..NDISP) for
// the spread `spread` and synchrotron tune `nus`.  Zero unless the matrix
// treatment is in use (LMTRIX) and the dispersion integral does not take
// the spread over (LINTGL with a spread).
double DMX(int I, int J, const RunParameters& p, double spread, double nus);

// Fills the leading NTOT x NTOT block of M and of the single-precision
// copies for coupling strength step.COUPK and the spread `spread`.
void buildCouplingMatrix(CouplingMatrix& matrix, const RunParameters& p, const CurrentStep& step,
                         const ImpedanceMoments& moments, double spread);

}  // namespace quelm
