#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "viewer/render/drawing_layer.hpp"
#include "viewer/render/memory_device.hpp"
#include "viewer/render/stroke_font.hpp"
#include "viewer/render/stroke_layout.hpp"
#include "viewer/render/stroke_text.hpp"

namespace vexplot {
namespace {

constexpr double kTight = 1e-9;

std::vector<StrokePoint> strokes(std::string_view text, std::string_view caseLine = {},
                                 int font = 0) {
  const StrokeFont& f = strokeFont(font);
  std::vector<StrokePoint> points(measureText(f, text, caseLine).pointCount);
  collectStrokes(f, text, caseLine, points);
  return points;
}

// The points of a one-glyph string drawn at size s from (x, y).
std::vector<StrokePoint> shifted(std::vector<StrokePoint> points, double x, double y, double s) {
  for (StrokePoint& p : points) {
    p.x = x + s * p.x;
    p.y = y + s * p.y;
  }
  return points;
}

void expectSamePoints(const std::vector<StrokePoint>& actual,
                      const std::vector<StrokePoint>& expected, double tolerance = kTight) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(actual[i].draw, expected[i].draw);
    EXPECT_NEAR(actual[i].x, expected[i].x, tolerance);
    EXPECT_NEAR(actual[i].y, expected[i].y, tolerance);
  }
}

std::vector<StrokePoint> slice(const std::vector<StrokePoint>& points, std::size_t from,
                               std::size_t count) {
  return {points.begin() + static_cast<std::ptrdiff_t>(from),
          points.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

double endX(std::string_view text, std::string_view caseLine, int font) {
  return measureText(strokeFont(font), text, caseLine).endX;
}

// A tick label's exponent: "1" times "10" with "4" raised at two thirds of
// the size, then back on the baseline.
TEST(StrokeLayoutTest, ExponentLabelRaisesAndShrinksTheExponentAndReturns) {
  for (int font = 0; font < kFontCount; ++font) {
    SCOPED_TRACE(font);
    const std::string text = "1X10243";
    const std::string caseLine = " M  X X";
    const TextMeasure measure = measureText(strokeFont(font), text, caseLine);
    const std::vector<StrokePoint> all = strokes(text, caseLine, font);

    const std::vector<StrokePoint> times = strokes("X", "M", font);
    const std::vector<StrokePoint> ten = strokes("10", "", font);
    const std::vector<StrokePoint> four = strokes("4", "", font);
    const std::size_t one = strokes("1", "", font).size();
    ASSERT_EQ(all.size(), one + times.size() + ten.size() + four.size());
    expectSamePoints(slice(all, one, times.size()), shifted(times, endX("1", "", font), 0.0, 1.0));
    expectSamePoints(slice(all, one + times.size(), ten.size()),
                     shifted(ten, endX("1X", " M", font), 0.0, 1.0));
    const double raisedX = endX("1X10", " M  ", font) - 0.1111111111;
    const double small = 0.6666666667;
    expectSamePoints(slice(all, all.size() - four.size(), four.size()),
                     shifted(four, raisedX, 0.5, small));
    // Back on the baseline at full size.
    EXPECT_NEAR(measure.endY, 0.0, kTight);
    EXPECT_NEAR(measure.endX, raisedX + small * endX("4", "", font) + small * 0.1666666667, kTight);
  }
}

TEST(StrokeLayoutTest, CharactersBeyondTheCaseLineAreOrdinaryText) {
  expectSamePoints(strokes("NNN", "G"), [] {
    std::vector<StrokePoint> expected = strokes("N", "G");
    for (const StrokePoint& p : strokes("NN")) expected.push_back({p.draw, p.x + 1.0, p.y});
    return expected;
  }());
  expectSamePoints(strokes("AB", ""), strokes("AB", "  "));
}

TEST(StrokeLayoutTest, ControlsSaveRestoreAndIgnoreUnknownDigits) {
  // "0" Z saves the origin; "1" Z brings the B back onto the A's place.
  const std::vector<StrokePoint> overlaid = strokes("0A1B", "Z Z ");
  const std::vector<StrokePoint> a = strokes("A");
  expectSamePoints(slice(overlaid, a.size(), overlaid.size() - a.size()), strokes("B"));
  // Undefined controls change nothing and draw nothing.
  const TextMeasure none = measureText(strokeFont(0), "98Y", "XZY");
  EXPECT_EQ(none.pointCount, 0);
  EXPECT_EQ(none.endX, 0.0);
  EXPECT_EQ(none.endY, 0.0);
  // A subscript comes back to the baseline and the full size.
  const TextMeasure sub = measureText(strokeFont(0), "N0x1", " X X");
  EXPECT_NEAR(sub.endY, 0.0, kTight);
  EXPECT_NEAR(sub.endX, 1.0 - 0.1111111111 + 0.6666666667 + 0.6666666667 * 0.1666666667, kTight);
}

TEST(StrokeLayoutTest, BackslashDrawsTheBlankAndAdvancesByItsWidth) {
  const StrokeFont& simplex = strokeFont(0);
  const int blankAdjustment = simplex.header(0).widthAdjustment;
  ASSERT_LT(blankAdjustment, 0);
  const TextMeasure measure = measureText(simplex, "A\\A", "");
  EXPECT_NEAR(measure.endX, 2.0 + 1.0 + blankAdjustment / 6.0, kTight);
  const std::vector<StrokePoint> points = strokes("A\\A");
  const std::size_t a = strokes("A").size();
  ASSERT_EQ(points.size(), 2 * a + 1);
  EXPECT_FALSE(points[a].draw);
}

TEST(StrokeLayoutTest, CentredTwoCharacterStringMovesBackHalfACell) {
  std::vector<StrokePoint> points = strokes("AA");
  const TextMeasure measure = measureText(strokeFont(0), "AA", "");
  ASSERT_NEAR(measure.endX, 2.0, kTight);
  const std::vector<StrokePoint> unplaced = points;
  const TextStyle centred{0.2, 0, 0.5, 0.0, 1.2, 0};
  const TextPlacement placed = placeStrokes(points, measure, 2, centred, {5.0, 4.0});
  EXPECT_NEAR(placed.start.x, 5.0 - 0.1, kTight);
  EXPECT_NEAR(placed.start.y, 4.0, kTight);
  EXPECT_NEAR(placed.end.x, 5.0 + 0.3, kTight);
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_NEAR(points[i].x, 5.0 + 0.2 * (unplaced[i].x - 0.5), kTight);
    EXPECT_NEAR(points[i].y, 4.0 + 0.2 * 1.2 * unplaced[i].y, kTight);
  }
  // One character is never moved.
  std::vector<StrokePoint> single = strokes("A");
  const TextPlacement alone =
      placeStrokes(single, measureText(strokeFont(0), "A", ""), 1, centred, {5.0, 4.0});
  EXPECT_NEAR(alone.start.x, 5.0, kTight);
}

TEST(StrokeLayoutTest, TextTurnedBy90DegreesRunsUpwards) {
  std::vector<StrokePoint> points = strokes("AB");
  const std::vector<StrokePoint> unplaced = points;
  const TextStyle upright{0.5, 0, 0.0, 90.0, 1.0, 0};
  const TextPlacement placed =
      placeStrokes(points, measureText(strokeFont(0), "AB", ""), 2, upright, {3.0, 1.0});
  EXPECT_NEAR(placed.end.x, 3.0, 1e-8);
  EXPECT_NEAR(placed.end.y, 2.0, 1e-8);
  EXPECT_DOUBLE_EQ(placed.angle, 90.0);
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_NEAR(points[i].x, 3.0 - 0.5 * unplaced[i].y, 1e-8);
    EXPECT_NEAR(points[i].y, 1.0 + 0.5 * unplaced[i].x, 1e-8);
  }
}

