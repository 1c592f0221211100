#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/viewer/language/plot_file_fixture.hpp"
#include "viewer/language/point_binning.hpp"
#include "viewer/language/result_codes.hpp"

namespace vexplot {
namespace {

using Texts = std::vector<std::string>;
using Bins = std::vector<std::pair<double, double>>;

class BinCommandTest : public testing::PlotFileTest {
 protected:
  // Centre and total of every bin of frame 0.
  Bins bins() {
    Bins result;
    const PointSet& points = *frame(0).pointSet;
    for (std::size_t i = 0; i < points.count(); ++i) {
      result.emplace_back(points.value(i, 0), points.value(i, 1));
    }
    return result;
  }
};

TEST_F(BinCommandTest, BinsReplaceThePointsAndTheOrder) {
  // Values 0.5 and 1 fall into the first bin, 9.9 into the last; 11 and -1
  // are outside. The weight 0 counts as 1.
  EXPECT_EQ(diagnostics("SET ORDER Y X\n0.5 2\n1 0\n9.9 3\n11 5\n-1 5\nBIN FROM 0 TO 10 BY 3\n"), Texts{});
  EXPECT_EQ(frame(0).order, (std::vector<int>{kColumnX, kColumnY, kColumnSymbol}));
  const double width = 10.0 / 3.0;
  const Bins expected{{0.5 * width, 3.0}, {1.5 * width, 0.0}, {2.5 * width, 3.0}};
  ASSERT_EQ(bins().size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_DOUBLE_EQ(bins()[i].first, expected[i].first);
    EXPECT_DOUBLE_EQ(bins()[i].second, expected[i].second);
  }
}

TEST_F(BinCommandTest, BinsWinOverByAndTheRangeMayRunBackwards) {
  EXPECT_EQ(diagnostics("1\n2\n2\n3.5\nBIN TO 0 FROM 4 BY 3 BINS 2.7\n"), Texts{});
  // BINS 2.7 is cut to 2 bins of width 2 from 0; the weights of 0 count 1.
  EXPECT_EQ(bins(), (Bins{{1.0, 1.0}, {3.0, 3.0}}));
}

TEST_F(BinCommandTest, ByIsRoundedToTheNearestCount) {
  EXPECT_EQ(diagnostics("1 1\nBIN FROM 0 TO 10 BY 2.6\n"), Texts{});
  EXPECT_EQ(bins().size(), 4u);  // 3.85 bins
  EXPECT_EQ(diagnostics("1 1\nBIN FROM 0 TO 10 BY 2.9\n"), Texts{});
  EXPECT_EQ(bins().size(), 3u);  // 3.45 bins
}

TEST_F(BinCommandTest, EveryMessageRejectsTheCommand) {
  const std::string before = "1 1\n";
  const auto message = [](const std::string& text) { return "[com_bin] " + text + " in BIN command.\n"; };
  EXPECT_EQ(diagnostics(before + "BIN FROM 0 TO 10\n"),
            (Texts{"[com_bin] FROM, TO , BINS and/or BY must be defined in BIN command.\n"}));
  EXPECT_EQ(diagnostics(before + "BIN FROM 0 BINS 3\n"),
            (Texts{"[com_bin] FROM, TO , BINS and/or BY must be defined in BIN command.\n"}));
  EXPECT_EQ(diagnostics(before + "BIN FROM 2 TO 2 BINS 3\n"), (Texts{message("Invalid FROM/TO parameter")}));
  EXPECT_EQ(diagnostics(before + "BIN FROM 0 TO 2 BINS 0.5\n"), (Texts{message("Invalid BINS parameter")}));
  EXPECT_EQ(diagnostics(before + "BIN FROM 0 TO 2 BY 0\n"), (Texts{message("Invalid BY parameter")}));
  EXPECT_EQ(diagnostics(before + "BIN FROM 0 TO 2 BY 5\n"),
            (Texts{message("Invalid FROM/TO/BY parameter")}));
  EXPECT_EQ(frame(0).order.size(), 5u);
  EXPECT_EQ(frame(0).pointSet->count(), 1u);
}

TEST_F(BinCommandTest, OperandErrors) {
  // A second number after a keyword is ignored with a report.
  EXPECT_EQ(diagnostics("1 1\nBIN FROM 0 9 TO 2 BINS 2\n"),
            (Texts{"[com_bin] Too many numbers in BIN command.\n"}));
  EXPECT_EQ(bins().size(), 2u);
  // A number before any keyword drops the statement.
  EXPECT_EQ(diagnostics("1 1\nBIN 5 FROM 0 TO 2 BINS 2; SET COLOR RED\n"),
            (Texts{"[com_bin] Syntax error in BIN command\n"}));
  EXPECT_EQ(frame(0).order.size(), 5u);
  EXPECT_EQ(frame(0).colour, 4);
  // An unknown word leaves the rest to the interpreter.
  EXPECT_EQ(diagnostics("BIN FROM 0 WIDE 3 4\n"), (Texts{"[errmsgkw] keyword WIDE is invalid\n"}));
  EXPECT_EQ(frame(0).pointSet->count(), 1u);
}

TEST_F(BinCommandTest, NothingToBinLeavesTheFrameAlone) {
  EXPECT_EQ(diagnostics("BIN FROM 0 TO 2 BINS 2\n"), Texts{});
  EXPECT_EQ(frame(0).order.size(), 5u);
  EXPECT_EQ(diagnostics("SET ORDER DUMMY X\n1 1\nBIN FROM 0 TO 2 BINS 2\n"), Texts{});
  EXPECT_EQ(frame(0).order, (std::vector<int>{kColumnDummy, kColumnX}));
  EXPECT_EQ(frame(0).pointSet->count(), 1u);
  // Far too many bins are refused without a word.
  EXPECT_EQ(diagnostics("1 1\nBIN FROM -1e300 TO 1e300 BY 1\n"), Texts{});
  EXPECT_EQ(frame(0).order.size(), 5u);
}

TEST(PointBinning, Outcomes) {
  FrameState frame(0, "t", 100.0, 100.0);
  EXPECT_EQ(binPoints(frame, 0.0, 1.0, 2), BinOutcome::kNoPoints);
  frame.pointSet = std::make_unique<PointSet>(4);
  EXPECT_EQ(binPoints(frame, 0.0, 1.0, 2), BinOutcome::kNoPoints);
  const std::vector<int> order{kColumnSymbol, kColumnX};
  frame.setOrder(order);
  frame.pointSet = std::make_unique<PointSet>(1);
  frame.pointSet->append(std::vector<double>{0.5}, SymbolCode{'A', '\0'});
  EXPECT_EQ(binPoints(frame, 0.0, 1.0, 2), BinOutcome::kNoValueColumn);
  EXPECT_EQ(frame.pointSet->count(), 1u);

  // A single order item: every point counts 1; the symbol is not kept.
  frame.setOrder(std::vector<int>{kColumnZ});
  frame.pointSet = std::make_unique<PointSet>(1);
  frame.pointSet->append(std::vector<double>{0.75}, SymbolCode{'A', '\0'});
  frame.pointSetUsed = true;
  EXPECT_EQ(binPoints(frame, 0.0, 1.0, 2), BinOutcome::kBinned);
  EXPECT_EQ(frame.pointSet->count(), 2u);
  EXPECT_EQ(frame.pointSet->value(1, 1), 1.0);
  EXPECT_EQ(frame.pointSet->symbols[1], (SymbolCode{'\0', '\0'}));
  EXPECT_FALSE(frame.pointSetUsed);

  // Absurd bin counts are refused before any memory is asked for.
  EXPECT_EQ(binPoints(frame, 0.0, 1.0, 2'000'000'000), BinOutcome::kTooManyBins);
  EXPECT_EQ(frame.pointSet->count(), 2u);
}

}  // namespace
}  // namespace vexplot
