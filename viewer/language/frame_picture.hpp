#pragma once

#include <string>
#include <vector>

#include "viewer/language/display_list.hpp"
#include "viewer/language/frame_items.hpp"

namespace vexplot {

// What a frame leaves behind: its recorded drawing, the coordinate regions
// its data were drawn in, and what the windows and the pictures of the frame
// need besides (its name, page, paper, background, the drawing area it was
// drawn on, and the settings of a scale over a magnified view). The language
// and the drawing fill it while the frame is drawn; at the end of the frame
// it is frozen and from then on read only, so that a window and any number
// of exports may share it on any threads without locks.
struct FramePicture {
  std::string title;
  int frameNumber = 0;
  Rect pageBox{0.0, 13.0, 0.0, 10.0};
  PostScriptPage postScript;
  bool landscape = true;
  int backgroundColour = 15;
  double deviceWidth = 0.0;  // the drawing area the frame was drawn on, pixels
  double deviceHeight = 0.0;
  DisplayList displayList;
  std::vector<CoordinateRegion> coordinateRegions;
  ScaleStyle scaleStyle;
};

}  // namespace vexplot
