#pragma once

#include <filesystem>
#include <string_view>

#include "viewer/language/interpreter.hpp"
#include "viewer/language/message_sink.hpp"
#include "viewer/render/frame_renderer.hpp"
#include "viewer/render/memory_device.hpp"
#include "viewer/render/text_painter.hpp"

namespace vexplot::testing {

// The frames of a plot text, interpreted with drawing areas in memory (of
// 520 by 400 pixels unless given) and without text.
class InterpretedFrames {
 public:
  explicit InterpretedFrames(std::string_view plotText, double frameWidth = 520.0,
                             double frameHeight = 400.0);
  ~InterpretedFrames();

  FrameState& frame(std::size_t index) { return interpreter_.frames()[index]; }
  std::size_t count() const { return interpreter_.frames().size(); }

 private:
  std::filesystem::path directory_;
  MessageSink messages_;
  MemoryWindowHost windows_;
  BlankTextPainter text_;
  FrameRenderer renderer_{windows_, text_, messages_};
  Interpreter interpreter_{messages_, renderer_};
};

// A frame with three coordinate regions: a (window 2.6..11.7 by 2..9, x
// 0..10, y 1..100) with a curve; b, where the window moves to 6..11 by 4..8
// and y turns logarithmic; and c (that window, x 100..200, y 1..1000
// logarithmic) with a curve. The point (8, 6) lies in all three.
inline constexpr std::string_view kThreeRegionPlot =
    "SET LIMIT X FROM 0 TO 10 Y FROM 1 TO 100\n"
    "1 10\n5 50\n9 90\nJOIN\n"
    "SET WINDOW X FROM 6 TO 11 Y FROM 4 TO 8\n"
    "SET SCALE Y LOG\n"
    "SET LIMIT X FROM 100 TO 200 Y FROM 1 TO 1000\n"
    "110 2\n150 20\n190 200\nJOIN\n";

}  // namespace vexplot::testing
