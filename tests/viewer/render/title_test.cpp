#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "viewer/render/drawing_layer.hpp"
#include "viewer/render/memory_device.hpp"
#include "viewer/render/stroke_font.hpp"
#include "viewer/render/stroke_text.hpp"
#include "viewer/render/title_placement.hpp"

namespace vexplot {
namespace {

constexpr double kNear = 1e-8;

TitleText sideTitle(int side, double size = 0.2) {
  TitleText title;
  title.placement = side;
  title.justification = 0.5;
  title.size = size;
  return title;
}

TitleText positionTitle(double x, double y, bool xIsData, bool yIsData) {
  TitleText title;
  title.x = x;
  title.y = y;
  title.xIsData = xIsData;
  title.yIsData = yIsData;
  return title;
}

void expectAnchor(const TitleAnchor& anchor, double x, double y, double angle) {
  ASSERT_EQ(anchor.outcome, TitleAnchor::kDraw);
  EXPECT_NEAR(anchor.anchor.x, x, kNear);
  EXPECT_NEAR(anchor.anchor.y, y, kNear);
  EXPECT_DOUBLE_EQ(anchor.angle, angle);
}

class TitlePlacementTest : public ::testing::Test {
 protected:
  void setLimits(double x0, double x1, double y0, double y1) {
    frame_.limits = {x0, x1, y0, y1};
    frame_.limitsSet = {true, true};
    frame_.dataTransformValid = false;
  }

  // The default window box runs from 2.6 to 11.7 and from 2 to 9.
  FrameState frame_{0, "titles", 780, 600};
};

TEST_F(TitlePlacementTest, SideTitlesStandOutsideTheWindowBox) {
  expectAnchor(placeTitle(frame_, sideTitle(kLeft)), 2.6 - 0.91, 5.5, 90.0);
  expectAnchor(placeTitle(frame_, sideTitle(kRight)), 11.7 + 0.91, 5.5, 90.0);
  expectAnchor(placeTitle(frame_, sideTitle(kBottom)), 7.15, 2.0 - 0.7, 0.0);
  expectAnchor(placeTitle(frame_, sideTitle(kTop)), 7.15, 9.0 + 0.7, 0.0);
}

TEST_F(TitlePlacementTest, LineValueMovesAcrossTheTextDirection) {
  TitleText bottom = sideTitle(kBottom, 0.25);
  bottom.lineValue = 2.0;
  // Two character heights of 0.25 x 1.2 upwards.
  expectAnchor(placeTitle(frame_, bottom), 7.15, 1.3 + 0.6, 0.0);
  TitleText left = sideTitle(kLeft, 0.25);
  left.lineValue = 0.0;
  // Turned text: "up" points to the left, so a lower line lies to the right.
  expectAnchor(placeTitle(frame_, left), 1.69 + 0.6, 5.5, 90.0);
}

TEST_F(TitlePlacementTest, ContinuingTitleNeedsAPreviousOne) {
  TitleText next;
  next.placement = kTitleBelowPrevious;
  next.lineSpacing = 0.0;
  next.angle = 10.0;
  EXPECT_EQ(placeTitle(frame_, next).outcome, TitleAnchor::kDrop);

  frame_.lastTitle = {true, 2.0, 8.6, 0.15 * 1.2, 0.0};
  expectAnchor(placeTitle(frame_, next), 2.0, 8.6 - 0.36, 10.0);
  frame_.lastTitle.angle = 90.0;
  next.lineSpacing = 3.0;
  expectAnchor(placeTitle(frame_, next), 2.0 + 0.54, 8.6, 100.0);
}

TEST_F(TitlePlacementTest, DataCoordinatesWaitForLimitsAndDropWhatCannotBeMapped) {
  const TitleText xData = positionTitle(5.0, 8.0, true, false);
  EXPECT_EQ(placeTitle(frame_, xData).outcome, TitleAnchor::kWait);
  expectAnchor(placeTitle(frame_, positionTitle(2.0, 8.6, false, false)), 2.0, 8.6, 0.0);

  setLimits(0.0, 10.0, 0.0, 1.0);
  expectAnchor(placeTitle(frame_, xData), 2.6 + 0.5 * 9.1, 8.0, 0.0);
  expectAnchor(placeTitle(frame_, positionTitle(3.0, 0.5, false, true)), 3.0, 5.5, 0.0);
  EXPECT_EQ(placeTitle(frame_, positionTitle(2147483647.0, 1.0, true, false)).outcome,
            TitleAnchor::kDrop);
  EXPECT_EQ(placeTitle(frame_, positionTitle(1.0, 4294967295.0, false, true)).outcome,
            TitleAnchor::kDrop);
  frame_.logScale[kAxisX] = true;
  setLimits(1.0, 100.0, 0.0, 1.0);
  EXPECT_EQ(placeTitle(frame_, positionTitle(-1.0, 8.0, true, false)).outcome, TitleAnchor::kDrop);
  expectAnchor(placeTitle(frame_, positionTitle(10.0, 8.0, true, false)), 2.6 + 0.5 * 9.1, 8.0,
               0.0);
}

class TitleDrawingTest : public TitlePlacementTest {
 protected:
  std::vector<DisplayRecord> records() const {
    std::vector<DisplayRecord> all;
    frame_.picture().displayList.forEach([&](const DisplayRecord& r) { all.push_back(r); });
    return all;
  }

