#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>
#include <string_view>

#include "tests/viewer/render/render_fixture.hpp"

namespace vexplot {
namespace {

// Random statements of the drawing commands with extreme numbers must never
// crash, hang or leave non-finite or out-of-page records in a display list.
class RenderFuzzTest : public testing::RenderTest {
 protected:
  void checkFrames(const std::string& bytes) {
    for (std::size_t i = 0; i < framesOfRun(); ++i) {
      const FrameState& f = frame(i);
      f.picture().displayList.forEach([&](const DisplayRecord& record) {
        ASSERT_TRUE(std::isfinite(record.x) && std::isfinite(record.y)) << bytes;
        if (record.kind == kMove || record.kind == kDraw) {
          ASSERT_GE(record.x, f.pageBox.x0 - 1e-3) << bytes;
          ASSERT_LE(record.x, f.pageBox.x1 + 1e-3) << bytes;
        }
      });
    }
  }
};

constexpr std::array<std::string_view, 58> kSoup{
    "PLOT", "JOIN", "HISTOGRAM", "BIN", "LIST", "ARROW", "BOX", "DIAMOND", "CIRCLE", "NEWFRAME",
    "SET LIMIT", "SET WINDOW", "SET SCALE X LOG", "SET SCALE Y LOG", "SET SCALE Y", "SET GRID ON",
    "SET GRID SYMBOL", "SET ORDER Y X", "SET ORDER SYMBOL X Y", "SET PATTERN", "SET TEXTURE PATTERNED",
    "SET ELLIPSE SIZE", "SET SIZE", "X", "Y", "FROM", "TO", "BY", "BINS", "SIZE", "DATA", "LESS",
    "FLARE", "TEXT", "POINTS", "AXES", "DASHED", "RED", "0", "1", "-1", "2.5", "3", "7", "1e3", "1e-3",
    "1e300", "-1e300", "1e9", "-1e9", "0.0001", "1e-300", ";", "\n", "\n", "\n", "5 5", "'A'"};

TEST_F(RenderFuzzTest, RandomDrawingStatements) {
  std::mt19937 random(20260);
  std::uniform_int_distribution<std::size_t> pick(0, kSoup.size() - 1);
  std::uniform_int_distribution<int> length(1, 60);
  for (int round = 0; round < 300; ++round) {
    std::string bytes;
    for (int i = length(random); i > 0; --i) bytes.append(kSoup[pick(random)]).append(" ");
    bytes += "\n1 2\n3 4\nJOIN 1\nPLOT\nHISTOGRAM\n";
    run(bytes);
    checkFrames(bytes);
  }
}

}  // namespace
}  // namespace vexplot
