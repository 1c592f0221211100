// Times the redrawing of a plot window after a magnification: a frame of
// 5 x 10^5 curve segments is interpreted once, then its display list is
// replayed into a window image, as the window does for a new view, for the
// whole page and for a magnified quarter, at two window sizes.
//   bench_replay [REPEATS]        (default 11; the median is reported)
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "viewer/language/interpreter.hpp"
#include "viewer/language/message_sink.hpp"
#include "viewer/render/drawing_layer.hpp"
#include "viewer/render/frame_renderer.hpp"
#include "viewer/render/memory_device.hpp"
#include "viewer/render/stroke_text.hpp"
#include "viewer/windows/plot_interaction.hpp"
#include "viewer/windows/screen_device.hpp"

namespace {

using namespace vexplot;

constexpr int kCurves = 50;
constexpr int kPointsPerCurve = 10'001;  // 50 x 10^4 = 5 x 10^5 segments

class SilentDisplay final : public TextDisplay {
 public:
  void appendText(std::string_view) override {}
};

// One frame of sine curves across the whole window box.
std::filesystem::path writePlotFile() {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("bench_replay_" + std::to_string(::getpid()) + ".vpt");
  std::ofstream out(path);
  out << " SET WINDOW X FROM 2 9.7 Y FROM 1 TO 8\n SET LIMIT X 0 1 Y -2 2\n";
  char line[64];
  for (int c = 0; c < kCurves; ++c) {
    for (int i = 0; i < kPointsPerCurve; ++i) {
      const double x = static_cast<double>(i) / (kPointsPerCurve - 1);
      const double y = std::sin(2.0 * std::numbers::pi * (c % 10 + 1) * x + c) * (1.0 + 0.02 * c) / 2.0;
      std::snprintf(line, sizeof line, "%.6f %.6f\n", x, y);
      out << line;
    }
    out << " JOIN 1\n";
  }
  return path;
}

std::size_t drawRecords(const FrameState& frame) {
  std::size_t draws = 0;
  frame.picture().displayList.forEach([&](const DisplayRecord& record) { draws += record.kind == kDraw; });
  return draws;
}

// What the window does for a new view: a fresh image, the replay, the
// picture handed to the canvas.
double replayMilliseconds(const FrameState& frame, const ViewState& view) {
  const int width = static_cast<int>(view.deviceWidth());
  const int height = static_cast<int>(view.deviceHeight());
  const auto start = std::chrono::steady_clock::now();
  ScreenDevice device(width, height, frame.backgroundColour);
  replay(frame.picture().displayList, view, device);
  const QImage picture = device.snapshot();
  const auto end = std::chrono::steady_clock::now();
  if (picture.isNull()) std::abort();
  return std::chrono::duration<double, std::milli>(end - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void report(const FrameState& frame, const ViewState& view, const char* name, int repeats) {
  std::vector<double> times;
  for (int i = 0; i < repeats; ++i) times.push_back(replayMilliseconds(frame, view));
  std::printf("  %-16s %4.0f x %-4.0f  median %7.1f ms   best %7.1f ms\n", name, view.deviceWidth(),
              view.deviceHeight(),
              median(times), *std::min_element(times.begin(), times.end()));
}

}  // namespace

int main(int argc, char** argv) {
  const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);

  const std::filesystem::path path = writePlotFile();
  SilentDisplay display;
  MessageSink messages(&display);
  StrokeTextPainter text;
  MemoryWindowHost windows(MemoryDevice::Keeping::kNothing);
  FrameRenderer drawing(windows, text, messages);
  Interpreter interpreter(messages, drawing);
  InterpretRequest request;
  request.inputPath = path;
  request.inputBaseName = "bench";
  const int opened = interpreter.interpretFile(request);
  std::filesystem::remove(path);
  if (opened != 0 || interpreter.frames().size() == 0 || !interpreter.frames()[0].windowOpen) {
    std::fprintf(stderr, "bench_replay: the generated plot file drew no frame\n");
    return 1;
  }
  FrameState& frame = interpreter.frames()[0];
  std::printf("Replay of one frame into a window image: %zu display records, %zu segments\n",
              frame.picture().displayList.size(), drawRecords(frame));
  std::printf("(target: a magnified view in under 100 ms)\n");

  for (const auto& [width, height] : {std::pair{520, 400}, std::pair{1200, 900}}) {
    ViewState view(frame.pageBox, width, height);
    report(frame, view, "whole page", repeats);
    // The middle of the window, half its width and height, as a drag would
    // select it.
    if (!magnifyView(view, {width / 4, height / 4}, {3 * width / 4, 3 * height / 4})) return 1;
    report(frame, view, "magnified 2x", repeats);
  }
  return 0;
}
