#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/viewer/language/plot_file_fixture.hpp"
#include "viewer/language/point_set.hpp"

namespace vexplot {
namespace {

using Texts = std::vector<std::string>;

class DataLineTest : public testing::PlotFileTest {
 protected:
  const PointSet& points() {
    EXPECT_NE(frame(0).pointSet, nullptr);
    return *frame(0).pointSet;
  }
  std::vector<double> row(std::size_t point) {
    std::vector<double> values;
    for (int column = 0; column < points().columnCount; ++column) {
      values.push_back(points().value(point, column));
    }
    return values;
  }
};

TEST_F(DataLineTest, ItemsFillTheColumnsOfTheOrder) {
  EXPECT_EQ(diagnostics("1 2\n1 2 0.1 0.1 'A'\n5 6; 7 8 9 9 XY extra words\n"), Texts{});
  ASSERT_EQ(points().count(), 4u);
  EXPECT_EQ(points().columnCount, 4);
  EXPECT_EQ(row(0), (std::vector<double>{1, 2, 0, 0}));
  EXPECT_EQ(row(1), (std::vector<double>{1, 2, 0.1, 0.1}));
  EXPECT_EQ(points().symbols[0], (SymbolCode{'\0', '\0'}));
  EXPECT_EQ(points().symbols[1], (SymbolCode{'A', '\0'}));
  // Items beyond the order are ignored.
  EXPECT_EQ(row(3), (std::vector<double>{7, 8, 9, 9}));
  EXPECT_EQ(points().symbols[3], (SymbolCode{'X', 'Y'}));
  EXPECT_FALSE(frame(0).pointSetUsed);
}

TEST_F(DataLineTest, OrderDecidesWhichItemsAreNumbers) {
  // The first number of a line is never a symbol; under SYMBOL or DUMMY it is
  // not kept.
  EXPECT_EQ(diagnostics("SET ORDER SYMBOL Y DUMMY X\n7 2 anything 3\n"), Texts{});
  ASSERT_EQ(points().count(), 1u);
  EXPECT_EQ(row(0), (std::vector<double>{2, 3}));
  EXPECT_EQ(points().symbols[0], (SymbolCode{'\0', '\0'}));
}

TEST_F(DataLineTest, WordInANumericColumnLosesThePointWithAReport) {
  EXPECT_EQ(diagnostics("1 2\n3 X 5 6\n"),
            (Texts{"[com_data] Invalid number \"X\" in data line. Point ignored.\n"}));
  // The rest of the line is read as new statements: 5 6 is a point.
  ASSERT_EQ(points().count(), 2u);
  EXPECT_EQ(row(1), (std::vector<double>{5, 6, 0, 0}));

  EXPECT_EQ(diagnostics("1 'two'\n"),
            (Texts{"[com_data] Invalid number \"'two'\" in data line. Point ignored.\n"}));
}

TEST_F(DataLineTest, DrawingCommandsShareThePointsUntilTheNextDataLine) {
  EXPECT_EQ(diagnostics("1 2\n3 4\nJOIN 1\nPLOT\n5 6\n"), Texts{});
  ASSERT_EQ(drawing_.calls.size(), 3u);
  EXPECT_EQ(drawing_.calls[0].what, "join");
  EXPECT_EQ(drawing_.calls[1].what, "symbols");
  // Both drew the two points; the next line started a set of its own.
  ASSERT_EQ(points().count(), 1u);
  EXPECT_EQ(row(0), (std::vector<double>{5, 6, 0, 0}));

  // An axes-only PLOT keeps the set open for more lines.
  EXPECT_EQ(diagnostics("1 2\nPLOT AXES\n3 4\n"), Texts{});
  EXPECT_EQ(points().count(), 2u);
}

TEST_F(DataLineTest, PointRoomGrowsByBlocksOf1024) {
  std::string lines;
  for (int i = 0; i < 1025; ++i) lines += std::to_string(i) + " 1\n";
  EXPECT_EQ(diagnostics(lines), Texts{});
  EXPECT_EQ(points().count(), 1025u);
  EXPECT_EQ(points().capacity(), 2048u);
  EXPECT_EQ(points().value(1024, 0), 1024.0);
}

// A large set is copied a few times while it fills, not once per block.
TEST(PointSetRoom, GrowsInWholeBlocksByHalfItsSize) {
  PointSet points(2);
  const std::array<double, 2> row{1.0, 2.0};
  int enlargements = 0;
  for (int i = 0; i < 200000; ++i) {
    const std::size_t before = points.capacity();
    points.append(row, SymbolCode{});
    if (points.capacity() != before) {
      ++enlargements;
      EXPECT_EQ(points.capacity() % PointSet::kGrowthStep, 0u);
      EXPECT_GE(points.capacity(), before + before / 2);
    }
  }
  EXPECT_EQ(points.count(), 200000u);
  EXPECT_LT(enlargements, 20);
  EXPECT_EQ(points.value(199999, 1), 2.0);
}

TEST_F(DataLineTest, ReaderFailureInsideALineEndsTheFile) {
  const std::string overlong(255, 'x');
  EXPECT_EQ(run("1 " + overlong + "\nSET COLOR RED\n"),
            (Texts{"[com_end] Plot #0 ends.\n", endOfInputText()}));
  EXPECT_EQ(frame(0).colour, 0);
  EXPECT_EQ(frame(0).pointSet->count(), 0u);
}

}  // namespace
}  // namespace vexplot
