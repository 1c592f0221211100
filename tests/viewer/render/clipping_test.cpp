#include "viewer/render/clipping.hpp"

#include <gtest/gtest.h>

namespace vexplot {
namespace {

const Rect kBox{0.0, 10.0, 0.0, 5.0};

struct Clipped {
  bool visible;
  PagePoint a;
  PagePoint b;
};

Clipped clip(PagePoint a, PagePoint b) {
  const bool visible = clipSegment(kBox, a, b);
  return {visible, a, b};
}

void expectSegment(const Clipped& c, PagePoint a, PagePoint b) {
  ASSERT_TRUE(c.visible);
  EXPECT_DOUBLE_EQ(c.a.x, a.x);
  EXPECT_DOUBLE_EQ(c.a.y, a.y);
  EXPECT_DOUBLE_EQ(c.b.x, b.x);
  EXPECT_DOUBLE_EQ(c.b.y, b.y);
}

TEST(Clipping, SegmentInsideOrOnTheEdgesStands) {
  expectSegment(clip({1, 1}, {9, 4}), {1, 1}, {9, 4});
  expectSegment(clip({0, 0}, {10, 5}), {0, 0}, {10, 5});
  expectSegment(clip({0, 5}, {10, 5}), {0, 5}, {10, 5});
}

TEST(Clipping, EachEdgeCutsTheEndBeyondIt) {
  expectSegment(clip({-2, 1}, {2, 3}), {0, 2}, {2, 3});    // left
  expectSegment(clip({4, -1}, {6, 1}), {5, 0}, {6, 1});    // bottom
  expectSegment(clip({8, 1}, {12, 3}), {8, 1}, {10, 2});   // right
  expectSegment(clip({2, 4}, {4, 6}), {2, 4}, {3, 5});     // top
  expectSegment(clip({-5, 2}, {15, 2}), {0, 2}, {10, 2});  // both ends
  expectSegment(clip({3, 7}, {3, -2}), {3, 5}, {3, 0});
}

TEST(Clipping, EndBeyondACornerTakesTheFirstEdgeWhoseCrossingIsOnTheBox) {
  // Beyond left and bottom: the left edge is tried first and its crossing at
  // y = 1 lies on the box.
  expectSegment(clip({-1, -1}, {3, 3}), {0, 0}, {3, 3});
  expectSegment(clip({-2, -1}, {2, 3}), {0, 1}, {2, 3});
  // Here the left crossing (y = -1) is below the box; the bottom one counts.
  expectSegment(clip({-1, -3}, {2, 3}), {0.5, 0}, {2, 3});
  // Through both opposite corners.
  expectSegment(clip({-10, -5}, {20, 10}), {0, 0}, {10, 5});
}

TEST(Clipping, SegmentsThatMissTheBoxShowNothing) {
  EXPECT_FALSE(clip({-3, 1}, {-1, 4}).visible);   // beyond the left edge
  EXPECT_FALSE(clip({1, 6}, {9, 8}).visible);     // beyond the top
  EXPECT_FALSE(clip({-1, 4}, {2, 9}).visible);    // passes the upper left corner
  EXPECT_FALSE(clip({9, -2}, {12, 1}).visible);   // passes the lower right corner
}

TEST(Clipping, SegmentTouchingACornerKeepsThatPoint) {
  const Clipped c = clip({-1, 6}, {1, 4});
  expectSegment(c, {0, 5}, {1, 4});
  const Clipped corner = clip({-1, 1}, {1, -1});
  expectSegment(corner, {0, 0}, {0, 0});
}

}  // namespace
}  // namespace vexplot
