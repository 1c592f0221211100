#pragma once

#include <filesystem>
#include <string>

#include "viewer/language/command_reader.hpp"
#include "viewer/language/frame_drawing.hpp"
#include "viewer/language/frame_list.hpp"
#include "viewer/language/message_sink.hpp"

namespace vexplot {

// What the shell sets before each interpretation.
struct InterpretRequest {
  std::filesystem::path inputPath;
  std::string inputBaseName;       // frame titles: "#<number> <base name>"
  std::filesystem::path logPath;   // empty: no log file
  double plotFrameWidth = 520.0;   // requested drawing area of a frame, pixels
  double plotFrameHeight = 400.0;
};

// Runs over one plot command file: recognises the command words, hands each
// statement to its handler, keeps one frame per NEWFRAME, and at the end of the
// file completes the last frame and closes the file and the log. It owns the
// reader and the frames; the frames stay after the file ends for the plot
// windows to show.
class Interpreter {
 public:
  Interpreter(MessageSink& messages, FrameDrawing& drawing)
      : messages_(messages), drawing_(drawing), reader_(messages.log()) {}

  // Returns 1 (and reports nothing) when the input cannot be opened, else 0.
  int interpretFile(const InterpretRequest& request);

  FrameList& frames() { return frames_; }
  const FrameList& frames() const { return frames_; }

  // Whether the last interpretation wrote a log file.
  bool logWritten() const { return logWritten_; }

 private:
  void openLog(const std::filesystem::path& path);
  void runStatements();
  // Reads and runs one statement; a status from kEndsFile on ends the file.
  int runStatement(std::string& token);
  int runCommand(int command);
  int newFrame();
  void beginFrame(int number);
  // Completes the current frame; false when memory ran out for its last
  // items.
  bool endFrame();
  void finish();

  MessageSink& messages_;
  FrameDrawing& drawing_;
  CommandReader reader_;
  FrameList frames_;
  const InterpretRequest* request_ = nullptr;  // during interpretFile only
  FrameState* current_ = nullptr;
  int framesOfFile_ = 0;
  bool logWritten_ = false;
};

}  // namespace vexplot