  MemoryDevice device_{780, 600, 15};
  Pen pen_;
  DrawingLayer layer_{frame_, device_, pen_};
  StrokeTextPainter painter_;
};

TEST_F(TitleDrawingTest, PendingTitlesAreDrawnOnceInTheFrameStyle) {
  frame_.font = kDuplex;
  frame_.colour = 2;
  TitleText head = sideTitle(kTop, 0.3);
  head.text = "Head";
  frame_.titles.push_back(head);
  TitleText waiting = positionTitle(5.0, 5.0, true, true);
  waiting.text = "later";
  frame_.titles.push_back(waiting);

  painter_.drawPendingTitles(layer_);
  EXPECT_TRUE(frame_.titles[0].drawn);
  EXPECT_FALSE(frame_.titles[1].drawn);
  const std::size_t drawn = frame_.picture().displayList.size();
  for (const DisplayRecord& r : records()) {
    if (r.kind == kMove || r.kind == kDraw) {
      EXPECT_EQ(r.colour, 2);
    }
  }
  // The centred four-character title starts three eighths of its advance
  // back from the anchor.
  const double advance = measureText(strokeFont(kDuplex), "Head", "").endX;
  ASSERT_TRUE(frame_.lastTitle.present);
  EXPECT_NEAR(frame_.lastTitle.x, 7.15 - 0.3 * 0.375 * advance, kNear);
  EXPECT_NEAR(frame_.lastTitle.y, 9.7, kNear);
  EXPECT_NEAR(frame_.lastTitle.characterHeight, 0.36, kNear);

  // A second flush draws nothing new until the limits exist.
  painter_.drawPendingTitles(layer_);
  EXPECT_EQ(frame_.picture().displayList.size(), drawn);
  setLimits(0.0, 10.0, 0.0, 10.0);
  painter_.drawPendingTitles(layer_);
  EXPECT_TRUE(frame_.titles[1].drawn);
  EXPECT_GT(frame_.picture().displayList.size(), drawn);
}

TEST_F(TitleDrawingTest, DroppedTitleIsNeverDrawnAndLeavesTheLastTitle) {
  TitleText lost;
  lost.placement = kTitleBelowPrevious;
  lost.text = "lost";
  frame_.titles.push_back(lost);
  painter_.drawPendingTitles(layer_);
  EXPECT_TRUE(frame_.titles[0].drawn);
  EXPECT_TRUE(frame_.picture().displayList.empty());
  EXPECT_FALSE(frame_.lastTitle.present);
}

}  // namespace
}  // namespace vexplot
