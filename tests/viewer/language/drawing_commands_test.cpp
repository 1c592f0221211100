#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/viewer/language/plot_file_fixture.hpp"

namespace vexplot {
namespace {

using Texts = std::vector<std::string>;
using Call = testing::RecordingDrawing::Call;

class DrawingCommandsTest : public testing::PlotFileTest {
 protected:
  // The drawing calls of the run, without the one that ends the frame.
  std::vector<Call> drawingCalls() {
    std::vector<Call> calls;
    for (const Call& call : drawing_.calls) {
      if (call.what != "decorations") calls.push_back(call);
    }
    return calls;
  }
  // The range of each plotting call of the run.
  std::vector<std::pair<int, int>> ranges() {
    std::vector<std::pair<int, int>> result;
    for (const Call& call : drawingCalls()) result.emplace_back(call.range.first, call.range.last);
    return result;
  }
};

using Ranges = std::vector<std::pair<int, int>>;

TEST_F(DrawingCommandsTest, PlotNumbersNameTheFirstAndLastPoint) {
  EXPECT_EQ(diagnostics("PLOT 3; PLOT 2 5; PLOT 5 2; PLOT; PLOT TO 4 POINTS 2; PLOT 2.9\n"), Texts{});
  EXPECT_EQ(ranges(), (Ranges{{2, -1}, {1, 4}, {4, 1}, {-1, -1}, {1, 3}, {1, -1}}));

  EXPECT_EQ(diagnostics("PLOT 0\nPLOT TO 5\nPLOT 1 2 3\n"),
            (Texts{"[com_plot] Wrong range of points in PLOT command\n",
                   "[com_plot] Wrong range of points in PLOT command\n",
                   "[com_plot] Too many numbers in PLOT command.\n"}));
  // Only the last statement drew: its third number was ignored.
  EXPECT_EQ(ranges(), (Ranges{{0, 1}}));
}

TEST_F(DrawingCommandsTest, PlotOperandWords) {
  EXPECT_EQ(diagnostics("1 2\nPLOT TEXT LIGHTRED\nPLOT AXES\nPLOT AX\n"), Texts{});
  const std::vector<Call> calls = drawingCalls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].what, "symbols");
  EXPECT_FALSE(calls[0].dataCoordinates);
  EXPECT_EQ(calls[0].colour, 12);
  EXPECT_EQ(calls[1].what, "axes");
  EXPECT_EQ(calls[2].what, "axes");
}

TEST_F(DrawingCommandsTest, UnknownWordDropsTheRestOfTheStatement) {
  EXPECT_EQ(diagnostics("PLOT PURPLE 3 4; SET COLOR RED\nJOIN 1 SPLINE WIGGLY 2\nHISTOGRAM X\n"),
            (Texts{"[errmsgkw] keyword PURPLE is invalid\n", "[errmsgkw] keyword WIGGLY is invalid\n",
                   "[errmsgkw] keyword X is invalid\n"}));
  EXPECT_TRUE(drawingCalls().empty());
  EXPECT_EQ(frame(0).colour, 4);
}

TEST_F(DrawingCommandsTest, JoinTakesNumbersOnlyAfterPointsOrTo) {
  EXPECT_EQ(diagnostics("JOIN 1\nJOIN 7 POINTS 2 5\nJOIN TO 3 POINTS 2\nJOIN DASHED\nJOIN DASHES\n"
                        "JOIN DOT SOLID TEXT BLUE\n"),
            Texts{});
  const std::vector<Call> calls = drawingCalls();
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(ranges(), (Ranges{{-1, -1}, {1, 4}, {1, 2}, {-1, -1}, {-1, -1}, {-1, -1}}));
  EXPECT_EQ(calls[0].texture, kFrameTexture);
  EXPECT_EQ(calls[3].texture, kDash);
  EXPECT_EQ(calls[4].texture, kDash);
  EXPECT_EQ(calls[5].texture, kSolid);
  EXPECT_FALSE(calls[5].dataCoordinates);
  EXPECT_EQ(calls[5].colour, 1);

  EXPECT_EQ(diagnostics("JOIN TO 3\nJOIN POINTS 1 2 3\n"),
            (Texts{"[com_join] Wrong range of points in JOIN command.\n",
                   "[com_join] Too many numbers in JOIN command.\n"}));
}

