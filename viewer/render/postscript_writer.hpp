#pragma once

#include <ctime>
#include <filesystem>
#include <string>

#include "viewer/language/frame_picture.hpp"

namespace vexplot {

// The outcome of an export.
enum PostScriptStatus : int {
  kPostScriptWritten = 0,
  kPostScriptOpenFailed = 1,   // the file could not be created
  kPostScriptWriteFailed = 2,  // a write failed; the file name shows nothing new
  kPostScriptNoSuchView = 3,   // the view is no rectangle
};

// What the header tells about where the picture comes from.
struct PostScriptOrigin {
  std::string inputDirectory;  // with a trailing separator
  std::string inputFileName;   // with its extension
  int windowIndex = 0;
  std::string creationDate;    // as postScriptTimeStamp gives it
};

// The creation date of the header: "year/month/day.hour:minute:second".
std::string postScriptTimeStamp(const std::tm& localTime);
// The same for the current local time.
std::string currentPostScriptTimeStamp();

// Where a view (a rectangle of the page) lies on the paper, in file units of
// 0.01 point: the view fills the frame's drawing box with one scale for both
// directions, centred, y upwards.
PlaneMapping paperMapping(const FramePicture& frame, const Rect& view);

// Writes a view of the frame as an Encapsulated PostScript file: the
// view is scaled into the frame's paper box, centred, with one scale for both
// directions, and the display list is written one path per recorded object,
// clipped to the view, followed by the overlay's records when given (the
// scale a window draws over a magnified view). lineWidth is the width in
// points of a line of width 1 (a line of the default width 2.0 is twice as
// wide). The file appears under its name only when it is complete; an
// existing file of that name is replaced then and stays untouched when
// anything fails.
PostScriptStatus writePostScript(const FramePicture& frame, const Rect& view, const std::filesystem::path& path,
                                 double lineWidth, const PostScriptOrigin& origin,
                                 const DisplayList* overlay = nullptr);

}  // namespace vexplot
