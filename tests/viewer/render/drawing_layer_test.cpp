#include "viewer/render/drawing_layer.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/viewer/render/display_records.hpp"
#include "viewer/render/device_coordinates.hpp"
#include "viewer/render/memory_device.hpp"
#include "viewer/render/palette.hpp"

namespace vexplot {
namespace {

using testing::describeAll;
using testing::strokes;
using Records = std::vector<std::string>;

// A 13 by 10 page on 130 by 100 pixels: 10 pixels a page unit.
class DrawingLayerTest : public ::testing::Test {
 protected:
  DrawingLayerTest() { frame_.setScreenSize(130.0, 100.0); }

  FrameState frame_{0, "t", 130.0, 100.0};
  MemoryDevice device_{130, 100, 15};
  Pen pen_;
  DrawingLayer layer_{frame_, device_, pen_};
};

TEST_F(DrawingLayerTest, ConnectedSegmentsNeedOneMove) {
  const std::vector<PagePoint> points{{1, 1}, {2, 1}, {2, 3}};
  layer_.polyline(points, true, 4, 2.0f);
  EXPECT_EQ(strokes(frame_.picture().displayList), (Records{"M 1 1", "D 2 1", "D 2 3", "D 1 1"}));
  frame_.picture().displayList.forEach([](const DisplayRecord& record) {
    EXPECT_EQ(record.colour, 4);
    EXPECT_FLOAT_EQ(record.width, 2.0f);
  });
  // Each segment is one device polyline, its end repeated one pixel right.
  ASSERT_EQ(device_.polylines().size(), 3u);
  const MemoryDevice::Polyline& first = device_.polylines()[0];
  EXPECT_EQ(first.points, (std::vector<DevicePoint>{{10, 90}, {20, 90}, {21, 90}}));
  EXPECT_EQ(first.colour, 4);
  EXPECT_EQ(first.penWidth, 1);
}

TEST_F(DrawingLayerTest, InvisibleStretchEndsWithANewMove) {
  const std::vector<PagePoint> points{{1, 1}, {5, 1}, {20, 1}, {25, 1}, {5, 2}, {6, 2}};
  layer_.polyline(points, false, 0, 0.0f);
  EXPECT_EQ(strokes(frame_.picture().displayList),
            (Records{"M 1 1", "D 5 1", "D 13 1", "M 13 1.6", "D 5 2", "D 6 2"}));
  // A new stroke that starts where the last visible one ended continues it.
  layer_.segment({6, 2}, {7, 2}, 0, 0.0f);
  EXPECT_EQ(strokes(frame_.picture().displayList).back(), "D 7 2");
  EXPECT_EQ(frame_.picture().displayList.size(), 7u);
}

TEST_F(DrawingLayerTest, ObjectsBracketWithEmptyRecords) {
  drawObject(layer_, 2.0f, [&] { layer_.segment({1, 1}, {2, 2}, 3, 2.0f); });
  EXPECT_EQ(describeAll(frame_.picture().displayList), (Records{"B", "M 1 1", "D 2 2", "E"}));
  frame_.picture().displayList.forEach([](const DisplayRecord& record) {
    if (record.kind == kBeginObject || record.kind == kEndObject) {
      EXPECT_EQ(record.colour, 0);
      EXPECT_FLOAT_EQ(record.width, 2.0f);
    }
  });
}

TEST_F(DrawingLayerTest, SecondaryClipKeepsDataInTheWindowBox) {
  layer_.setSecondaryClip(frame_.windowBox);  // 2.6 to 11.7 by 2 to 9
  layer_.segment({0, 5}, {13, 5}, 0, 0.0f);
  layer_.setSecondaryClip({5, 5, 0, 1});  // empty: changes nothing
  EXPECT_DOUBLE_EQ(layer_.secondaryClip().x0, 2.6);
  layer_.segment({6, 0}, {6, 10}, 0, 0.0f);
  layer_.clearSecondaryClip();
  layer_.segment({0, 1}, {1, 1}, 0, 0.0f);
  EXPECT_EQ(strokes(frame_.picture().displayList),
            (Records{"M 2.6 5", "D 11.7 5", "M 6 2", "D 6 9", "M 0 1", "D 1 1"}));
}

TEST_F(DrawingLayerTest, DashesRunOnAcrossShortSegments) {
  // Segments of 0.1 under dashes of 0.25 and gaps of 0.1: the first dash
  // ends inside the third segment, the second starts inside the fourth.
  std::vector<PagePoint> points;
  for (int i = 0; i <= 6; ++i) points.push_back({0.1 * i + 1.0, 1.0});
  const std::vector<double> dash{0.25, 0.1};
  layer_.texturedPolyline(points, false, dash, 0, 2.0f);
  EXPECT_EQ(strokes(frame_.picture().displayList),
            (Records{"M 1 1", "D 1.1 1", "D 1.2 1", "D 1.25 1", "M 1.35 1", "D 1.4 1", "D 1.5 1", "D 1.6 1"}));
}

TEST_F(DrawingLayerTest, OddPatternsSwapDashesAndGapsOnEachPass) {
  const std::vector<PagePoint> line{{1, 1}, {2.15, 1}};
  const std::vector<double> pattern{0.1, 0.2, 0.3};
  layer_.texturedPolyline(line, false, pattern, 0, 2.0f);
  EXPECT_EQ(strokes(frame_.picture().displayList),
            (Records{"M 1 1", "D 1.1 1", "M 1.3 1", "D 1.6 1", "M 1.7 1", "D 1.9 1"}));
}

TEST_F(DrawingLayerTest, ClosedDashedOutlineRunsBackToItsStart) {
  const std::vector<PagePoint> square{{1, 1}, {2, 1}, {2, 2}, {1, 2}};
  const std::vector<double> pattern{0.5, 0.5};
  layer_.texturedPolyline(square, true, pattern, 0, 2.0f);
  EXPECT_EQ(strokes(frame_.picture().displayList), (Records{"M 1 1", "D 1.5 1", "M 2 1", "D 2 1.5", "M 2 2",
                                                   "D 1.5 2", "M 1 2", "D 1 1.5"}));
}

TEST_F(DrawingLayerTest, PatternsThatCannotBeWalkedDrawSolid) {
  const std::vector<PagePoint> line{{1, 1}, {2, 1}};
  for (const std::vector<double>& pattern :
       {std::vector<double>{1000.0}, {0.0, 0.0}, {0.2, -0.1}, {1.0e-7, 1.0e-7}, {}}) {
    DisplayList empty;
    std::swap(frame_.drawing().displayList, empty);
    layer_.texturedPolyline(line, false, pattern, 0, 2.0f);
    EXPECT_EQ(strokes(frame_.picture().displayList), (Records{"M 1 1", "D 2 1"}));
  }
}

TEST_F(DrawingLayerTest, DisplayListGrowsInBlocksOf256) {
  for (int i = 0; i < 300; ++i) layer_.segment({1, 1}, {2, 1 + 0.01 * i}, 0, 0.0f);
  EXPECT_EQ(frame_.picture().displayList.size(), 600u);
  EXPECT_EQ(frame_.picture().displayList.blockCount(), 3u);
}

TEST_F(DrawingLayerTest, ReplayDrawsTheListInTheCurrentViewWithoutRecording) {
  layer_.segment({1, 1}, {12, 9}, 2, 2.0f);
  layer_.segment({1, 9}, {2, 9}, 2, 2.0f);
  // Magnify the lower left quarter of the page.
  ViewState view(frame_.pageBox, 130.0, 100.0);
  view.push({0.0, 6.5, 0.0, 5.0});
  MemoryDevice magnified(130, 100, 15);
  replay(frame_.picture().displayList, view, magnified);
  EXPECT_EQ(frame_.picture().displayList.size(), 4u);
  ASSERT_EQ(magnified.polylines().size(), 1u);
  // 20 pixels a unit: from (1, 1) to where the line leaves the view at x = 6.5.
  const std::vector<DevicePoint>& points = magnified.polylines()[0].points;
  EXPECT_EQ(points[0], (DevicePoint{20, 80}));
  EXPECT_EQ(points[1], (DevicePoint{130, 0}));
}

TEST_F(DrawingLayerTest, FillsPutTheirCornersInOrder) {
  layer_.fillRect({30, 5}, {10, 20}, 9, kSolidFill);
  layer_.clearWindow();
  ASSERT_EQ(device_.fills().size(), 1u);
  EXPECT_EQ(device_.fills()[0].topLeft, (DevicePoint{10, 5}));
  EXPECT_EQ(device_.fills()[0].bottomRight, (DevicePoint{30, 20}));
  EXPECT_EQ(device_.clears(), 1);
  EXPECT_TRUE(frame_.picture().displayList.empty());
}

TEST(DeviceCoordinates, PixelsArePagePointsTruncated) {
  FrameState frame(0, "t", 780.0, 600.0);
  frame.setScreenSize(780.0, 600.0);
  EXPECT_EQ(toDevicePixel(frame.view.deviceMapping(), {2.6, 2.0}), (DevicePoint{156, 480}));
  EXPECT_EQ(toDevicePixel(frame.view.deviceMapping(), {0.999, 9.999}), (DevicePoint{59, 0}));
  EXPECT_EQ(toDevicePixel(frame.view.deviceMapping(), {-0.01, 10.01}), (DevicePoint{0, 0}));
  // A wide drawing area centres the page.
  frame.setScreenSize(1000.0, 600.0);
  EXPECT_EQ(toDevicePixel(frame.view.deviceMapping(), {0.0, 0.0}), (DevicePoint{110, 600}));
}

TEST(DeviceCoordinates, PenWidthsAndPalette) {
  EXPECT_EQ(screenPenWidth(0.0f), 0);
  EXPECT_EQ(screenPenWidth(2.0f), 1);
  EXPECT_EQ(screenPenWidth(3.9f), 2);
  EXPECT_EQ(screenPenWidth(10.0f), 5);
  EXPECT_EQ(paletteColour(0), (RgbColour{0, 0, 0}));
  EXPECT_EQ(paletteColour(15), (RgbColour{255, 255, 255}));
  EXPECT_EQ(paletteColour(4), (RgbColour{170, 0, 0}));
  EXPECT_EQ(paletteColour(8), (RgbColour{85, 85, 85}));
  EXPECT_EQ(paletteColour(16), (RgbColour{255, 255, 255}));
  EXPECT_EQ(paletteColour(-1), (RgbColour{255, 255, 255}));
}

TEST(DeviceCoordinates, PageFitsTheDrawingAreaWithOneScale) {
  const Rect page{0.0, 13.0, 0.0, 10.0};
  const AreaSize wide = fitPageIntoArea(page, 1000.0, 600.0);
  EXPECT_DOUBLE_EQ(wide.width, 780.0);
  EXPECT_DOUBLE_EQ(wide.height, 600.0);
  const AreaSize tall = fitPageIntoArea(page, 520.0, 600.0);
  EXPECT_DOUBLE_EQ(tall.width, 520.0);
  EXPECT_DOUBLE_EQ(tall.height, 400.0);
}

}  // namespace
}  // namespace vexplot
