// Fuzz target: a whole plot command file, interpreted and drawn into memory
// with stroke text, as the headless export does.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "viewer/language/interpreter.hpp"
#include "viewer/language/message_sink.hpp"
#include "viewer/render/frame_renderer.hpp"
#include "viewer/render/memory_device.hpp"
#include "viewer/render/stroke_text.hpp"

namespace {

class DiscardedDisplay final : public vexplot::TextDisplay {
 public:
  void appendText(std::string_view) override {}
};

// The interpreter reads files: each input goes through one scratch file.
const std::filesystem::path& scratchFile() {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("fuzz_plot_file_" + std::to_string(::getpid()) + ".vpx");
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::ofstream(scratchFile(), std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  DiscardedDisplay display;
  vexplot::MessageSink messages(&display);
  vexplot::StrokeTextPainter text;
  vexplot::MemoryWindowHost windows;
  vexplot::FrameRenderer drawing(windows, text, messages);
  vexplot::Interpreter interpreter(messages, drawing);
  vexplot::InterpretRequest request;
  request.inputPath = scratchFile();
  request.inputBaseName = "fuzz";
  interpreter.interpretFile(request);
  return 0;
}
