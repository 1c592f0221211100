#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/viewer/language/plot_file_fixture.hpp"
#include "viewer/language/command_reader.hpp"
#include "viewer/language/result_codes.hpp"
#include "viewer/language/text_commands.hpp"

namespace vexplot {
namespace {

using Texts = std::vector<std::string>;

class TextCommandsTest : public testing::PlotFileTest {
 protected:
  const std::vector<TitleText>& titles() { return frame(0).titles; }

  // Runs the text command that starts the file's first line directly and
  // returns its status; the frame is fresh and holds one title "ab".
  int statusOf(std::string_view line) {
    const std::filesystem::path path = writeFile("one.vpx", line);
    CommandReader reader(messages_.log());
    EXPECT_EQ(reader.openInput(path), kDone);
    std::string word;
    EXPECT_EQ(reader.nextToken(word), kDone);
    direct_ = std::make_unique<FrameState>(0, "one", 520, 400);
    direct_->titles.push_back(TitleText{});
    direct_->titles.back().text = "ab";
    CommandContext context{reader, messages_, *direct_, drawing_};
    if (word == "TITLE") return titleCommand(context);
    return moreCommand(context, word == "MORE" ? kMoreCommand : kCaseCommand);
  }

  std::unique_ptr<FrameState> direct_;
};

TEST_F(TextCommandsTest, TitleWithoutPlaceContinuesBelowThePreviousOne) {
  EXPECT_EQ(diagnostics("TITLE 'A'\nTITLE\nTITLE 4 ANGLE 30 INDEX 3 LINES 2 CENTER 'B'\n"), Texts{});
  ASSERT_EQ(titles().size(), 3u);
  const TitleText& a = titles()[0];
  EXPECT_EQ(a.text, "A");
  EXPECT_EQ(a.caseLine, "");
  EXPECT_EQ(a.placement, kTitleBelowPrevious);
  EXPECT_DOUBLE_EQ(a.lineSpacing, 2.0);
  EXPECT_DOUBLE_EQ(a.size, 0.2);
  EXPECT_DOUBLE_EQ(a.justification, 0.0);
  EXPECT_EQ(titles()[1].text, "");
  const TitleText& b = titles()[2];
  EXPECT_EQ(b.placement, kTitleBelowPrevious);
  EXPECT_DOUBLE_EQ(b.angle, 30.0);
  EXPECT_DOUBLE_EQ(b.lineSpacing, 3.0);
  EXPECT_DOUBLE_EQ(b.lineValue, 2.0);
  EXPECT_DOUBLE_EQ(b.justification, 0.5);
}

TEST_F(TextCommandsTest, SideTitlesAreCentredAndSizedFromTheFrame) {
  EXPECT_EQ(diagnostics("TITLE TOP 'Head'\nTITLE TOP SIZE 3 'Head'\nTITLE LEFT SIZE -2 ANGLE 9 'y'\n"
                        "SET TITLE SIZE 0.4\nTITLE BOTTOM SIZE 0 LINES 3 'x' 'z'\n"),
            Texts{});
  ASSERT_EQ(titles().size(), 4u);
  EXPECT_EQ(titles()[0].placement, kTop);
  EXPECT_DOUBLE_EQ(titles()[0].size, 0.3);
  EXPECT_DOUBLE_EQ(titles()[0].justification, 0.5);
  EXPECT_DOUBLE_EQ(titles()[1].size, 0.30000000000000004);
  EXPECT_EQ(titles()[2].placement, kLeft);
  EXPECT_DOUBLE_EQ(titles()[2].size, 0.2);
  EXPECT_DOUBLE_EQ(titles()[2].angle, 0.0);
  // A later string replaces an earlier one.
  EXPECT_EQ(titles()[3].text, "z");
  EXPECT_EQ(titles()[3].placement, kBottom);
  EXPECT_DOUBLE_EQ(titles()[3].size, 0.4);
  EXPECT_DOUBLE_EQ(titles()[3].lineValue, 3.0);
}

TEST_F(TextCommandsTest, TitleAtAPositionKeepsItsDataMarksAndSignedSize) {
  EXPECT_EQ(diagnostics("TITLE 2 8.6 SIZE 1.5 'x'\nTITLE XDATA 5 8 'x'\nTITLE DATA 1 2 SIZE -1 'y'\n"),
            Texts{});
  ASSERT_EQ(titles().size(), 3u);
  const TitleText& page = titles()[0];
  EXPECT_EQ(page.placement, kTitleAtPosition);
  EXPECT_DOUBLE_EQ(page.x, 2.0);
  EXPECT_DOUBLE_EQ(page.y, 8.6);
  EXPECT_DOUBLE_EQ(page.size, 0.15000000000000002);
  EXPECT_FALSE(page.xIsData || page.yIsData);
  EXPECT_TRUE(titles()[1].xIsData);
  EXPECT_FALSE(titles()[1].yIsData);
  EXPECT_DOUBLE_EQ(titles()[1].size, 0.2);
  EXPECT_TRUE(titles()[2].xIsData && titles()[2].yIsData);
  EXPECT_DOUBLE_EQ(titles()[2].size, -0.1);
}

TEST_F(TextCommandsTest, ThirdPositionNumberDropsTheStatement) {
  EXPECT_EQ(diagnostics("TITLE 1 2 3 'x' BOGUS\nTITLE 1 2 'kept'\n"),
            Texts{"[com_title] Too many numbers in TTLE command.\n"});
  ASSERT_EQ(titles().size(), 1u);
  EXPECT_EQ(titles()[0].text, "kept");
  EXPECT_EQ(statusOf("TITLE 1 2 3 'x'\n"), kRejected);
  EXPECT_EQ(direct_->titles.size(), 1u);
}

TEST_F(TextCommandsTest, UnknownWordsAreReportedAndSpaceIsNotReady) {
  EXPECT_EQ(diagnostics("TITLE FOO L SPACE 1 2 'x'\n"),
            (Texts{"[errmsgkw] keyword FOO is invalid\n", "[errmsgkw] keyword L is ambiguous\n",
                   "[errmsgkw] keyword SPACE is not ready\n",
                   "[errmsgkw] keyword SPACE is not ready\n"}));
  ASSERT_EQ(titles().size(), 1u);
  EXPECT_EQ(titles()[0].placement, kTitleBelowPrevious);
}

TEST_F(TextCommandsTest, MoreAppendsAndCaseLettersFollowTheText) {
  EXPECT_EQ(diagnostics("TITLE 'abc'\nMORE 'def'\nCASE 'G'\n"), Texts{});
  EXPECT_EQ(titles()[0].text, "abcdef");
  EXPECT_EQ(titles()[0].caseLine, "   G");

  EXPECT_EQ(diagnostics("TITLE 'ab'\nCASE 'GGGGG'\nCASE 'X'\n"), Texts{});
  EXPECT_EQ(titles()[0].caseLine, "GG");

  EXPECT_EQ(diagnostics("TITLE\nMORE 'x'\nCASE 'L' 'M'\n"),
            Texts{"[vpmainX]  Invalid command \"'M'\". Igonred.\n"});
  EXPECT_EQ(titles()[0].text, "x");
  EXPECT_EQ(titles()[0].caseLine, "L");
}

TEST_F(TextCommandsTest, MoreAndCaseNeedAStringAndATitle) {
  EXPECT_EQ(diagnostics("CASE abc\nMORE 1\nMORE 'lost'\nMORE\n"),
            (Texts{"[com_more] Syntax error in CASE command.\n",
                   "[com_more] Syntax error in MORE command.\n"}));
  EXPECT_TRUE(titles().empty());
  EXPECT_EQ(statusOf("CASE abc\n"), kTextError);
  EXPECT_EQ(direct_->titles[0].caseLine, "");
  EXPECT_EQ(statusOf("MORE 'c'\n"), kDone);
  EXPECT_EQ(direct_->titles[0].text, "abc");
}

TEST(AppendTextTest, EmptyTitleTakesTheTextAndLosesItsCaseLine) {
  TitleText title;
  title.caseLine = "GG";
  appendText(title, "ab");
  EXPECT_EQ(title.text, "ab");
  EXPECT_EQ(title.caseLine, "");
  appendCase(title, "G");
  appendText(title, "cd");
  appendCase(title, "XYZ");
  EXPECT_EQ(title.text, "abcd");
  EXPECT_EQ(title.caseLine, "G XY");
}

}  // namespace
}  // namespace vexplot
