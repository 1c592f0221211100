#include "viewer/shell/text_log.hpp"

#include <algorithm>
#include <climits>
#include <cmath>

namespace vexplot {

namespace {

int clampedExtent(long long extent) { return static_cast<int>(std::min<long long>(extent, INT_MAX)); }

}  // namespace

std::vector<std::string_view> splitMessageLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  if (!text.empty()) lines.push_back(text);
  return lines;
}

TextLog::TextLog(std::size_t capacity) : ring_(std::max(capacity, kMinimumCapacity)) {
  appendText(" ");
}

void TextLog::appendText(std::string_view text) {
  for (const std::string_view piece : splitMessageLines(text)) {
    if (lineCount_ < ring_.size()) {
      ring_[(oldest_ + lineCount_) % ring_.size()].assign(piece);
      ++lineCount_;
    } else {
      ring_[oldest_].assign(piece);
      oldest_ = (oldest_ + 1) % ring_.size();
    }
    longest_ = std::max(longest_, piece.size());
  }
  clampScrollPositions();
  scrollY_ = scrollRange(Axis::kVertical);
}

void TextLog::clear() {
  for (std::string& text : ring_) text.clear();
  lineCount_ = 0;
  oldest_ = 0;
  longest_ = 1;
  clampScrollPositions();
}

const std::string& TextLog::line(std::size_t row) const {
  return ring_[(oldest_ + row) % ring_.size()];
}

void TextLog::setFontMetrics(int lineHeight, int charWidth) {
  lineHeight_ = std::max(lineHeight, 1);
  charWidth_ = std::max(charWidth, 1);
  clampScrollPositions();
}

void TextLog::setClientSize(int width, int height) {
  clientWidth_ = std::max(width, 0);
  clientHeight_ = std::max(height, 0);
  clampScrollPositions();
}

int TextLog::contentWidth() const {
  return clampedExtent(static_cast<long long>(longest_) * charWidth_ + 2 * kMargin);
}

int TextLog::contentHeight() const {
  return clampedExtent(static_cast<long long>(lineCount_) * lineHeight_ + 2 * kMargin);
}

int TextLog::scrollRange(Axis axis) const {
  const int excess = axis == Axis::kHorizontal ? contentWidth() - clientWidth_
                                               : contentHeight() - clientHeight_;
  return std::max(excess, 0);
}

int TextLog::scrollPosition(Axis axis) const {
  return axis == Axis::kHorizontal ? scrollX_ : scrollY_;
}

void TextLog::scroll(Axis axis, ScrollRequest request, int position) {
  const bool vertical = axis == Axis::kVertical;
  const int line = vertical ? lineHeight_ : charWidth_ / 2;
  const int page = vertical ? clientHeight_ - lineHeight_ : clientWidth_ / 10;
  const long long current = scrollPosition(axis);
  long long target = current;
  switch (request) {
    case ScrollRequest::kLineBack: target = current - line; break;
    case ScrollRequest::kLineForward: target = current + line; break;
    case ScrollRequest::kPageBack: target = current - page; break;
    case ScrollRequest::kPageForward: target = current + page; break;
    case ScrollRequest::kStart: target = 0; break;
    case ScrollRequest::kEnd: target = scrollRange(axis); break;
    case ScrollRequest::kTo: target = position; break;
  }
  this->position(axis) = static_cast<int>(std::clamp<long long>(target, 0, scrollRange(axis)));
}

TextLog::RowSpan TextLog::rowsBetween(int top, int bottom) const {
  const long long from = static_cast<long long>(top) - kMargin + scrollY_;
  const long long to = static_cast<long long>(bottom) - kMargin + scrollY_;
  const auto rowAt = [&](long long y, bool roundUp) {
    const long long row = roundUp ? (y + lineHeight_ - 1) / lineHeight_ : y / lineHeight_;
    return static_cast<std::size_t>(std::clamp<long long>(row, 0, static_cast<long long>(lineCount_)));
  };
  const std::size_t first = from <= 0 ? 0 : rowAt(from, false);
  const std::size_t end = to <= 0 ? 0 : rowAt(to, true);
  return {first, std::max(first, end)};
}

int TextLog::rowTop(std::size_t row) const {
  return clampedExtent(kMargin + static_cast<long long>(row) * lineHeight_ - scrollY_);
}

int TextLog::wholeLineHeight(int clientHeight) const {
  const double lines = std::round(static_cast<double>(clientHeight - 2 * kMargin) / lineHeight_);
  return static_cast<int>(std::max(lines, 0.0)) * lineHeight_ + 2 * kMargin;
}

void TextLog::clampScrollPositions() {
  scrollX_ = std::min(scrollX_, scrollRange(Axis::kHorizontal));
  scrollY_ = std::min(scrollY_, scrollRange(Axis::kVertical));
}

}  // namespace vexplot
