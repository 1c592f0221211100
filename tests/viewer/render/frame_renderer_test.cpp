#include "viewer/render/frame_renderer.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/viewer/render/display_records.hpp"
#include "tests/viewer/render/render_fixture.hpp"

namespace vexplot {
namespace {

using testing::describeAll;
using testing::objects;
using testing::strokes;
using Texts = std::vector<std::string>;
using Records = std::vector<std::string>;

class FrameRendererTest : public testing::RenderTest {
 protected:
  // Page positions of the text requests of the last run.
  std::vector<PagePoint> textPositions() {
    std::vector<PagePoint> positions;
    for (const auto& request : text_.requests) positions.push_back(request.position);
    return positions;
  }
  std::vector<std::string> texts() {
    std::vector<std::string> result;
    for (const auto& request : text_.requests) result.push_back(request.text);
    return result;
  }
};

void expectNear(const std::vector<double>& actual, const std::vector<double>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-9) << i;
}

TEST_F(FrameRendererTest, WindowFitsThePageIntoTheRequestedArea) {
  EXPECT_EQ(run("1 2\nPLOT\n", 1000.0, 600.0), Texts{});
  ASSERT_EQ(windows_.windows().size(), 1u);
  const MemoryDevice& device = *windows_.windows()[0].device;
  EXPECT_EQ(device.width(), 780);
  EXPECT_EQ(device.height(), 600);
  EXPECT_EQ(device.background(), 15);
  EXPECT_EQ(windows_.windows()[0].title, "#0 plot");
  EXPECT_TRUE(windows_.windows()[0].finished);
  EXPECT_DOUBLE_EQ(frame(0).view.deviceMapping().x.scale, 60.0);

  // A window larger than the screen gets what the screen allows.
  run("1 2\nPLOT\n", 2000.0, 1000.0);
  const MemoryDevice& limited = *windows_.windows()[1].device;
  EXPECT_EQ(limited.width(), 1000);
  EXPECT_EQ(limited.height(), 600);
  EXPECT_DOUBLE_EQ(frame(0).view.deviceWidth(), 1000.0);
  EXPECT_DOUBLE_EQ(frame(0).view.deviceMapping().x.offset, 110.0);
}

TEST_F(FrameRendererTest, FramesThatDrawNothingOpenNoWindow) {
  EXPECT_EQ(run("SET COLOR RED\nSET GRID ON\nARROW FROM 1 1 DATA TO 2 2\nNEWFRAME\n"), Texts{});
  EXPECT_TRUE(windows_.windows().empty());
  EXPECT_FALSE(frame(0).windowOpen);
  EXPECT_FALSE(frame(0).arrows[0].drawn);
}

TEST_F(FrameRendererTest, EveryFramesListStartsWithAMove) {
  // The second frame's first segment starts where the first frame's last one
  // ended; it still gets its own Move.
  run("SET AXIS OFF\nARROW FROM 1 1 TO 2 2 SIZE 0\nNEWFRAME\nARROW FROM 2 2 TO 3 3 SIZE 0\n");
  EXPECT_EQ(describeAll(frame(0).picture().displayList), (Records{"B", "M 1 1", "D 2 2", "E"}));
  EXPECT_EQ(describeAll(frame(1).picture().displayList), (Records{"B", "M 2 2", "D 3 3", "E"}));
}

TEST_F(FrameRendererTest, AxesOfAHandCheckedFrame) {
  // Ticks every 5 (N = 2, one minor step per major) on X, and labels below.
  EXPECT_EQ(run("SET LIMIT X 0 10 Y 0 1\nSET SCALE X 2 1\nSET AXIS LEFT OFF RIGHT OFF TOP OFF\nPLOT AXES\n"),
            Texts{});
  EXPECT_EQ(objects(frame(0).picture().displayList),
            (std::vector<Records>{{"M 2.6 2", "D 11.7 2", "M 2.6 2", "D 2.6 1.9", "M 7.15 2", "D 7.15 1.9",
                                   "M 11.7 2", "D 11.7 1.9"}}));
  EXPECT_EQ(texts(), (Texts{"0", "5", "10"}));
  ASSERT_EQ(text_.requests.size(), 3u);
  const auto& label = text_.requests[1];
  EXPECT_NEAR(label.position.x, 7.15, 1e-12);
  EXPECT_NEAR(label.position.y, 2.0 - 0.1 - 0.7 * 0.16, 1e-12);
  EXPECT_DOUBLE_EQ(label.style.justification, 0.5);
  EXPECT_DOUBLE_EQ(label.style.size, 0.16);
  EXPECT_DOUBLE_EQ(label.style.aspect, 1.2);
  EXPECT_NEAR(label.style.angle, 0.0, 1e-12);
  expectNear(frame(0).tickPositions[kAxisX], {2.6, 7.15, 11.7});
  EXPECT_EQ(frame(0).axisDrawn, (std::array<bool, 4>{false, false, true, false}));
}

TEST_F(FrameRendererTest, AllFourSidesWithTheirTickDirections) {
  run("SET LIMIT X 0 10 Y 0 1\nSET LABELS RIGHT ON\nPLOT AXES\n");
  const std::vector<Records> sides = objects(frame(0).picture().displayList);
  ASSERT_EQ(sides.size(), 4u);
  // Left: 21 ticks every 0.05 pointing left, majors 0.1 long, minors 0.06.
  EXPECT_EQ(sides[0].size(), 2u + 21u * 2u);
  EXPECT_EQ(Records(sides[0].begin(), sides[0].begin() + 6),
            (Records{"M 2.6 2", "D 2.6 9", "M 2.6 2", "D 2.5 2", "M 2.6 2.35", "D 2.54 2.35"}));
  EXPECT_EQ(sides[1][3], "D 11.8 2");   // right: pointing right
  EXPECT_EQ(sides[2][3], "D 2.6 1.9");  // bottom: down
  EXPECT_EQ(sides[3][3], "D 2.6 9.1");  // top: up
  expectNear(frame(0).tickPositions[kAxisY], {2, 3.4, 4.8, 6.2, 7.6, 9});
  // Labels: left ends at its anchor, right starts at its one.
  ASSERT_EQ(text_.requests.size(), 6u + 6u + 6u);
  EXPECT_EQ(text_.requests[0].text, "0");
  EXPECT_EQ(text_.requests[5].text, "1.0");
  EXPECT_NEAR(text_.requests[0].position.x, 2.5 - 0.112, 1e-12);
  EXPECT_DOUBLE_EQ(text_.requests[0].style.justification, 1.0);
  EXPECT_NEAR(text_.requests[6].position.x, 11.8 + 0.112, 1e-12);
  EXPECT_DOUBLE_EQ(text_.requests[6].style.justification, 0.0);
  EXPECT_NEAR(text_.requests[6].style.angle, 0.0, 1e-12);
}

TEST_F(FrameRendererTest, LogarithmicAxisLabels) {
  run("SET SCALE Y LOGARITHMIC\nSET LIMIT X 0 1 Y 1 1e6\nSET AXIS RIGHT OFF BOTTOM OFF TOP OFF\nPLOT AXES\n");
  EXPECT_EQ(texts(), (Texts{"1", "10", "100", "1000", "1X10243", "1X10253", "1X10263"}));
  EXPECT_EQ(text_.requests[4].caseLine, " M  X X");
  // Powers of ten at equal distances along the 7 units of the window.
  expectNear(frame(0).tickPositions[kAxisY], {2, 2 + 7.0 / 6, 2 + 14.0 / 6, 5.5, 2 + 28.0 / 6, 2 + 35.0 / 6, 9});
  EXPECT_EQ(objects(frame(0).picture().displayList)[0].size(), 2u + 13u * 2u);
}

TEST_F(FrameRendererTest, AutomaticLimitsFromTheData) {
  run("1 10\n3 -10\nPLOT\n");
  EXPECT_DOUBLE_EQ(frame(0).limits.x0, 0.8);
  EXPECT_DOUBLE_EQ(frame(0).limits.x1, 3.2);
  EXPECT_DOUBLE_EQ(frame(0).limits.y0, -12.0);
  EXPECT_DOUBLE_EQ(frame(0).limits.y1, 12.0);
  EXPECT_EQ(frame(0).axisDrawn, (std::array<bool, 4>{true, true, true, true}));

  run("3 0\n3 0\nPLOT\n");
  EXPECT_EQ(frame(0).limits, (Rect{0.0, 6.0, -1.0, 1.0}));
  run("-2 0\nPLOT\n");
  EXPECT_EQ(frame(0).limits, (Rect{-4.0, 0.0, -1.0, 1.0}));
  // Limits set by the file stay.
  run("SET LIMIT Y 5 6\n1 2\n3 4\nPLOT\n");
  EXPECT_DOUBLE_EQ(frame(0).limits.y0, 5.0);
  EXPECT_DOUBLE_EQ(frame(0).limits.x0, 0.8);
}

TEST_F(FrameRendererTest, AutomaticLimitsOnLogarithmicAxes) {
  run("SET SCALE X LOG\nSET SCALE Y LOG\n1 4\n100 4\nPLOT\n");
  EXPECT_NEAR(frame(0).limits.x0, 1.0 / std::pow(100.0, 0.1), 1e-12);
  EXPECT_NEAR(frame(0).limits.x1, 100.0 * std::pow(100.0, 0.1), 1e-9);
  EXPECT_DOUBLE_EQ(frame(0).limits.y0, 2.0);
  EXPECT_DOUBLE_EQ(frame(0).limits.y1, 8.0);

  run("SET SCALE Y LOG\n1 -5\n2 10\nPLOT\n");
  EXPECT_DOUBLE_EQ(frame(0).limits.y0, 0.1);
  EXPECT_DOUBLE_EQ(frame(0).limits.y1, 12.0);
  EXPECT_TRUE(frame(0).logScale[kAxisY]);

  // No positive value: (0, 1) on a linear axis, without a report.
  EXPECT_EQ(run("SET SCALE Y LOG\n1 -5\n2 0\nPLOT\n"), Texts{});
  EXPECT_EQ(frame(0).limits.y0, 0.0);
  EXPECT_EQ(frame(0).limits.y1, 1.0);
  EXPECT_FALSE(frame(0).logScale[kAxisY]);
}

TEST_F(FrameRendererTest, AutomaticLimitsComeFromTheDrawnColumns) {
  // With the order Y X the x axis is scaled by the X column all the same.
  run("SET ORDER Y X\n5 1\n7 3\nPLOT\n");
  EXPECT_DOUBLE_EQ(frame(0).limits.x0, 0.8);
  EXPECT_DOUBLE_EQ(frame(0).limits.x1, 3.2);
  EXPECT_DOUBLE_EQ(frame(0).limits.y0, 4.8);
  // A leading SYMBOL or DUMMY item holds no column to read.
  EXPECT_EQ(run("SET ORDER SYMBOL X DUMMY Y\n1 1 0 2\n2 3 0 4\nPLOT\n"), Texts{});
  EXPECT_DOUBLE_EQ(frame(0).limits.x0, 0.8);
  EXPECT_DOUBLE_EQ(frame(0).limits.y1, 4.2);
  // Without a Y column nothing is drawn and the x limits alone are set.
  EXPECT_EQ(run("SET ORDER X DX\n1 2\nPLOT\n"), Texts{});
  EXPECT_TRUE(frame(0).limitsSet[kAxisX]);
  EXPECT_FALSE(frame(0).limitsSet[kAxisY]);
  EXPECT_TRUE(text_.requests.empty());
}

TEST_F(FrameRendererTest, LogAxisWithoutPositiveLimitsTurnsLinear) {
  EXPECT_EQ(run("SET SCALE Y LOG\nSET LIMIT Y -1 10\n1 2\nPLOT\n"),
            (Texts{"[Error] Negative labels for log axis"}));
  EXPECT_FALSE(frame(0).logScale[kAxisY]);
  EXPECT_EQ(run("SET SCALE Y LOG\nSET LIMIT Y -1 10\n1 2\n2 3\nHISTOGRAM\n"), Texts{});
  EXPECT_FALSE(frame(0).logScale[kAxisY]);
}

TEST_F(FrameRendererTest, PlotRangesChooseThePoints) {
  const std::string data = "SET LIMIT X 0 10 Y 0 10\n1 1\n2 2\n3 3\n4 4\n5 5 0 0 'A'\n";
  EXPECT_EQ(run(data + "PLOT 3\n"), Texts{});
  ASSERT_EQ(text_.requests.size(), 1u + 6u + 6u);  // the point, then the labels
  EXPECT_NEAR(text_.requests[0].position.x, 2.6 + 3 * 0.91, 1e-12);
  EXPECT_NEAR(text_.requests[0].position.y, 2.0 + 3 * 0.7, 1e-12);
  EXPECT_EQ(text_.requests[0].text, "0");
  EXPECT_EQ(text_.requests[0].caseLine, "O");
  EXPECT_DOUBLE_EQ(text_.requests[0].style.size, 0.1);
  EXPECT_DOUBLE_EQ(text_.requests[0].style.aspect, 1.0);

  run(data + "SET AXIS OFF\nPLOT 2 5\n");
  ASSERT_EQ(text_.requests.size(), 4u);
  EXPECT_NEAR(text_.requests[0].position.x, 2.6 + 2 * 0.91, 1e-12);
  EXPECT_EQ(text_.requests[3].text, "A");  // its own symbol
  EXPECT_EQ(text_.requests[3].caseLine, "");

  run(data + "SET AXIS OFF\nPLOT 5 2\nPLOT 9\n");
  ASSERT_EQ(text_.requests.size(), 1u);
  EXPECT_EQ(text_.requests[0].text, "A");

  EXPECT_EQ(run(data + "SET AXIS OFF\nPLOT 0\n"), (Texts{"[com_plot] Wrong range of points in PLOT command\n"}));
  EXPECT_TRUE(text_.requests.empty());
}

TEST_F(FrameRendererTest, PlotWithoutDataDrawsNothing) {
  EXPECT_EQ(run("SET LIMIT X 0 1 Y 0 1\nPLOT\nJOIN\nHISTOGRAM\n"), Texts{});
  EXPECT_TRUE(frame(0).picture().displayList.empty());
  EXPECT_FALSE(frame(0).axisDrawn[kLeft]);
}

TEST_F(FrameRendererTest, JoinThenPlotDrawTheSamePoints) {
  run("SET LIMIT X 0 10 Y 0 10\nSET AXIS OFF\n1 1\n2 2\n3 1\nJOIN 1\nPLOT\n5 5\n6 6\nJOIN 1\n");
  const std::vector<Records> drawn = objects(frame(0).picture().displayList);
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[0], (Records{"M 3.51 2.7", "D 4.42 3.4", "D 5.33 2.7"}));
  EXPECT_TRUE(drawn[1].empty());  // the symbols, drawn by the text side
  EXPECT_EQ(text_.requests.size(), 3u);
  // The next data lines started a set of their own.
  EXPECT_EQ(drawn[2], (Records{"M 7.15 5.5", "D 8.06 6.2"}));
}

