#pragma once

namespace vexplot {

struct RgbColour {
  unsigned char red = 0;
  unsigned char green = 0;
  unsigned char blue = 0;

  bool operator==(const RgbColour&) const = default;
};

// The screen colour of a colour index. The page is white paper: index 0
// (WHITE) is drawn black and index 15 (BLACK) white; an index outside 0..15 is
// drawn white.
RgbColour paletteColour(int index);

}  // namespace vexplot
