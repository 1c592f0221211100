#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>

#include "tests/viewer/windows/qt_test_support.hpp"
#include "viewer/windows/screen_device.hpp"

namespace vexplot {
namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;
constexpr int kBackground = 15;
constexpr int kInk = 4;

// A segment as the drawing layer hands it over: start, end, and the stub one
// pixel to the right of the end that paints the end pixel.
std::array<DevicePoint, 3> layerLine(DevicePoint from, DevicePoint to) {
  return {from, to, {to.x + 1, to.y}};
}

bool painted(const QImage& picture, int x, int y) { return picture.pixelColor(x, y) == screenColour(kInk); }

int paintedCount(const QImage& picture) {
  int count = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) count += painted(picture, x, y);
  }
  return count;
}

QImage drawnSegment(DevicePoint from, DevicePoint to, int penWidth) {
  ScreenDevice device(kWidth, kHeight, kBackground);
  device.drawPolyline(layerLine(from, to), kInk, penWidth);
  return device.snapshot();
}

class ScreenDeviceTest : public ::testing::Test {
 protected:
  ScreenDeviceTest() { testing::ensureQtApplication(); }
};

// Like the window system's lines: the start pixel and one pixel per step of
// the longer direction, the end pixel painted only by the stub after it, and
// the stub's own end left out; in every direction and for both thin pens.
TEST_F(ScreenDeviceTest, ThinSegmentPaintsOnePixelPerStepFromStartToEnd) {
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> x(0, kWidth - 2), y(0, kHeight - 1);
  for (int i = 0; i < 200; ++i) {
    const DevicePoint from{x(random), y(random)};
    const DevicePoint to{x(random), y(random)};
    const int penWidth = i % 2;
    SCOPED_TRACE(::testing::Message() << from.x << "," << from.y << " to " << to.x << "," << to.y);
    const QImage picture = drawnSegment(from, to, penWidth);
    EXPECT_TRUE(painted(picture, from.x, from.y));
    EXPECT_TRUE(painted(picture, to.x, to.y));
    EXPECT_EQ(paintedCount(picture), std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) + 1);
    if (to.x >= from.x) {
      EXPECT_FALSE(painted(picture, to.x + 1, to.y));
    }
  }
}

TEST_F(ScreenDeviceTest, LinesReachingOutsideTheImageAreCutToIt) {
  // Near the image: pixels outside are skipped.
  QImage picture = drawnSegment({-10, 20}, {20, 20}, 0);
  EXPECT_EQ(paintedCount(picture), 21);
  EXPECT_TRUE(painted(picture, 0, 20));
  // Far beyond it: the whole row across, and nothing else.
  picture = drawnSegment({-2000000000, 50}, {2000000000, 50}, 0);
  for (int x = 0; x < kWidth; ++x) EXPECT_TRUE(painted(picture, x, 50)) << x;
  EXPECT_EQ(paintedCount(picture), kWidth);
}

TEST_F(ScreenDeviceTest, WidePenPaintsBesideTheLine) {
  const QImage picture = drawnSegment({20, 60}, {120, 60}, 3);
  EXPECT_TRUE(painted(picture, 70, 59));
  EXPECT_TRUE(painted(picture, 70, 61));
  EXPECT_FALSE(painted(picture, 70, 57));
}

TEST_F(ScreenDeviceTest, LinesBeforeAFillLieUnderItAndClearRemovesThem) {
  ScreenDevice device(kWidth, kHeight, kBackground);
  device.drawPolyline(layerLine({0, 50}, {150, 50}), kInk, 0);
  device.fillRect({40, 40}, {60, 60}, 2, kSolidFill);
  QImage picture = device.snapshot();
  EXPECT_TRUE(painted(picture, 10, 50));
  EXPECT_EQ(picture.pixelColor(50, 50), screenColour(2));  // the fill covers the line

  device.drawPolyline(layerLine({0, 50}, {150, 50}), kInk, 0);  // over the fill again
  EXPECT_TRUE(painted(device.snapshot(), 50, 50));
  device.clear();
  EXPECT_EQ(paintedCount(device.snapshot()), 0);
}

}  // namespace
}  // namespace vexplot