TEST_F(FrameRendererTest, CurvesAreClippedAndLeaveOutUnplaceablePoints) {
  run("SET SCALE Y LOG\nSET LIMIT X 0 10 Y 0.1 100\nSET AXIS OFF\n"
      "1 1\n2 -1\n3 10\n4 0\n5 50\n20 50\nJOIN 1\n");
  // log10 of 0.1 .. 100 spans 3 decades over 7 page units.
  EXPECT_EQ(strokes(frame(0).picture().displayList),
            (Records{"M 3.51 4.3333", "D 5.33 6.6667", "D 7.15 8.2976", "D 11.7 8.2976"}));
}

TEST_F(FrameRendererTest, JoinTexturesAndColours) {
  run("SET LIMIT X 0 10 Y 0 10\nSET AXIS OFF\nSET INTENSITY 3\n0 5\n10 5\nJOIN 1 DASHED RED\n");
  const Records drawn = strokes(frame(0).picture().displayList);
  EXPECT_EQ(Records(drawn.begin(), drawn.begin() + 4), (Records{"M 2.6 5.5", "D 2.8 5.5", "M 2.95 5.5", "D 3.15 5.5"}));
  frame(0).picture().displayList.forEach([](const DisplayRecord& record) {
    EXPECT_FLOAT_EQ(record.width, 3.0f);
    if (record.kind == kDraw) {
      EXPECT_EQ(record.colour, 4);
    }
  });
  // TEXT draws page coordinates, not clipped to the window box.
  run("SET AXIS OFF\n0.5 0.5\n12.5 9.5\nJOIN 1 TEXT\n");
  EXPECT_EQ(strokes(frame(0).picture().displayList), (Records{"M 0.5 0.5", "D 12.5 9.5"}));
}