class StrokeTextDrawingTest : public ::testing::Test {
 protected:
  StrokeTextDrawingTest() { frame_.setScreenSize(780, 600); }

  std::vector<DisplayRecord> records() const {
    std::vector<DisplayRecord> all;
    frame_.picture().displayList.forEach([&](const DisplayRecord& r) { all.push_back(r); });
    return all;
  }

  FrameState frame_{0, "text", 780, 600};
  MemoryDevice device_{780, 600, 15};
  Pen pen_;
  DrawingLayer layer_{frame_, device_, pen_};
};

TEST_F(StrokeTextDrawingTest, StringIsOneObjectOfThinLinesInItsColour) {
  PagePoint position{5.0, 5.0};
  const TextStyle style{0.3, 1, 0.0, 0.0, 1.2, 4};
  const int count = drawStrokeText(layer_, "Hi", "", position, style);
  EXPECT_EQ(count, measureText(strokeFont(1), "Hi", "").pointCount);
  const std::vector<DisplayRecord> list = records();
  ASSERT_GE(list.size(), 3u);
  EXPECT_EQ(list.front().kind, kBeginObject);
  EXPECT_EQ(list.back().kind, kEndObject);
  for (std::size_t i = 1; i + 1 < list.size(); ++i) {
    EXPECT_TRUE(list[i].kind == kMove || list[i].kind == kDraw);
    EXPECT_EQ(list[i].colour, 4);
    EXPECT_EQ(list[i].width, 0.0f);
  }
  EXPECT_NEAR(position.x, 5.0 + 0.3 * measureText(strokeFont(1), "Hi", "").endX, kTight);
  EXPECT_FALSE(device_.polylines().empty());
}

TEST_F(StrokeTextDrawingTest, EmptyStringDrawsNothing) {
  PagePoint position{5.0, 5.0};
  EXPECT_EQ(drawStrokeText(layer_, "", "", position, TextStyle{}), 0);
  EXPECT_TRUE(frame_.picture().displayList.empty());
  EXPECT_EQ(position, (PagePoint{5.0, 5.0}));
}

}  // namespace
}  // namespace vexplot
