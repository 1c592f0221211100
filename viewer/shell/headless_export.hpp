#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "viewer/language/frame_list.hpp"
#include "viewer/render/drawing_device.hpp"
#include "viewer/shell/command_line.hpp"
#include "viewer/shell/input_paths.hpp"
#include "viewer/windows/settings_store.hpp"

namespace vexplot {

// What a headless export makes of the frames of a file: where they are
// drawn while the file is interpreted, and the pictures written afterwards.
class PictureWriter {
 public:
  virtual ~PictureWriter() = default;

  virtual WindowHost& windows() = 0;
  // The drawing area that each frame asks for, in pixels, when it is not the
  // plot-frame size of the settings.
  virtual std::optional<PictureSize> frameArea() const { return std::nullopt; }
  // Writes a picture of every frame that opened its window; false, with a
  // line on err, when one cannot be written.
  virtual bool write(const std::filesystem::path& directory, const InputPaths& input,
                     const ActiveSettings& settings, const FrameList& frames, std::ostream& err) = 0;
};

// The name of a frame's pictures without the extension: the input's base
// name for the file's first frame, followed by the frame's position in the
// file for the others.
std::string frameFileStem(const std::string& baseName, const FrameState& frame);

// Writes a picture of every frame that opened its window, through
// writeFrame(frame, path) with the path "<stem><extension>" in the
// directory. At the first picture that cannot be written, stops with a line
// on err and returns false.
using FramePictureWriter = std::function<bool(const FrameState& frame, const std::filesystem::path& path)>;
bool writeFramePictures(const std::filesystem::path& directory, const std::string& baseName,
                        const FrameList& frames, std::string_view extension, std::ostream& err,
                        const FramePictureWriter& writeFrame);

// Interprets a plot file without any window. The settings are read from the
// places the environment gives, as the application reads them, and the log is
// written where they place it. Every line that the main window's text display
// would receive goes to out; problems with the run itself go to err. The
// pictures are written into the export directory. Returns the exit status: 0
// when the file was interpreted, 1 when it could not be opened or the
// directory or a picture could not be written.
int runHeadlessExport(const std::filesystem::path& exportDirectory,
                      const std::filesystem::path& inputFile, const SettingsEnvironment& environment,
                      PictureWriter& pictures, std::ostream& out, std::ostream& err);

// The pictures that need no toolkit. The frames are drawn nowhere: each
// frame that opened its window is written from its display list, as an EPS
// file of its page with the settings' PostScript line width, or as the
// display list in text ("<stem>.list", one record per line).
std::unique_ptr<PictureWriter> epsPictures();
std::unique_ptr<PictureWriter> displayListPictures();

}  // namespace vexplot