TEST_F(FrameRendererTest, HistogramEdgesAndBase) {
  const std::string identity = "SET WINDOW X FROM 0 TO 13 Y FROM 0 TO 10\nSET LIMIT X 0 13 Y 0 10\nSET AXIS OFF\n";
  run(identity + "1 3\n2 4\n4 2.5\nHISTOGRAM\n");
  EXPECT_EQ(strokes(frame(0).picture().displayList),
            (Records{"M 0.5 0", "D 0.5 3", "D 1.5 3", "D 1.5 4", "D 3 4", "D 3 2.5", "D 5 2.5", "D 5 0"}));
  // On a logarithmic y axis a value that is not positive stands on the
  // window's lower edge; one point alone draws nothing.
  run("SET WINDOW X FROM 0 TO 13 Y FROM 1 TO 9\nSET SCALE Y LOG\nSET LIMIT X 0 13 Y 1 100\nSET AXIS OFF\n"
      "2 10\n4 -3\nHISTOGRAM\n");
  EXPECT_EQ(strokes(frame(0).picture().displayList), (Records{"M 1 1", "D 1 5", "D 3 5", "D 3 1", "D 5 1", "D 5 1"}));
  run(identity + "1 3\nHISTOGRAM\n");
  EXPECT_TRUE(frame(0).picture().displayList.empty());
}

