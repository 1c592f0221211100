#include "viewer/shell/headless_export.hpp"

#include <string_view>
#include <system_error>

#include "viewer/language/frame_drawing.hpp"
#include "viewer/language/interpreter.hpp"
#include "viewer/language/message_sink.hpp"
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

}  // namespace

int runHeadlessExport(const std::filesystem::path& exportDirectory,
                      const std::filesystem::path& inputFile, const SettingsEnvironment& environment,
                      std::ostream& out, std::ostream& err) {
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
  NullFrameDrawing drawing;
  Interpreter interpreter(messages, drawing);
  InterpretRequest request;
  request.inputPath = paths.inputPath;
  request.inputBaseName = paths.inputBaseName;
  request.logPath = settings.active.logPath;
  request.plotFrameWidth = settings.active.record.screenDotX;
  request.plotFrameHeight = settings.active.record.screenDotY;
  if (interpreter.interpretFile(request) != 0) {
    err << "vexplotw: cannot open input file " << input.string() << '\n';
    return 1;
  }
  out.flush();
  return 0;
}

}  // namespace vexplot
