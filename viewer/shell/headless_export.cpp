#include "viewer/shell/headless_export.hpp"

#include <string_view>
#include <system_error>

#include "viewer/language/frame_drawing.hpp"
#include "viewer/language/interpreter.hpp"
#include "viewer/language/message_sink.hpp"

namespace vexplot {

namespace {

// Shows messages as the text display splits them into lines: each piece
// before a newline is a line, and a non-empty piece after the last newline is
// one more.
class StreamDisplay final : public TextDisplay {
 public:
  explicit StreamDisplay(std::ostream& out) : out_(out) {}

  void appendText(std::string_view text) override {
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
      out_ << text.substr(0, end) << '\n';
      text.remove_prefix(end + 1);
    }
    if (!text.empty()) out_ << text << '\n';
  }

 private:
  std::ostream& out_;
};

}  // namespace

int runHeadlessExport(const std::filesystem::path& exportDirectory,
                      const std::filesystem::path& inputFile, std::ostream& out, std::ostream& err) {
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

  StreamDisplay display(out);
  MessageSink messages(&display);
  NullFrameDrawing drawing;
  Interpreter interpreter(messages, drawing);
  InterpretRequest request;
  request.inputPath = input;
  request.inputBaseName = input.stem().string();
  if (interpreter.interpretFile(request) != 0) {
    err << "vexplotw: cannot open input file " << input.string() << '\n';
    return 1;
  }
  out.flush();
  return 0;
}

}  // namespace vexplot
