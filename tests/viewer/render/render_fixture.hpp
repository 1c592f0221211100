#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/scratch_directory.hpp"
#include "viewer/language/interpreter.hpp"
#include "viewer/language/message_sink.hpp"
#include "viewer/render/frame_renderer.hpp"
#include "viewer/render/memory_device.hpp"
#include "viewer/render/text_painter.hpp"

namespace vexplot::testing {

// Keeps every string and title request instead of drawing it.
class RecordingTextPainter final : public TextPainter {
 public:
  struct Request {
    std::string text;
    std::string caseLine;
    PagePoint position;
    TextStyle style;
  };

  int drawText(DrawingLayer&, std::string_view text, std::string_view caseLine, PagePoint& position,
               const TextStyle& style) override {
    requests.push_back({std::string(text), std::string(caseLine), position, style});
    return 1;
  }
  // Notes how many records the display list held when titles were due.
  void drawPendingTitles(DrawingLayer& layer) override {
    titleFlushes.push_back(layer.frame().picture().displayList.size());
  }

  std::vector<Request> requests;
  std::vector<std::size_t> titleFlushes;
};

// Keeps the message texts as they were handed over.
class TextList final : public TextDisplay {
 public:
  void appendText(std::string_view text) override { texts.emplace_back(text); }
  std::vector<std::string> texts;
};

// Interprets plot files whose frames are drawn into memory devices of a
// 1000 by 600 pixel screen, and looks at what they drew.
class RenderTest : public ::testing::Test {
 protected:

  // Interprets the bytes as a plot file and returns the diagnostics, without
  // the closing "Plot #n ends." and "Input file ... ends." texts.
  std::vector<std::string> run(std::string_view bytes, double frameWidth = 520.0,
                               double frameHeight = 400.0);

  // The frame of the last run with that number.
  FrameState& frame(std::size_t number) { return interpreter_.frames()[firstFrameOfRun_ + number]; }
  std::size_t framesOfRun() const { return interpreter_.frames().size() - firstFrameOfRun_; }

  test_support::ScratchDirectory scratch_{"vexplot_render"};
  std::filesystem::path directory_ = scratch_.path();
  TextList display_;
  MessageSink messages_{&display_};
  MemoryWindowHost windows_{1000, 600};
  RecordingTextPainter text_;
  FrameRenderer renderer_{windows_, text_, messages_};
  Interpreter interpreter_{messages_, renderer_};

 private:
  std::size_t firstFrameOfRun_ = 0;
};

}  // namespace vexplot::testing
