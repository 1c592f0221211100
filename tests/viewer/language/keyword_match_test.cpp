#include "viewer/language/keyword_match.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "viewer/language/language_tables.hpp"
#include "viewer/language/quote_text.hpp"

namespace vexplot {
namespace {

constexpr std::array<std::string_view, 6> kWords{"LEFT", "LIMIT", "ON", "OFF", "SIZE", "SIZE"};

TEST(MatchKeyword, ExactWordsWinOverLongerEntries) {
  constexpr std::array<std::string_view, 3> table{"DOTDASH", "DOT", "TO"};
  EXPECT_EQ(matchKeyword("DOT", table), 1);
  EXPECT_EQ(matchKeyword("dot", table), 1);
  EXPECT_EQ(matchKeyword("DOTD", table), 0);
  EXPECT_EQ(matchKeyword("T", table), 2);
}

TEST(MatchKeyword, AbbreviationsMustBeUnambiguousPrefixes) {
  EXPECT_EQ(matchKeyword("LE", kWords), 0);
  EXPECT_EQ(matchKeyword("l", kWords), kKeywordAmbiguous);
  EXPECT_EQ(matchKeyword("O", kWords), kKeywordAmbiguous);
  EXPECT_EQ(matchKeyword("OF", kWords), 3);
  EXPECT_EQ(matchKeyword("LEFTX", kWords), kKeywordNotFound);
  EXPECT_EQ(matchKeyword("X", kWords), kKeywordNotFound);
  EXPECT_EQ(matchKeyword("'LEFT'", kWords), kKeywordNotFound);
  // Only letters A to Z fold: other characters compare as they are.
  EXPECT_EQ(matchKeyword("l\xc5" "ft", kWords), kKeywordNotFound);
}

TEST(MatchKeyword, DuplicatedWordsAreReachedOnlyInFull) {
  EXPECT_EQ(matchKeyword("SIZE", kWords), 4);
  EXPECT_EQ(matchKeyword("Siz", kWords), kKeywordAmbiguous);
  EXPECT_EQ(matchKeywordWithAliases("SI", kWords, {}), kKeywordAmbiguous);
}

TEST(MatchKeywordWithAliases, AliasesResolveToTheirBaseWord) {
  constexpr int kDash = 1;
  constexpr int kDot = 5;
  EXPECT_EQ(matchKeywordWithAliases("DASHED", kTextureWords, kTextureMarks), kDash);
  EXPECT_EQ(matchKeywordWithAliases("dashes", kTextureWords, kTextureMarks), kDash);
  EXPECT_EQ(matchKeywordWithAliases("DAS", kTextureWords, kTextureMarks), kDash);
  EXPECT_EQ(matchKeywordWithAliases("DASHE", kTextureWords, kTextureMarks), kDash);
  EXPECT_EQ(matchKeywordWithAliases("DOTS", kTextureWords, kTextureMarks), kDot);
  EXPECT_EQ(matchKeywordWithAliases("DO", kTextureWords, kTextureMarks), kKeywordAmbiguous);
  EXPECT_EQ(matchKeywordWithAliases("P", kTextureWords, kTextureMarks), kKeywordAmbiguous);
  EXPECT_EQ(matchKeywordWithAliases("SP", kTextureWords, kTextureMarks), 11);
  // Without alias handling the aliases count as words of their own.
  EXPECT_EQ(matchKeyword("DAS", kTextureWords), kKeywordAmbiguous);
  EXPECT_EQ(matchKeyword("DOTS", kTextureWords), 6);
}

TEST(MatchKeywordWithAliases, AnAliasChainMustReachTheCandidate) {
  constexpr std::array<std::string_view, 4> table{"CIRCLE", "CIRCUIT", "CIRCLES", "CIRCA"};
  constexpr std::array<unsigned char, 4> marks{0, 0, 1, 0};
  // CIRCLES is an alias of CIRCUIT, not of CIRCLE.
  EXPECT_EQ(matchKeywordWithAliases("CIRCL", table, marks), kKeywordAmbiguous);
  EXPECT_EQ(matchKeywordWithAliases("CIRCU", table, marks), 1);
  EXPECT_EQ(matchKeywordWithAliases("CIRCLES", table, marks), 1);

  constexpr std::array<std::string_view, 2> orphan{"AXES", "AXIS"};
  constexpr std::array<unsigned char, 2> orphanMarks{1, 0};
  EXPECT_EQ(matchKeywordWithAliases("AXES", orphan, orphanMarks), kKeywordAliasWithoutBase);
}

TEST(QuoteText, StripAndCopyRemoveOnlyTheDelimitingQuotes) {
  std::string text = "'It's'";
  stripQuotes(text);
  EXPECT_EQ(text, "It's");
  text = "plain'";
  stripQuotes(text);
  EXPECT_EQ(text, "plain'");
  text.assign(1, '\'');
  stripQuotes(text);
  EXPECT_EQ(text, "");

  EXPECT_EQ(copyUnquoted("'X'", 2), "X");
  EXPECT_EQ(copyUnquoted("'ABC'", 2), "AB");
  EXPECT_EQ(copyUnquoted("2p", 2), "2p");
  EXPECT_EQ(copyUnquoted("''", 2), "");
  EXPECT_EQ(copyUnquoted("'a''", 5), "a'");
}

}  // namespace
}  // namespace vexplot
