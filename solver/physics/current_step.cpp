#include "solver/physics/current_step.hpp"

#include "solver/physics/bunch_parameters.hpp"

namespace quelm {

CurrentStep currentStep(const RunParameters& p, double current) {
    CurrentStep s;
    s.CURR = current;
    s.SGMI = FSGM(current, p);
    s.NUSI = FNUS(current, p);
    s.COUPK = current * p.GIMP / s.NUSI;
    const double shift = chromaticShift(p);
    s.ZARG1 = p.BINFAC * s.SGMI * (p.WRES1 - shift);
    s.ZARG2 = p.BINFAC * s.SGMI * (p.WRES2 - shift);
    return s;
}

}  // namespace quelm
