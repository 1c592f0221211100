#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/language/message_sink.hpp"

namespace vexplot {

// Splits a message into display lines: each piece before a newline is a
// line, and a non-empty piece after the last newline is one more. So every
// message starts on a line of its own, and a final newline adds no empty line.
std::vector<std::string_view> splitMessageLines(std::string_view text);

// The main window's scrolling message display, without the painting: a ring
// of the latest lines, the extent of its content and the scroll position
// within the client area. All lengths are pixels.
class TextLog final : public TextDisplay {
 public:
  static constexpr std::size_t kDefaultCapacity = 500;
  static constexpr std::size_t kMinimumCapacity = 100;
  static constexpr int kMargin = 2;  // on each of the four sides

  enum class Axis { kHorizontal, kVertical };
  enum class ScrollRequest { kLineBack, kLineForward, kPageBack, kPageForward, kStart, kEnd, kTo };

  // Rows [first, end) to paint.
  struct RowSpan {
    std::size_t first;
    std::size_t end;
  };

  // A capacity below the minimum is raised to it. The display starts with
  // one line holding a single space.
  explicit TextLog(std::size_t capacity = kDefaultCapacity);

  void appendText(std::string_view text) override;
  // Drops every line.
  void clear();

  std::size_t capacity() const { return ring_.size(); }
  std::size_t lineCount() const { return lineCount_; }
  // Row 0 is the oldest line held.
  const std::string& line(std::size_t row) const;
  // The longest line seen since the last clear, at least 1.
  std::size_t longest() const { return longest_; }

  // The font's line height (height plus external leading) and its average
  // character width.
  void setFontMetrics(int lineHeight, int charWidth);
  void setClientSize(int width, int height);

  int contentWidth() const;
  int contentHeight() const;
  // The largest scroll offset along the axis; 0 when the content fits.
  int scrollRange(Axis axis) const;
  int scrollPosition(Axis axis) const;

  // Applies a scroll-bar request; position is used by kTo only. The result is
  // clamped to the range.
  void scroll(Axis axis, ScrollRequest request, int position = 0);

  // The rows that intersect the client band [top, bottom) and where each is
  // painted.
  RowSpan rowsBetween(int top, int bottom) const;
  int rowLeft() const { return kMargin - scrollX_; }
  int rowTop(std::size_t row) const;

  // The client height after a plain resize: the height less the margins
  // rounded to a whole number of lines.
  int wholeLineHeight(int clientHeight) const;

 private:
  void clampScrollPositions();
  int& position(Axis axis) { return axis == Axis::kHorizontal ? scrollX_ : scrollY_; }

  std::vector<std::string> ring_;
  std::size_t lineCount_ = 0;
  std::size_t oldest_ = 0;
  std::size_t longest_ = 1;
  int lineHeight_ = 16;
  int charWidth_ = 8;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  int scrollX_ = 0;
  int scrollY_ = 0;
};

}  // namespace vexplot