TEST_F(FrameRendererTest, BoxInDataCoordinatesWaitsForTheFirstPlot) {
  run("BOX 5 5 DATA SIZE 2 1\nSET LIMIT X 0 10\n0 0\n10 10\nPLOT\n");
  const std::vector<Records> drawn = objects(frame(0).picture().displayList);
  ASSERT_EQ(drawn.size(), 1u + 4u + 1u);  // symbols, four sides, the box
  EXPECT_TRUE(frame(0).figures[0].drawn);
  // Centre (5, 5) of the data maps to (7.15, 5.5); the size is in page units.
  EXPECT_EQ(drawn[5], (Records{"M 8.15 5", "D 8.15 6", "D 6.15 6", "D 6.15 5", "D 8.15 5"}));
}

TEST_F(FrameRendererTest, FiguresInPageCoordinates) {
  run("SET AXIS OFF\nCIRCLE 5 5 SIZE 1\nDIAMOND 6 5 BLUE\nSET DIAMOND SIZE 4 2\n");
  const std::vector<Records> drawn = objects(frame(0).picture().displayList);
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].size(), 1u + 104u);  // the move and a line to each vertex
  EXPECT_EQ(drawn[0].front(), "M 5.5 5");
  EXPECT_EQ(drawn[0].back(), "D 5.5 5");
  // The diamond takes the figure size of the frame when it is drawn.
  EXPECT_EQ(drawn[1], (Records{"M 8 5", "D 6 6", "D 4 5", "D 6 4", "D 8 5"}));
  frame(0).picture().displayList.forEach([](const DisplayRecord& record) {
    if (record.kind == kDraw && record.y == 6.0f) {
      EXPECT_EQ(record.colour, 1);
    }
  });
}

