// The threshold current of a scan: the lowest current at which some mode
// grows, that is, some eigenvalue (nu - nu_x)/nu_s has an imaginary part
// above a tolerance (a positive imaginary part, as the listing prints it,
// grows; a negative one is damped).
//
// The scan's currents bracket it; the refinement between the last stable
// and the first unstable current depends on how the mode grows:
//  - two modes merge (the growing eigenvalue has a partner close to its
//    complex conjugate): the discriminant D = (lambda_1 - lambda_2)^2 of
//    the pair is smooth through the merge, positive below it (two real
//    tunes approaching like sqrt(I_th - I)) and negative above (a complex
//    pair growing like sqrt(I - I_th)); the threshold is the zero of D
//    interpolated linearly between the two currents, the merge point;
//  - otherwise (a head-tail mode whose growth rate crosses the tolerance
//    gradually): the current where the growth rate, interpolated linearly,
//    reaches the tolerance.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "solver/mode_labels.hpp"

namespace quelm {

inline constexpr double DEFAULT_THRESHOLD_TOLERANCE = 1e-4;

struct Threshold {
    double tolerance = DEFAULT_THRESHOLD_TOLERANCE;
    std::optional<double> current;     // mA; none when no current of the scan is unstable
    std::optional<int> firstUnstable;  // 0-based index into the scan
    std::vector<int> modes;            // azimuthal labels of the modes that merge, or of the growing mode
    std::string text;                  // the line for standard output
};

// `currents` in scan order (mA), one per row of `scan`.
Threshold findThreshold(const std::vector<double>& currents, const LabelledScan& scan, double tolerance);

// A current as the threshold line shows it: three significant digits.
std::string currentText(double mA);

}  // namespace quelm
