#include "viewer/render/tick_label.hpp"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "viewer/language/number_syntax.hpp"

namespace vexplot {

namespace {

std::string printed(const char* format, double value) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

// The decimal exponent of the last significant digit of the value, read from
// its nine-digit scientific form.
int lastDigitExponent(double value) {
  const std::string text = printed("%.8e", value);
  const std::size_t e = text.find('e');
  const int exponent = std::atoi(text.c_str() + e + 1);
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return exponent;
  const std::size_t last = text.find_last_not_of("0 ", e - 1);
  return exponent + static_cast<int>(point) - static_cast<int>(last);
}

TickLabel plainLabel(double value, int digits) {
  std::string text;
  if (digits < 0) {
    char format[16];
    std::snprintf(format, sizeof format, "%%.%df", -digits);
    text = printed(format, value);
  } else {
    text = std::to_string(truncateToInt(value));
  }
  return {text, std::string(text.size(), ' ')};
}

TickLabel exponentLabel(double value) {
  const std::string text = printed("%e", value);
  const std::size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  mantissa.erase(mantissa.find_last_not_of("0.") + 1);
  const std::string exponent = std::to_string(std::atoi(text.c_str() + e + 1));
  TickLabel label;
  label.text.append(mantissa).append("X102").append(exponent).append("3");
  label.caseLine.append(mantissa.size(), ' ').append("M  X").append(exponent.size(), ' ').append("X");
  return label;
}

}  // namespace

TickLabel formatTickLabel(double value, bool automatic, int digits) {
  if (value == 0.0) return {"0", " "};
  if (automatic) digits = lastDigitExponent(value);
  if (digits >= -3 && digits <= 3) return plainLabel(value, digits);
  return exponentLabel(value);
}

}  // namespace vexplot
