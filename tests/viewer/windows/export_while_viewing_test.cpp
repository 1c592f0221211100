// A frame's finished picture is shared without locks: an export thread
// writes it while the window's thread zooms, moves and redraws its view.
// The build with ThreadSanitizer runs this test alone.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/scratch_directory.hpp"
#include "tests/viewer/windows/interpreted_frames.hpp"
#include "viewer/render/memory_device.hpp"
#include "viewer/render/postscript_writer.hpp"
#include "viewer/render/stroke_text.hpp"
#include "viewer/windows/plot_interaction.hpp"
#include "viewer/windows/view_scale.hpp"

namespace vexplot {
namespace {

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ExportWhileViewing, TheExportWritesTheViewItWasGivenWhileTheWindowMovesOn) {
  testing::InterpretedFrames frames(testing::kThreeRegionPlot);
  const std::shared_ptr<const FramePicture> picture = frames.frame(0).finishedPicture();
  ASSERT_NE(picture, nullptr);
  test_support::ScratchDirectory scratch("vexplot_export_view");
  const Rect exported{2.0, 8.0, 1.0, 6.0};
  const PostScriptOrigin origin{"/data/", "plot.vpx", 0, "2024/01/01.00:00:00"};
  constexpr int kExports = 8;
  // What the export writes when nothing else goes on.
  ASSERT_EQ(writePostScript(*picture, exported, scratch.path() / "alone.eps", 0.25, origin),
            kPostScriptWritten);

  std::thread exporter([&] {
    for (int i = 0; i < kExports; ++i) {
      const std::filesystem::path path = scratch.path() / ("view" + std::to_string(i) + ".eps");
      EXPECT_EQ(writePostScript(*picture, exported, path, 0.25, origin), kPostScriptWritten);
    }
  });
  // Meanwhile the window zooms and moves its own view and redraws it with
  // its scale, from the same picture.
  ViewState view(picture->pageBox, picture->deviceWidth, picture->deviceHeight);
  StrokeTextPainter text;
  for (int step = 0; step < 200; ++step) {
    zoomView(view, 100 + step % 300, 200, step % 3 == 0 ? 1.0 / kZoomStep : kZoomStep);
    panView(view, 5, -3);
    MemoryDevice device(520, 400, picture->backgroundColour, MemoryDevice::Keeping::kNothing);
    replay(picture->displayList, view, device);
    DisplayList scale;
    Pen pen;
    DrawingLayer layer(view, device, pen, &scale);
    drawViewScale(layer, text, picture->coordinateRegions.front(), picture->scaleStyle);
  }
  exporter.join();

  const std::string alone = fileText(scratch.path() / "alone.eps");
  EXPECT_NE(alone.find("%%BoundingBox: 64 30 727 582"), std::string::npos);
  for (int i = 0; i < kExports; ++i) {
    EXPECT_EQ(fileText(scratch.path() / ("view" + std::to_string(i) + ".eps")), alone) << i;
  }
}

}  // namespace
}  // namespace vexplot
