#include "tests/viewer/render/render_fixture.hpp"

#include <fstream>


namespace vexplot::testing {


std::vector<std::string> RenderTest::run(std::string_view bytes, double frameWidth,
                                         double frameHeight) {
  const std::filesystem::path input = directory_ / "plot.vpx";
  std::ofstream(input, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  display_.texts.clear();
  text_.requests.clear();
  firstFrameOfRun_ = interpreter_.frames().size();
  InterpretRequest request;
  request.inputPath = input;
  request.inputBaseName = "plot";
  request.plotFrameWidth = frameWidth;
  request.plotFrameHeight = frameHeight;
  EXPECT_EQ(interpreter_.interpretFile(request), 0);
  std::vector<std::string> diagnostics;
  for (const std::string& text : display_.texts) {
    if (text.rfind("[com_end] Plot #", 0) != 0 && text.rfind("[vpmain] Input file", 0) != 0) {
      diagnostics.push_back(text);
    }
  }
  return diagnostics;
}

}  // namespace vexplot::testing
