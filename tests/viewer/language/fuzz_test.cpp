#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>
#include <string_view>

#include "tests/viewer/language/plot_file_fixture.hpp"

namespace vexplot {
namespace {

// Random bytes and random soups of the language's own words must never crash
// or hang the interpreter, and must never leave a frame with settings out of
// their ranges.
class FuzzTest : public testing::PlotFileTest {
 protected:
  void runAndCheck(const std::string& bytes) {
    const std::vector<std::string> texts = run(bytes);
    ASSERT_FALSE(texts.empty());
    ASSERT_EQ(texts.back(), endOfInputText()) << bytes;
    for (std::size_t i = 0; i < frameCount(); ++i) checkFrame(frame(i), bytes);
  }

  static void checkFrame(const FrameState& f, const std::string& bytes) {
    const Rect& w = f.windowBox;
    EXPECT_TRUE(std::isfinite(w.x0) && std::isfinite(w.x1) && std::isfinite(w.y0) &&
                std::isfinite(w.y1))
        << bytes;
    EXPECT_LT(w.x0, w.x1) << bytes;
    EXPECT_LT(w.y0, w.y1) << bytes;
    EXPECT_GT(f.pageBox.x1, 0.0) << bytes;
    EXPECT_TRUE(f.lineWidth >= 0.0f && f.lineWidth <= 10.0f) << bytes;
    EXPECT_TRUE(f.colour >= 0 && f.colour <= 15) << bytes;
    EXPECT_TRUE(f.texture >= 0 && f.texture <= 4) << bytes;
    EXPECT_LE(f.order.size(), 20u) << bytes;
    EXPECT_LE(f.userPattern.size(), 20u) << bytes;
    EXPECT_EQ(f.columnOfItem.size(), f.order.size()) << bytes;
  }
};

constexpr std::array<std::string_view, 72> kSoup{
    "SET", "WINDOW", "LIMIT", "LIMITS", "AXIS", "AXES", "TICKS", "LABELS", "ORDER", "SYMBOL",
    "SCALE", "SIZE", "SIZ", "INTENSITY", "PATTERN", "BOX", "DIAMOND", "ELLIPSE", "CIRCLE",
    "FONT", "COLOR", "TEXTURE", "TITLE", "ARROW", "GRID", "CARD", "BAR", "NEWFRAME", "NEW",
    "FRAME", "END", "SMOOTH", "PLOT", "JOIN", "HISTOGRAM", "HIST", "X", "Y", "FROM", "TO", "OF",
    "BY", "ON", "OFF", "LEFT", "TOP", "ALL", "LOG", "LINEAR", "DASHED", "RED", "DUPLEX", "FLAIR",
    "HORIZONTAL", "0", "1", "-2.5", "1e3", "1e999", "0.0001", "7", "2p", "'X'", "'It''s'",
    "'open", ";", ",", "(c)", "(open", "\r\n", "\n", "\t"};

TEST_F(FuzzTest, RandomBytesNeverBreakTheInterpreter) {
  std::mt19937 random(20240607);
  const std::string_view alphabet = "SETWINDOXY0123456789.-+eE ;,()'\r\n\t\x80\xff";
  for (int file = 0; file < 300; ++file) {
    std::string bytes;
    const int length = std::uniform_int_distribution<int>(0, 400)(random);
    for (int i = 0; i < length; ++i) {
      const bool anyByte = std::uniform_int_distribution<int>(0, 3)(random) == 0;
      bytes += anyByte ? static_cast<char>(random() & 0xff)
                       : alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(random)];
    }
    runAndCheck(bytes);
  }
}

TEST_F(FuzzTest, RandomTokenSoupNeverBreaksTheInterpreter) {
  std::mt19937 random(17);
  std::uniform_int_distribution<std::size_t> pick(0, kSoup.size() - 1);
  for (int file = 0; file < 300; ++file) {
    std::string bytes;
    const int words = std::uniform_int_distribution<int>(0, 120)(random);
    for (int i = 0; i < words; ++i) {
      if (std::uniform_int_distribution<int>(0, 200)(random) == 0) {
        bytes += std::string(std::uniform_int_distribution<int>(250, 260)(random), 'w');
      } else {
        bytes += kSoup[pick(random)];
      }
      bytes += ' ';
    }
    runAndCheck(bytes);
  }
}

}  // namespace
}  // namespace vexplot