TEST_F(DrawingCommandsTest, HistogramRangeTextureAndColour) {
  EXPECT_EQ(diagnostics("HISTOGRAM 7 POINTS 2 5 DOTDASH BLUE\nHISTOGRAM POINTS 0\n"),
            (Texts{"[com_histogram] Wrong range of points in HISTOGRAM command.\n"}));
  const std::vector<Call> calls = drawingCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].what, "histogram");
  EXPECT_EQ(ranges(), (Ranges{{1, 4}}));
  EXPECT_EQ(calls[0].texture, kDotDash);
  EXPECT_EQ(calls[0].colour, 1);
  EXPECT_TRUE(frame(0).pointSetUsed);
}

TEST_F(DrawingCommandsTest, ReaderFailuresNameTheirCommand) {
  const std::string overlong(255, 'x');
  EXPECT_EQ(run("JOIN " + overlong + "\n"),
            (Texts{"[com_jon] Syntax error in JOIN command\n", "[com_end] Plot #0 ends.\n",
                   endOfInputText()}));
  EXPECT_EQ(run("HISTOGRAM " + overlong + "\n")[0],
            "[com_histogram] Syntax error in HISTOGRAM command.\n");
  EXPECT_EQ(run("LIST " + overlong + "\n")[0], "[com_list] Syntax error in LIST command.\n");
  EXPECT_EQ(run("BIN " + overlong + "\n")[0], "[com_bin] Syntax error in BIN command\n");
  EXPECT_EQ(run("ARROW " + overlong + "\n")[0], "[com_arrow] Syntax error in ARROW command.\n");
  EXPECT_EQ(run("BOX " + overlong + "\n")[0], "[com_box] Syntax error in BOX command\n");
}

TEST_F(DrawingCommandsTest, ListChecksItsRangeAndDrawsNothing) {
  EXPECT_EQ(diagnostics("1 2\nLIST FROM 1 TO 2\nLIST 1 2 3\nLIST TO 2\nLIST FOO 3 4\n"),
            (Texts{"[com_list] Too many numbers in LIST command.\n",
                   "[com_list] Wrong range of points in LIST command.\n",
                   "[errmsgkw] keyword FOO is invalid\n"}));
  EXPECT_TRUE(drawingCalls().empty());
  // FOO left 3 4 to the interpreter: a data line.
  EXPECT_EQ(frame(0).pointSet->count(), 2u);
  EXPECT_FALSE(frame(0).pointSetUsed);
}

TEST_F(DrawingCommandsTest, ArrowEndsGapsAndHead) {
  EXPECT_EQ(diagnostics("SET ARROW SIZE 4 FLARE 0.7\n"
                        "ARROW FROM 1 1 TO 2 2 SIZE 3\n"
                        "ARROW FROM 1 2 LESS 0.2 DATA TO DATA 3 4 LESS 0.1 FLARE 0.3 RED\n"
                        "ARROW TO 5 6 FROM 7 8 9 GREEN\n"),
            (Texts{"[com_arrow] Too many numbers in ARROW command.\n"}));
  ASSERT_EQ(frame(0).arrows.size(), 3u);
  const QueuedArrow& first = frame(0).arrows[0];
  EXPECT_DOUBLE_EQ(first.headLength, 0.3);
  EXPECT_DOUBLE_EQ(first.headWidthRatio, 0.7);
  EXPECT_EQ(first.colour, 0);
  const QueuedArrow& second = frame(0).arrows[1];
  EXPECT_TRUE(second.from.isData);
  EXPECT_TRUE(second.to.isData);
  EXPECT_DOUBLE_EQ(second.from.gap, 0.2);
  EXPECT_DOUBLE_EQ(second.to.gap, 0.1);
  EXPECT_DOUBLE_EQ(second.to.x, 3.0);
  EXPECT_DOUBLE_EQ(second.to.y, 4.0);
  EXPECT_DOUBLE_EQ(second.headLength, 0.4);
  EXPECT_DOUBLE_EQ(second.headWidthRatio, 0.3);
  EXPECT_EQ(second.colour, 4);
  const QueuedArrow& third = frame(0).arrows[2];
  EXPECT_DOUBLE_EQ(third.from.x, 7.0);
  EXPECT_DOUBLE_EQ(third.from.y, 8.0);
  EXPECT_DOUBLE_EQ(third.to.x, 5.0);
  EXPECT_EQ(third.colour, 2);
}

