#pragma once

#include <string>
#include <string_view>

// The window side of a frame's PostScript export: the file name proposed in
// the save dialog and the text of the result box.
namespace vexplot {

// What a plot window shows: a frame of the plot file, a font table (fonts
// SIMPLEX, DUPLEX and UBCFONT as kinds 1 to 3) or the colour table.
enum FrameKind { kPlotFrame = 0, kSimplexTable = 1, kDuplexTable = 2, kUbcFontTable = 3,
                 kColourTable = 4 };

// The input file's base name for the file's first frame, the base name
// followed by the frame's position for the others; "colortable" for the
// colour table, the font's keyword for a font table.
std::string proposedExportName(FrameKind kind, std::string_view baseName, int framePosition);

inline constexpr const char* kExportResultCaption = "Postscript";

// The text of the result box for the writer's status: "Postscript output
// done.", "Postscript file open error." or, for any other status,
// "Postscript file write error.".
std::string exportResultText(int status);

// The directory part of a chosen file, with a trailing separator: where the
// next export's save dialog starts.
std::string exportDirectoryOf(std::string_view chosenPath);

}  // namespace vexplot
