#include "viewer/render/palette.hpp"

#include <array>

namespace vexplot {

namespace {

constexpr std::array<RgbColour, 16> kPalette{{{0, 0, 0},
                                              {0, 0, 170},
                                              {0, 170, 0},
                                              {0, 170, 170},
                                              {170, 0, 0},
                                              {170, 0, 170},
                                              {170, 170, 0},
                                              {170, 170, 170},
                                              {85, 85, 85},
                                              {85, 85, 255},
                                              {85, 255, 85},
                                              {85, 255, 255},
                                              {255, 85, 85},
                                              {255, 85, 255},
                                              {255, 255, 85},
                                              {255, 255, 255}}};

}  // namespace

RgbColour paletteColour(int index) {
  return index >= 0 && index < 16 ? kPalette[static_cast<std::size_t>(index)] : RgbColour{255, 255, 255};
}

}  // namespace vexplot