TEST_F(FrameRendererTest, ArrowsWithGapsHeadsAndDataEnds) {
  run("SET AXIS OFF\nARROW FROM 1 1 TO 5 1 LESS 1 SIZE 4 FLARE 0.5\n");
  EXPECT_EQ(objects(frame(0).picture().displayList),
            (std::vector<Records>{{"M 1 1", "D 4 1", "D 3.6 0.9", "D 3.6 1.1", "D 4 1"}}));
  // A data end waits for the limits and is clipped to the window box.
  run("SET AXIS OFF\nARROW FROM DATA 0 5 TO DATA 20 5 SIZE 0\nSET LIMIT X 0 10 Y 0 10\n");
  EXPECT_EQ(objects(frame(0).picture().displayList), (std::vector<Records>{{"M 2.6 5.5", "D 11.7 5.5"}}));
  // An end that cannot be placed drops the arrow.
  run("SET AXIS OFF\nSET SCALE X LOG\nSET LIMIT X 1 10 Y 0 10\nARROW FROM 1 1 TO DATA 0 5\n");
  EXPECT_TRUE(frame(0).picture().displayList.empty());
  EXPECT_TRUE(frame(0).arrows[0].drawn);
}

TEST_F(FrameRendererTest, PendingItemsComeInTheOrderGridTitlesArrowsFigures) {
  run("SET LIMIT X 0 10 Y 0 10\nSET SCALE X 2 1\nSET SCALE Y 2 1\nSET AXIS LEFT OFF RIGHT OFF\n"
      "BOX 1 1\nARROW FROM 2 2 TO 3 3\nTITLE 'x'\nSET GRID ON\nPLOT AXES\n");
  const std::vector<Records> drawn = objects(frame(0).picture().displayList);
  ASSERT_EQ(drawn.size(), 2u + 3u);  // bottom, top, grid, arrow, box
  // Vertical lines at the x majors, then horizontal lines at the y majors of
  // the left axis, which is off: none.
  EXPECT_EQ(drawn[2], (Records{"M 2.6 2", "D 2.6 9", "M 7.15 2", "D 7.15 9", "M 11.7 2", "D 11.7 9"}));
  EXPECT_EQ(drawn[3].front(), "M 2 2");
  EXPECT_EQ(drawn[4].front(), "M 1.5 0.5");
  // The titles were due between the grid and the arrows.
  std::size_t recordsBeforeArrow = 0;
  frame(0).picture().displayList.forEach([&, objectsSeen = 0](const DisplayRecord& record) mutable {
    if (record.kind == kBeginObject) ++objectsSeen;
    if (objectsSeen < 4) ++recordsBeforeArrow;
  });
  ASSERT_FALSE(text_.titleFlushes.empty());
  EXPECT_EQ(text_.titleFlushes.front(), recordsBeforeArrow);
  EXPECT_FALSE(frame(0).gridOn);
}