TEST_F(DrawingCommandsTest, ArrowErrors) {
  EXPECT_EQ(diagnostics("ARROW FROM 1 1\n"
                        "ARROW 1 1 TO 2 2; SET COLOR RED\n"
                        "ARROW DATA FROM 1 1 TO 2 2\n"
                        "ARROW FROM 1 1 TO 2 2 SIZE 3 4\n"
                        "ARROW FROM 1 1 TO 2 2 FOO 3 4\n"),
            (Texts{"[com_arrow] FROM and/or TO position not defined in ARROW command.\n",
                   "[com_arrow] Syntax error in ARROW command.\n",
                   "[com_arrow] Syntax error in ARROW command.\n",
                   "[com_arrow] Syntax error in ARROW command.\n",
                   "[errmsgkw] keyword FOO is invalid\n"}));
  EXPECT_TRUE(frame(0).arrows.empty());
  EXPECT_EQ(frame(0).colour, 4);
  // FOO left 3 4 to the interpreter.
  EXPECT_EQ(frame(0).pointSet->count(), 1u);
}

TEST_F(DrawingCommandsTest, FiguresTakeCentreSizeAndColour) {
  EXPECT_EQ(diagnostics("CIRCLE 5 5 SIZE 1\nBOX 1 2 DATA SIZE 3 4 GREEN\nDIAMOND 3 4 SIZE 1 SIZE 2 5\n"
                        "ELLIPSE 1 2 3\n"),
            (Texts{"[com_box] Too many numbers in ELLIPSE/CIRCLE command.\n"}));
  ASSERT_EQ(frame(0).figures.size(), 4u);
  const QueuedFigure& circle = frame(0).figures[0];
  EXPECT_EQ(circle.kind, kFigureEllipse);
  EXPECT_TRUE(circle.hasSize);
  EXPECT_DOUBLE_EQ(circle.width, 1.0);
  EXPECT_DOUBLE_EQ(circle.height, 1.0);
  const QueuedFigure& box = frame(0).figures[1];
  EXPECT_EQ(box.kind, kFigureBox);
  EXPECT_TRUE(box.isData);
  EXPECT_DOUBLE_EQ(box.width, 3.0);
  EXPECT_DOUBLE_EQ(box.height, 4.0);
  EXPECT_EQ(box.colour, 2);
  // SIZE starts the size over.
  EXPECT_DOUBLE_EQ(frame(0).figures[2].width, 2.0);
  EXPECT_DOUBLE_EQ(frame(0).figures[2].height, 5.0);
  EXPECT_FALSE(frame(0).figures[3].hasSize);
}

TEST_F(DrawingCommandsTest, FigureErrors) {
  EXPECT_EQ(diagnostics("DIAMOND 1\nBOX 1 1 FOO 2 3; SET COLOR RED\nCIRCLE SIZE 2\n"),
            (Texts{"[com_box] FROM and/or TO position not defined in DIAMOND command.\n",
                   "[errmsgkw] keyword FOO is invalid\n",
                   "[com_box] FROM and/or TO position not defined in ELLIPSE/CIRCLE command.\n"}));
  EXPECT_TRUE(frame(0).figures.empty());
  EXPECT_EQ(frame(0).colour, 4);
  EXPECT_EQ(frame(0).pointSet, nullptr);
}

TEST_F(DrawingCommandsTest, DrawnItemsLeaveTheirSlotToTheNextOne) {
  run("BOX 1 1\nBOX 2 2\n");
  frame(0).figures[0].drawn = true;
  FrameState& f = frame(0);
  f.addBox(QueuedFigure{kFigureDiamond, 3.0, 3.0});
  ASSERT_EQ(f.figures.size(), 2u);
  EXPECT_EQ(f.figures[0].kind, kFigureDiamond);
  EXPECT_FALSE(f.figures[0].drawn);
  f.addBox(QueuedFigure{});
  EXPECT_EQ(f.figures.size(), 3u);
}

}  // namespace
}  // namespace vexplot
