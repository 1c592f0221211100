#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "viewer/render/tick_label.hpp"
#include "viewer/render/tick_layout.hpp"

namespace vexplot {
namespace {

std::vector<double> values(const TickLayout& layout, bool majorOnly) {
  std::vector<double> result;
  for (const Tick& tick : layout.ticks) {
    if (tick.major || !majorOnly) result.push_back(tick.value);
  }
  return result;
}

// The labels of the major ticks, as an axis draws them.
std::vector<std::string> labels(const TickLayout& layout) {
  std::vector<std::string> result;
  for (const Tick& tick : layout.ticks) {
    if (tick.major) result.push_back(formatTickLabel(tick.value, !layout.linear, layout.exponent).text);
  }
  return result;
}

void expectValues(const std::vector<double>& actual, const std::vector<double>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-12) << i;
}

TEST(LinearTicks, ZeroToTenHasMajorsEveryTwo) {
  const TickLayout layout = linearTicks(0.0, 10.0, 6, 0);
  EXPECT_TRUE(layout.linear);
  EXPECT_EQ(layout.exponent, 0);
  EXPECT_EQ(layout.ticks.size(), 21u);  // minor step 0.5
  expectValues(values(layout, true), {0, 2, 4, 6, 8, 10});
  EXPECT_EQ(labels(layout), (std::vector<std::string>{"0", "2", "4", "6", "8", "10"}));
}

TEST(LinearTicks, ZeroToOneHasMajorsEveryFifth) {
  const TickLayout layout = linearTicks(0.0, 1.0, 6, 0);
  EXPECT_EQ(layout.exponent, -1);
  expectValues(values(layout, true), {0, 0.2, 0.4, 0.6, 0.8, 1.0});
  EXPECT_EQ(labels(layout), (std::vector<std::string>{"0", "0.2", "0.4", "0.6", "0.8", "1.0"}));
  EXPECT_EQ(layout.ticks.size(), 21u);  // minor step 0.05
}

TEST(LinearTicks, StepDigitsAndMinorCounts) {
  // Range 1 over 0.75 * 6: L = -0.65, leading digit 2 at e = -1 above; range
  // 3 gives 0.67 (digit 5), range 7 gives 0.19 (digit 1 at e = 0).
  expectValues(values(linearTicks(0.0, 3.0, 6, 0), true), {0, 0.5, 1, 1.5, 2, 2.5, 3});
  expectValues(values(linearTicks(0.0, 7.0, 6, 0), true), {0, 1, 2, 3, 4, 5, 6, 7});
  EXPECT_EQ(linearTicks(0.0, 7.0, 6, 0).ticks.size(), 36u);  // 5 minor steps of 0.2
  EXPECT_EQ(linearTicks(0.0, 10.0, 6, 2).ticks.size(), 11u);  // 2 minor steps of 1
}

TEST(LinearTicks, ReversedAndOffsetRanges) {
  const TickLayout reversed = linearTicks(10.0, 0.0, 6, 0);
  expectValues(values(reversed, true), {0, 2, 4, 6, 8, 10});
  // A tick within 0.1 % of the range beyond an end is kept.
  expectValues(values(linearTicks(-0.0009, 9.9991, 6, 0), true), {0, 2, 4, 6, 8, 10});
  expectValues(values(linearTicks(0.011, 10.0, 6, 0), true), {2, 4, 6, 8, 10});
  EXPECT_EQ(labels(linearTicks(-20.0, 20.0, 6, 0)),
            (std::vector<std::string>{"-20", "-15", "-10", "-5", "0", "5", "10", "15", "20"}));
}

TEST(LinearTicks, DegenerateRangesGiveNoTicks) {
  EXPECT_TRUE(linearTicks(3.0, 3.0, 6, 0).ticks.empty());
  EXPECT_TRUE(linearTicks(0.0, 1.0, 0, 0).ticks.empty());
  EXPECT_TRUE(linearTicks(-1e308, 1e308, 6, 0).ticks.empty());
  EXPECT_TRUE(linearTicks(1e20, 1e20 + 1e5, 6, 0).ticks.empty());  // indices beyond 1e15
  EXPECT_TRUE(linearTicks(0.0, 1.0, 100000, 0).ticks.empty());      // far too many ticks
}

TEST(LogTicks, SixDecadesTakeOneAndFive) {
  const TickLayout layout = logTicks(1.0, 1.0e6, 6, 0);
  EXPECT_FALSE(layout.linear);
  expectValues(values(layout, false), {1, 5, 10, 50, 100, 500, 1000, 5000, 1e4, 5e4, 1e5, 5e5, 1e6});
  expectValues(values(layout, true), {1, 10, 100, 1000, 1e4, 1e5, 1e6});
  EXPECT_EQ(labels(layout),
            (std::vector<std::string>{"1", "10", "100", "1000", "1X10243", "1X10253", "1X10263"}));
  const TickLabel tenThousand = formatTickLabel(1.0e4, true, 0);
  EXPECT_EQ(tenThousand.caseLine, " M  X X");
}

TEST(LogTicks, LevelsFollowTheRatio) {
  // Level 0: powers of ten only.
  expectValues(values(logTicks(1.0, 1.0e8, 6, 0), false), {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8});
  // Level 2: every digit, majors at the powers.
  const TickLayout level2 = logTicks(2.0, 300.0, 6, 0);
  expectValues(values(level2, true), {10, 100});
  EXPECT_EQ(level2.ticks.front().value, 2.0);
  EXPECT_NEAR(level2.ticks.back().value, 300.0, 1e-9);
  EXPECT_EQ(level2.ticks.size(), 20u);  // 2..9, 10..90, 100..300
  // Level 3 adds majors at 5, level 4 (few majors asked for) at the even
  // digits.
  expectValues(values(logTicks(1.0, 20.0, 6, 0), true), {1, 5, 10});
  expectValues(values(logTicks(1.0, 20.0, 2, 0), true), {1, 2, 4, 6, 8, 10, 20});
  // More majors asked for give a coarser level; a count of 1 or less counts
  // as 6.
  expectValues(values(logTicks(1.0, 20.0, 10, 0), true), {1, 10});
  expectValues(values(logTicks(1.0, 20.0, 1, 0), true), {1, 5, 10});
}

TEST(LogTicks, NarrowRangesAreLinear) {
  const TickLayout sameDecade = logTicks(2.0, 8.0, 6, 0);
  EXPECT_TRUE(sameDecade.linear);
  expectValues(values(sameDecade, true), {2, 3, 4, 5, 6, 7, 8});
  EXPECT_TRUE(logTicks(5.0, 40.0, 6, 0).linear);  // ratio below 10
}

TEST(TickLabels, PlainDigits) {
  EXPECT_EQ(formatTickLabel(0.0, true, 0), (TickLabel{"0", " "}));
  EXPECT_EQ(formatTickLabel(2.5, false, -1), (TickLabel{"2.5", "   "}));
  EXPECT_EQ(formatTickLabel(7.9, false, 0).text, "7");  // the integer part
  EXPECT_EQ(formatTickLabel(-0.004, false, -3).text, "-0.004");
  EXPECT_EQ(formatTickLabel(1500.0, false, 3).text, "1500");
  // Automatic digits come from the last significant digit.
  EXPECT_EQ(formatTickLabel(0.5, true, 0).text, "0.5");
  EXPECT_EQ(formatTickLabel(0.002, true, 0).text, "0.002");
  EXPECT_EQ(formatTickLabel(20.0, true, 0).text, "20");
  EXPECT_EQ(formatTickLabel(1.25, true, 0).text, "1.25");
}

TEST(TickLabels, ExponentForm) {
  EXPECT_EQ(formatTickLabel(3.0e5, true, 0), (TickLabel{"3X10253", " M  X X"}));
  EXPECT_EQ(formatTickLabel(2.5e5, true, 0), (TickLabel{"2.5X10253", "   M  X X"}));
  EXPECT_EQ(formatTickLabel(-1.0e-4, true, 0), (TickLabel{"-1X102-43", "  M  X  X"}));
  EXPECT_EQ(formatTickLabel(0.0003, false, -4).text, "3X102-43");
  EXPECT_EQ(formatTickLabel(120000.0, false, 4).text, "1.2X10253");
}

}  // namespace
}  // namespace vexplot
