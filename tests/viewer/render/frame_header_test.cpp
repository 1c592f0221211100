#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "viewer/language/interpreter.hpp"
#include "viewer/language/message_sink.hpp"
#include "viewer/render/frame_renderer.hpp"
#include "viewer/render/memory_device.hpp"
#include "viewer/render/stroke_text.hpp"

// The frame header the solver writes for a real-part frame, drawn in each
// font: every title is drawn on the page where its form puts it.
namespace vexplot {
namespace {

std::string solverHeader(const std::string& font) {
  return "  NEW FRAME\n"
         "  SET FONT " + font + "\n"
         "  SET SIZE 13 BY 10\n"
         "  SET WINDOW X FROM 2 9.7 Y FROM 1 TO 8\n"
         "  SET TICKS SIZE 0.05\n"
         "  TITLE 6.2 9.0 CENTER SIZE 2.0  '- Real Part of (N-N2x1)/N2s1 -'\n"
         "  CASE '                G GV V  GV V  '\n"
         "  TITLE 2.0 8.6 SIZE 1.5  'QUELM -- SAMPLE RING, BROAD-BAND RESONATOR'\n"
         "  MORE '                                                '\n"
         "  TITLE BOTTOM 'I2b1 (mA)'\n"
         "  CASE         ' V V     '\n"
         "  TITLE LEFT   'Real (N-N2x1)/N2s1'\n"
         "  CASE         '      G GV V  GV V'\n"
         "  SET LIMIT X  0.0          10.000       Y -3.0000       1.0000\n"
         "  TITLE 2.00 8.3 SIZE 1.2 '07/12/26     11:42:07     VERSION 4.0'\n"
         " MORE '     CPU TIME USED:  1.23     (s)'\n"
         "  TITLE 10. 7.9 SIZE 1.2 'SPRD  =  0.00    '\n"
         "  TITLE 10. 7.6 SIZE 1.2 'NUS   = 0.700E-02'\n"
         "  TITLE 10. 7.3 SIZE 1.2 'ENGY  =  3.00     (GeV)'\n"
         "  TITLE 10. 7.0 SIZE 1.2 'SGMZ  =  1.00     (cm)'\n"
         "  TITLE 10. 6.7 SIZE 1.2 'BETAC =  10.0     (m)'\n"
         "  TITLE 10. 6.4 SIZE 1.2 'REVFRQ=  1.00     (MHz)'\n"
         "  TITLE 10. 6.1 SIZE 1.2 'ALPHA = 0.100E-02'\n"
         "  TITLE 10. 5.8 SIZE 1.2 'CHORM =  0.00    '\n"
         "  TITLE 10. 5.5 SIZE 1.2 'FREQ  = 0.100E+04 (MHz)'\n"
         "  TITLE 10. 5.2 SIZE 1.2 'RS    =  1.00     (MOhm/m)'\n"
         "  TITLE 10. 4.9 SIZE 1.2 'QV    =  1.00    '\n"
         "  TITLE 10. 4.6 SIZE 1.2 'LBIN  =  F'\n"
         "  TITLE 10. 4.3 SIZE 1.2 'MU    =  0'\n";
}

struct Box {
  double x0 = 1e9;
  double x1 = -1e9;
  double y0 = 1e9;
  double y1 = -1e9;
};

// The extent of each top-level object's points, object by object.
std::vector<Box> objectBoxes(const DisplayList& list) {
  std::vector<Box> boxes;
  int depth = 0;
  list.forEach([&](const DisplayRecord& r) {
    if (r.kind == kBeginObject && depth++ == 0) boxes.emplace_back();
    if (r.kind == kEndObject) --depth;
    if ((r.kind == kMove || r.kind == kDraw) && !boxes.empty()) {
      Box& b = boxes.back();
      b.x0 = std::min<double>(b.x0, r.x);
      b.x1 = std::max<double>(b.x1, r.x);
      b.y0 = std::min<double>(b.y0, r.y);
      b.y1 = std::max<double>(b.y1, r.y);
    }
  });
  return boxes;
}

class FrameHeaderTest : public ::testing::TestWithParam<const char*> {
 protected:
  FrameHeaderTest() {
    directory_ = std::filesystem::temp_directory_path() /
                 ("vexplot_header_" + std::to_string(::getpid()) + "_" + GetParam());
    std::filesystem::create_directories(directory_);
  }
  ~FrameHeaderTest() override {
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
  }

  FrameState& interpret(const std::string& text) {
    const std::filesystem::path input = directory_ / "header.vpt";
    std::ofstream(input) << text;
    InterpretRequest request;
    request.inputPath = input;
    request.inputBaseName = "header";
    EXPECT_EQ(interpreter_.interpretFile(request), 0);
    return interpreter_.frames()[0];
  }

  std::filesystem::path directory_;
  MessageSink messages_;
  MemoryWindowHost windows_{1000, 600};
  StrokeTextPainter text_;
  FrameRenderer renderer_{windows_, text_, messages_};
  Interpreter interpreter_{messages_, renderer_};
};

TEST_P(FrameHeaderTest, EveryTitleStandsWhereItsFormPutsIt) {
  const FrameState& frame = interpret(solverHeader(GetParam()));
  ASSERT_EQ(frame.titles.size(), 18u);
  for (const TitleText& title : frame.titles) EXPECT_TRUE(title.drawn) << title.text;
  const std::vector<Box> boxes = objectBoxes(frame.picture().displayList);
  ASSERT_EQ(boxes.size(), 18u);
  for (const Box& b : boxes) {
    EXPECT_GE(b.x0, 0.0);
    EXPECT_LE(b.x1, 13.0);
    EXPECT_GE(b.y0, 0.0);
    EXPECT_LE(b.y1, 10.0);
  }
  // The centred headline sits around x = 6.2, above the box.
  EXPECT_NEAR(0.5 * (boxes[0].x0 + boxes[0].x1), 6.2, 0.15);
  EXPECT_GT(boxes[0].y0, 8.5);
  // The axis titles lie outside the window box, the left one running upwards.
  EXPECT_LT(boxes[2].y1, 1.0);
  EXPECT_LT(boxes[3].x1, 2.0);
  EXPECT_GT(boxes[3].y1 - boxes[3].y0, 3.0 * (boxes[3].x1 - boxes[3].x0));
  // The parameter lines start at x = 10 and do not run into each other.
  for (std::size_t i = 5; i < boxes.size(); ++i) {
    EXPECT_NEAR(boxes[i].x0, 10.0, 0.06);
    if (i > 5) {
      EXPECT_LT(boxes[i].y1, boxes[i - 1].y0);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllFonts, FrameHeaderTest,
                         ::testing::Values("SIMPLEX", "DUPLEX", "UBCFONT"));

}  // namespace
}  // namespace vexplot
