#pragma once

#include <filesystem>
#include <optional>
#include <ostream>

#include "viewer/language/frame_state.hpp"
#include "viewer/render/postscript_writer.hpp"
#include "viewer/shell/command_line.hpp"
#include "viewer/windows/settings_store.hpp"

#include <QByteArray>
#include <QImage>
#include <memory>

class QPainter;

namespace vexplot {

// The size of a view's vector picture in units of 0.01 point: its EPS
// bounding box.
struct VectorPictureSize {
  double width = 0.0;
  double height = 0.0;
};
VectorPictureSize vectorPictureSize(const FramePicture& frame, const Rect& view);

// What a vector picture shows: a view of the frame (a rectangle of its
// page), its display list and, when given, an overlay drawn over it (the
// scale of a magnified view).
struct VectorPicture {
  const FramePicture& frame;
  Rect view;
  const DisplayList* overlay = nullptr;
};

// Draws the picture as its EPS shows it, on a page of the given size in
// units of 0.01 point with the origin at its upper left corner: the EPS
// bounding box scaled to fit the page and centred (a page of the bounding
// box's size takes it as it is). Each run of connected lines of one colour
// and width is one polyline, lineWidth points wide for a line of width 1
// whatever the scale.
void paintVectorPicture(QPainter& painter, const VectorPicture& picture, double lineWidth,
                        VectorPictureSize page);

// The PDF or SVG document of the picture in memory, on a page of the size
// given in points or of the bounding box's size; nothing when it cannot be
// made.
std::optional<QByteArray> vectorDocument(PictureFormat format, const VectorPicture& picture,
                                         double lineWidth, std::optional<PictureSize> page);

// A view of a frame as its plot window shows it: the view, the scale drawn
// over it (none on the whole page) and the window's image.
struct WindowPicture {
  Rect view;
  std::shared_ptr<const DisplayList> scale;
  QImage image;
};

// Writes the window's picture in the format that the file name's extension
// names (in any case): ".png" the window's image, ".pdf" and ".svg" vector
// pictures of the view and its scale, anything else EPS as the popup
// menu's PostScript writes it, with the scale. Any format keeps an older
// file whole until the new one is complete; the result is the writer's
// status.
PostScriptStatus writeWindowPicture(const FramePicture& frame, const WindowPicture& picture,
                                    const std::filesystem::path& path, double lineWidth,
                                    const PostScriptOrigin& origin);

// The headless export in any format, without a display: EPS and display
// lists in text as epsPictures and displayListPictures write them; PNG drawn
// through the screen device at the window's pixel size (or as the window
// would draw it at the size asked), as a window shows the frame; PDF and SVG
// as vector pictures of the EPS geometry, on a page of the size asked in
// points or of the bounding box's size.
int runPictureExport(const std::filesystem::path& exportDirectory,
                     const std::filesystem::path& inputFile, const SettingsEnvironment& environment,
                     PictureFormat format, std::ostream& out, std::ostream& err,
                     std::optional<PictureSize> size = std::nullopt);

}  // namespace vexplot
