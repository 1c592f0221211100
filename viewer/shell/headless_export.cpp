#include "viewer/shell/headless_export.hpp"

#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>

#include "viewer/language/interpreter.hpp"
#include "viewer/language/message_sink.hpp"
#include "viewer/render/display_list_text.hpp"
#include "viewer/render/frame_renderer.hpp"
#include "viewer/render/memory_device.hpp"
#include "viewer/render/postscript_writer.hpp"
#include "common/replacement_file.hpp"
#include "viewer/render/stroke_text.hpp"
#include "viewer/shell/input_paths.hpp"
#include "viewer/shell/text_log.hpp"

namespace vexplot {

namespace {

// Prints messages line by line, split as the text display splits them.
class StreamDisplay final : public TextDisplay {
 public:
  explicit StreamDisplay(std::ostream& out) : out_(out) {}

  void appendText(std::string_view text) override {
    for (const std::string_view line : splitMessageLines(text)) out_ << line << '\n';
  }

 private:
  std::ostream& out_;
};

// Every frame that opened its window as its display list in text,
// "<stem>.list".
class DisplayListPictures final : public PictureWriter {
 public:
  WindowHost& windows() override { return windows_; }

  bool write(const std::filesystem::path& directory, const InputPaths& input, const ActiveSettings&,
             const FrameList& frames, std::ostream& err) override {
    return writeFramePictures(directory, input.inputBaseName, frames, ".list", err,
                              [](const FrameState& frame, const std::filesystem::path& path) {
                                std::ostringstream text;
                                writeDisplayList(text, frame.picture().displayList);
                                return common::replaceFileWith(path, text.view());
                              });
  }

 private:
  MemoryWindowHost windows_{MemoryDevice::Keeping::kNothing};  // only the display lists count
};

// Every frame that opened its window as "<stem>.eps", its whole page as the
// window first shows it, with the settings' PostScript line width. The
// header's window index counts the windows of the file.
class EpsPictures final : public PictureWriter {
 public:
  WindowHost& windows() override { return windows_; }

  bool write(const std::filesystem::path& directory, const InputPaths& input,
             const ActiveSettings& settings, const FrameList& frames, std::ostream& err) override {
    PostScriptOrigin origin{input.inputDirectory, input.inputPath.filename().string(), 0,
                            currentPostScriptTimeStamp()};
    return writeFramePictures(directory, input.inputBaseName, frames, ".eps", err,
                              [&](const FrameState& frame, const std::filesystem::path& path) {
                                if (writePostScript(frame.picture(), frame.pageBox, path, settings.postscriptLineWidth,
                                                    origin) != kPostScriptWritten) {
                                  return false;
                                }
                                ++origin.windowIndex;
                                return true;
                              });
  }

 private:
  MemoryWindowHost windows_{MemoryDevice::Keeping::kNothing};  // only the display lists count
};

}  // namespace

std::string frameFileStem(const std::string& baseName, const FrameState& frame) {
  return frame.frameNumber == 0 ? baseName : baseName + std::to_string(frame.frameNumber);
}

bool writeFramePictures(const std::filesystem::path& directory, const std::string& baseName,
                        const FrameList& frames, std::string_view extension, std::ostream& err,
                        const FramePictureWriter& writeFrame) {
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const FrameState& frame = frames[i];
    if (!frame.windowOpen) continue;
    const std::filesystem::path path = directory / (frameFileStem(baseName, frame) + std::string(extension));
    if (!writeFrame(frame, path)) {
      err << "vexplotw: cannot write " << path.string() << '\n';
      return false;
    }
  }
  return true;
}

int runHeadlessExport(const std::filesystem::path& exportDirectory,
                      const std::filesystem::path& inputFile, const SettingsEnvironment& environment,
                      PictureWriter& pictures, std::ostream& out, std::ostream& err) {
  std::error_code error;
  std::filesystem::create_directories(exportDirectory, error);
  if (error) {
    err << "vexplotw: cannot create directory " << exportDirectory.string() << ": "
        << error.message() << '\n';
    return 1;
  }
  const std::filesystem::path input = std::filesystem::absolute(inputFile, error).lexically_normal();
  if (error) {
    err << "vexplotw: cannot open input file " << inputFile.string() << '\n';
    return 1;
  }

  // The settings are read as at a start of the application, but never
  // written back: there is no window whose placement they could remember.
  LoadedSettings settings = loadSettings(environment, ScreenSize{});
  const InputPaths paths = deriveInputPaths(input, settings.active);

  StreamDisplay display(out);
  MessageSink messages(&display);
  StrokeTextPainter text;
  FrameRenderer drawing(pictures.windows(), text, messages);
  Interpreter interpreter(messages, drawing);
  InterpretRequest request;
  request.inputPath = paths.inputPath;
  request.inputBaseName = paths.inputBaseName;
  request.logPath = settings.active.logPath;
  const PictureSize area =
      pictures.frameArea().value_or(PictureSize{settings.active.record.screenDotX, settings.active.record.screenDotY});
  request.plotFrameWidth = area.width;
  request.plotFrameHeight = area.height;
  if (interpreter.interpretFile(request) != 0) {
    err << "vexplotw: cannot open input file " << input.string() << '\n';
    return 1;
  }
  out.flush();
  return pictures.write(exportDirectory, paths, settings.active, interpreter.frames(), err) ? 0 : 1;
}

std::unique_ptr<PictureWriter> epsPictures() { return std::make_unique<EpsPictures>(); }

std::unique_ptr<PictureWriter> displayListPictures() { return std::make_unique<DisplayListPictures>(); }

}  // namespace vexplot
