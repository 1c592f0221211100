#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "viewer/render/stroke_font.hpp"

namespace vexplot {
namespace {

std::vector<StrokeStep> glyphSteps(const StrokeFont& font, int glyph) {
  std::vector<StrokeStep> steps;
  for (int k = 0; k < font.header(glyph).stepCount; ++k) steps.push_back(font.step(glyph, k));
  return steps;
}

std::string pairName(const StrokeFont& font, int glyph) {
  return std::string(font.keyword()) + " '" + font.character(glyph) + "' under '" +
         font.caseLetter(glyph) + "'";
}

TEST(StrokeFontTest, WordsDecodeIntoPenAndBiasedIncrements) {
  EXPECT_EQ(decodeStrokeWord(0x4000 | (66 << 7) | 61), (StrokeStep{true, 2, -3}));
  EXPECT_EQ(decodeStrokeWord((0 << 7) | 127), (StrokeStep{false, -64, 63}));
  const GlyphHeader header = decodeGlyphHeader((6 << 7) | 60);
  EXPECT_EQ(header.stepCount, 6);
  EXPECT_EQ(header.widthAdjustment, -4);
}

TEST(StrokeFontTest, SimplexCapitalAIsTheDocumentedGlyph) {
  const StrokeFont& simplex = strokeFont(0);
  const int a = simplex.findGlyph('A', ' ');
  EXPECT_EQ(simplex.character(a), 'A');
  EXPECT_EQ(simplex.header(a).widthAdjustment, 0);
  EXPECT_EQ(glyphSteps(simplex, a), (std::vector<StrokeStep>{{false, -2, -3},
                                                             {true, 2, 6},
                                                             {true, 2, -6},
                                                             {false, -3, 3},
                                                             {true, 2, 0},
                                                             {false, -1, 0}}));
}

// The encoding's promises, for every glyph of every font.
TEST(StrokeFontTest, EveryGlyphStartsAndEndsPenUpAndCarriesItsWidth) {
  for (int f = 0; f < kFontCount; ++f) {
    const StrokeFont& font = strokeFont(f);
    for (int glyph = 0; glyph < font.glyphCount(); ++glyph) {
      SCOPED_TRACE(pairName(font, glyph));
      const std::vector<StrokeStep> steps = glyphSteps(font, glyph);
      ASSERT_FALSE(steps.empty());
      EXPECT_FALSE(steps.front().draw);
      EXPECT_FALSE(steps.back().draw);
      int sumX = 0;
      for (const StrokeStep& step : steps) sumX += step.dx;
      EXPECT_EQ(sumX, font.header(glyph).widthAdjustment);
    }
  }
}

TEST(StrokeFontTest, IndexTableCoversTheStrokeTableWithoutGaps) {
  for (int f = 0; f < kFontCount; ++f) {
    const StrokeFont& font = strokeFont(f);
    SCOPED_TRACE(font.keyword());
    const auto index = font.index();
    ASSERT_EQ(index.size(), static_cast<std::size_t>(font.glyphCount()) + 1);
    EXPECT_EQ(index.front(), 1);
    for (int glyph = 0; glyph < font.glyphCount(); ++glyph) {
      EXPECT_EQ(index[glyph + 1] - index[glyph], 1 + font.header(glyph).stepCount);
    }
    EXPECT_EQ(index.back(), font.strokes().size() + 1);
  }
}

TEST(StrokeFontTest, KeyTableEndsWithTheEndPairAndHoldsNoPairTwice) {
  for (int f = 0; f < kFontCount; ++f) {
    const StrokeFont& font = strokeFont(f);
    SCOPED_TRACE(font.keyword());
    EXPECT_EQ(font.keys().substr(font.keys().size() - 2), "$$");
    std::set<std::pair<char, char>> pairs;
    int blankPairs = 0;
    for (int glyph = 0; glyph < font.glyphCount(); ++glyph) {
      const std::pair<char, char> pair{font.character(glyph), font.caseLetter(glyph)};
      if (pair == std::pair<char, char>{' ', ' '}) {
        ++blankPairs;
      } else {
        EXPECT_TRUE(pairs.insert(pair).second) << pairName(font, glyph);
      }
    }
    // The blank, and the second blank in the backslash's slot.
    EXPECT_EQ(blankPairs, 2);
  }
}

// Ordinary text holds the printable characters in code order, so glyph i is
// character 32 + i; a backslash finds no pair of its own.
TEST(StrokeFontTest, OrdinaryTextIsThePrintableCharactersInOrder) {
  for (int f = 0; f < kFontCount; ++f) {
    const StrokeFont& font = strokeFont(f);
    SCOPED_TRACE(font.keyword());
    for (int c = ' '; c <= '~'; ++c) {
      const int glyph = c - ' ';
      EXPECT_EQ(font.caseLetter(glyph), ' ');
      EXPECT_EQ(font.character(glyph), c == '\\' ? ' ' : c);
    }
    EXPECT_EQ(font.findGlyph('\\', ' '), 0);
    EXPECT_EQ(font.findGlyph('A', '?'), 0);
  }
}

std::map<char, int> countsPerCase(const StrokeFont& font) {
  std::map<char, int> counts;
  for (int glyph = 0; glyph < font.glyphCount(); ++glyph) ++counts[font.caseLetter(glyph)];
  return counts;
}

TEST(StrokeFontTest, EverySetHasItsCharacters) {
  const std::map<char, int> common{{' ', 95}, {'A', 30}, {'B', 32}, {'C', 32}, {'D', 2},
                                   {'F', 24}, {'G', 24}, {'K', 2},  {'L', 26}, {'M', 29},
                                   {'O', 10}, {'P', 10}, {'S', 19}, {'T', 10}, {'U', 8},
                                   {'V', 6},  {'W', 5}};
  EXPECT_EQ(countsPerCase(strokeFont(0)), common);
  EXPECT_EQ(countsPerCase(strokeFont(1)), common);
  std::map<char, int> ubc = common;
  ubc['M'] += 2;
  ubc['P'] += 2;
  ubc['1'] = 95;
  ubc['2'] = ubc['I'] = ubc['J'] = 94;
  EXPECT_EQ(countsPerCase(strokeFont(2)), ubc);
  // With the end pair: 365, 365 and 746 key pairs.
  EXPECT_EQ(strokeFont(0).keys().size() / 2, 365u);
  EXPECT_EQ(strokeFont(2).keys().size() / 2, 746u);
}

TEST(StrokeFontTest, NamedSignsArePresentInEveryFont) {
  const std::vector<std::pair<char, char>> signs{
      {'X', 'M'}, {'=', 'M'}, {'A', 'T'}, {'H', 'K'}, {'L', 'K'}, {'O', 'D'}, {'U', 'D'},
      {'N', 'G'}, {'W', 'F'}, {'B', 'W'}, {'U', 'W'}, {' ', 'U'}, {'6', 'V'}};
  for (int f = 0; f < kFontCount; ++f) {
    const StrokeFont& font = strokeFont(f);
    for (const auto& [character, caseLetter] : signs) {
      const int glyph = font.findGlyph(character, caseLetter);
      EXPECT_EQ(font.character(glyph), character) << font.keyword() << " " << caseLetter;
      EXPECT_EQ(font.caseLetter(glyph), caseLetter) << font.keyword() << " " << character;
    }
    for (char symbol = '0'; symbol <= '9'; ++symbol) {
      const int glyph = font.findGlyph(symbol, 'O');
      EXPECT_EQ(font.caseLetter(glyph), 'O') << font.keyword() << " symbol " << symbol;
      // A plotting symbol is centred on its point: it does not advance.
      EXPECT_EQ(font.header(glyph).widthAdjustment, 0);
    }
  }
}

// The sub- and superscript glyphs of the V set move the baseline in pairs
// and take no room.
TEST(StrokeFontTest, BaselineGlyphsUndoEachOther) {
  for (int f = 0; f < kFontCount; ++f) {
    const StrokeFont& font = strokeFont(f);
    for (const auto& [down, up] : {std::pair{'2', '1'}, {'4', '3'}, {'6', '5'}}) {
      const std::vector<StrokeStep> lower = glyphSteps(font, font.findGlyph(down, 'V'));
      const std::vector<StrokeStep> raise = glyphSteps(font, font.findGlyph(up, 'V'));
      ASSERT_EQ(lower.size(), 1u);
      ASSERT_EQ(raise.size(), 1u);
      EXPECT_LT(lower[0].dy, 0);
      EXPECT_EQ(lower[0].dy, -raise[0].dy);
      EXPECT_EQ(lower[0].dx, -font.heightUnit());
    }
  }
}

TEST(StrokeFontTest, FontIndicesOutsideTheTableGiveSimplex) {
  EXPECT_EQ(strokeFont(1).keyword(), "DUPLEX");
  EXPECT_EQ(strokeFont(2).heightUnit(), 24);
  EXPECT_EQ(&strokeFont(-1), &strokeFont(0));
  EXPECT_EQ(&strokeFont(3), &strokeFont(0));
}

}  // namespace
}  // namespace vexplot
