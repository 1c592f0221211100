#include "viewer/render/table_views.hpp"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/language/language_tables.hpp"
#include "viewer/render/device_coordinates.hpp"
#include "viewer/render/stroke_font.hpp"

namespace vexplot {

namespace {

constexpr double kPageWidth = 13.0;
constexpr double kPageHeight = 10.0;

// Font table geometry, page units.
constexpr double kMargin = 0.4;
constexpr double kBlockGap = 0.3;
constexpr double kGlyphShare = 0.8;
constexpr int kRulingColour = 4;
constexpr float kRulingWidth = 1.0f;
constexpr std::string_view kLettersAndDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// Case letters without a row: the end pair, the long lines and the spacing
// glyphs, which show nothing by themselves.
constexpr std::string_view kCasesWithoutRow = "$DUV";

// Colour table geometry.
constexpr int kColourTableFrame = 10;
constexpr double kColourCellWidth = kPageWidth * 2.0 / 9.0;
constexpr double kColourCellHeight = kPageHeight * 2.0 / 9.0;

// One block of the font table: its columns (text characters) and rows (case
// letters), and where it stands.
struct TableBlock {
  std::string columns;
  std::string rows;
  double top = 0.0;
  double cellWidth = 0.0;
  double cellHeight = 0.0;
};

bool contains(std::string_view set, char c) { return set.find(c) != std::string_view::npos; }

// The case letters used with the given characters, in key order.
std::string rowsFor(const StrokeFont& font, std::string_view columns) {
  std::string rows;
  for (int glyph = 0; glyph < font.glyphCount(); ++glyph) {
    const char caseLetter = font.caseLetter(glyph);
    if (contains(columns, font.character(glyph)) && !contains(kCasesWithoutRow, caseLetter) &&
        !contains(rows, caseLetter)) {
      rows += caseLetter;
    }
  }
  return rows;
}

// The visible characters of the font other than letters and digits, in
// character order.
std::string otherCharacters(const StrokeFont& font) {
  std::string characters;
  for (int glyph = 0; glyph < font.glyphCount(); ++glyph) {
    const char c = font.character(glyph);
    if (c != ' ' && !contains(kLettersAndDigits, c) && !contains(characters, c)) characters += c;
  }
  std::sort(characters.begin(), characters.end());
  return characters;
}

// Each block has a label column besides its cells (its first row, the
// ordinary text, labels the columns); the rows of both blocks share one
// height.
std::vector<TableBlock> layoutBlocks(const StrokeFont& font) {
  std::vector<TableBlock> blocks(2);
  blocks[0].columns = kLettersAndDigits;
  blocks[1].columns = otherCharacters(font);
  double rowCount = 0.0;
  for (TableBlock& block : blocks) {
    block.rows = rowsFor(font, block.columns);
    rowCount += static_cast<double>(block.rows.size());
  }
  const double rowHeight = (kPageHeight - 2.0 * kMargin - kBlockGap) / rowCount;
  double top = kPageHeight - kMargin;
  for (TableBlock& block : blocks) {
    block.top = top;
    block.cellHeight = rowHeight;
    block.cellWidth = (kPageWidth - 2.0 * kMargin) / static_cast<double>(block.columns.size() + 1);
    top -= rowHeight * static_cast<double>(block.rows.size()) + kBlockGap;
  }
  return blocks;
}

void drawRulings(DrawingLayer& layer, const TableBlock& block) {
  const double left = kMargin;
  const double right = kMargin + block.cellWidth * static_cast<double>(block.columns.size() + 1);
  const double bottom = block.top - block.cellHeight * static_cast<double>(block.rows.size());
  for (std::size_t row = 0; row <= block.rows.size(); ++row) {
    const double y = block.top - block.cellHeight * static_cast<double>(row);
    layer.segment({left, y}, {right, y}, kRulingColour, kRulingWidth);
  }
  for (std::size_t column = 0; column <= block.columns.size() + 1; ++column) {
    const double x = left + block.cellWidth * static_cast<double>(column);
    layer.segment({x, block.top}, {x, bottom}, kRulingColour, kRulingWidth);
  }
}

// Draws the glyph of the pair, if the font has it, centred on the point.
void drawCell(DrawingLayer& layer, TextPainter& text, const StrokeFont& font, int fontIndex,
              char character, char caseLetter, PagePoint centre, double size) {
  const int glyph = font.findGlyph(character, caseLetter);
  if (font.character(glyph) != character || font.caseLetter(glyph) != caseLetter) return;
  // The ink of a glyph is centred half its width adjustment off the point.
  const double shift = 0.5 * font.header(glyph).widthAdjustment * size / font.heightUnit();
  PagePoint position{centre.x - shift, centre.y};
  const TextStyle style{size, fontIndex, 0.0, 0.0, 1.0, 0};
  text.drawText(layer, std::string_view(&character, 1), std::string_view(&caseLetter, 1), position,
                style);
}

void drawBlock(DrawingLayer& layer, TextPainter& text, int fontIndex, const TableBlock& block) {
  const StrokeFont& font = strokeFont(fontIndex);
  const double size = kGlyphShare * std::min(block.cellWidth, block.cellHeight);
  const auto centre = [&](std::size_t column, std::size_t row) {
    return PagePoint{kMargin + block.cellWidth * (static_cast<double>(column) + 0.5),
                     block.top - block.cellHeight * (static_cast<double>(row) + 0.5)};
  };
  for (std::size_t row = 0; row < block.rows.size(); ++row) {
    const char caseLetter = block.rows[row];
    drawCell(layer, text, font, fontIndex, caseLetter, ' ', centre(0, row), size);
    for (std::size_t column = 0; column < block.columns.size(); ++column) {
      drawCell(layer, text, font, fontIndex, block.columns[column], caseLetter, centre(column + 1, row),
               size);
    }
  }
}

}  // namespace

std::unique_ptr<FrameState> makeFontTableFrame(int font, double screenWidth, double screenHeight) {
  const double width = std::min(0.9 * screenWidth, 800.0);
  const double height = std::min(0.8 * screenHeight, 600.0);
  auto frame = std::make_unique<FrameState>(font + 1, "", width, height);
  frame->title = std::string(strokeFont(font).keyword()) + " Font Table";
  frame->windowBox = frame->pageBox;
  frame->limits = frame->pageBox;
  frame->limitsSet = {true, true};
  frame->axisOn = {false, false, false, false};
  return frame;
}

void drawFontTable(DrawingLayer& layer, TextPainter& text, int font) {
  const std::vector<TableBlock> blocks = layoutBlocks(strokeFont(font));
  drawObject(layer, kRulingWidth, [&] {
    for (const TableBlock& block : blocks) drawRulings(layer, block);
  });
  for (const TableBlock& block : blocks) drawBlock(layer, text, font, block);
}

std::unique_ptr<FrameState> makeColourTableFrame() {
  auto frame = std::make_unique<FrameState>(kColourTableFrame, "", 400.0, 350.0);
  frame->title = "Color Table";
  frame->axisOn = {false, false, false, false};
  return frame;
}

void drawColourTable(DrawingLayer& layer, TextPainter& text) {
  const FrameState& frame = layer.frame();
  const double left = 0.5 * (kPageWidth - 4.0 * kColourCellWidth);
  const double top = kPageHeight - 0.5 * (kPageHeight - 4.0 * kColourCellHeight);
  const TextStyle label{kColourCellHeight / 8.0, kDuplex, 0.5, 0.0, 1.0, 0};
  for (int colour = 0; colour < 16; ++colour) {
    const double x0 = left + kColourCellWidth * (colour % 4);
    const double y1 = top - kColourCellHeight * (colour / 4);
    const double y0 = y1 - kColourCellHeight;
    const PagePoint corner{x0 + 0.1 * kColourCellWidth, y0 + 0.3 * kColourCellHeight};
    const PagePoint opposite{x0 + 0.9 * kColourCellWidth, y1 - 0.1 * kColourCellHeight};
    layer.fillRect(toDevicePixel(frame.view.deviceMapping(), corner),
                   toDevicePixel(frame.view.deviceMapping(), opposite), colour, kSolidFill);
    PagePoint position{x0 + 0.5 * kColourCellWidth, y0 + 0.15 * kColourCellHeight};
    text.drawText(layer, kColourNames[colour], {}, position, label);
  }
}

}  // namespace vexplot
