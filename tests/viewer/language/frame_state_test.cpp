#include "viewer/language/frame_state.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "tests/viewer/language/plot_file_fixture.hpp"

namespace vexplot {
namespace {

using testing::RecordingDrawing;

FrameState newFrame() { return FrameState(3, "ring", 520.0, 400.0); }

AxisRanges rangeOf(int axis, double low, double high) {
  AxisRanges ranges;
  ranges[axis] = {true, low, high};
  return ranges;
}

TEST(FrameState, NewFrameHasTheDefaults) {
  const FrameState frame = newFrame();
  EXPECT_EQ(frame.title, "#3 ring");
  EXPECT_EQ(frame.frameNumber, 3);
  EXPECT_DOUBLE_EQ(frame.windowBox.x0, 2.6);
  EXPECT_DOUBLE_EQ(frame.windowBox.x1, 11.7);
  EXPECT_DOUBLE_EQ(frame.windowBox.y0, 2.0);
  EXPECT_DOUBLE_EQ(frame.windowBox.y1, 9.0);
  EXPECT_EQ(frame.labelsOn, (std::array<bool, 4>{true, false, true, false}));
  EXPECT_EQ(frame.numericColumns, (std::vector<int>{kColumnX, kColumnY, kColumnDX, kColumnDY}));
  EXPECT_EQ(frame.columnOfItem, (std::vector<int>{0, 1, 2, 3, kItemIsSymbol}));
  EXPECT_EQ(frame.symbol, (SymbolCode{'0', 'O'}));
  EXPECT_EQ(frame.tickParams[kAxisY], (std::array<int, 2>{6, 0}));
  // The default page of 13 by 10 fills 520 by 400 pixels at 40 pixels a unit,
  // y pointing down.
  EXPECT_DOUBLE_EQ(frame.view.deviceMapping().x.scale, 40.0);
  EXPECT_DOUBLE_EQ(frame.view.deviceMapping().y.scale, -40.0);
  EXPECT_DOUBLE_EQ(frame.view.deviceMapping().y.offset, 400.0);
}

TEST(FrameState, TexturesGiveTheirDashTables) {
  FrameState frame = newFrame();
  EXPECT_EQ(std::vector<double>(frame.textureLengths(kDotDash).begin(), frame.textureLengths(kDotDash).end()),
            (std::vector<double>{0.2, 0.1, 0.05, 0.1}));
  EXPECT_EQ(frame.textureLengths(kSolid).size(), 1u);
  EXPECT_TRUE(frame.textureLengths(kPatterned).empty());
  std::vector<double> lengths(25, 0.3);
  frame.setPattern(lengths);
  EXPECT_EQ(frame.textureLengths(kPatterned).size(), 20u);
}

TEST(FrameState, PageSizeResetsWindowLimitsAndViews) {
  FrameState frame = newFrame();
  RecordingDrawing drawing;
  frame.setWindow(drawing, rangeOf(kAxisX, 1.0, 5.0));
  frame.setLimits(drawing, rangeOf(kAxisY, 0.0, 1.0));
  frame.view.push({1.0, 2.0, 1.0, 2.0});
  frame.dataTransformValid = true;
  frame.setPageSize(20.0, 15.0);
  EXPECT_DOUBLE_EQ(frame.windowBox.x0, 4.0);
  EXPECT_DOUBLE_EQ(frame.windowBox.x1, 18.0);
  EXPECT_DOUBLE_EQ(frame.windowBox.y0, 3.0);
  EXPECT_DOUBLE_EQ(frame.windowBox.y1, 13.5);
  EXPECT_FALSE(frame.limitsSet[kAxisY]);
  EXPECT_FALSE(frame.dataTransformValid);
  EXPECT_EQ(frame.view.count(), 1);
  EXPECT_DOUBLE_EQ(frame.view.current().x1, 20.0);
  EXPECT_DOUBLE_EQ(frame.view.deviceMapping().x.scale, 26.0);  // min(520 / 20, 400 / 15)

  frame.setPageSize(0.0, 5.0);
  EXPECT_DOUBLE_EQ(frame.pageBox.x1, 20.0);
}

TEST(FrameState, WindowDrawsPendingItemsFirstAndClearsGrid) {
  FrameState frame = newFrame();
  RecordingDrawing drawing;
  frame.setGrid(kGridOn, "", 0.0);
  frame.axisDrawn.fill(true);
  frame.tickPositions[kAxisX] = {1.0, 2.0};
  frame.dataTransformValid = true;
  frame.setWindow(drawing, rangeOf(kAxisX, 1.0, 5.0));
  ASSERT_EQ(drawing.calls.size(), 1u);
  EXPECT_DOUBLE_EQ(drawing.calls[0].windowBox.x0, 2.6);  // drawn in the old coordinates
  EXPECT_DOUBLE_EQ(frame.windowBox.x0, 1.0);
  EXPECT_EQ(frame.axisDrawn, (std::array<bool, 4>{false, false, true, true}));
  EXPECT_TRUE(frame.tickPositions[kAxisX].empty());
  EXPECT_EQ(frame.gridMode, kGridOff);
  EXPECT_FALSE(frame.gridOn);
  EXPECT_FALSE(frame.dataTransformValid);

  // A reversed range is passed over; the grid is cleared all the same.
  frame.setGrid(kGridOn, "", 0.0);
  frame.setWindow(drawing, rangeOf(kAxisY, 5.0, 1.0));
  EXPECT_DOUBLE_EQ(frame.windowBox.y0, 2.0);
  EXPECT_FALSE(frame.gridOn);

  drawing.decorationsResult = 401;
  EXPECT_EQ(frame.setWindow(drawing, rangeOf(kAxisY, 1.0, 5.0)), 401);
}

TEST(FrameState, LimitsMayRunBackwardsButNotBeEqual) {
  FrameState frame = newFrame();
  RecordingDrawing drawing;
  frame.axisDrawn.fill(true);
  frame.setLimits(drawing, rangeOf(kAxisX, 5.0, 2.0));
  EXPECT_TRUE(frame.limitsSet[kAxisX]);
  EXPECT_DOUBLE_EQ(frame.limits.x0, 5.0);
  EXPECT_EQ(frame.axisDrawn, (std::array<bool, 4>{true, true, false, false}));
  frame.setLimits(drawing, rangeOf(kAxisY, 3.0, 3.0));
  EXPECT_FALSE(frame.limitsSet[kAxisY]);
  EXPECT_EQ(drawing.calls.size(), 2u);
}

TEST(FrameState, ChangedOrderDropsThePointsAndRemapsTheColumns) {
  FrameState frame = newFrame();
  frame.pointSet = std::make_unique<PointSet>(4);
  frame.setOrder(std::vector<int>{kColumnX, kColumnY, kColumnDX, kColumnDY, kColumnSymbol});
  EXPECT_NE(frame.pointSet, nullptr);

  frame.setOrder(std::vector<int>{kColumnSymbol, kColumnY, 12, kColumnX});
  EXPECT_EQ(frame.pointSet, nullptr);
  EXPECT_EQ(frame.order, (std::vector<int>{kColumnSymbol, kColumnY, kColumnDummy, kColumnX}));
  EXPECT_EQ(frame.numericColumns, (std::vector<int>{kColumnY, kColumnX}));
  EXPECT_EQ(frame.columnOfItem, (std::vector<int>{kItemIsSymbol, 0, kItemIsDummy, 1}));

  frame.setOrder(std::vector<int>(30, kColumnZ));
  EXPECT_EQ(frame.order.size(), 20u);
  EXPECT_EQ(frame.numericCount(), 20);
}

TEST(FrameState, SettersIgnoreValuesOutOfRange) {
  FrameState frame = newFrame();
  frame.setLineWidth(10.5);
  frame.setLineWidth(-1.0);
  EXPECT_FLOAT_EQ(frame.lineWidth, 2.0f);
  frame.setLineWidth(0.0);
  EXPECT_FLOAT_EQ(frame.lineWidth, 0.0f);
  frame.setColour(16);
  frame.setFont(3);
  frame.setTexture(-1);
  EXPECT_EQ(frame.colour, 0);
  EXPECT_EQ(frame.font, kSimplex);
  EXPECT_EQ(frame.texture, kSolid);
  frame.setTickSize(0.0);
  frame.setLabelSize(-1.0);
  EXPECT_DOUBLE_EQ(frame.tickSize, 0.1);
  EXPECT_DOUBLE_EQ(frame.labelSize, 0.16);
  frame.setTitleSize(0.0);
  EXPECT_DOUBLE_EQ(frame.titleSize, 0.2);
  frame.setTitleSize(-0.5);
  EXPECT_DOUBLE_EQ(frame.titleSize, 0.5);
  frame.setSideFlag(kAxisFlag, 7, false);
  EXPECT_EQ(frame.axisOn, (std::array<bool, 4>{true, true, true, true}));
  frame.setScale(2, true);
  EXPECT_EQ(frame.logScale, (std::array<bool, 2>{false, false}));
}

TEST(FrameState, SymbolGridUsesDefaultsForMissingSymbolAndSize) {
  FrameState frame = newFrame();
  frame.setGrid(kGridSymbol, "", -1.0);
  EXPECT_TRUE(frame.gridOn);
  EXPECT_EQ(frame.gridSymbol, (SymbolCode{'0', 'O'}));
  EXPECT_DOUBLE_EQ(frame.gridSymbolSize, 0.2);
  frame.setGrid(kGridSymbol, "+", 0.05);
  EXPECT_EQ(frame.gridSymbol, (SymbolCode{'+', '\0'}));
  EXPECT_DOUBLE_EQ(frame.gridSymbolSize, 0.05);
  frame.setGrid(kGridOff, "", 0.0);
  EXPECT_FALSE(frame.gridOn);
}

}  // namespace
}  // namespace vexplot
