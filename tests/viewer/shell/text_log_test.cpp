#include "viewer/shell/text_log.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace vexplot {
namespace {

using Lines = std::vector<std::string_view>;
using Axis = TextLog::Axis;
using Request = TextLog::ScrollRequest;

TEST(MessageLines, SplitAtNewlinesWithoutATrailingEmptyLine) {
  EXPECT_EQ(splitMessageLines("one\ntwo\nthree"), (Lines{"one", "two", "three"}));
  EXPECT_EQ(splitMessageLines("[vpmain] end\n"), (Lines{"[vpmain] end"}));
  EXPECT_EQ(splitMessageLines("\n\nx"), (Lines{"", "", "x"}));
  EXPECT_EQ(splitMessageLines(""), Lines{});
}

TEST(TextLog, StartsWithOneBlankLineAndAMessageOfThreeLinesAddsThree) {
  TextLog log;
  ASSERT_EQ(log.lineCount(), 1u);
  EXPECT_EQ(log.line(0), " ");
  log.appendText("Unable to open logfile\n /x/vexplot.log\nIgnore log.");
  ASSERT_EQ(log.lineCount(), 4u);
  EXPECT_EQ(log.line(1), "Unable to open logfile");
  EXPECT_EQ(log.line(3), "Ignore log.");
  EXPECT_EQ(log.longest(), 22u);
}

TEST(TextLog, FullRingDropsTheOldestLine) {
  TextLog log;
  log.clear();
  for (int i = 1; i <= 501; ++i) log.appendText("message " + std::to_string(i) + "\n");
  EXPECT_EQ(log.capacity(), 500u);
  ASSERT_EQ(log.lineCount(), 500u);
  EXPECT_EQ(log.line(0), "message 2");
  EXPECT_EQ(log.line(499), "message 501");
  // A message of several lines wraps the ring in one step.
  log.appendText("a\nb\nc");
  EXPECT_EQ(log.line(0), "message 5");
  EXPECT_EQ(log.line(499), "c");

  EXPECT_EQ(TextLog(10).capacity(), TextLog::kMinimumCapacity);
}

TEST(TextLog, LongestLineGrowsAndClearStartsAfresh) {
  TextLog log(100);
  log.appendText(std::string(300, 'x'));
  for (int i = 0; i < 100; ++i) log.appendText("y");
  EXPECT_EQ(log.longest(), 300u);  // seen, even if no longer held
  log.clear();
  EXPECT_EQ(log.lineCount(), 0u);
  EXPECT_EQ(log.longest(), 1u);
  EXPECT_EQ(log.contentHeight(), 2 * TextLog::kMargin);
}

TEST(TextLog, ContentExtentsGiveTheScrollRangesAndNewTextShowsTheEnd) {
  TextLog log;
  log.setFontMetrics(10, 6);
  log.setClientSize(100, 54);  // five lines and the margins
  log.appendText("0123456789\n1\n2\n3");
  EXPECT_EQ(log.contentWidth(), 10 * 6 + 4);
  EXPECT_EQ(log.contentHeight(), 5 * 10 + 4);
  EXPECT_EQ(log.scrollRange(Axis::kHorizontal), 0);
  EXPECT_EQ(log.scrollRange(Axis::kVertical), 0);
  EXPECT_EQ(log.scrollPosition(Axis::kVertical), 0);

  log.appendText(std::string(30, 'w') + "\n5\n6");
  EXPECT_EQ(log.scrollRange(Axis::kHorizontal), 30 * 6 + 4 - 100);
  EXPECT_EQ(log.scrollRange(Axis::kVertical), 8 * 10 + 4 - 54);
  EXPECT_EQ(log.scrollPosition(Axis::kVertical), 8 * 10 + 4 - 54);
  EXPECT_EQ(log.scrollPosition(Axis::kHorizontal), 0);

  // A larger window needs no scrolling any more.
  log.setClientSize(400, 400);
  EXPECT_EQ(log.scrollPosition(Axis::kVertical), 0);
}

TEST(TextLog, ScrollRequestsMoveByTheirStepsWithinTheRange) {
  TextLog log;
  log.setFontMetrics(10, 6);
  log.setClientSize(100, 54);
  for (int i = 0; i < 40; ++i) log.appendText(std::string(100, 'z'));
  const int bottom = log.scrollRange(Axis::kVertical);
  ASSERT_EQ(log.scrollPosition(Axis::kVertical), bottom);
  log.scroll(Axis::kVertical, Request::kLineBack);
  EXPECT_EQ(log.scrollPosition(Axis::kVertical), bottom - 10);
  log.scroll(Axis::kVertical, Request::kPageBack);
  EXPECT_EQ(log.scrollPosition(Axis::kVertical), bottom - 10 - 44);
  log.scroll(Axis::kVertical, Request::kLineForward);
  log.scroll(Axis::kVertical, Request::kPageForward);
  EXPECT_EQ(log.scrollPosition(Axis::kVertical), bottom);
  log.scroll(Axis::kVertical, Request::kStart);
  log.scroll(Axis::kVertical, Request::kLineBack);
  EXPECT_EQ(log.scrollPosition(Axis::kVertical), 0);

  log.scroll(Axis::kHorizontal, Request::kLineForward);
  EXPECT_EQ(log.scrollPosition(Axis::kHorizontal), 3);
  log.scroll(Axis::kHorizontal, Request::kPageForward);
  EXPECT_EQ(log.scrollPosition(Axis::kHorizontal), 13);
  log.scroll(Axis::kHorizontal, Request::kTo, 100000);
  EXPECT_EQ(log.scrollPosition(Axis::kHorizontal), log.scrollRange(Axis::kHorizontal));
  log.scroll(Axis::kHorizontal, Request::kTo, -5);
  EXPECT_EQ(log.scrollPosition(Axis::kHorizontal), 0);
  log.scroll(Axis::kHorizontal, Request::kEnd);
  EXPECT_EQ(log.rowLeft(), 2 - log.scrollRange(Axis::kHorizontal));
}

TEST(TextLog, OnlyRowsInTheBandArePaintedAtTheirPlaces) {
  TextLog log;
  log.clear();
  log.setFontMetrics(10, 6);
  log.setClientSize(100, 54);
  for (int i = 0; i < 20; ++i) log.appendText("row " + std::to_string(i));
  // Scrolled to the end: rows 15 to 19 fill the client area, and row 14
  // reaches into the upper margin.
  const TextLog::RowSpan all = log.rowsBetween(0, 54);
  EXPECT_EQ(all.first, 14u);
  EXPECT_EQ(all.end, 20u);
  EXPECT_EQ(log.rowTop(15), 2);
  const TextLog::RowSpan band = log.rowsBetween(12, 23);
  EXPECT_EQ(band.first, 16u);
  EXPECT_EQ(band.end, 18u);
  log.scroll(Axis::kVertical, Request::kStart);
  EXPECT_EQ(log.rowsBetween(0, 3).end, 1u);
  EXPECT_EQ(log.rowsBetween(0, 2).end, 0u);  // the margin only
}

TEST(TextLog, PlainResizeKeepsWholeLines) {
  TextLog log;
  log.setFontMetrics(10, 6);
  EXPECT_EQ(log.wholeLineHeight(54), 54);
  EXPECT_EQ(log.wholeLineHeight(58), 54);
  EXPECT_EQ(log.wholeLineHeight(59), 64);
  EXPECT_EQ(log.wholeLineHeight(1), 4);
}

}  // namespace
}  // namespace vexplot
