#include "viewer/language/number_syntax.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

namespace vexplot {
namespace {

struct NumberCase {
  std::string text;
  double value;
  int error;
};

TEST(ParseNumber, FollowsTheNumberSyntax) {
  const NumberCase cases[] = {
      {"1.5E2", 150.0, 0}, {"1.5d2", 150.0, 0}, {"1.5D+2", 150.0, 0}, {"-.5", -0.5, 0},
      {"+7", 7.0, 0},      {"0.25", 0.25, 0},   {"2e-1", 0.2, 0},     {"12.", 12.0, 0},
      {"-3e0", -3.0, 0},   {"10.", 10.0, 0},    {"3 ", 3.0, 0},       {" 4", 4.0, 0},
      {"1e 2", 100.0, 0},
      // Empty, a lone sign and a lone point read as 0 without error.
      {"", 0.0, 0},        {"-", 0.0, 0},       {"+", 0.0, 0},        {".", 0.0, 0},
      // Errors.
      {"E2", 0.0, 1},      {"1.2.3", 0.0, 1},   {"1e", 0.0, 1},       {"1e2.5", 0.0, 1},
      {"--1", 0.0, 1},     {"1-", 0.0, 1},      {"1 2", 0.0, 1},      {"X", 0.0, 1},
      {"'1'", 0.0, 1},     {".e5", 0.0, 1},     {"1e5x", 0.0, 1},     {"1 e5", 0.0, 1},
  };
  for (const NumberCase& c : cases) {
    int error = -1;
    const double value = parseNumber(c.text, error);
    EXPECT_EQ(error, c.error) << '"' << c.text << '"';
    EXPECT_NEAR(value, c.value, 1e-12) << '"' << c.text << '"';
  }
}

TEST(ParseNumber, LooksAtTheFirstFiftyCharactersOnly) {
  int error = -1;
  const std::string fifty = "1" + std::string(49, '0');
  EXPECT_DOUBLE_EQ(parseNumber(fifty + "junk", error), 1e49);
  EXPECT_EQ(error, 0);
  parseNumber(std::string(49, '0') + "x", error);
  EXPECT_EQ(error, 1);
}

TEST(ParseNumber, RefusesResultsThatAreNotFinite) {
  int error = -1;
  EXPECT_EQ(parseNumber("1e999", error), 0.0);
  EXPECT_EQ(error, 1);
  EXPECT_EQ(parseNumber("0e99999999999", error), 0.0);
  EXPECT_EQ(error, 1);
  EXPECT_EQ(parseNumber("5e-999", error), 0.0);
  EXPECT_EQ(error, 0);
}

TEST(ParseInteger, ReadsSignedWholeNumbers) {
  int error = -1;
  EXPECT_EQ(parseInteger("-12", error), -12);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(parseInteger(" +4 ", error), 4);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(parseInteger("99999999999999", error), INT_MAX);
  EXPECT_EQ(error, 0);
  EXPECT_EQ(parseInteger("-99999999999999", error), INT_MIN);
  EXPECT_EQ(error, 0);
  for (const char* bad : {"4.0", "4 5", "1e2", "+-1", "x"}) {
    EXPECT_EQ(parseInteger(bad, error), 0) << bad;
    EXPECT_EQ(error, 1) << bad;
  }
}

TEST(TruncateToInt, CutsTowardZeroAndSaturates) {
  EXPECT_EQ(truncateToInt(2.9), 2);
  EXPECT_EQ(truncateToInt(-2.9), -2);
  EXPECT_EQ(truncateToInt(1e300), INT_MAX);
  EXPECT_EQ(truncateToInt(-1e300), INT_MIN);
  EXPECT_EQ(truncateToInt(std::nan("")), 0);
}

}  // namespace
}  // namespace vexplot
