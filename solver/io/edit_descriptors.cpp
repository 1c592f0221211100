#include "solver/io/edit_descriptors.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quelm::edit {
namespace {

std::string overflow(int w) { return std::string(static_cast<std::size_t>(std::max(w, 0)), '*'); }

std::string rightAligned(const std::string& body, int w) {
    if (static_cast<int>(body.size()) > w) return overflow(w);
    return std::string(static_cast<std::size_t>(w) - body.size(), ' ') + body;
}

// Places sign and body in w characters; a leading "0." may give way to ".".
std::string placeNumber(bool negative, const std::string& body, int w) {
    std::string text = negative ? "-" : "";
    text += body;
    if (static_cast<int>(text.size()) > w && body.size() > 1 && body[0] == '0' && body[1] == '.') {
        text.erase(negative ? 1 : 0, 1);
    }
    return rightAligned(text, w);
}

std::string special(double value, int w) {
    if (std::isnan(value)) return rightAligned("NaN", w);
    const bool negative = std::signbit(value);
    const std::string longForm = negative ? "-Infinity" : "Infinity";
    if (static_cast<int>(longForm.size()) <= w) return rightAligned(longForm, w);
    return rightAligned(negative ? "-Inf" : "Inf", w);
}

// The first `count` significant decimal digits of |value| (correctly
// rounded) and the exponent e with |value| ~ 0.d1d2... * 10**e.
struct Digits {
    std::string digits;
    int exponent;
};

Digits significantDigits(double value, int count) {
    if (value == 0.0) return {std::string(static_cast<std::size_t>(count), '0'), 0};
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", count - 1, std::fabs(value));
    // buffer holds d.ddddde[+-]xx
    std::string digits;
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p != '.') digits += *p;
    }
    return {digits, std::atoi(p + 1) + 1};
}

// Exponent part of E editing: E+dd up to two digits, +ddd for three.
bool exponentField(int exponent, std::string& out) {
    const int magnitude = std::abs(exponent);
    if (magnitude > 999) return false;
    char buffer[16];
    if (magnitude <= 99) {
        std::snprintf(buffer, sizeof buffer, "E%c%02d", exponent < 0 ? '-' : '+', magnitude);
    } else {
        std::snprintf(buffer, sizeof buffer, "%c%03d", exponent < 0 ? '-' : '+', magnitude);
    }
    out = buffer;
    return true;
}

template <class Real>
Real powerOfTen(int k) {
    Real r = 1;
    for (int i = 0; i < k; ++i)
        r *= 10;
    return r;
}

// Number of decimals of the fixed form of Gw.d, or -1 for the exponent form.
// The thresholds are those of round-to-nearest, evaluated in Real.
template <class Real>
int fixedDecimalsForG(Real magnitude, int d) {
    const Real r = Real(0.5);
    const Real rexpD = Real(1) / powerOfTen<Real>(d);
    if (magnitude < Real(0.1) - Real(0.1) * r * rexpD || rexpD * (magnitude + r) >= Real(1)) {
        return -1;
    }
    const Real roundingLimit = Real(1) - r * rexpD;
    for (int k = 0; k <= d; ++k) {
        if (magnitude < powerOfTen<Real>(k) * roundingLimit) return d - k;
    }
    return -1;
}

template <class Real>
std::string generalized(Real value, int w, int d) {
    if (!std::isfinite(value)) return special(value, w);
    if (value == 0) return F(value, w - 4, d - 1) + X(4);
    const int decimals = fixedDecimalsForG<Real>(std::fabs(value), d);
    if (decimals < 0) return E(value, w, d);
    return F(value, w - 4, decimals) + X(4);
}

}  // namespace

std::string A(std::string_view text, int w) {
    if (static_cast<int>(text.size()) >= w) return std::string(text.substr(0, static_cast<std::size_t>(w)));
    return std::string(static_cast<std::size_t>(w) - text.size(), ' ') + std::string(text);
}

std::string X(int n) { return std::string(static_cast<std::size_t>(std::max(n, 0)), ' '); }

std::string I(long long value, int w) { return rightAligned(std::to_string(value), w); }

std::string L(bool value, int w) { return rightAligned(value ? "T" : "F", w); }

std::string F(double value, int w, int d) {
    if (!std::isfinite(value)) return special(value, w);
    char buffer[400];
    const int n = std::snprintf(buffer, sizeof buffer, "%.*f", d, std::fabs(value));
    if (n < 0 || n >= static_cast<int>(sizeof buffer)) return overflow(w);
    std::string body(buffer);
    if (d == 0) body += '.';
    return placeNumber(std::signbit(value), body, w);
}

std::string E(double value, int w, int d) {
    if (!std::isfinite(value)) return special(value, w);
    const Digits digits = significantDigits(value, d);
    std::string exponent;
    if (!exponentField(value == 0.0 ? 0 : digits.exponent, exponent)) return overflow(w);
    std::string body = "0.";
    body += digits.digits;
    body += exponent;
    return placeNumber(std::signbit(value), body, w);
}

std::string PE(double value, int w, int d) {
    if (!std::isfinite(value)) return special(value, w);
    const Digits digits = significantDigits(value, d + 1);
    std::string exponent;
    if (!exponentField(value == 0.0 ? 0 : digits.exponent - 1, exponent)) return overflow(w);
    std::string body = digits.digits;
    body.insert(1, 1, '.');
    body += exponent;
    return placeNumber(std::signbit(value), body, w);
}

std::string G(double value, int w, int d) { return generalized<double>(value, w, d); }
std::string G(float value, int w, int d) { return generalized<float>(value, w, d); }

}  // namespace quelm::edit
