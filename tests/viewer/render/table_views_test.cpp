#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "viewer/language/result_codes.hpp"
#include "viewer/render/drawing_layer.hpp"
#include "viewer/render/memory_device.hpp"
#include "viewer/render/table_views.hpp"
#include "viewer/render/text_painter.hpp"

namespace vexplot {
namespace {

// Keeps the strings it is asked to draw.
class ListingPainter final : public TextPainter {
 public:
  struct Request {
    std::string text;
    std::string caseLine;
    TextStyle style;
  };
  int drawText(DrawingLayer&, std::string_view text, std::string_view caseLine, PagePoint&,
               const TextStyle& style) override {
    requests.push_back({std::string(text), std::string(caseLine), style});
    return 1;
  }
  void drawPendingTitles(DrawingLayer&) override {}

  std::vector<Request> requests;
};

TEST(TableViewsTest, FontTableFrameIsThePageWithoutAxes) {
  const auto frame = makeFontTableFrame(1, 1280, 1024);
  EXPECT_EQ(frame->frameNumber, 2);
  EXPECT_EQ(frame->title, "DUPLEX Font Table");
  EXPECT_DOUBLE_EQ(frame->pixelWidth, 800.0);
  EXPECT_DOUBLE_EQ(frame->pixelHeight, 600.0);
  EXPECT_EQ(frame->windowBox, frame->pageBox);
  EXPECT_EQ(frame->limits, frame->pageBox);
  EXPECT_TRUE(frame->limitsSet[kAxisX] && frame->limitsSet[kAxisY]);
  EXPECT_EQ(frame->axisOn, (std::array<bool, 4>{false, false, false, false}));
  const auto small = makeFontTableFrame(0, 600, 500);
  EXPECT_DOUBLE_EQ(small->pixelWidth, 540.0);
  EXPECT_DOUBLE_EQ(small->pixelHeight, 400.0);
}

TEST(TableViewsTest, FontTableShowsEveryVisibleSetRowByRow) {
  const auto frame = makeFontTableFrame(2, 1280, 1024);
  MemoryDevice device(800, 600, 15);
  Pen pen;
  DrawingLayer layer(*frame, device, pen);
  ListingPainter painter;
  drawFontTable(layer, painter, 2);

  std::set<char> rows;
  int letterCells = 0;
  for (const ListingPainter::Request& r : painter.requests) {
    ASSERT_EQ(r.text.size(), 1u);
    EXPECT_EQ(r.style.font, 2);
    EXPECT_EQ(r.style.aspect, 1.0);
    rows.insert(r.caseLine[0]);
    if (r.caseLine == "F") ++letterCells;
  }
  // Greek capitals: one cell each.
  EXPECT_EQ(letterCells, 24);
  for (const char hidden : {'$', 'D', 'U', 'V'}) EXPECT_EQ(rows.count(hidden), 0u) << hidden;
  for (const char shown : {' ', 'A', 'B', 'M', 'O', 'W', '1', '2', 'I', 'J'}) {
    EXPECT_EQ(rows.count(shown), 1u) << shown;
  }
  // The rulings: red lines of width 1 in one object ahead of the glyphs.
  int rulings = 0;
  frame->picture().displayList.forEach([&](const DisplayRecord& r) {
    if (r.kind == kDraw) {
      EXPECT_EQ(r.colour, 4);
      EXPECT_EQ(r.width, 1.0f);
      ++rulings;
    }
  });
  EXPECT_GT(rulings, 40);
}

TEST(TableViewsTest, ColourTableFillsSixteenLabelledPatches) {
  const auto frame = makeColourTableFrame();
  EXPECT_EQ(frame->frameNumber, 10);
  EXPECT_EQ(frame->title, "Color Table");
  EXPECT_DOUBLE_EQ(frame->pixelWidth, 400.0);
  EXPECT_DOUBLE_EQ(frame->pixelHeight, 350.0);
  frame->setScreenSize(400, 307);
  MemoryDevice device(400, 307, 15);
  Pen pen;
  DrawingLayer layer(*frame, device, pen);
  ListingPainter painter;
  drawColourTable(layer, painter);

  ASSERT_EQ(device.fills().size(), 16u);
  ASSERT_EQ(painter.requests.size(), 16u);
  EXPECT_EQ(painter.requests[0].text, "WHITE");
  EXPECT_EQ(painter.requests[15].text, "BLACK");
  for (int i = 0; i < 16; ++i) {
    const MemoryDevice::Fill& fill = device.fills()[i];
    EXPECT_EQ(fill.colour, i);
    EXPECT_EQ(fill.hatch, kSolidFill);
    EXPECT_LT(fill.topLeft.x, fill.bottomRight.x);
    EXPECT_LT(fill.topLeft.y, fill.bottomRight.y);
    const TextStyle& style = painter.requests[i].style;
    EXPECT_EQ(style.font, kDuplex);
    EXPECT_EQ(style.colour, 0);
    EXPECT_DOUBLE_EQ(style.justification, 0.5);
    EXPECT_DOUBLE_EQ(style.size, 10.0 * 2.0 / 9.0 / 8.0);
  }
  // Row by row from the top: the fourth colour stands right of the first.
  EXPECT_GT(device.fills()[3].topLeft.x, device.fills()[0].bottomRight.x);
  EXPECT_GT(device.fills()[4].topLeft.y, device.fills()[0].bottomRight.y);
}

}  // namespace
}  // namespace vexplot
