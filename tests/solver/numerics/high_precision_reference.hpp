#pragma once

// Independent references for the special-function tests: power series
// summed in multiprecision arithmetic, so that cancellation between their
// large terms costs nothing at double precision.

#include <boost/math/constants/constants.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <boost/multiprecision/cpp_complex.hpp>

#include <complex>

namespace quelm::test {

using Real100 = boost::multiprecision::cpp_bin_float_100;
using Complex100 = boost::multiprecision::cpp_complex_100;

inline std::complex<double> toDouble(const Complex100& z)
{
    return {static_cast<double>(z.real()), static_cast<double>(z.imag())};
}

// w(z) = Σ (iz)^n / Γ(n/2 + 1), summed in 100 digits (good for |z| <= 10,
// where the terms reach e^100).
inline std::complex<double> faddeevaReference(std::complex<double> zd)
{
    const Complex100 iz = Complex100(Real100(0), Real100(1)) * Complex100(zd.real(), zd.imag());
    const Complex100 square = iz * iz;
    Complex100 even = 1;
    Complex100 odd = iz * Real100(2) / boost::math::constants::root_pi<Real100>();
    Complex100 sum = 0;
    for (int n = 0; n < 4000; n += 2) {
        sum += even + odd;
        even *= square / Real100(n / 2 + 1);
        odd *= square * Real100(2) / Real100(n + 3);
        if (n > 2 * std::norm(zd) + 10 && abs(even) + abs(odd) < Real100(1e-40)) {
            break;
        }
    }
    return toDouble(sum);
}

// J_(a+n)(z) = (z/2)^ν Σ (-z²/4)^k / (k!·Γ(ν + k + 1)), ν = a + n formed
// exactly, principal branch.
inline std::complex<double> besselReference(double a, int n, std::complex<double> zd)
{
    const Complex100 z(zd.real(), zd.imag());
    const Real100 order = Real100(a) + n;
    const Complex100 quarterSquare = -z * z / Real100(4);
    Complex100 term = Real100(1) / boost::math::tgamma(order + 1);
    Complex100 sum = term;
    for (int k = 1; k < 4000; ++k) {
        term *= quarterSquare / (Real100(k) * (order + k));
        sum += term;
        if (k > std::abs(zd) && abs(term) < Real100(1e-45) * abs(sum)) {
            break;
        }
    }
    return toDouble(pow(z / Real100(2), order) * sum);
}

} // namespace quelm::test
