#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/scratch_directory.hpp"
#include "viewer/language/frame_drawing.hpp"
#include "viewer/language/frame_state.hpp"
#include "viewer/language/interpreter.hpp"
#include "viewer/language/message_sink.hpp"

namespace vexplot::testing {

// Keeps every text handed to the display, as it was handed over.
class RecordingDisplay final : public TextDisplay {
 public:
  void appendText(std::string_view text) override { texts.emplace_back(text); }
  std::vector<std::string> texts;
};

// Records the calls of the interpreter, the commands and the setters on the
// drawing side, with what each call saw.
class RecordingDrawing final : public FrameDrawing {
 public:
  struct Call {
    std::string what;  // "symbols", "join", "histogram", "axes", "decorations" or "finish"
    int frame;
    Rect windowBox;
    PointRange range{};
    int texture = kFrameTexture;
    bool dataCoordinates = true;
    int colour = kFrameColour;
  };

  int plotSymbols(FrameState& frame, PointRange range, bool dataCoordinates, int colour) override {
    calls.push_back({"symbols", frame.frameNumber, frame.windowBox, range, kFrameTexture,
                     dataCoordinates, colour});
    return plotResult;
  }
  int joinPoints(FrameState& frame, PointRange range, int texture, bool dataCoordinates,
                 int colour) override {
    calls.push_back({"join", frame.frameNumber, frame.windowBox, range, texture, dataCoordinates, colour});
    return plotResult;
  }
  int histogram(FrameState& frame, PointRange range, int texture, int colour) override {
    calls.push_back({"histogram", frame.frameNumber, frame.windowBox, range, texture, true, colour});
    return plotResult;
  }
  int drawPendingAxes(FrameState& frame) override {
    calls.push_back({"axes", frame.frameNumber, frame.windowBox});
    return 0;
  }
  int drawPendingDecorations(FrameState& frame) override {
    calls.push_back({"decorations", frame.frameNumber, frame.windowBox});
    return decorationsResult;
  }
  WindowOutcome finishFrame(FrameState& frame) override {
    calls.push_back({"finish", frame.frameNumber, frame.windowBox});
    return finishResult;
  }

  std::vector<Call> calls;
  int plotResult = 0;
  int decorationsResult = 0;
  WindowOutcome finishResult = WindowOutcome::kReady;
};

// Writes plot files into a temporary directory of the test and runs the
// interpreter over them.
class PlotFileTest : public ::testing::Test {
 protected:

  std::filesystem::path writeFile(std::string_view name, std::string_view bytes);

  // Interprets the bytes as the file "plot.vpx" and returns every display
  // text of the run; the drawing calls of the run are in drawing_.
  std::vector<std::string> run(std::string_view bytes);

  // Like run for a file of one frame, but returns only the diagnostics: the
  // closing "Plot #0 ends." and "Input file ... ends." texts are checked and
  // left out.
  std::vector<std::string> diagnostics(std::string_view bytes);

  // The frame of the last run with that number.
  FrameState& frame(std::size_t number);
  std::size_t frameCount() const;

  std::string endOfInputText() const;

  test_support::ScratchDirectory scratch_{"vexplot"};
  std::filesystem::path directory_ = scratch_.path();
  std::filesystem::path input_ = directory_ / "plot.vpx";
  std::filesystem::path logPath_;
  RecordingDisplay display_;
  MessageSink messages_{&display_};
  RecordingDrawing drawing_;
  Interpreter interpreter_{messages_, drawing_};

 private:
  std::size_t firstFrameOfRun_ = 0;
};

}  // namespace vexplot::testing
