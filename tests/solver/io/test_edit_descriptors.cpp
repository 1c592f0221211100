// Every expected field below was printed by a Fortran runtime with the same
// edit descriptor and value.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "solver/io/edit_descriptors.hpp"

namespace quelm::edit {
namespace {

struct Case {
    double value;
    const char* g13_5;
    const char* g10_3;
    const char* g9_3;
    const char* e12_5;
    const char* pe13_5;
    const char* f10_3;
    const char* f6_3;
};

const Case CASES[] = {
    {0.0, "   0.0000    ", "  0.00    ", " 0.00    ", " 0.00000E+00", "  0.00000E+00", "     0.000", " 0.000"},
    {-0.0, "  -0.0000    ", " -0.00    ", "-0.00    ", "-0.00000E+00", " -0.00000E+00", "    -0.000", "-0.000"},
    {1.0, "   1.0000    ", "  1.00    ", " 1.00    ", " 0.10000E+01", "  1.00000E+00", "     1.000", " 1.000"},
    {-0.1, " -0.10000    ", "-0.100    ", "-.100    ", "-0.10000E+00", " -1.00000E-01", "    -0.100", "-0.100"},
    // The G form switches where rounding to d digits reaches 0.1 and 10**d.
    {0.099999949, "  0.10000    ", " 0.100    ", "0.100    ", " 0.10000E+00", "  9.99999E-02", "     0.100", " 0.100"},
    {99999.4, "   99999.    ", " 0.100E+06", "0.100E+06", " 0.99999E+05", "  9.99994E+04", " 99999.400", "******"},
    {99999.5, "  0.10000E+06", " 0.100E+06", "0.100E+06", " 0.10000E+06", "  9.99995E+04", " 99999.500", "******"},
    {-99999.5, " -0.10000E+06", "-0.100E+06", "-.100E+06", "-0.10000E+06", " -9.99995E+04", "-99999.500", "******"},
    // Rounding that carries into a new digit.
    {9.99995, "   10.000    ", "  10.0    ", " 10.0    ", " 0.10000E+02", "  9.99995E+00", "    10.000", "10.000"},
    {9.999949, "   9.9999    ", "  10.0    ", " 10.0    ", " 0.99999E+01", "  9.99995E+00", "    10.000", "10.000"},
    {0.999995, "   1.0000    ", "  1.00    ", " 1.00    ", " 0.99999E+00", "  9.99995E-01", "     1.000", " 1.000"},
    {1e-10, "  0.10000E-09", " 0.100E-09", "0.100E-09", " 0.10000E-09", "  1.00000E-10", "     0.000", " 0.000"},
    {123456.7, "  0.12346E+06", " 0.123E+06", "0.123E+06", " 0.12346E+06", "  1.23457E+05", "123456.700", "******"},
    {1234.5678, "   1234.6    ", " 0.123E+04", "0.123E+04", " 0.12346E+04", "  1.23457E+03", "  1234.568", "******"},
    {0.125, "  0.12500    ", " 0.125    ", "0.125    ", " 0.12500E+00", "  1.25000E-01", "     0.125", " 0.125"},
    {-0.00004, " -0.40000E-04", "-0.400E-04", "-.400E-04", "-0.40000E-04", " -4.00000E-05", "    -0.000", "-0.000"},
    // Three-digit exponents drop the letter.
    {1e100, "  0.10000+101", " 0.100+101", "0.100+101", " 0.10000+101", "  1.00000+100", "**********", "******"},
    {-1e-100, " -0.10000E-99", "-0.100E-99", "-.100E-99", "-0.10000E-99", " -1.00000-100", "    -0.000", "-0.000"},
    {1e-300, "  0.10000-299", " 0.100-299", "0.100-299", " 0.10000-299", "  1.00000-300", "     0.000", " 0.000"},
    {std::numeric_limits<double>::infinity(), "     Infinity", "  Infinity", " Infinity", "    Infinity", "     Infinity", "  Infinity", "   Inf"},
    {-std::numeric_limits<double>::infinity(), "    -Infinity", " -Infinity", "-Infinity", "   -Infinity", "    -Infinity", " -Infinity", "  -Inf"},
    {std::nan(""), "          NaN", "       NaN", "      NaN", "         NaN", "          NaN", "       NaN", "   NaN"},
};

TEST(EditDescriptors, RealFieldsMatchFortranOutput) {
    for (const Case& c : CASES) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(G(c.value, 13, 5), c.g13_5);
        EXPECT_EQ(G(c.value, 10, 3), c.g10_3);
        EXPECT_EQ(G(c.value, 9, 3), c.g9_3);
        EXPECT_EQ(E(c.value, 12, 5), c.e12_5);
        EXPECT_EQ(PE(c.value, 13, 5), c.pe13_5);
        EXPECT_EQ(F(c.value, 10, 3), c.f10_3);
        EXPECT_EQ(F(c.value, 6, 3), c.f6_3);
    }
}

TEST(EditDescriptors, SinglePrecisionGChoosesFormInSinglePrecision) {
    // 0.0999995 is 0.1 - 0.5e-6 rounded to float: the float just below it
    // still prints in exponent form, the float itself in fixed form.
    const float limit = 0.0999995f;
    EXPECT_EQ(G(limit, 13, 5), "  0.10000    ");
    EXPECT_EQ(G(std::nextafter(limit, 0.0f), 13, 5), "  0.99999E-01");
    EXPECT_EQ(G(0.5f, 9, 3), "0.500    ");
    EXPECT_EQ(G(-3.0f, 9, 3), "-3.00    ");
}

TEST(EditDescriptors, FixedFormDropsLeadingZeroOnlyWhenNeeded) {
    EXPECT_EQ(F(0.5, 4, 3), ".500");
    EXPECT_EQ(F(0.5, 5, 3), "0.500");
    EXPECT_EQ(F(-0.5, 3, 1), "-.5");
    EXPECT_EQ(F(1234.56, 5, 1), "*****");
    EXPECT_EQ(F(2.0, 4, 0), "  2.");
}

TEST(EditDescriptors, IntegerLogicalTextAndBlankFields) {
    EXPECT_EQ(I(42, 6), "    42");
    EXPECT_EQ(I(-1234, 5), "-1234");
    EXPECT_EQ(I(123, 2), "**");
    EXPECT_EQ(I(12345, 5), "12345");
    EXPECT_EQ(L(true, 1), "T");
    EXPECT_EQ(L(false, 3), "  F");
    EXPECT_EQ(A("ABC", 5), "  ABC");
    EXPECT_EQ(A("ABCDEFGH", 4), "ABCD");
    EXPECT_EQ(X(3), "   ");
    EXPECT_EQ(X(0), "");
}

}  // namespace
}  // namespace quelm::edit
