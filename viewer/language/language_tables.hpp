#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// Word tables that several commands of the language share.
namespace vexplot {

// Colour names in the order of their indices 0 to 15.
inline constexpr std::array<std::string_view, 16> kColourNames{
    "WHITE", "BLUE",      "GREEN",      "CYAN",      "RED",       "MAGENTA",
    "BROWN", "GRAY",      "DARKGRAY",   "LIGHTBLUE", "LIGHTGREEN", "LIGHTCYAN",
    "LIGHTRED", "LIGHTMAGENTA", "YELLOW", "BLACK"};

// An operand table of a command's own words followed by the colour names, and
// its alias marks (the colour names are no aliases).
template <std::size_t N>
constexpr std::array<std::string_view, N + 16> withColourNames(
    const std::array<std::string_view, N>& words) {
  std::array<std::string_view, N + 16> table{};
  for (std::size_t i = 0; i < N; ++i) table[i] = words[i];
  for (std::size_t i = 0; i < 16; ++i) table[N + i] = kColourNames[i];
  return table;
}

template <std::size_t N>
constexpr std::array<unsigned char, N + 16> withColourMarks(const std::array<unsigned char, N>& marks) {
  std::array<unsigned char, N + 16> table{};
  for (std::size_t i = 0; i < N; ++i) table[i] = marks[i];
  return table;
}

// Font names in the order of their indices 0 to 2.
inline constexpr std::array<std::string_view, 3> kFontNames{"SIMPLEX", "DUPLEX", "UBCFONT"};

// Line texture words with their alias marks (DASHES and DASHED stand for DASH,
// DOTS for DOT); TEXT, POINTS, TO, SPLINE and GENERAL name no texture.
inline constexpr std::array<std::string_view, 13> kTextureWords{
    "SOLID", "DASH", "DASHES", "DASHED", "DOTDASH", "DOT", "DOTS",
    "PATTERNED", "TEXT", "POINTS", "TO", "SPLINE", "GENERAL"};
inline constexpr std::array<unsigned char, 13> kTextureMarks{0, 0, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0};

// The texture (0 SOLID to 4 PATTERNED) that a resolved entry of kTextureWords
// names, or -1 for the words that name none.
constexpr int textureOfWord(int index) {
  switch (index) {
    case 0: return 0;
    case 1: return 1;
    case 4: return 2;
    case 5: return 3;
    case 7: return 4;
    default: return -1;
  }
}

}  // namespace vexplot
