#pragma once

#include <filesystem>
#include <ostream>

#include "viewer/language/frame_state.hpp"
#include "viewer/shell/command_line.hpp"
#include "viewer/windows/settings_store.hpp"

class QPainter;

namespace vexplot {

// The size of a frame's vector picture in units of 0.01 point: its EPS
// bounding box.
struct VectorPictureSize {
  double width = 0.0;
  double height = 0.0;
};
VectorPictureSize vectorPictureSize(const FrameState& frame);

// Draws the whole page of the frame from its display list as its EPS shows
// it: placed and scaled on the paper as there, in units of 0.01 point with
// the origin at the upper left corner of the bounding box, each run of
// connected lines of one colour and width as one polyline, lineWidth points
// wide for a line of width 1.
void paintVectorPicture(QPainter& painter, const FrameState& frame, double lineWidth);

// The headless export in any format, without a display: EPS and display
// lists in text as epsPictures and displayListPictures write them; PNG drawn through the screen device at the
// window's pixel size, as a window shows the frame; PDF and SVG as vector
// pictures of the EPS geometry.
int runPictureExport(const std::filesystem::path& exportDirectory,
                     const std::filesystem::path& inputFile, const SettingsEnvironment& environment,
                     PictureFormat format, std::ostream& out, std::ostream& err);

}  // namespace vexplot
