#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vexplot {

// One stroke of a glyph: a move with the pen up, or a line with the pen down,
// by (dx, dy) stroke units (y upwards).
struct StrokeStep {
  bool draw = false;
  int dx = 0;
  int dy = 0;

  bool operator==(const StrokeStep&) const = default;
};

// A stroke word: bits 14-15 the pen (1 draws), bits 7-13 dx + 64, bits 0-6
// dy + 64.
constexpr StrokeStep decodeStrokeWord(std::uint16_t word) {
  return {(word >> 14) == 1, ((word >> 7) & 0x7f) - 64, (word & 0x7f) - 64};
}

// A glyph header: bits 7-15 the number of stroke words that follow, bits 0-6
// the width adjustment + 64.
struct GlyphHeader {
  int stepCount = 0;
  int widthAdjustment = 0;
};

constexpr GlyphHeader decodeGlyphHeader(std::uint16_t word) {
  return {word >> 7, (word & 0x7f) - 64};
}

// One of the built-in stroke fonts, as its three tables: the key pairs (text
// character and case letter) in glyph order ending with "$$"; the 1-based
// position of each glyph's header in the stroke table, with one more entry
// for the end pair that points past the last word; and the stroke table of
// headers and stroke words. Glyphs are drawn around the current point, start
// and end with a pen-up move, and the final move leaves the pen shifted by
// the width adjustment; a character advances the text by heightUnit + its
// width adjustment.
class StrokeFont {
 public:
  constexpr StrokeFont(std::string_view keyword, int heightUnit, std::string_view keys,
                       std::span<const std::uint16_t> index,
                       std::span<const std::uint16_t> strokes)
      : keyword_(keyword), heightUnit_(heightUnit), keys_(keys), index_(index), strokes_(strokes) {}

  // The SET FONT keyword.
  std::string_view keyword() const { return keyword_; }
  // Stroke units per character height (and per character cell width).
  int heightUnit() const { return heightUnit_; }
  // Glyphs, the end pair not counted.
  int glyphCount() const { return static_cast<int>(keys_.size() / 2) - 1; }

  char character(int glyph) const { return keys_[2 * glyph]; }
  char caseLetter(int glyph) const { return keys_[2 * glyph + 1]; }

  // The first glyph whose key pair is (character, caseLetter); glyph 0, the
  // blank, when there is none.
  int findGlyph(char character, char caseLetter) const;

  GlyphHeader header(int glyph) const { return decodeGlyphHeader(strokes_[index_[glyph] - 1]); }
  // Step k (0-based) of the glyph's strokes.
  StrokeStep step(int glyph, int k) const {
    return decodeStrokeWord(strokes_[index_[glyph] + k]);
  }

  std::string_view keys() const { return keys_; }
  std::span<const std::uint16_t> index() const { return index_; }
  std::span<const std::uint16_t> strokes() const { return strokes_; }

 private:
  std::string_view keyword_;
  int heightUnit_;
  std::string_view keys_;
  std::span<const std::uint16_t> index_;
  std::span<const std::uint16_t> strokes_;
};

inline constexpr int kFontCount = 3;

// The font of a SET FONT index: 0 SIMPLEX, 1 DUPLEX, 2 UBCFONT; any other
// index gives SIMPLEX.
const StrokeFont& strokeFont(int font);

}  // namespace vexplot