TEST_F(FrameRendererTest, GridWaitsForTickPositions) {
  run("SET GRID ON\nSET LIMIT X 0 10 Y 0 10\nNEWFRAME\n");
  EXPECT_TRUE(frame(0).gridOn);
  EXPECT_FALSE(frame(0).windowOpen);
  // The symbol grid marks every pair of major ticks.
  run("SET LIMIT X 0 10 Y 0 10\nSET SCALE X 2 1\nSET SCALE Y 2 1\nSET LABELS OFF\n"
      "SET GRID SYMBOL '+' SIZE 3\nPLOT AXES\n");
  ASSERT_EQ(text_.requests.size(), 9u);
  EXPECT_EQ(text_.requests[0].text, "+");
  EXPECT_DOUBLE_EQ(text_.requests[0].style.size, 0.3);
  EXPECT_EQ(text_.requests[0].style.font, kSimplex);
  EXPECT_NEAR(text_.requests[8].position.x, 11.7, 1e-12);
  EXPECT_NEAR(text_.requests[8].position.y, 9.0, 1e-12);
}

TEST_F(FrameRendererTest, CoordinateRegionsAreRecordedOncePerCombination) {
  run("SET LIMIT X 0 1 Y 0 1\n1 1\nPLOT\nPLOT\nSET LIMIT X 1 2\nPLOT\nSET SCALE X LOG\nPLOT\n");
  ASSERT_EQ(frame(0).picture().coordinateRegions.size(), 3u);
  EXPECT_EQ(frame(0).picture().coordinateRegions[0].limits, (Rect{0, 1, 0, 1}));
  EXPECT_EQ(frame(0).picture().coordinateRegions[1].limits, (Rect{1, 2, 0, 1}));
  EXPECT_FALSE(frame(0).picture().coordinateRegions[1].logScale[kAxisX]);
  EXPECT_TRUE(frame(0).picture().coordinateRegions[2].logScale[kAxisX]);
  EXPECT_GE(frame(0).picture().coordinateRegions.capacity(), 10u);
}

TEST_F(FrameRendererTest, WindowThatCannotOpenAbandonsTheDrawing) {
  windows_.refuseWindows(true);
  EXPECT_EQ(run("1 1\n2 2\nPLOT\nJOIN 1\nBOX 1 1\n"), Texts{});
  EXPECT_FALSE(frame(0).windowOpen);
  EXPECT_TRUE(frame(0).picture().displayList.empty());
  EXPECT_FALSE(frame(0).limitsSet[kAxisX]);
}

}  // namespace
}  // namespace vexplot
