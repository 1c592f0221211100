#include "viewer/render/outlines.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "viewer/language/frame_items.hpp"

namespace vexplot {
namespace {

void expectPoints(const std::vector<PagePoint>& actual, const std::vector<PagePoint>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_NEAR(actual[i].x, expected[i].x, 1e-12) << i;
    EXPECT_NEAR(actual[i].y, expected[i].y, 1e-12) << i;
  }
}

TEST(HistogramOutline, BarEdgesLieHalfwayAndBeyondTheEnds) {
  const std::vector<PagePoint> bars{{1, 3}, {2, 4}, {4, 2.5}};
  expectPoints(histogramOutline(bars, 2.0), {{0.5, 2}, {0.5, 3}, {1.5, 3}, {1.5, 4}, {3, 4}, {3, 2.5},
                                            {5, 2.5}, {5, 2}});
  EXPECT_EQ(histogramOutline(bars, 2.0).size(), 2 * bars.size() + 2);
  EXPECT_TRUE(histogramOutline(std::vector<PagePoint>{{1, 3}}, 2.0).empty());
}

TEST(FigureOutline, BoxAndDiamondCorners) {
  expectPoints(figureOutline(kFigureBox, {5, 5}, 2, 1), {{6, 4.5}, {6, 5.5}, {4, 5.5}, {4, 4.5}});
  expectPoints(figureOutline(kFigureDiamond, {5, 5}, 2, 1), {{6, 5}, {5, 5.5}, {4, 5}, {5, 4.5}});
  // Kinds out of range are clamped.
  expectPoints(figureOutline(-3, {0, 0}, 2, 2), figureOutline(kFigureBox, {0, 0}, 2, 2));
  EXPECT_EQ(figureOutline(9, {0, 0}, 1, 1).size(), 104u);
}

TEST(FigureOutline, EllipseVerticesGrowWithItsSize) {
  const std::vector<PagePoint> circle = figureOutline(kFigureEllipse, {5, 5}, 1, 1);
  ASSERT_EQ(circle.size(), 104u);  // 4 x trunc(1 + 25)
  for (const PagePoint& p : circle) EXPECT_NEAR(std::hypot(p.x - 5, p.y - 5), 0.5, 1e-12);
  EXPECT_NEAR(circle[0].x, 5.5, 1e-12);
  EXPECT_NEAR(circle[26].y, 5.5, 1e-12);  // a quarter turn on
  const std::vector<PagePoint> ellipse = figureOutline(kFigureEllipse, {0, 0}, 4, -1);
  EXPECT_EQ(ellipse.size(), 4u * 51u);  // trunc(1 + 25 x 2)
  EXPECT_NEAR(ellipse[0].x, 2.0, 1e-12);
  // Absurd sizes keep a bounded number of vertices.
  EXPECT_EQ(figureOutline(kFigureEllipse, {0, 0}, 1e300, 1).size(), 40000u);
}

TEST(ArrowStrokes, ShaftAndHead) {
  const auto arrow = arrowStrokes({1, 1}, {5, 1}, 0, 0, 0.4, 0.5);
  ASSERT_TRUE(arrow);
  expectPoints({arrow->shaftStart, arrow->shaftEnd}, {{1, 1}, {5, 1}});
  ASSERT_TRUE(arrow->head);
  // Length 0.4 back along the shaft, full width 0.2.
  expectPoints({(*arrow->head)[0], (*arrow->head)[1], (*arrow->head)[2]}, {{5, 1}, {4.6, 0.9}, {4.6, 1.1}});
}

TEST(ArrowStrokes, GapsHeadlessAndEmptyArrows) {
  const auto gapped = arrowStrokes({0, 0}, {0, 4}, 1, 0.5, 0.2, 0.5);
  expectPoints({gapped->shaftStart, gapped->shaftEnd, (*gapped->head)[0]}, {{0, 1}, {0, 3.5}, {0, 3.5}});
  // Gaps longer than half the arrow make the shaft run backwards.
  const auto crossed = arrowStrokes({0, 0}, {2, 0}, 1.5, 1.5, 0, 0.5);
  expectPoints({crossed->shaftStart, crossed->shaftEnd}, {{1.5, 0}, {0.5, 0}});
  EXPECT_FALSE(crossed->head);
  EXPECT_FALSE(arrowStrokes({1, 1}, {1, 1}, 0, 0, 0.2, 0.5));
}

}  // namespace
}  // namespace vexplot
