#include "tests/viewer/windows/interpreted_frames.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include <unistd.h>

namespace vexplot::testing {

InterpretedFrames::InterpretedFrames(std::string_view plotText, double frameWidth,
                                     double frameHeight) {
  static int serial = 0;
  directory_ = std::filesystem::temp_directory_path() /
               ("vexplot_frames_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
  std::filesystem::create_directories(directory_);
  const std::filesystem::path input = directory_ / "plot.vpx";
  std::ofstream(input, std::ios::binary)
      .write(plotText.data(), static_cast<std::streamsize>(plotText.size()));
  InterpretRequest request;
  request.inputPath = input;
  request.inputBaseName = "plot";
  request.plotFrameWidth = frameWidth;
  request.plotFrameHeight = frameHeight;
  EXPECT_EQ(interpreter_.interpretFile(request), 0);
}

InterpretedFrames::~InterpretedFrames() {
  std::error_code ignored;
  std::filesystem::remove_all(directory_, ignored);
}

}  // namespace vexplot::testing
